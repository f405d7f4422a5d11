// Pointer input on the board.
#include "model/fenster1.h"

void Fenster1::Canvas1_MouseMove(int x, int y) { (void)x; (void)y; }
bool Fenster1::Canvas1_MouseDown(int x, int y) { (void)x; (void)y; return false; }
