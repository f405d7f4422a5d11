// Puzzle entry: the open event, the key table of entry mode, writing givens.
#include "model/basic.h"
#include "model/fenster1.h"
#include "toolkit/menu_ops.h"
#include "toolkit/runtime.h"

using namespace basic;

namespace {

// Key codes of entry mode, as the back ends deliver them.
constexpr unsigned char kEscape = 27;
constexpr unsigned char kLeft = 28;
constexpr unsigned char kRight = 29;
constexpr unsigned char kUp = 30;
constexpr unsigned char kDown = 31;
constexpr unsigned char kTab = 9;
constexpr unsigned char kBackspace = 8;

// Flushes the main window's drawing and shows it: the window is reached through its class's
// one instance, as the board painting does everywhere.
void present() {
  Fenster1& main = Fenster1::instance();
  WindowForceUpdateFrontBuffer(&main);
  RuntimeShowWindow(&main);
}

}  // namespace

void Fenster1::Open() {
  enableMenuItems();
  for (int r = 1; r <= 9; ++r) {
    SetElem(org, r, "0000000000");
    SetElem(feld, r, Elem(org, r));
    RuntimeBackgroundTask();
  }
  edit_mode = true;
  glob_z = 1;
  glob_s = 1;
  check_lines_and_rows();
  check_trios();
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton14"), true);
  input_field("");
}

bool Fenster1::KeyDown(const std::string& key) {
  input_field(key);
  return false;
}

bool Fenster1::input_field(const std::string& key) {
  if (!edit_mode) return false;

  draw_game();
  mark_square(glob_z, glob_s);
  present();
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton10"), false);
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton12"), false);

  // A digit is one character "1" to "9"; a longer text would make the row string longer.
  if (key.size() == 1 && key >= "1" && key <= "9") {
    const std::string candidates = ret_possible(glob_s, glob_z);
    if (InStr(candidates, key) != 0) {
      put_init_into_field(glob_s, glob_z, key);
    } else {
      RuntimeBeep();
    }
  } else if (!key.empty()) {
    const auto code = static_cast<unsigned char>(key[0]);
    bool moved = true;
    switch (code) {
      case kEscape:
        edit_mode = false;
        return true;
      case kLeft:
        glob_s = glob_s > 1 ? glob_s - 1 : 9;
        break;
      case kRight:
        glob_s = glob_s < 9 ? glob_s + 1 : 1;
        break;
      case kUp:
        glob_z = glob_z > 1 ? glob_z - 1 : 9;
        break;
      case kDown:
        glob_z = glob_z < 9 ? glob_z + 1 : 1;
        break;
      case kTab:
        if (glob_s < 9) {
          glob_s = glob_s + 1;
        } else {
          glob_s = 1;
          glob_z = glob_z < 9 ? glob_z + 1 : 1;
        }
        break;
      case kBackspace:
        moved = false;
        put_init_into_field(glob_s, glob_z, "0");
        break;
      default:
        moved = false;
        break;
    }
    if (moved) mark_square(glob_z, glob_s);
  }

  present();
  return false;
}

void Fenster1::put_init_into_field(int column, int row, const std::string& digit) {
  // Only a cell of the board takes a given, and only one character "0" to "9": anything else
  // would write a row that holds no cells or break the row string's length of 10.
  if (column < 1 || column > 9 || row < 1 || row > 9) return;
  if (digit.size() != 1 || digit[0] < '0' || digit[0] > '9') return;

  SetElem(org, row, SpliceCell(Elem(org, row), column, digit));
  SetElem(feld, row, Elem(org, row));
  check_lines_and_rows();
  check_trios();

  Graphics* g = canvasGraphicsGetter(RuntimeControlReference(this, "Canvas1"));
  RuntimeShowWindow(this);
  graphicsPenWidthSetter(g, 1);
  graphicsPenHeightSetter(g, 1);
  graphicsForeColorSetter(g, RuntimeRGB(236, 236, 236));
  RuntimeGraphicsFillRect(g, glob_x + 2, glob_y + 2, 27, 27);  // the framed cell's inner area
  const std::string shown = digit == "0" ? " " : digit;
  graphicsPenWidthSetter(g, 1);
  graphicsPenHeightSetter(g, 1);
  graphicsForeColorSetter(g, RuntimeRGB(0, 0, 255));
  RuntimeGraphicsDrawString(g, shown, (column - 1) * 30 + 11, row * 30 - 11, 0);
  RuntimeShowWindow(this);
}
