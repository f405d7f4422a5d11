// Undo, back to the start, new game.
#include "model/basic.h"
#include "model/fenster1.h"
#include "toolkit/menu_ops.h"
#include "toolkit/runtime.h"

using namespace basic;

namespace {

// Both grids from a history snapshot: row r is the 10 characters from position 10·r − 9.
void restore(Fenster1& w, const std::string& snapshot) {
  for (int r = 1; r <= 9; ++r) {
    SetElem(w.org, r, Mid(snapshot, 10 * r - 9, 10));
    SetElem(w.feld, r, Elem(w.org, r));
    RuntimeBackgroundTask();
  }
}

}  // namespace

bool Fenster1::BearbeitenWiderrufen_Action() {
  if (Undo_Counter < 2) {
    RuntimeBeep();
    return false;
  }
  restore(*this, Elem(Undo_Memory, Undo_Counter - 1));
  draw_numbers();
  Undo_Counter = Undo_Counter - 1;
  check_lines_and_rows();
  check_trios();
  return false;
}

bool Fenster1::BearbeitenAllesaufAnfang_Action() {
  // Without a start of play there is no start position to go back to.
  if (Elem(Undo_Memory, 0).empty()) return false;
  enableMenuItems();
  restore(*this, Elem(Undo_Memory, 0));
  draw_numbers();
  Undo_Counter = 1;
  check_lines_and_rows();
  check_trios();
  editTextSetter(RuntimeControlReference(this, "EditField1"), "");
  return false;
}

bool Fenster1::AblageNeuesSpiel_Action() {
  const std::string question = RuntimeEndOfLineAddRight(RuntimeGetEndOfLineObject(),
                                                        "Möchten Sie wirklich das aktuelle Spiel verlassen?") +
                               "Alle Einstellungen gehen dabei verloren!";
  if (VB_RuntimeMsgBox(question, 273, "") != 1) return false;
  for (int r = 1; r <= 9; ++r) {
    SetElem(org, r, "0000000000");
    SetElem(feld, r, Elem(org, r));
    RuntimeBackgroundTask();
  }
  Graphics* g = canvasGraphicsGetter(RuntimeControlReference(this, "Canvas1"));
  graphicsPenHeightSetter(g, 1);
  graphicsPenWidthSetter(g, 1);
  graphicsForeColorSetter(g, RuntimeRGB(236, 236, 236));
  RuntimeGraphicsFillRect(g, 0, 0, 272, 278);
  graphicsForeColorSetter(g, RuntimeRGB(0, 0, 0));
  edit_mode = true;
  glob_s = 1;
  glob_z = 1;
  check_lines_and_rows();
  check_trios();
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton14"), true);
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton11"), false);  // entry mode takes no trial
  input_field("");
  return false;
}
