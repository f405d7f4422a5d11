// The start sequence of the application: bind the button setters, register the file type,
// create the application object with its menu bar, build and open the main window, run the
// event loop until the user quits.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "toolkit/application.h"

// The application class: one object, holding the menu bar.
class App final : public Application {};

// The whole start sequence, from the setter table to the end of the event loop. With a game
// file, it is loaded into the opened main window before the loop runs, exactly as "Laden" loads
// it; a refused file is reported and leaves the empty board in entry mode. An exception that
// leaves any step is reported through RuntimeUnhandledException; Main then returns normally.
// The process entry calls RuntimeInit before and RuntimeExit after it.
void Main(const std::optional<std::string>& gameFile = std::nullopt);

// What the program's own arguments (those the GUI toolkit left) ask for: at most one game file.
struct CommandLine {
  std::optional<std::string> gameFile;
  // For a call that cannot be followed, or a request for help: the text for standard error
  // and the exit code; the game is then not started.
  std::optional<std::string> message;
  int exitCode = 0;
};
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The steps of Main, in their order.
// Fills the bevel-button setter table: ten slots, each bound by its entry point's name.
void InitPluginEntrypoints();
// Creates the one App object, gives it the menu bar and registers it as the application.
void NewAppInstance();
// Builds the main window (which opens it) and puts its drawing on the screen.
void MakeDefaultView();
