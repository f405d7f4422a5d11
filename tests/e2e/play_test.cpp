// Play in the real window: a game file named on the command line, a trial digit, Test, Nehmen,
// Reset, undo, back to the start and a new game, each read from the board's pixels.
#include <gtest/gtest.h>

#include "session.h"

namespace e2e {
namespace {

class Play : public Session {
 protected:
  // Selects the cell, offers its solution digit as the trial and lets Test fill in what follows;
  // the board after Test.
  std::string trialAndTest(std::size_t cell, const std::string& before) {
    const int row = static_cast<int>(cell / 9) + 1, column = static_cast<int>(cell % 9) + 1;
    selectCell(row, column);
    click(at.digitButton(kSolution[cell] - '0'));
    // With a cell selected already, the click first repaints the board from the working grid,
    // all in black.
    std::string trial = recolour(before, "g", 'k');
    trial[cell] = 'b';
    EXPECT_EQ(waitForCells(trial), trial) << "the trial digit";
    click(at.test());
    // Test fills in at least the forced cells that the trial digit leaves.
    const std::string tested = waitForCells([&](const std::string& c) { return c != trial; });
    for (std::size_t i = 0; i < 81; ++i) {
      if (trial[i] != '.') {
        EXPECT_EQ(tested[i], trial[i]) << "cell " << i + 1;
      } else {
        EXPECT_TRUE(tested[i] == '.' || tested[i] == 'g') << "cell " << i + 1 << ": " << tested[i];
      }
    }
    std::string digits = kSolution;
    for (std::size_t i = 0; i < 81; ++i) digits[i] = tested[i] == '.' ? '.' : kSolution[i];
    EXPECT_EQ(digitsDiffer(shot(), digits), std::nullopt) << "Test filled in other digits than the solution's";
    return tested;
  }
};

TEST_F(Play, TrialTestNehmenResetUndoRestartAndNewGame) {
  writeFile("Rätsel.BSUD", gameFile(kPuzzle));
  AppOptions options;
  options.workingDirectory = folder();
  options.args = {"Rätsel.BSUD"};
  ASSERT_NO_FATAL_FAILURE(start(options));

  // Loaded and started: the givens black, the forced cells green, some cells left open.
  const std::string begun = waitForCells([](const std::string& c) { return c.find('g') != std::string::npos; });
  for (std::size_t i = 0; i < 81; ++i) {
    if (kPuzzle[i] != '.') {
      EXPECT_EQ(begun[i], 'k') << "given " << i + 1;
    }
  }
  const std::size_t open = begun.find('.');
  ASSERT_NE(open, std::string::npos) << "the forced cells solved the puzzle";
  const std::string startPosition = recolour(begun, "g", 'k');

  // Reset throws the tested trial back: the board is repainted from the committed grid.
  const std::string tested = trialAndTest(open, begun);
  click(at.reset());
  EXPECT_EQ(waitForCells(startPosition), startPosition) << "after Reset";

  // Nehmen takes it; nothing is repainted.
  const std::string taken = trialAndTest(open, startPosition);
  click(at.nehmen());
  EXPECT_EQ(shot().cells(), taken);

  // Undo brings the start position back.
  keys("ctrl+z");
  EXPECT_EQ(waitForCells(startPosition), startPosition) << "after Ctrl+Z";

  // Another move, then back to the start from the menu: "Alles auf Anfang" is the last item.
  trialAndTest(open, startPosition);
  click(at.nehmen());
  keys("alt+b Up Return");
  EXPECT_EQ(waitForCells(startPosition), startPosition) << "after Alles auf Anfang";

  // A new game asks first: "Abbrechen" keeps the game, OK empties the board for entry.
  keys("ctrl+n");
  unsigned long box = waitForDialog();
  ASSERT_NE(box, 0u) << "no question before a new game";
  answer(box, "Escape");
  EXPECT_EQ(shot().cells(), startPosition);

  keys("ctrl+n");
  box = waitForDialog();
  ASSERT_NE(box, 0u) << "no question before a new game";
  answer(box, "Tab space");
  const std::string empty(81, '.');
  EXPECT_EQ(waitForCells(empty), empty) << "after OK";
  // Entry mode again: typing puts a blue given into the framed top-left cell.
  keys("5");
  EXPECT_EQ(waitForCells("b" + std::string(80, '.')), "b" + std::string(80, '.'));
}

}  // namespace
}  // namespace e2e
