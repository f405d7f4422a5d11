// A small harness for end-to-end tests: a private virtual X display, the real program started on
// it, xdotool for keys and clicks, and screenshots read as the board's pixels and digit colours.
#pragma once

#include <QImage>
#include <QPoint>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace e2e {

// Why the end-to-end tests cannot run here (a missing tool), or nothing when they can.
std::optional<std::string> missingTools();

// Runs a shell command and returns what it printed on standard output; `ok` is its success.
std::string run(const std::string& command, bool* ok = nullptr);

// Waits until `done` holds, checking every 50 ms for at most `seconds`; whether it held.
bool waitFor(const std::function<bool()>& done, double seconds);

// An Xvfb server on a free display number, for the life of the object.
class VirtualDisplay {
 public:
  explicit VirtualDisplay(int width = 800, int height = 600);
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

// How the program is started: its arguments, the folder it runs in, the scale of the screen.
struct AppOptions {
  std::vector<std::string> args;
  std::string workingDirectory;  // empty: the test's own
  int scale = 1;                 // QT_SCALE_FACTOR
};

// The program, started on a display with a fresh home folder of its own (so that its dialogs,
// settings and files stay inside the test); killed when the object goes if it still runs.
class App {
 public:
  App(const VirtualDisplay& display, const AppOptions& options = {});
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  pid_t pid() const { return pid_; }
  const std::string& home() const { return home_; }
  // The visible windows of the process.
  std::vector<unsigned long> windows() const;
  // The visible window of the process with that exact title, waiting up to `seconds`; 0 if none.
  unsigned long waitForWindow(const std::string& title, double seconds = 15) const;
  // A visible window of the process other than `except` (a message box, a dialog), waiting up
  // to `seconds`; 0 if none.
  unsigned long waitForOtherWindow(unsigned long except, double seconds = 15) const;
  // Whether the window is no longer visible within `seconds`.
  bool waitUntilGone(unsigned long window, double seconds = 15) const;
  std::string title(unsigned long window) const;
  Rect geometry(unsigned long window) const;
  // Gives the window the keyboard (no window manager does it) and types an xdotool key list.
  void keys(unsigned long window, const std::string& keyList) const;
  // Gives the window the keyboard and types the text as it stands.
  void type(unsigned long window, const std::string& text) const;
  void click(int screenX, int screenY) const;
  void click(QPoint screen) const { click(screen.x(), screen.y()); }
  // The exit code once the process ended within `seconds`; nothing if it still runs (or was
  // ended by a signal).
  std::optional<int> waitForExit(double seconds);

 private:
  const VirtualDisplay& display_;
  pid_t pid_ = -1;
  bool reaped_ = false;
  std::string home_;
};

// The content area of the main window on the screen: logical content pixels, as the game draws
// them, to screen (device) pixels.
struct Content {
  int left = 0, top = 0, scale = 1;
  // The content area is the bottom 387 logical rows of the window (the menu bar is above).
  static Content of(const Rect& window, int scale = 1) {
    return Content{window.x, window.y + window.height - 387 * scale, scale};
  }
  // The screen pixel at the middle of content pixel (x, y).
  QPoint screen(int x, int y) const { return {left + x * scale + scale / 2, top + y * scale + scale / 2}; }
  // The middle of the board cell of row r, column c.
  QPoint cell(int row, int column) const { return screen(20 + (column - 1) * 30 + 15, 30 + (row - 1) * 30 + 15); }
  // The middle of digit button d (1 … 9) and of the command buttons.
  QPoint digitButton(int d) const {
    static constexpr int kLeft[9] = {26, 55, 85, 115, 145, 175, 205, 235, 265};
    return screen(kLeft[d - 1] + 11, 331);
  }
  QPoint test() const { return screen(54, 360); }
  QPoint nehmen() const { return screen(123, 360); }
  QPoint reset() const { return screen(191, 360); }
  QPoint start() const { return screen(260, 360); }
};

// A screenshot read through the main window's content area: its pixels and the board.
class Board {
 public:
  Board(QImage shot, const Content& content);

  // The colour at content pixel (x, y) (its top-left device pixel on a scaled screen).
  QRgb content(int x, int y) const;
  // The colour at board pixel (x, y): the canvas's top-left corner is content (20, 30).
  QRgb board(int x, int y) const { return content(20 + x, 30 + y); }
  // The colour at device pixel (x, y) of the board: board pixel (x / scale, y / scale).
  QRgb boardDevice(int x, int y) const;
  // The colour of the digit in the cell of row r, column c (1 … 9): the commonest colour in its
  // inner area other than the cell background and white; nothing for an empty cell.
  std::optional<QRgb> digitColor(int row, int column) const;
  // The 81 cells in reading order, one letter each for the colour of its digit: "." empty,
  // "k" black (a given in play), "b" blue (typed in entry, a trial digit), "g" green (forced),
  // "r" dark red (the solver's), "?" any other colour.
  std::string cells() const;
  // The shape of the digit in a cell, in device pixels: one character per pixel of the inner
  // area, "#" where it differs from the cell background. Equal digits have equal shapes.
  std::string glyph(int row, int column) const;
  // Pixels in the content rectangle darker than `gray` (text on a button, for example).
  int darkPixels(int x, int y, int width, int height, int gray = 100) const;

 private:
  QRgb device(int x, int y) const;

  QImage shot_;
  Content at_;
};

// Whether the board's digits are those of `digits` (81 characters, "0" or "." for an empty
// cell) as far as shapes tell: cells meant to hold the same digit show the same shape, cells
// meant to hold different digits different shapes, and exactly the cells meant to be empty are
// empty. The reason when they are not.
std::optional<std::string> digitsDiffer(const Board& board, const std::string& digits);

inline bool isBlack(QRgb c) { return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40; }

}  // namespace e2e
