// The About window.
#include "model/fenster1.h"

bool Fenster1::AblageberBSudoku_Action() { return false; }
