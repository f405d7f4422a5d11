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
void InitPluginEntrypoints();
void NewAppInstance();
void MakeDefaultView();
