// A small harness for end-to-end tests: a private virtual X display, the real program started on
// it, xdotool for keys and clicks, and screenshots read as the board's pixels and digit colours.
#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace e2e {

// Why the end-to-end tests cannot run here (a missing tool), or nothing when they can.
std::optional<std::string> missingTools();

// Runs a shell command and returns what it printed on standard output; `ok` is its success.
std::string run(const std::string& command, bool* ok = nullptr);

// An Xvfb server on a free display number, for the life of the object.
class VirtualDisplay {
 public:
  VirtualDisplay();
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  bool ok() const { return !name_.empty(); }
  const std::string& name() const { return name_; }  // ":N"
  // A command run with this display.
  std::string run(const std::string& command, bool* ok = nullptr) const;
  // The whole screen.
  QImage screenshot() const;

 private:
  pid_t pid_ = -1;
  std::string name_;
};

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
};

// The program, started on a display; killed when the object goes if it is still running.
class App {
 public:
  App(const VirtualDisplay& display, const std::vector<std::string>& args = {});
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  pid_t pid() const { return pid_; }
  // The visible window of the process with that exact title, waiting up to `seconds`; 0 if none.
  unsigned long waitForWindow(const std::string& title, double seconds = 15) const;
  std::string title(unsigned long window) const;
  Rect geometry(unsigned long window) const;
  // Gives the window the keyboard (no window manager does it) and types an xdotool key list.
  void keys(unsigned long window, const std::string& keyList) const;
  void click(int screenX, int screenY) const;
  // The exit code once the process ended within `seconds`; nothing if it still runs (or was
  // ended by a signal).
  std::optional<int> waitForExit(double seconds);

 private:
  const VirtualDisplay& display_;
  pid_t pid_ = -1;
  bool reaped_ = false;
};

// A screenshot read through the main window's geometry: content pixels and the board.
class Board {
 public:
  // The content area is the bottom `contentHeight` rows of the window (the menu bar is above).
  Board(QImage shot, const Rect& window, int contentHeight = 387);

  // The colour at content pixel (x, y).
  QRgb content(int x, int y) const;
  // The colour at board pixel (x, y): the canvas's top-left corner is content (20, 30).
  QRgb board(int x, int y) const { return content(20 + x, 30 + y); }
  // The colour of the digit in the cell of row r, column c (1 … 9): the commonest colour in its
  // inner area other than the cell background and white; nothing for an empty cell.
  std::optional<QRgb> digitColor(int row, int column) const;
  // Pixels in the content rectangle darker than `gray` (text on a button, for example).
  int darkPixels(int x, int y, int width, int height, int gray = 100) const;

 private:
  QImage shot_;
  int left_, top_;
};

inline bool isBlack(QRgb c) { return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40; }

}  // namespace e2e
