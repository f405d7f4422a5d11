// The nine digit buttons.
#include "model/fenster1.h"

void Fenster1::digit_button(int digit) { (void)digit; }
void Fenster1::BevelButton1_Action() { digit_button(1); }
void Fenster1::BevelButton2_Action() { digit_button(2); }
void Fenster1::BevelButton3_Action() { digit_button(3); }
void Fenster1::BevelButton4_Action() { digit_button(4); }
void Fenster1::BevelButton5_Action() { digit_button(5); }
void Fenster1::BevelButton6_Action() { digit_button(6); }
void Fenster1::BevelButton7_Action() { digit_button(7); }
void Fenster1::BevelButton8_Action() { digit_button(8); }
void Fenster1::BevelButton9_Action() { digit_button(9); }
