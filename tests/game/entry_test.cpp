// Puzzle entry: the empty board at open, the key table, givens accepted and refused.
#include "play.h"

namespace {

using namespace play;

class EntryTest : public PlayTest {};

TEST_F(EntryTest, OpenShowsAnEmptyBoardInEntryModeWithTheCursorOnTheFirstCell) {
  expectEmptyEntryBoard();
  for (int r = 1; r <= 9; ++r) {
    EXPECT_EQ(win().pos_zeile[r], "123456789");
    EXPECT_EQ(win().all_trios[r], "000000000");
  }
  EXPECT_TRUE(ring(1, 1, kFrame));
  EXPECT_EQ(rgb(canvas().pixel(270, 270)), rgb(kBlack));  // the grid is drawn
  EXPECT_EQ(win().Undo_Counter, 0);
}

struct Move {
  int row, column;
  std::string key;
  int toRow, toColumn;
};

TEST_F(EntryTest, ArrowsWrapWithinTheirLineAndTabGoesInReadingOrder) {
  const std::vector<Move> moves = {
      {5, 5, kLeft, 5, 4},  {5, 1, kLeft, 5, 9},  {5, 5, kRight, 5, 6}, {5, 9, kRight, 5, 1},
      {5, 5, kUp, 4, 5},    {1, 5, kUp, 9, 5},    {5, 5, kDown, 6, 5},  {9, 5, kDown, 1, 5},
      {3, 4, kTab, 3, 5},   {4, 9, kTab, 5, 1},   {9, 9, kTab, 1, 1},
  };
  for (const Move& m : moves) {
    SCOPED_TRACE(std::to_string(m.row) + "," + std::to_string(m.column) + " key " + std::to_string(m.key[0]));
    win().glob_z = m.row;
    win().glob_s = m.column;
    key(m.key);
    EXPECT_EQ(win().glob_z, m.toRow);
    EXPECT_EQ(win().glob_s, m.toColumn);
    EXPECT_TRUE(ring(m.toRow, m.toColumn, kFrame));
    EXPECT_EQ(win().glob_x, (m.toColumn - 1) * 30);
    EXPECT_EQ(win().glob_y, (m.toRow - 1) * 30);
  }
  EXPECT_EQ(backend().beeps, 0);
}

TEST_F(EntryTest, AcceptedDigitGoesIntoBothGridsInBlueAndButtonsShowTheCellsCandidates) {
  setGrid({"100000000", "000000000", "000000000", "000000000", "000000000", "000000000", "000000000", "000000000",
           "000000000"});
  win().glob_z = 2;
  win().glob_s = 4;
  key("4");  // keeps the frame on (2,4) before the digit is written
  EXPECT_EQ(win().org[2], "0000400000");
  EXPECT_EQ(win().feld[2], "0000400000");
  EXPECT_EQ(win().pos_zeile[2], "12356789");
  EXPECT_TRUE(showsDigit(2, 4, 4, kBlue));
  // The buttons show the candidates of (2,4) before the write: all nine digits, since row 2,
  // column 4 and box 2 were empty. The command buttons end disabled.
  EXPECT_EQ(buttons(), "111111111000");
  EXPECT_EQ(backend().beeps, 0);

  // In the box of the 1 at (1,1) the candidates lack 1.
  win().glob_z = 3;
  win().glob_s = 3;
  key("2");
  EXPECT_EQ(buttons(), "011111111000");
}

TEST_F(EntryTest, ImpossibleDigitsAreRefusedWithABeepAndWriteNothing) {
  struct Case {
    const char* what;
    int row, column;
    std::string digit;
  };
  // Givens: 5 at (1,1), 3 at (4,4), 7 at (9,6).
  const std::vector<Case> cases = {
      {"row holds it", 1, 9, "5"},
      {"column holds it", 8, 1, "5"},
      {"box holds it", 5, 6, "3"},
      {"filled cell", 4, 4, "5"},
      {"filled cell, same digit", 4, 4, "3"},
      {"column 6 holds it", 2, 6, "7"},
  };
  setGrid({"500000000", "000000000", "000000000", "000300000", "000000000", "000000000", "000000000", "000000000",
           "000007000"});
  const std::string before = feldCells();
  int beeps = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    win().glob_z = c.row;
    win().glob_s = c.column;
    key(c.digit);
    EXPECT_EQ(backend().beeps, ++beeps);
    EXPECT_EQ(feldCells(), before);
    EXPECT_TRUE(backend().messages.empty());
  }
}

