// The trial cycle: its states and buttons, the move log, and the refused trials and moves.
#include "play.h"

namespace {

using namespace play;

// After Start only (1,2) is filled in; the rest of the puzzle is open. A 5 at (1,3) forces the
// whole solution, a 9 at (1,2) leaves (3,6) without a digit.
const std::vector<std::string> kOpenPuzzle = {"200080300", "060070084", "030500209", "000105408", "000000000",
                                              "402706000", "301007040", "720040060", "004010003"};

using TrialTest = PlayTest;

TEST_F(TrialTest, TheThreeStatesOfTheCycleAndTheirButtons) {
  startWith(kEmpty);
  click(1, 1);
  EXPECT_EQ(buttons(), "111111111000");  // no trial: the candidates of the cell

  press("BevelButton5");
  EXPECT_EQ(buttons(), "111111111101");  // trial shown: Test and Reset join
  EXPECT_EQ(win().glob_probe, 5);
  EXPECT_EQ(win().feld[1], "0000000000");  // only on the screen so far
  EXPECT_TRUE(showsDigit(1, 1, 5, kBlue));

  press("BevelButton10");
  EXPECT_EQ(buttons(), "000000000011");  // trial tested: Nehmen and Reset
  EXPECT_EQ(win().feld[1], "0500000000");
  EXPECT_EQ(win().org[1], "0000000000");
  EXPECT_EQ(win().pos_zeile[1], "12346789");

  press("BevelButton11");
  EXPECT_EQ(buttons(), "000000000000");
  EXPECT_EQ(win().org[1], "0500000000");
  EXPECT_EQ(log(), "Zug Nr. 1: 5 auf Zeile 1, Spalte 1\r");
  EXPECT_EQ(win().glob_z, 0);
  EXPECT_EQ(win().glob_s, 0);
  EXPECT_EQ(win().Undo_Counter, 2);
  EXPECT_EQ(snapshot(1), std::string(90, '0'));
  EXPECT_TRUE(showsDigit(1, 1, 5, kBlue));  // nothing is redrawn
}

TEST_F(TrialTest, ASecondDigitIsDrawnOverTheFirstAndTestUsesTheLastOne) {
  startWith(kEmpty);
  click(4, 6);
  press("BevelButton3");
  press("BevelButton8");
  EXPECT_TRUE(showsDigit(4, 6, 3, kBlue));
  EXPECT_TRUE(showsDigit(4, 6, 8, kBlue));
  press("BevelButton10");
  EXPECT_EQ(win().feld[4], "0000008000");
}

TEST_F(TrialTest, ResetBeforeTestOnlyRepaintsAndAfterTestThrowsTheForcedCellsBack) {
  startWith(kOpenPuzzle);
  const std::string start = feldCells();
  click(1, 3);
  press("BevelButton5");
  press("BevelButton12");
  EXPECT_EQ(feldCells(), start);
  EXPECT_TRUE(noInk(1, 3, kBlue));
  EXPECT_EQ(buttons(), "000000000000");
  EXPECT_EQ(win().glob_z, 1);  // the selection stays
  EXPECT_EQ(win().glob_s, 3);

  click(1, 3);
  press("BevelButton5");
  press("BevelButton10");
  backend().messages.clear();
  ASSERT_EQ(feldCells().find('0'), std::string::npos);
  ASSERT_TRUE(showsDigit(1, 1, 2, kBlack));
  press("BevelButton12");
  EXPECT_EQ(feldCells(), start);
  for (int r = 1; r <= 9; ++r) EXPECT_EQ(win().feld[r], win().org[r]);
  EXPECT_EQ(win().pos_zeile[1], "145679");
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) EXPECT_TRUE(noInk(r, c, kGreen) && noInk(r, c, kBlue)) << r << "," << c;
  EXPECT_EQ(buttons(), "000000000000");
}

TEST_F(TrialTest, TestThatCompletesTheBoardIsCongratulated) {
  startWith(kOpenPuzzle);
  click(1, 3);
  press("BevelButton5");
  press("BevelButton10");
  EXPECT_EQ(feldCells().find('0'), std::string::npos);
  ASSERT_EQ(backend().messages.size(), 1u);
  EXPECT_EQ(backend().messages[0].text, "Herzlichen Glückwunsch! Sie haben das Spiel gelöst!");
  EXPECT_EQ(backend().beeps, 1);
  EXPECT_EQ(buttons(), "000000000011");
  EXPECT_TRUE(showsDigit(1, 3, 5, kBlue));
  EXPECT_TRUE(showsDigit(1, 2, 4, kGreen));  // a cell the trial forced
  EXPECT_TRUE(showsDigit(1, 1, 2, kBlack));  // a given
}

