// The Qt 6 Widgets back end of the application: it owns the QApplication, shows the toolkit's
// windows, controls and menus, runs the event loop, presents canvas frames at the display's
// rate while a handler runs, and shows the standard dialogs in German.
#pragma once

#include <QString>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/backend.h"

class QApplication;
class QTranslator;
class QWidget;
class QtWindowPeer;
class OutsideQuit;

class QtBackend final : public Backend {
 public:
  QtBackend(int& argc, char** argv);
  ~QtBackend() override;

  std::unique_ptr<WindowPeer> createPeer(Window& window) override;
  void prepareCanvas(Canvas& canvas) override;
  void processEvents() override;
  void run() override;
  void quit() override;

  void beep() override;
  void msgBox(const std::string& text) override;
  int msgBoxButtons(const std::string& text, int buttons, const std::string& title) override;
  std::optional<std::string> fileDialog(const FileDialogRequest& request) override;
  bool pageSetupDialog(PrinterSetup& setup) override;
  std::unique_ptr<PrintJob> printDialog(PrinterSetup* setup) override;
  void unhandledException(const std::string& what) override;

  // Canvas paints that showed new pixels, over the whole run.
  long long framesPresented() const { return frames_; }
  long long& frameCounter() { return frames_; }
  // The next print dialog is not shown: it answers at once with a PDF printer writing to `path`.
  void printNextToPdf(const std::string& path) { pdfPath_ = path; }

  // ---- For the window peers ----
  void addPeer(QtWindowPeer* peer) { peers_.push_back(peer); }
  void removePeer(QtWindowPeer* peer);
  // Destroys the window once the event that closed it is over.
  void destroyWindowSoon(Window* window);
  // Closes every modal dialog that is open, so that a quit is not held up by one.
  void closeModalDialogs();
  // A quit that does not come from the game's own commands (a signal, a blocked close): the open
  // dialogs close, and a running handler unwinds.
  void quitFromOutside();

 private:
  // The top-level widget that dialogs belong to: the active window's, or the main window's.
  QWidget* dialogParent() const;
  // Presents the canvases that changed, on return to the event loop.
  void presentAll();
  // The main window's widget, or nullptr before it exists.
  QWidget* mainWidget() const;

  std::unique_ptr<QApplication> app_;
  std::unique_ptr<QTranslator> translator_;
  std::unique_ptr<OutsideQuit> outsideQuit_;
  std::vector<QtWindowPeer*> peers_;
  long long frames_ = 0;
  std::chrono::steady_clock::time_point lastFrame_{};
  bool quitting_ = false;
  std::optional<std::string> pdfPath_;
};

std::unique_ptr<Backend> makeQtBackend(int& argc, char** argv);
