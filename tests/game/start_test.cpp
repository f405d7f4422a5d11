// Start of play: forced cells in green, givens in black, slot 0, congratulation, contradiction.
#include "play.h"

namespace {

using namespace play;

class StartTest : public PlayTest {};

TEST_F(StartTest, EmptyBoardFillsNothingAndRecordsAnEmptyStartPosition) {
  press("BevelButton14");
  EXPECT_FALSE(win().edit_mode);
  EXPECT_FALSE(enabled("BevelButton14"));
  EXPECT_EQ(snapshot(0), std::string(90, '0'));
  EXPECT_EQ(win().Undo_Counter, 1);
  EXPECT_EQ(feldCells(), std::string(81, '0'));
  EXPECT_TRUE(backend().messages.empty());
  EXPECT_EQ(backend().beeps, 0);
  // The selection frame is painted over: every cell interior is grey.
  EXPECT_TRUE(ring(1, 1, kGrey));
}

TEST_F(StartTest, PuzzleThatForcedCellsCompleteIsFilledInGreenAndCongratulated) {
  startWith(kSinglesPuzzle);
  EXPECT_EQ(feldCells(), kSinglesSolution);
  for (int r = 1; r <= 9; ++r) EXPECT_EQ(win().org[r], win().feld[r]);
  EXPECT_EQ(snapshot(0), snap({"483921657", "967345821", "251876493", "548132976", "729564138", "136798245",
                               "372689514", "814253769", "695417382"}));
  EXPECT_EQ(win().Undo_Counter, 1);
  ASSERT_EQ(backend().messages.size(), 1u);
  EXPECT_EQ(backend().messages[0].text, "Herzlichen Glückwunsch! Sie haben das Spiel gelöst!");
  EXPECT_EQ(backend().beeps, 1);
  EXPECT_TRUE(showsDigit(1, 3, 3, kBlack));  // a given
  EXPECT_TRUE(showsDigit(1, 1, 4, kGreen));  // a forced cell
  EXPECT_TRUE(showsDigit(9, 9, 2, kGreen));
}

TEST_F(StartTest, GivensTypedInBlueAreRedrawnInBlack) {
  type("5");
  key(kRight);
  type("6");
  ASSERT_TRUE(showsDigit(1, 1, 5, kBlue));
  win().cur_Color = Color{1, 2, 3};  // Start sets the digit colour back to black
  press("BevelButton14");
  EXPECT_TRUE(showsDigit(1, 1, 5, kBlack));
  EXPECT_TRUE(showsDigit(1, 2, 6, kBlack));
  EXPECT_TRUE(noInk(1, 1, kBlue));
  EXPECT_EQ(rgb(win().cur_Color), rgb(kBlack));
}

TEST_F(StartTest, ContradictionIsReportedAndPlayBeginsWithTheCellsWrittenUpToThen) {
  // Row 3 lacks 7 and 9; both open cells see a 9 in their columns: (3,5) gets the 7, then
  // (3,8) has no digit left.
  startWith({"000090000", "000000090", "123406805", "000000000", "000000000", "000000000", "000000000", "000000000",
             "000000000"});
  ASSERT_EQ(backend().messages.size(), 1u);
  EXPECT_EQ(backend().messages[0].text, "Ein Fehler bei Zeile 3 Spalte 8");
  EXPECT_EQ(win().org[3], "0123476805");
  EXPECT_EQ(win().feld[3], "0123476805");
  EXPECT_EQ(snapshot(0).substr(20, 10), "0123476805");
  EXPECT_EQ(win().Undo_Counter, 1);
  EXPECT_EQ(backend().beeps, 0);  // no congratulation
  EXPECT_TRUE(showsDigit(3, 5, 7, kGreen));
}

TEST_F(StartTest, StartAfterEscapeStillStartsPlay) {
  key(kEscape);
  ASSERT_TRUE(enabled("BevelButton14"));
  startWith(kSinglesPuzzle);
  EXPECT_EQ(feldCells(), kSinglesSolution);
  EXPECT_FALSE(enabled("BevelButton14"));
}

TEST_F(StartTest, StartLeavesSelectionLogAndButtonsAsTheyWere) {
  win().glob_z = 4;
  win().glob_s = 7;
  editTextSetter(control("EditField1"), "alt\r");
  const std::string states = buttons();
  startWith(kEmpty);
  EXPECT_EQ(win().glob_z, 4);
  EXPECT_EQ(win().glob_s, 7);
  EXPECT_EQ(editTextGetter(control("EditField1")), "alt\r");
  EXPECT_EQ(buttons(), states);
}

}  // namespace
