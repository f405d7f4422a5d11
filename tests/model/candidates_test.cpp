// Missing-digit sets, candidate strings, button enabling and the win test.
#include "support/fixture.h"

namespace {

const std::vector<std::string> kEmpty(9, "000000000");

class CandidatesTest : public GameTest {};

TEST_F(CandidatesTest, EmptyGridMissesEveryDigitEverywhere) {
  setGrid(kEmpty);
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(win().pos_zeile[i], "123456789");
    EXPECT_EQ(win().pos_spalte[i], "123456789");
    EXPECT_EQ(win().pos_trio[i], "123456789");
    EXPECT_EQ(win().all_trios[i], "000000000");
  }
}

TEST_F(CandidatesTest, BoxesAreReadFromTheirRowsAndPositions) {
  setGrid({"123456789", "456789123", "789123456", "214365897", "365897214", "897214365", "531642978", "642978531",
           "978531642"});
  EXPECT_EQ(win().all_trios[1], "123456789");
  EXPECT_EQ(win().all_trios[5], "365897214");  // rows 4–6, columns 4–6
  EXPECT_EQ(win().all_trios[7], "531642978");  // rows 7–9, columns 1–3
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(win().pos_zeile[i], "");
    EXPECT_EQ(win().pos_spalte[i], "");
    EXPECT_EQ(win().pos_trio[i], "");
  }
}

TEST_F(CandidatesTest, DigitInThePadCountsAsPresentInTheRow) {
  setGrid(kEmpty);
  win().feld[2] = "5000000000";
  win().check_lines_and_rows();
  EXPECT_EQ(win().pos_zeile[2], "12346789");
  EXPECT_EQ(win().pos_spalte[1], "123456789");
}

TEST_F(CandidatesTest, RetPossibleTakesColumnFirstAndFiltersRowColumnBox) {
  // Row 7 lacks 1, 2, 3; column 4 holds 1 and 3; box 8 holds 3, 5, 6.
  setGrid({"000100000", "000000000", "000000000", "000900000", "000800000", "000700000", "450060789",
           "000050000", "000300000"});
  // Column 4, row 7 is position 5 of feld[7].
  EXPECT_EQ(win().ret_possible(4, 7), "2");
  EXPECT_TRUE(enabled("BevelButton2"));
  EXPECT_FALSE(enabled("BevelButton1"));
  EXPECT_EQ(win().ret_possible(7, 4), "1234568");  // row 4, column 7: its column holds the 7
}

TEST_F(CandidatesTest, RetPossibleOnFilledOrDeadCellLeavesEveryButtonDisabled) {
  setGrid({"123456780", "000000009", "000000000", "000000000", "000000000", "000000000", "000000000", "000000000",
           "000000000"});
  EXPECT_EQ(win().ret_possible(1, 1), "Fehler");
  for (int i = 1; i <= 12; ++i) EXPECT_FALSE(enabled("BevelButton" + std::to_string(i))) << i;
  EXPECT_EQ(win().ret_possible(9, 1), "");
  for (int i = 1; i <= 12; ++i) EXPECT_FALSE(enabled("BevelButton" + std::to_string(i))) << i;
}

TEST_F(CandidatesTest, ActivateBeavelsEnablesExactlyTheDigitsOfItsString) {
  struct Case {
    std::string s;
    std::string enabledDigits;
  };
  for (const Case& c : {Case{"159", "159"}, Case{"", ""}, Case{"Fehler", ""}, Case{"0 x", ""}, Case{"77", "7"},
                        Case{"123456789", "123456789"}}) {
    for (int i = 10; i <= 12; ++i) controlEnabledSetter(control("BevelButton" + std::to_string(i)), true);
    win().activate_beavels(c.s);
    for (int i = 1; i <= 12; ++i) {
      const bool expected = i <= 9 && c.enabledDigits.find(static_cast<char>('0' + i)) != std::string::npos;
      EXPECT_EQ(enabled("BevelButton" + std::to_string(i)), expected) << "'" << c.s << "' button " << i;
    }
  }
}

TEST_F(CandidatesTest, CheckWonCongratulatesEveryTimeTheBoardIsFull) {
  setGrid({"123456789", "456789123", "789123456", "214365897", "365897214", "897214365", "531642978", "642978531",
           "978531642"});
  win().check_won();
  win().check_won();
  ASSERT_EQ(backend().messages.size(), 2u);
  EXPECT_EQ(backend().messages[0].text, "Herzlichen Glückwunsch! Sie haben das Spiel gelöst!");
  EXPECT_EQ(backend().beeps, 2);
}

TEST_F(CandidatesTest, CheckWonSkipsThePadButSeesAnEmptyCell) {
  setGrid({"123456789", "456789123", "789123456", "214365897", "365897214", "897214365", "531642978", "642978531",
           "978531642"});
  win().feld[5][0] = '0';  // the pad is "0" in every row anyway
  win().check_won();
  EXPECT_EQ(backend().messages.size(), 1u);
  win().feld[9][9] = '0';
  win().check_won();
  EXPECT_EQ(backend().messages.size(), 1u);
}

}  // namespace
