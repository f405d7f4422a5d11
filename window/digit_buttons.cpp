// The nine digit buttons: a given in entry mode, a trial digit in play.
#include "model/basic.h"
#include "model/fenster1.h"

void Fenster1::digit_button(int digit) {
  if (glob_z == 0 || glob_s == 0) return;  // no cell is selected
  if (edit_mode) {
    put_init_into_field(glob_s, glob_z, basic::Str(digit));
  } else {
    put_probe_into_field(digit);
  }
}

void Fenster1::BevelButton1_Action() { digit_button(1); }
void Fenster1::BevelButton2_Action() { digit_button(2); }
void Fenster1::BevelButton3_Action() { digit_button(3); }
void Fenster1::BevelButton4_Action() { digit_button(4); }
void Fenster1::BevelButton5_Action() { digit_button(5); }
void Fenster1::BevelButton6_Action() { digit_button(6); }
void Fenster1::BevelButton7_Action() { digit_button(7); }
void Fenster1::BevelButton8_Action() { digit_button(8); }
void Fenster1::BevelButton9_Action() { digit_button(9); }
