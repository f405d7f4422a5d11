// Event delivery from a back end to the game. Every event goes through here, so that the rules
// hold on every back end: no game handler starts while another one runs (input that arrives
// meanwhile is dropped), coordinates outside a control never reach it, the menu enabling runs
// before a command acts, and a quit or an uncaught exception inside a handler ends the event
// cleanly.
#pragma once

#include <string>

class Window;
class Control;
class MenuItem;

namespace toolkit {

// True while a game handler runs.
bool handlerRunning();

// A key in the window's key event: a one-character string with the old codes (Escape 27,
// arrows 28 to 31, Tab 9, Backspace and Delete 8).
void dispatchKeyDown(Window& window, const std::string& key);
// A button's Action event.
void dispatchAction(Control& control);
// A mouse button going down at (x, y) in control pixels, clamped to the control.
void dispatchMouseDown(Control& control, int x, int y);
// The pointer moving over the control, clamped likewise.
void dispatchMouseMove(Control& control, int x, int y);

// Recomputes the enabled state of the window's menu items (its EnableMenuItems event). Runs
// before a menu opens and before a command key acts.
void updateMenuEnabling(Window& window);
// The user chose a menu item of the window's menu bar: the enabling runs first, and only an
// enabled item acts. The quit item quits, even while a handler runs.
void chooseMenuItem(Window& window, MenuItem& item);
// A command key, Ctrl+letter: the item with that key, chosen as above. Returns whether an item
// has that key.
bool commandKey(Window& window, char letter);

// Ends the event loop; a handler that is running unwinds from its next yield.
void requestQuit();
bool quitRequested();

}  // namespace toolkit
