// Page setup and printing.
#include "model/fenster1.h"

bool Fenster1::AblageSeiteeinrichten_Action() { return false; }
bool Fenster1::AblageDrucken_Action() { return false; }
