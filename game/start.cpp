// Start of play.
#include "model/fenster1.h"

void Fenster1::BevelButton14_Action() {}
void Fenster1::first_move() {}
