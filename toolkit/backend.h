// The one interface between the toolkit layer and a GUI: the Qt back end of the application
// and the headless back end of tests and benchmarks implement it. Exactly one is installed, by
// RuntimeInit.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "toolkit/printing.h"

class Window;
class Control;
class Canvas;

// The back end's side of one window.
class WindowPeer {
 public:
  virtual ~WindowPeer() = default;
  // Shows the window and brings it to the front.
  virtual void show() = 0;
  virtual void hide() = 0;
  // Asks for what the window has drawn to be presented. Called after every solver repaint, so
  // it must cost next to nothing: frames reach the screen at most at the display's rate, and
  // the last state is always presented.
  virtual void flush() = 0;
  // A control's enabled state, help tag, text or caption changed.
  virtual void controlChanged(Control& control) = 0;
  // The enabled state of a menu item of the window's menu bar changed.
  virtual void menuChanged() = 0;
};

// What a file dialog shows.
struct FileDialogRequest {
  enum class Kind { Save, Open };
  Kind kind = Kind::Open;
  std::string initialFolder;  // a folder path; empty for the back end's choice
  std::string title;          // the dialog's window title
  std::string prompt;         // its prompt line
  std::string suggestedName;  // save only
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Builds the back end's side of a window whose controls and menu bar are set.
  virtual std::unique_ptr<WindowPeer> createPeer(Window& window) = 0;
  // Gives a canvas its pixel buffer (at the back end's device scale) and its glyphs.
  virtual void prepareCanvas(Canvas& canvas) = 0;

  // The toolkit's own work (repaints, timers, window-system events), from the yield point.
  virtual void processEvents() = 0;
  // The event loop, until quit() is called.
  virtual void run() = 0;
  virtual void quit() = 0;

  virtual void beep() = 0;
  // A modal message with one OK button.
  virtual void msgBox(const std::string& text) = 0;
  // A modal message with a buttons code (273: OK and Cancel, stop icon, Cancel the default);
  // returns the button chosen: 1 for OK, 2 for Cancel.
  virtual int msgBoxButtons(const std::string& text, int buttons, const std::string& title) = 0;

  // A modal save or open dialog; the chosen path, or nothing when cancelled.
  virtual std::optional<std::string> fileDialog(const FileDialogRequest& request) = 0;
  // The modal page-setup dialog for the object; true when confirmed (settings updated).
  virtual bool pageSetupDialog(PrinterSetup& setup) = 0;
  // The modal print dialog; a page to draw on, or nothing when cancelled.
  virtual std::unique_ptr<PrintJob> printDialog(PrinterSetup* setup) = 0;

  // Reports an exception that no code caught.
  virtual void unhandledException(const std::string& what) = 0;
};
