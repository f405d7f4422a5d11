// The in-memory back end of tests and benchmarks. It draws nothing on a screen: canvases are
// rasters that tests read, and everything the user would see or answer is recorded or scripted.
// A modal dialog that the test did not script an answer for fails loudly.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/raster.h"

// Thrown when a modal dialog opens that the test gave no answer for.
class UnscriptedDialog final : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class HeadlessBackend final : public Backend {
 public:
  struct Message {
    std::string text;
    int buttons = 0;  // 0 for a message with its single OK button
    std::string title;
  };

  // ---- What happened ----
  int beeps = 0;
  std::vector<Message> messages;
  std::vector<FileDialogRequest> fileDialogs;
  long long processEventsCalls = 0;
  long long flushes = 0;
  long long shows = 0;
  std::string unhandled;  // the text of the last uncaught exception

  // Printed pages: each a raster of page points, plus the texts drawn on it.
  struct DrawnText {
    std::string text;
    int x = 0;
    int baseline = 0;
  };
  struct Page {
    std::unique_ptr<Raster> raster;
    std::vector<DrawnText> texts;
    std::string setup;  // the page setup the print dialog was given
  };
  std::deque<Page> pages;  // a deque, so that a page stays put while it is drawn

  // ---- Scripted answers, taken in order ----
  std::deque<int> msgBoxAnswers;                           // for messages with a buttons code
  std::deque<std::optional<std::string>> fileAnswers;      // a path, or nothing for Cancel
  std::deque<std::optional<std::string>> pageSetupAnswers;  // new settings text, or Cancel
  std::deque<bool> printAnswers;                           // true prints, false cancels
  // Called while a modal message is open (after it is recorded), as a user would act then.
  std::function<void()> duringMessage;

  // Page size of the printed page, in points (A4).
  static constexpr int kPageWidth = 595;
  static constexpr int kPageHeight = 842;

  std::unique_ptr<WindowPeer> createPeer(Window& window) override;
  void prepareCanvas(Canvas& canvas) override;
  void processEvents() override { ++processEventsCalls; }
  void run() override {}
  void quit() override { quitCalled = true; }
  bool quitCalled = false;

  void beep() override { ++beeps; }
  void msgBox(const std::string& text) override;
  int msgBoxButtons(const std::string& text, int buttons, const std::string& title) override;
  std::optional<std::string> fileDialog(const FileDialogRequest& request) override;
  bool pageSetupDialog(PrinterSetup& setup) override;
  std::unique_ptr<PrintJob> printDialog(PrinterSetup* setup) override;
  void unhandledException(const std::string& what) override { unhandled = what; }
};
