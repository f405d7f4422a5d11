// The start sequence of the application: bind the button setters, register the file type,
// create the application object with its menu bar, build and open the main window, run the
// event loop until the user quits.
#pragma once

#include "toolkit/application.h"

// The application class: one object, holding the menu bar.
class App final : public Application {};

// The whole start sequence, from the setter table to the end of the event loop. An exception
// that leaves any step is reported through RuntimeUnhandledException; Main then returns
// normally. The process entry calls RuntimeInit before and RuntimeExit after it.
void Main();

// The steps of Main, in their order.
// Fills the bevel-button setter table: ten slots, each bound by its entry point's name.
void InitPluginEntrypoints();
// Creates the one App object, gives it the menu bar and registers it as the application.
void NewAppInstance();
// Builds the main window (which opens it) and puts its drawing on the screen.
void MakeDefaultView();
