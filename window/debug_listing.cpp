// The debug listing.
#include "model/fenster1.h"

void Fenster1::BevelButton13_Action() {}
