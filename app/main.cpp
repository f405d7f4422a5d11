// Process entry of the game: the Qt back end, the start sequence, the exit code.
#include <iostream>

#include "app/startup.h"
#include "toolkit/qt/display.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/runtime.h"

int main(int argc, char** argv) {
  if (const auto problem = missingDisplayMessage(argc > 0 ? argv[0] : "")) {
    std::cerr << *problem << '\n';
    return 1;
  }
  RuntimeInit(makeQtBackend(argc, argv));
  Main();
  return RuntimeExit();
}
