// Undo, back to the start and a new game, with the history slots behind them.
#include "play.h"

namespace {

using namespace play;

class HistoryTest : public PlayTest {
 protected:
  std::string question() {
    return RuntimeEndOfLineAddRight(RuntimeGetEndOfLineObject(), "Möchten Sie wirklich das aktuelle Spiel verlassen?") +
           "Alle Einstellungen gehen dabei verloren!";
  }
};

// Nine empty rows but one cell, as 81 characters.
std::string oneCell(int row, int column, char digit) {
  std::string s(81, '0');
  s[static_cast<std::size_t>((row - 1) * 9 + column - 1)] = digit;
  return s;
}

TEST_F(HistoryTest, UndoStepsBackMoveByMoveAndThenOnlyBeeps) {
  startWith(kEmpty);
  move(1, 1, 1);
  move(2, 5, 2);
  const std::string afterTwo = feldCells();
  EXPECT_FALSE(win().BearbeitenWiderrufen_Action());
  EXPECT_EQ(feldCells(), oneCell(1, 1, '1'));
  EXPECT_EQ(win().Undo_Counter, 2);
  EXPECT_TRUE(showsDigit(1, 1, 1, kBlack));  // repainted from feld
  EXPECT_TRUE(noInk(2, 5, kBlue));
  EXPECT_EQ(win().pos_zeile[2], "123456789");

  win().BearbeitenWiderrufen_Action();
  EXPECT_EQ(feldCells(), std::string(81, '0'));
  EXPECT_EQ(win().Undo_Counter, 1);
  for (int r = 1; r <= 9; ++r) EXPECT_EQ(win().org[r], win().feld[r]);

  win().BearbeitenWiderrufen_Action();
  EXPECT_EQ(backend().beeps, 1);
  EXPECT_EQ(win().Undo_Counter, 1);
  EXPECT_EQ(log(), "Zug Nr. 1: 1 auf Zeile 1, Spalte 1\rZug Nr. 2: 2 auf Zeile 2, Spalte 5\r");
  EXPECT_NE(afterTwo, feldCells());
}

TEST_F(HistoryTest, AMoveAfterUndoReplacesTheUndoneLine) {
  startWith(kEmpty);
  move(1, 1, 1);
  move(2, 2, 2);
  move(3, 3, 3);
  win().BearbeitenWiderrufen_Action();
  win().BearbeitenWiderrufen_Action();
  move(9, 9, 9);
  win().BearbeitenWiderrufen_Action();
  EXPECT_EQ(feldCells(), oneCell(1, 1, '1'));

  // Back to the start, two new moves, one undo: the first new move stays.
  EXPECT_FALSE(win().BearbeitenAllesaufAnfang_Action());
  move(4, 4, 4);
  move(5, 5, 5);
  win().BearbeitenWiderrufen_Action();
  EXPECT_EQ(feldCells(), oneCell(4, 4, '4'));
  EXPECT_EQ(win().Undo_Counter, 2);
}

TEST_F(HistoryTest, BackToTheStartRestoresSlotZeroAndClearsTheLog) {
  // A 5 at (1,3) of this puzzle forces all the rest.
  startWith({"200080300", "060070084", "030500209", "000105408", "000000000", "402706000", "301007040",
             "720040060", "004010003"});
  const std::string start = feldCells();
  move(1, 3, 5);
  ASSERT_EQ(feldCells().find('0'), std::string::npos);
  ASSERT_EQ(win().Undo_Counter, 2);
  win().BearbeitenAllesaufAnfang_Action();
  EXPECT_EQ(feldCells(), start);
  for (int r = 1; r <= 9; ++r) EXPECT_EQ(win().org[r], win().feld[r]);
  EXPECT_EQ(win().Undo_Counter, 1);
  EXPECT_EQ(log(), "");
  EXPECT_TRUE(showsDigit(1, 1, 2, kBlack));
  EXPECT_TRUE(noInk(1, 3, kBlue));
  EXPECT_EQ(win().pos_zeile[1], "145679");

  // With no move taken (as after the solver wrote its solution) it still goes back.
  win().feld = win().org;
  win().feld[5] = "0111111111";
  win().BearbeitenAllesaufAnfang_Action();
  EXPECT_EQ(feldCells(), start);
  EXPECT_EQ(win().Undo_Counter, 1);
}

TEST_F(HistoryTest, BackToTheStartBeforeAnyStartDoesNothing) {
  type("5");
  editTextSetter(control("EditField1"), "x\r");
  win().Undo_Counter = 3;
  const std::string board = feldCells();
  EXPECT_FALSE(win().BearbeitenAllesaufAnfang_Action());
  EXPECT_EQ(feldCells(), board);
  EXPECT_EQ(win().org[1], "0500000000");
  EXPECT_EQ(win().Undo_Counter, 3);
  EXPECT_EQ(log(), "x\r");
  EXPECT_EQ(backend().beeps, 0);
}

TEST_F(HistoryTest, NewGameConfirmedEmptiesTheBoardAndReturnsToEntry) {
  startWith(kEmpty);
  move(1, 1, 1);
  move(2, 2, 2);
  backend().msgBoxAnswers.push_back(1);
  EXPECT_FALSE(win().AblageNeuesSpiel_Action());
  ASSERT_EQ(backend().messages.size(), 1u);
  EXPECT_EQ(backend().messages[0].text,
            "Möchten Sie wirklich das aktuelle Spiel verlassen?" + RuntimeGetEndOfLineObject().text +
                "Alle Einstellungen gehen dabei verloren!");
  EXPECT_EQ(backend().messages[0].buttons, 273);
  EXPECT_EQ(backend().messages[0].title, "");
  expectEmptyEntryBoard();
  for (int r = 1; r <= 9; ++r) EXPECT_EQ(win().pos_trio[r], "123456789");
  // The whole canvas is grey but for the grid lines, the frame on (1,1) and the white ring
  // where the frame was last, on (2,2).
  for (int y = 0; y < 278; ++y) {
    for (int x = 0; x < 272; ++x) {
      const bool line = x <= 270 && y <= 270 && (x % 30 == 0 || y % 30 == 0);
      const bool frame = (x == 1 || x == 29 || y == 1 || y == 29) && x >= 1 && x <= 29 && y >= 1 && y <= 29;
      const bool old = (x == 31 || x == 59 || y == 31 || y == 59) && x >= 31 && x <= 59 && y >= 31 && y <= 59;
      ASSERT_EQ(rgb(canvas().pixel(x, y)), rgb(line ? kBlack : frame ? kFrame : old ? kWhite : kGrey)) << x << "," << y;
    }
  }
  // The history and the log of the previous game stay until the next Start.
  EXPECT_EQ(win().Undo_Counter, 3);
  EXPECT_EQ(log(), "Zug Nr. 1: 1 auf Zeile 1, Spalte 1\rZug Nr. 2: 2 auf Zeile 2, Spalte 2\r");

  // Keys type givens again.
  type("8");
  EXPECT_EQ(win().org[1], "0800000000");
}

TEST_F(HistoryTest, NewGameCancelledChangesNothing) {
  startWith(kEmpty);
  move(4, 4, 4);
  const std::string board = feldCells();
  std::vector<Color> before;
  for (int y = 0; y < 278; ++y)
    for (int x = 0; x < 272; ++x) before.push_back(canvas().pixel(x, y));
  backend().msgBoxAnswers.push_back(2);
  EXPECT_FALSE(win().AblageNeuesSpiel_Action());
  EXPECT_EQ(backend().messages.size(), 1u);
  EXPECT_EQ(feldCells(), board);
  EXPECT_FALSE(win().edit_mode);
  EXPECT_FALSE(enabled("BevelButton14"));
  EXPECT_EQ(win().glob_z, 0);
  std::vector<Color> after;
  for (int y = 0; y < 278; ++y)
    for (int x = 0; x < 272; ++x) after.push_back(canvas().pixel(x, y));
  EXPECT_TRUE(after == before);
}

TEST_F(HistoryTest, ASecondGamesStartReplacesTheFirstOnesStartPosition) {
  startWith(kEmpty);
  move(1, 1, 1);
  backend().msgBoxAnswers.push_back(1);
  win().AblageNeuesSpiel_Action();
  type("7");
  press("BevelButton14");
  ASSERT_EQ(win().Undo_Counter, 1);
  move(9, 9, 9);
  win().BearbeitenAllesaufAnfang_Action();
  EXPECT_EQ(feldCells(), oneCell(1, 1, '7'));
  EXPECT_EQ(snapshot(0), "0700000000" + std::string(80, '0'));
}

}  // namespace
