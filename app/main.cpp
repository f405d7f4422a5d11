// Process entry of the game: the Qt back end, the command line, the start sequence, the exit code.
#include <algorithm>
#include <iostream>
#include <vector>

#include "app/startup.h"
#include "toolkit/qt/display.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/runtime.h"

int main(int argc, char** argv) {
  if (const auto problem = missingDisplayMessage(argc > 0 ? argv[0] : "")) {
    std::cerr << *problem << '\n';
    return 1;
  }
  // Qt takes its own options (-platform, -style, ...) out of argc and argv; the rest is ours.
  RuntimeInit(makeQtBackend(argc, argv));
  const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
  if (line.message) {
    (line.exitCode == 0 ? std::cout : std::cerr) << *line.message;
    RuntimeExit();
    return line.exitCode;
  }
  Main(line.gameFile);
  return RuntimeExit();
}
