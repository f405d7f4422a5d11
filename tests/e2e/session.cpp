// The fixture of the end-to-end game tests.
#include "session.h"

#include <optional>

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace e2e {

std::string gameFile(const std::string& cells) {
  std::string file;
  for (int r = 0; r < 9; ++r) {
    std::string row = "0" + cells.substr(static_cast<std::size_t>(r) * 9, 9);
    for (char& c : row) c = c == '.' ? '0' : c;
    file += row + "\r";
  }
  return file;
}

std::string recolour(std::string cells, const std::string& from, char to) {
  for (char& c : cells) c = from.find(c) == std::string::npos ? c : to;
  return cells;
}

void Session::SetUp() {
  if (const auto missing = missingTools()) GTEST_SKIP() << *missing;
}

void Session::TearDown() {
  app.reset();
  display.reset();
  std::error_code ec;
  if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
}

const std::string& Session::folder() {
  if (folder_.empty()) {
    char name[] = "/tmp/bsudoku-e2e-XXXXXX";
    if (mkdtemp(name) != nullptr) folder_ = name;
  }
  return folder_;
}

std::string Session::writeFile(const std::string& name, const std::string& contents) {
  const std::string path = folder() + "/" + name;
  std::ofstream(path, std::ios::binary) << contents;
  return path;
}

void Session::start(const AppOptions& options, int screenWidth, int screenHeight) {
  this->screenWidth = screenWidth;
  this->screenHeight = screenHeight;
  window = 0;
  for (int attempt = 1; window == 0; ++attempt) {
    display = std::make_unique<VirtualDisplay>(screenWidth, screenHeight);
    ASSERT_TRUE(display->ok()) << "Xvfb did not start";
    app = std::make_unique<App>(*display, options);
    // A message box at start carries the same title; the main window is the one 313 pixels wide.
    waitFor(
        [&] {
          for (const unsigned long id : app->windows()) {
            if (app->title(id) == "BrovaneSudoku" && app->geometry(id).width == 313 * options.scale) window = id;
          }
          return window != 0;
        },
        20);
    if (window != 0) break;
    const std::optional<int> exited = app->waitForExit(0);
    // A virtual display that refused the program's connection (the program then ends with code 1,
    // saying that no display is reachable) is the test machine's trouble: one more, fresh display.
    if (attempt == 1 && exited == 1) {
      app.reset();
      display.reset();
      continue;
    }
    FAIL() << "no main window titled BrovaneSudoku appeared; "
           << (exited ? "the program ended with code " + std::to_string(*exited) : std::string("the program still runs"));
  }
  at = Content::of(app->geometry(window), options.scale);
  // The first frame may reach the screen a moment after the window is mapped.
  ASSERT_TRUE(waitFor([&] { return isBlack(shot().board(0, 0)); }, 20)) << "the board was not drawn";
}

std::string Session::waitForCells(const std::function<bool(const std::string&)>& done, double seconds) const {
  std::string cells;
  waitFor(
      [&] {
        cells = shot().cells();
        return done(cells);
      },
      seconds);
  return cells;
}

void Session::click(QPoint screen) const {
  // The windows sit at the top left of the screen; its bottom-right corner is clear of them.
  display->run("xdotool mousemove --sync " + std::to_string(screen.x()) + " " + std::to_string(screen.y()) +
               " click 1 mousemove " + std::to_string(screenWidth - 1) + " " + std::to_string(screenHeight - 1));
}

void Session::selectCell(int row, int column) const {
  const auto framed = [&] { return shot().board((column - 1) * 30 + 1, (row - 1) * 30 + 15) == qRgb(0, 0, 240); };
  for (int attempt = 0; attempt < 2; ++attempt) {
    click(at.cell(row, column));
    if (waitFor(framed, 5)) return;
  }
  ADD_FAILURE() << "cell " << row << "," << column << " was not framed";
}

void Session::answer(unsigned long box, const std::string& keyList) const {
  app->keys(box, keyList);
  EXPECT_TRUE(app->waitUntilGone(box)) << "the message box stayed after " << keyList;
}

void Session::typePuzzle(const std::string& cells) const {
  std::string list;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (cells[i] >= '1' && cells[i] <= '9') list += std::string(1, cells[i]) + " ";
    if (i + 1 < cells.size()) list += "Tab ";
  }
  keys(list);
}

}  // namespace e2e
