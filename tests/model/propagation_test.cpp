// One propagation pass: visiting order, green digits, the stop at the first contradiction.
#include "support/fixture.h"

namespace {

class PropagationTest : public GameTest {};

const std::vector<std::string> kSolved = {"123456789", "456789123", "789123456", "214365897", "365897214",
                                          "897214365", "531642978", "642978531", "978531642"};

TEST_F(PropagationTest, FullBoardDrawsNothingAndReturnsFalse) {
  setGrid(kSolved);
  EXPECT_FALSE(win().find_uniques());
  EXPECT_TRUE(backend().messages.empty());
}

TEST_F(PropagationTest, NoForcedCellChangesNothing) {
  setGrid(std::vector<std::string>(9, "000000000"));
  EXPECT_FALSE(win().find_uniques());
  EXPECT_EQ(feldCells(), std::string(81, '0'));
}

TEST_F(PropagationTest, CellForcedByAnEarlierWriteIsWrittenInTheSamePass) {
  // Row 1 lacks 1 and 2. (1,1) can only be 1 (its column lacks just 1); (1,2) could be 1 or 2
  // until (1,1) is written, because its column lacks 1 and 2 ((4,2) is open too).
  std::vector<std::string> g = kSolved;
  g[0] = "003456789";
  g[3] = "204365897";
  setGrid(g);
  EXPECT_TRUE(win().find_uniques());
  EXPECT_EQ(win().feld[1], "0123456789");
  EXPECT_EQ(win().feld[4], "0214365897");
}

TEST_F(PropagationTest, CellForcedByALaterWriteWaitsForTheNextPass) {
  // (1,1) could be 1 or 2 (its column lacks both, (4,1) is open); (1,2) can only be 2. Writing
  // (1,2) forces (1,1), which the pass has already passed.
  std::vector<std::string> g = kSolved;
  g[0] = "003456789";
  g[3] = "014365897";
  setGrid(g);
  EXPECT_TRUE(win().find_uniques());
  EXPECT_EQ(win().feld[1], "0023456789");
  win().check_lines_and_rows();
  win().check_trios();
  EXPECT_TRUE(win().find_uniques());
  EXPECT_EQ(win().feld[1], "0123456789");
  EXPECT_FALSE(win().find_uniques());
}

TEST_F(PropagationTest, SameForcedDigitTwiceInARowStopsAtTheSecondCell) {
  // Row 3 lacks only 7 and 9, at columns 5 and 8; both cells see a 9 in their columns, so both
  // are forced to 7: the first is written, the second is left without a digit.
  setGrid({"000090000", "000000090", "123406805", "000000000", "000000000", "000000000", "000000000", "000000000",
           "000000000"});
  EXPECT_FALSE(win().find_uniques());
  ASSERT_EQ(backend().messages.size(), 1u);
  EXPECT_EQ(backend().messages[0].text, "Ein Fehler bei Zeile 3 Spalte 8");
  EXPECT_EQ(win().feld[3], "0123476805");
  EXPECT_EQ(win().org[3], "0123406805");
}

TEST_F(PropagationTest, ForcedDigitsAreGreenAndOthersKeepTheirColour) {
  std::vector<std::string> g = kSolved;
  g[4] = "365807214";  // (5,5) forced to 9
  setGrid(g);
  Raster& r = canvas();
  EXPECT_TRUE(win().find_uniques());
  // The digit 9 at (5,5): origin x = 4·30 + 11 = 131, baseline y = 5·30 − 11 = 139.
  bool green = false;
  for (int y = 128; y < 139; ++y)
    for (int x = 131; x < 138; ++x) green = green || r.pixel(x, y) == Color{0, 127, 0};
  EXPECT_TRUE(green);
  for (int y = 0; y < 278; ++y) {
    for (int x = 0; x < 272; ++x) {
      if (x >= 131 && x < 138 && y >= 128 && y < 139) continue;
      ASSERT_NE(r.pixel(x, y), (Color{0, 127, 0})) << x << "," << y;
    }
  }
}

}  // namespace