TEST_F(EntryTest, BackspaceClearsTheCellAndRepaintsItsInnerArea) {
  type("7");
  ASSERT_EQ(win().org[1], "0700000000");
  ASSERT_TRUE(showsDigit(1, 1, 7, kBlue));
  key(kBackspace);
  EXPECT_EQ(win().org[1], "0000000000");
  EXPECT_EQ(win().feld[1], "0000000000");
  EXPECT_EQ(win().pos_zeile[1], "123456789");
  EXPECT_TRUE(noInk(1, 1, kBlue));
  EXPECT_EQ(rgb(canvas().pixel(15, 15)), rgb(kGrey));
  EXPECT_TRUE(ring(1, 1, kFrame));  // the frame stays

  // On an empty cell it rewrites the empty cell without a beep.
  key(kBackspace);
  EXPECT_EQ(win().org[1], "0000000000");
  EXPECT_EQ(backend().beeps, 0);

  // Then the digit typed anew is accepted: a given is changed by clearing it first.
  type("8");
  EXPECT_EQ(win().org[1], "0800000000");
}

TEST_F(EntryTest, TypingAPuzzleWithTabAndArrows) {
  type("12");  // 1 at (1,1), then 2 is refused there (cell filled)
  key(kTab);
  type("2");
  key(kDown);
  type("3");
  key(kLeft);
  type("1");  // (2,1) sees the 1 at (1,1): refused
  EXPECT_EQ(win().org[1], "0120000000");
  EXPECT_EQ(win().org[2], "0030000000");
  EXPECT_EQ(backend().beeps, 2);
}

TEST_F(EntryTest, EscapeReturnsTrueOnceButTheKeyEventAlwaysReturnsFalse) {
  EXPECT_FALSE(win().KeyDown("a"));
  EXPECT_TRUE(win().input_field(kEscape));
  EXPECT_FALSE(win().edit_mode);
  EXPECT_TRUE(enabled("BevelButton14"));  // Escape does not start play
  EXPECT_EQ(win().Undo_Counter, 0);

  // From now on every key is ignored.
  const std::string board = feldCells();
  const std::string states = buttons();
  for (const std::string& k : {std::string("5"), kLeft, kDown, kTab, kBackspace, kEscape, std::string()}) {
    EXPECT_FALSE(win().input_field(k));
    EXPECT_FALSE(win().KeyDown(k));
  }
  EXPECT_EQ(feldCells(), board);
  EXPECT_EQ(buttons(), states);
  EXPECT_EQ(win().glob_z, 1);
  EXPECT_EQ(win().glob_s, 1);
  EXPECT_EQ(backend().beeps, 0);
}

TEST_F(EntryTest, KeysWithoutAMeaningChangeNothing) {
  type("4");
  const std::string board = feldCells();
  for (const std::string& k : {std::string(), std::string("a"), std::string("0"), std::string(" "), std::string("12"),
                               std::string("\x7f")}) {
    EXPECT_FALSE(win().input_field(k));
  }
  EXPECT_EQ(feldCells(), board);
  EXPECT_EQ(win().org[1], "0400000000");
  EXPECT_EQ(win().glob_z, 1);
  EXPECT_EQ(win().glob_s, 1);
  EXPECT_EQ(backend().beeps, 0);
}

TEST_F(EntryTest, PutInitIntoFieldTakesTheColumnFirstAndKeepsThePad) {
  win().mark_square(3, 9);
  win().put_init_into_field(9, 3, "6");
  EXPECT_EQ(win().org[3], "0000000006");
  win().mark_square(3, 1);
  win().put_init_into_field(1, 3, "2");
  EXPECT_EQ(win().org[3], "0200000006");
  EXPECT_EQ(win().feld[3], win().org[3]);
  EXPECT_TRUE(showsDigit(3, 9, 6, kBlue));
  EXPECT_TRUE(showsDigit(3, 1, 2, kBlue));
}

TEST_F(EntryTest, PutInitIntoFieldIgnoresACellOffTheBoardAndTextsThatAreNoDigit) {
  const StringArray before = win().org;
  win().put_init_into_field(0, 0, "0");
  win().put_init_into_field(10, 1, "5");
  win().put_init_into_field(1, 10, "5");
  win().put_init_into_field(1, 1, "12");
  win().put_init_into_field(1, 1, "");
  win().put_init_into_field(1, 1, "x");
  EXPECT_EQ(win().org, before);
  EXPECT_EQ(win().feld, before);
}

}  // namespace
