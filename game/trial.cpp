// Trial digits: try a digit, "Test" what it forces, take it with "Nehmen" or throw it back.
#include "model/basic.h"
#include "model/fenster1.h"
#include "toolkit/runtime.h"

using namespace basic;

namespace {

// The history holds slots 0 to 100.
constexpr int kHistorySlots = 101;

bool onBoard(int row, int column) { return row >= 1 && row <= 9 && column >= 1 && column <= 9; }

}  // namespace

void Fenster1::put_probe_into_field(int digit) {
  // A trial belongs in an empty cell of the working grid: on a filled one "Test" would write
  // over a committed digit.
  if (digit < 1 || digit > 9 || !onBoard(glob_z, glob_s) || CharAt(Elem(feld, glob_z), glob_s + 1) != "0") {
    RuntimeBeep();
    return;
  }
  glob_probe = digit;
  RuntimeShowWindow(this);
  Graphics* g = canvasGraphicsGetter(RuntimeControlReference(this, "Canvas1"));
  graphicsPenHeightSetter(g, 1);
  graphicsPenWidthSetter(g, 1);
  graphicsForeColorSetter(g, RuntimeRGB(0, 0, 255));
  RuntimeGraphicsDrawString(g, Str(glob_probe), (glob_s - 1) * 30 + 11, glob_z * 30 - 11, 0);
  RuntimeShowWindow(this);
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton10"), true);
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton12"), true);
}

void Fenster1::BevelButton10_Action() {
  // Only a trial shown in an empty cell of the board can be tested (see put_probe_into_field);
  // a grid loaded meanwhile may have filled the cell.
  if (glob_probe < 1 || glob_probe > 9 || !onBoard(glob_z, glob_s) || CharAt(Elem(feld, glob_z), glob_s + 1) != "0") {
    RuntimeBeep();
    return;
  }
  activate_beavels("");
  SetElem(feld, glob_z, SpliceCell(Elem(feld, glob_z), glob_s, Str(glob_probe)));
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton11"), false);
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton12"), false);
  check_lines_and_rows();
  check_trios();
  while (find_uniques()) RuntimeBackgroundTask();  // find_uniques keeps the sets current itself
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton11"), true);
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton12"), true);
  check_won();
}

void Fenster1::BevelButton11_Action() {
  if (Undo_Counter < 0 || Undo_Counter >= kHistorySlots) {
    RuntimeBeep();  // no slot left for the position before this move
    return;
  }
  std::string snapshot;
  for (int r = 1; r <= 9; ++r) snapshot += Elem(org, r);
  SetElem(Undo_Memory, Undo_Counter, std::move(snapshot));
  for (int r = 1; r <= 9; ++r) {
    SetElem(org, r, Elem(feld, r));
    RuntimeBackgroundTask();
  }
  const int move = Undo_Counter;
  Undo_Counter = Undo_Counter + 1;
  Control* log = RuntimeControlReference(this, "EditField1");
  editTextSetter(log, editTextGetter(log) + "Zug Nr. " + Str(move) + ": " + Str(glob_probe) + " auf Zeile " +
                          Str(glob_z) + ", Spalte " + Str(glob_s) + "\r");
  glob_z = 0;
  glob_s = 0;
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton11"), false);
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton12"), false);
}

void Fenster1::reset_field() {
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton10"), false);
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton11"), false);
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton12"), false);
  RuntimeShowWindow(this);
  Graphics* g = canvasGraphicsGetter(RuntimeControlReference(this, "Canvas1"));
  graphicsPenHeightSetter(g, 1);
  graphicsPenWidthSetter(g, 1);
  graphicsForeColorSetter(g, RuntimeRGB(236, 236, 236));
  RuntimeGraphicsFillRect(g, glob_x + 2, glob_y + 2, 27, 27);
  for (int r = 1; r <= 9; ++r) {
    SetElem(feld, r, Elem(org, r));
    RuntimeBackgroundTask();
  }
  check_lines_and_rows();
  check_trios();
}

void Fenster1::BevelButton12_Action() {
  reset_field();
  draw_numbers();
  activate_beavels("");
}