TEST_F(TrialTest, TestThatMeetsAContradictionStillOffersNehmenAndReset) {
  startWith(kOpenPuzzle);
  click(1, 2);
  press("BevelButton9");
  press("BevelButton10");
  ASSERT_EQ(backend().messages.size(), 1u);
  EXPECT_EQ(backend().messages[0].text, "Ein Fehler bei Zeile 3 Spalte 6");
  EXPECT_EQ(win().feld[1], "0290481300");
  EXPECT_EQ(buttons(), "000000000011");
  press("BevelButton11");  // the user may take the contradictory position
  EXPECT_EQ(win().org[1], "0290481300");
  EXPECT_EQ(log(), "Zug Nr. 1: 9 auf Zeile 1, Spalte 2\r");
}

TEST_F(TrialTest, MovesAreNumberedFromOneAndAnUndoneNumberIsUsedAgain) {
  startWith(kEmpty);
  move(1, 1, 1);
  move(9, 9, 2);
  win().BearbeitenWiderrufen_Action();
  move(5, 3, 7);
  EXPECT_EQ(log(),
            "Zug Nr. 1: 1 auf Zeile 1, Spalte 1\r"
            "Zug Nr. 2: 2 auf Zeile 9, Spalte 9\r"
            "Zug Nr. 2: 7 auf Zeile 5, Spalte 3\r");
  EXPECT_EQ(win().Undo_Counter, 3);
  EXPECT_EQ(win().org[9], "0000000000");
  EXPECT_EQ(win().org[5], "0007000000");
}

TEST_F(TrialTest, ATrialOnAFilledCellIsRefusedWithABeep) {
  // The selection and the buttons outlive a new grid, as after loading a game.
  startWith(kEmpty);
  click(1, 1);
  setGrid({"400000000", "000000000", "000000000", "000000000", "000000000", "000000000", "000000000", "000000000",
           "000000000"});
  const int probe = win().glob_probe;
  press("BevelButton7");
  EXPECT_EQ(backend().beeps, 1);
  EXPECT_EQ(win().glob_probe, probe);
  EXPECT_FALSE(enabled("BevelButton10"));
  EXPECT_FALSE(showsDigit(1, 1, 7, kBlue));

  // A trial shown before the grid changed cannot be tested into the filled cell either.
  click(2, 2);
  press("BevelButton7");
  setGrid({"000000000", "040000000", "000000000", "000000000", "000000000", "000000000", "000000000", "000000000",
           "000000000"});
  press("BevelButton10");
  EXPECT_EQ(backend().beeps, 2);
  EXPECT_EQ(win().feld[2], "0040000000");
}

TEST_F(TrialTest, DigitButtonWithoutASelectedCellDoesNothing) {
  startWith(kEmpty);
  move(1, 1, 1);
  ASSERT_EQ(win().glob_z, 0);
  const std::string board = feldCells();
  win().BevelButton3_Action();  // as if the button were enabled
  EXPECT_EQ(backend().beeps, 0);
  EXPECT_FALSE(enabled("BevelButton10"));
  EXPECT_EQ(feldCells(), board);
  win().BevelButton10_Action();  // nor can anything be tested into a row that does not exist
  EXPECT_EQ(win().feld[0], "");
  EXPECT_EQ(feldCells(), board);
}

TEST_F(TrialTest, NehmenIsRefusedWhenEveryHistorySlotIsInUse) {
  startWith(kEmpty);
  win().Undo_Counter = 101;
  click(1, 1);
  press("BevelButton6");
  press("BevelButton10");
  press("BevelButton11");
  EXPECT_EQ(backend().beeps, 1);
  EXPECT_EQ(win().Undo_Counter, 101);
  EXPECT_EQ(win().org[1], "0000000000");
  EXPECT_EQ(log(), "");
  EXPECT_EQ(win().glob_z, 1);
  EXPECT_TRUE(enabled("BevelButton12"));  // the trial can still be thrown back

  win().Undo_Counter = 100;  // the last slot is still free
  press("BevelButton11");
  EXPECT_EQ(win().Undo_Counter, 101);
  EXPECT_EQ(snapshot(100), std::string(90, '0'));
  EXPECT_EQ(log(), "Zug Nr. 100: 6 auf Zeile 1, Spalte 1\r");
}

TEST_F(TrialTest, DigitButtonsEnterGivensInEntryModeColumnFirst) {
  win().glob_z = 2;
  win().glob_s = 7;
  win().mark_square(2, 7);
  win().BevelButton4_Action();
  EXPECT_EQ(win().org[2], "0000000400");
  EXPECT_EQ(win().feld[2], "0000000400");
  EXPECT_TRUE(showsDigit(2, 7, 4, kBlue));
  EXPECT_EQ(win().glob_probe, 0);
  EXPECT_FALSE(enabled("BevelButton10"));
}

}  // namespace
