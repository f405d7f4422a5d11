// Trial digits: try, Test, Nehmen, Reset.
#include "model/fenster1.h"

void Fenster1::put_probe_into_field(int digit) { (void)digit; }
void Fenster1::reset_field() {}
void Fenster1::BevelButton10_Action() {}
void Fenster1::BevelButton11_Action() {}
void Fenster1::BevelButton12_Action() {}
