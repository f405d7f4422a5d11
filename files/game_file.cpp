// The game file: save and load.
#include "model/fenster1.h"

bool Fenster1::AblageSpeichern_Action() { return false; }
bool Fenster1::AblageLaden_Action() { return false; }
