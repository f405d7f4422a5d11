// Undo, back to the start, new game.
#include "model/fenster1.h"

bool Fenster1::BearbeitenWiderrufen_Action() { return false; }
bool Fenster1::BearbeitenAllesaufAnfang_Action() { return false; }
bool Fenster1::AblageNeuesSpiel_Action() { return false; }
