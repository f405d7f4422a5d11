// The fixture of the end-to-end game tests: a virtual display with the program on it, its main
// window found, and the board read from screenshots, waiting for what should appear.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "harness.h"

namespace e2e {

// An expert puzzle and its one solution, in reading order ("." for an empty cell).
inline const std::string kPuzzle = ".1...6.......3.74.2.7..49.....128.3...3....2....37.49..7.8.....4...17.....9......";
inline const std::string kSolution = "514796382698231745237584961946128537753469128821375496375842619462917853189653274";

// The puzzle as a game file: nine row strings ("0" pad, then the cells) ended by carriage returns.
std::string gameFile(const std::string& cells);

class Session : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A folder of the test's own, removed at its end; the file written into it.
  const std::string& folder();
  std::string writeFile(const std::string& name, const std::string& contents);

  // Starts the program and waits for its main window (a failed assertion when none appears).
  void start(const AppOptions& options = {}, int screenWidth = 800, int screenHeight = 600);

  Board shot() const { return Board(display->screenshot(), at); }
  // Screenshots until the board's cells (Board::cells) satisfy `done`, for at most `seconds`;
  // the last reading.
  std::string waitForCells(const std::function<bool(const std::string&)>& done, double seconds = 20) const;
  std::string waitForCells(const std::string& expected, double seconds = 20) const {
    return waitForCells([&](const std::string& c) { return c == expected; }, seconds);
  }
  void keys(const std::string& keyList) const { app->keys(window, keyList); }
  // Clicks, then moves the pointer off the window, so that no tooltip covers the board.
  void click(QPoint screen) const;
  // Clicks the cell and waits until its selection frame is drawn; a click that the busy
  // program did not take (a tooltip in the way) is repeated once.
  void selectCell(int row, int column) const;
  // A message box or dialog of the program (a window other than the main window).
  unsigned long waitForDialog(double seconds = 20) const { return app->waitForOtherWindow(window, seconds); }
  // Answers the message box with a key list and waits for it to go.
  void answer(unsigned long box, const std::string& keyList) const;
  // Types the puzzle's givens cell by cell, Tab moving on in reading order.
  void typePuzzle(const std::string& cells) const;

  std::unique_ptr<VirtualDisplay> display;
  std::unique_ptr<App> app;
  unsigned long window = 0;
  Content at;
  int screenWidth = 0, screenHeight = 0;

 private:
  std::string folder_;
};

// The cells, with every digit of the roles in `from` shown in the role `to`.
std::string recolour(std::string cells, const std::string& from, char to);

}  // namespace e2e
