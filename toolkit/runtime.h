// The toolkit operations the game calls, spelled as the game's design names them. Game code
// includes this header and nothing of any GUI library; behind it stands the one back end that
// RuntimeInit installed.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "toolkit/backend.h"
#include "toolkit/controls.h"
#include "toolkit/menu.h"
#include "toolkit/types.h"
#include "toolkit/window.h"

// ---- Application ----------------------------------------------------------------------------

// Initialises the runtime over a back end; must come before any other toolkit call. A second
// call (tests) first ends the previous run as RuntimeExit does.
void RuntimeInit(std::unique_ptr<Backend> backend);
// Runs the event loop until the application quits.
void RuntimeRun();
// Reports an exception that no code caught, through the back end.
void RuntimeUnhandledException(const std::exception& e);
// Shuts the runtime down (destroys every window, the application and the menu bar) and returns
// the process's exit code.
int RuntimeExit();
// The back end installed by RuntimeInit (tests reach the headless back end's record here).
Backend& RuntimeBackend();

// Thrown out of the yield point when the user quits while a handler runs, so that a long
// search unwinds at once; the dispatch of the event that started the handler catches it.
class QuitRequested final : public std::exception {
 public:
  const char* what() const noexcept override { return "quit requested"; }
};

// ---- Windows --------------------------------------------------------------------------------

// Builds a window object that the runtime then owns: runs its Layout and CreateControls events,
// creates its back-end side, registers it as the implicit instance of its class and runs its
// Open event. Returns the window.
Window* WindowDefaultConstructor(std::unique_ptr<Window> window);
// The existing implicit instance of the named window class, or nullptr.
Window* RuntimeGetImplicitWindow(std::string_view className);
// Destroys a window the runtime owns (a closed secondary window).
void RuntimeDestroyWindow(Window* window);

// Shows the window and brings it to the front; does nothing when it already is.
void RuntimeShowWindow(Window* window);
void RuntimeHideWindow(Window* window);
// Presents what the window has drawn (at most at the display's rate).
void WindowForceUpdateFrontBuffer(Window* window);

// Allocates a new object of the class for the window, which owns it; nullptr for an unknown class.
Object* WindowAllocateObject(Window* window, const Class* cls);
// Initialises a new control with the toolkit's defaults.
void RectControlDefaultConstructor(Control* control);
// Adds a control allocated for the window to its controls, under the given name.
void WindowAddControl(Window* window, Object* control, std::string name);
// Installs the handler of a control's event ("Action", "MouseDown", "MouseMove").
void RuntimeInstallInstanceEventHandler(Control* control, std::string event, EventHandler handler);
// Attaches the window's handler of the menu item with that name.
void WindowAddMenuHandler(Window* window, std::string itemName, std::function<bool()> handler);

// ---- Controls -------------------------------------------------------------------------------

// The window's control of that name, or nullptr. Every setter below ignores nullptr.
Control* RuntimeControlReference(Window* window, std::string_view name);
void controlEnabledSetter(Control* control, bool enabled);
void controlHelpTagSetter(Control* control, std::string text);
std::string editTextGetter(Control* control);
void editTextSetter(Control* control, std::string text);

// ---- Drawing --------------------------------------------------------------------------------

// The canvas's graphics, or nullptr for anything that is not a canvas.
Graphics* canvasGraphicsGetter(Control* control);
inline void graphicsForeColorSetter(Graphics* g, Color c) {
  if (g) g->foreColor = c;
}
inline void graphicsPenWidthSetter(Graphics* g, int w) {
  if (g) g->penWidth = w;
}
inline void graphicsPenHeightSetter(Graphics* g, int h) {
  if (g) g->penHeight = h;
}
inline void RuntimeGraphicsFillRect(Graphics* g, int x, int y, int w, int h) {
  if (g) g->surface()->fillRect(x, y, w, h, g->foreColor);
}
inline void RuntimeGraphicsDrawRect(Graphics* g, int x, int y, int w, int h) {
  if (g) g->surface()->drawRect(x, y, w, h, g->foreColor, g->penWidth, g->penHeight);
}
// Text from the left end of its baseline; a wrap width of 0 means no wrapping (the only use).
inline void RuntimeGraphicsDrawString(Graphics* g, std::string_view text, int x, int y, int wrapWidth = 0) {
  (void)wrapWidth;
  if (g) g->surface()->drawString(text, x, y, g->foreColor);
}

// ---- Alerts ---------------------------------------------------------------------------------

void RuntimeBeep();
// A modal message with one OK button.
void RuntimeMsgBox(const std::string& text);
// A modal message with a buttons code; returns the button chosen (1 = OK).
int VB_RuntimeMsgBox(const std::string& text, int buttons, const std::string& title);

// ---- Text -----------------------------------------------------------------------------------

// The platform's line end, as an object that text is joined with.
struct EndOfLine {
  std::string text = "\n";
};
EndOfLine RuntimeGetEndOfLineObject();
// `text` followed by the line end.
std::string RuntimeEndOfLineAddRight(const EndOfLine& eol, const std::string& text);

// ---- Yield ----------------------------------------------------------------------------------

namespace toolkit::detail {
extern unsigned yieldCountdown;
void yieldSlow();
}  // namespace toolkit::detail

// The yield point of every loop. It costs a counter decrement; only every few milliseconds does
// it let the back end do its own work. No handler of the game runs from inside it.
inline void RuntimeBackgroundTask() {
  if (--toolkit::detail::yieldCountdown == 0) toolkit::detail::yieldSlow();
}
