// Start of play: the end of entry, the forced cells of the givens, the start position.
#include "model/basic.h"
#include "model/fenster1.h"
#include "toolkit/runtime.h"

using namespace basic;

void Fenster1::BevelButton14_Action() {
  edit_mode = false;
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton14"), false);
  first_move();
}

void Fenster1::first_move() {
  for (int r = 1; r <= 9; ++r) {
    SetElem(feld, r, Elem(org, r));
    RuntimeBackgroundTask();
  }
  Undo_Counter = 0;
  check_lines_and_rows();
  check_trios();
  draw_game();
  cur_Color = RuntimeRGB(0, 0, 0);
  draw_numbers();  // the givens, typed in blue, now in cur_Color

  // Fill forced cells until a pass fills nothing or meets a contradiction; either way the cells
  // written so far become the start position.
  while (find_uniques()) {
    check_lines_and_rows();
    check_trios();
    RuntimeBackgroundTask();
  }

  std::string snapshot;
  for (int r = 1; r <= 9; ++r) {
    SetElem(org, r, Elem(feld, r));
    snapshot += Elem(org, r);
    RuntimeBackgroundTask();
  }
  SetElem(Undo_Memory, 0, std::move(snapshot));
  Undo_Counter = Undo_Counter + 1;
  check_won();
}
