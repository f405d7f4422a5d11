// Pointer input: pixels to cells, selecting cells during entry and play, the candidates tooltip.
#include "play.h"

namespace {

using namespace play;

class PointerTest : public PlayTest {
 protected:
  std::string tooltip() { return control("Canvas1")->helpTag; }
  std::vector<Color> pixels() {
    std::vector<Color> p;
    for (int y = 0; y < 278; ++y)
      for (int x = 0; x < 272; ++x) p.push_back(canvas().pixel(x, y));
    return p;
  }
};

TEST_F(PointerTest, PixelsMapToCellsWithLinesBelongingRightAndBelow) {
  struct Case {
    int x, y, row, column;
  };
  const std::vector<Case> cases = {
      {0, 0, 1, 1},     {29, 29, 1, 1},   {30, 59, 2, 2},  {30, 30, 2, 2},  {269, 0, 1, 9},
      {270, 270, 9, 9}, {271, 277, 9, 9}, {0, 277, 9, 1},  {135, 140, 5, 5}, {-5, -1, 1, 1},
  };
  startWith(kEmpty);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    EXPECT_FALSE(win().Canvas1_MouseDown(c.x, c.y));
    EXPECT_EQ(win().glob_z, c.row);
    EXPECT_EQ(win().glob_s, c.column);
    EXPECT_TRUE(ring(c.row, c.column, kFrame));
  }
  // Through the toolkit too: a click at the canvas's far corner.
  toolkit::dispatchMouseDown(*control("Canvas1"), 271, 277);
  EXPECT_EQ(win().glob_z, 9);
  EXPECT_EQ(win().glob_s, 9);
}

TEST_F(PointerTest, ClickOnAFilledCellOnlyDisablesTheButtons) {
  setGrid({"003020600", "900305001", "001806400", "008102900", "700000008", "006708200", "002609500", "800203009",
           "005010300"});
  click(1, 1);
  ASSERT_EQ(buttons(), "000110000000");  // (1,1) can be 4 or 5
  const auto before = pixels();
  const int x = win().glob_x;
  const int y = win().glob_y;
  EXPECT_FALSE(win().Canvas1_MouseDown(75, 15));  // (1,3) holds a 3
  EXPECT_EQ(buttons(), "000000000000");
  EXPECT_EQ(win().glob_z, 1);
  EXPECT_EQ(win().glob_s, 1);
  EXPECT_EQ(win().glob_x, x);
  EXPECT_EQ(win().glob_y, y);
  EXPECT_TRUE(pixels() == before);
}

TEST_F(PointerTest, ClickOnAnotherCellThrowsBackTheShownTrial) {
  startWith(kEmpty);
  click(2, 2);
  press("BevelButton6");
  click(5, 5);
  EXPECT_TRUE(noInk(2, 2, kBlue));
  EXPECT_TRUE(ring(2, 2, kWhite));  // the old frame, painted white over the repainted cell
  EXPECT_TRUE(ring(5, 5, kFrame));
  EXPECT_EQ(buttons(), "111111111000");

  // The selected cell itself: the trial is discarded and the cell framed again.
  press("BevelButton3");
  click(5, 5);
  EXPECT_TRUE(noInk(5, 5, kBlue));
  EXPECT_TRUE(ring(5, 5, kFrame));
  EXPECT_FALSE(enabled("BevelButton10"));
}

TEST_F(PointerTest, TheTestedTrialCellCountsAsFilledUntilAnEmptyCellIsClicked) {
  startWith(kEmpty);
  click(3, 3);
  press("BevelButton4");
  press("BevelButton10");
  click(3, 3);
  EXPECT_EQ(buttons(), "000000000000");
  EXPECT_EQ(win().feld[3], "0004000000");  // the tested position stays
  click(7, 7);
  EXPECT_EQ(win().feld[3], "0000000000");
  EXPECT_TRUE(noInk(3, 3, kBlue));
}

TEST_F(PointerTest, ClickAfterATakenMoveMovesTheFrameWithoutRepainting) {
  startWith(kEmpty);
  click(3, 3);
  press("BevelButton4");
  press("BevelButton10");
  press("BevelButton11");
  click(6, 8);
  EXPECT_TRUE(showsDigit(3, 3, 4, kBlue));  // no repaint
  EXPECT_TRUE(ring(3, 3, kWhite));
  EXPECT_TRUE(ring(6, 8, kFrame));
  EXPECT_EQ(win().glob_z, 6);
  EXPECT_EQ(win().glob_s, 8);
}

TEST_F(PointerTest, EmptyCellWithoutCandidatesIsSelectedWithNoDigitEnabled) {
  setGrid({"012345678", "900000000", "000000000", "000000000", "000000000", "000000000", "000000000", "000000000",
           "000000000"});
  click(5, 5);
  click(1, 1);
  EXPECT_EQ(win().glob_z, 1);
  EXPECT_EQ(win().glob_s, 1);
  EXPECT_TRUE(ring(1, 1, kFrame));
  EXPECT_EQ(buttons(), "000000000000");
}

TEST_F(PointerTest, TooltipShowsTheCandidatesOfTheCellUnderThePointer) {
  // Row 1 misses 3 and 7 at (1,1) and (1,2); (1,3) is filled.
  setGrid({"001245689", "000000000", "000000000", "000000000", "000000000", "000000000", "000000000", "000000000",
           "000000000"});
  Control& canvas1 = *control("Canvas1");
  const std::string states = buttons();
  EXPECT_EQ(tooltip(), "Test");
  toolkit::dispatchMouseMove(canvas1, 5, 5);  // (1,1)
  EXPECT_EQ(tooltip(), "Hier geht 37");
  toolkit::dispatchMouseMove(canvas1, 65, 5);  // (1,3) holds a 1
  EXPECT_EQ(tooltip(), "");
  setGrid({"001245689", "000000000", "000000000", "300000000", "000000000", "000000000", "700000000", "000000000",
           "000000000"});
  toolkit::dispatchMouseMove(canvas1, 5, 5);
  EXPECT_EQ(tooltip(), "Hier geht ");
  EXPECT_EQ(buttons(), states);  // the tooltip leaves the buttons alone
}

}  // namespace
