// Entering a puzzle in the real window, with the keyboard and with the mouse and digit buttons,
// and starting play from it.
#include <gtest/gtest.h>

#include "session.h"

namespace e2e {
namespace {

// The board while the givens are typed: each given in blue, nothing else.
std::string typedGivens(const std::string& puzzle) {
  std::string cells = puzzle;
  for (char& c : cells) c = c == '.' ? '.' : 'b';
  return cells;
}

class Entry : public Session {};

TEST_F(Entry, KeyboardGivensAreBlueAndStartTurnsThemBlackWithTheForcedCellsGreen) {
  start();
  typePuzzle(kPuzzle);
  const std::string typed = waitForCells(typedGivens(kPuzzle));
  EXPECT_EQ(typed, typedGivens(kPuzzle));
  EXPECT_EQ(digitsDiffer(shot(), kPuzzle), std::nullopt);

  click(at.start());
  const std::string started = waitForCells([](const std::string& c) { return c.find('b') == std::string::npos; });
  for (std::size_t i = 0; i < 81; ++i) {
    SCOPED_TRACE("cell " + std::to_string(i + 1));
    if (kPuzzle[i] != '.') {
      EXPECT_EQ(started[i], 'k');
    } else {
      EXPECT_TRUE(started[i] == 'g' || started[i] == '.') << started[i];
    }
  }
  EXPECT_NE(started.find('g'), std::string::npos) << "Start filled in no forced cell";
  // The forced cells hold the solution's digits.
  std::string shown = kSolution;
  for (std::size_t i = 0; i < 81; ++i) shown[i] = started[i] == '.' ? '.' : kSolution[i];
  EXPECT_EQ(digitsDiffer(shot(), shown), std::nullopt);
}

TEST_F(Entry, MouseAndDigitButtonsEnterTheSameGivens) {
  start();
  for (std::size_t i = 0; i < 81; ++i) {
    if (kPuzzle[i] == '.') continue;
    selectCell(static_cast<int>(i / 9) + 1, static_cast<int>(i % 9) + 1);
    click(at.digitButton(kPuzzle[i] - '0'));
  }
  // A click on a cell repaints the board in black first, so only the last given is still blue.
  std::string expected = recolour(typedGivens(kPuzzle), "b", 'k');
  expected[kPuzzle.find_last_not_of('.')] = 'b';
  EXPECT_EQ(waitForCells(expected), expected);
  EXPECT_EQ(digitsDiffer(shot(), kPuzzle), std::nullopt);

  // A digit that the cell cannot take is not offered: 1 is already in row 1.
  selectCell(1, 1);
  click(at.digitButton(1));
  click(at.digitButton(5));
  expected = recolour(expected, "b", 'k');
  expected[0] = 'b';
  EXPECT_EQ(waitForCells(expected), expected);
  std::string digits = kPuzzle;
  digits[0] = '5';
  EXPECT_EQ(digitsDiffer(shot(), digits), std::nullopt);
}

}  // namespace
}  // namespace e2e
