// The About command of the main window.
#include "app/fenster2.h"
#include "model/fenster1.h"
#include "toolkit/runtime.h"

bool Fenster1::AblageberBSudoku_Action() {
  RuntimeShowWindow(&Fenster2::instance());
  return false;
}
