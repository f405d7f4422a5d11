// Board rendering, pixel by pixel: grid lines, grey cells, digits at their baseline, the
// selection frame and the white ring it leaves behind.
#include "support/fixture.h"

namespace {

constexpr Color kBlack{0, 0, 0};
constexpr Color kGrey{236, 236, 236};
constexpr Color kWhite{255, 255, 255};
constexpr Color kFrame{0, 0, 240};

class RenderTest : public GameTest {
 protected:
  // Clears the canvas to a colour no painting uses, so that untouched pixels show.
  void wipe() { canvas().fillRect(0, 0, 272, 278, Color{1, 2, 3}); }
  bool inkInCell(int row, int column, Color c) {
    const int x0 = (column - 1) * 30 + 11;
    const int base = row * 30 - 11;
    for (int y = base - 11; y < base; ++y)
      for (int x = x0; x < x0 + 7; ++x)
        if (canvas().pixel(x, y) == c) return true;
    return false;
  }
};

TEST_F(RenderTest, GridLinesAreTwentyBlackLinesAndNothingElse) {
  wipe();
  win().draw_game();
  for (int y = 0; y < 278; ++y) {
    for (int x = 0; x < 272; ++x) {
      const bool onLine = (x <= 270 && y <= 270) && (x % 30 == 0 || y % 30 == 0);
      ASSERT_EQ(rgb(canvas().pixel(x, y)), rgb(onLine ? kBlack : Color{1, 2, 3})) << x << "," << y;
    }
  }
}

TEST_F(RenderTest, DrawNumbersPaintsGreyInteriorsAndDigitsInCurColor) {
  setGrid({"500000000", "000000000", "000000000", "000000000", "000000000", "000000000", "000000000", "000000000",
           "000000003"});
  wipe();
  win().cur_Color = Color{10, 20, 30};
  win().draw_numbers();
  EXPECT_EQ(rgb(canvas().pixel(1, 1)), rgb(kGrey));
  EXPECT_EQ(rgb(canvas().pixel(29, 29)), rgb(kGrey));
  EXPECT_EQ(rgb(canvas().pixel(30, 30)), rgb(Color{1, 2, 3}));  // grid line positions untouched
  EXPECT_EQ(rgb(canvas().pixel(269, 269)), rgb(kGrey));
  for (int y = 0; y < 278; ++y) EXPECT_EQ(rgb(canvas().pixel(271, y)), rgb(Color{1, 2, 3})) << y;
  EXPECT_TRUE(inkInCell(1, 1, Color{10, 20, 30}));
  EXPECT_TRUE(inkInCell(9, 9, Color{10, 20, 30}));  // column 9 starts at x 251, baseline y 259
  EXPECT_FALSE(inkInCell(1, 2, Color{10, 20, 30}));
  // The digit stands on its baseline: ink in the row just above it, none on it.
  bool above = false;
  for (int x = 251; x < 258; ++x) above = above || canvas().pixel(x, 258) == Color{10, 20, 30};
  EXPECT_TRUE(above);
  for (int x = 241; x < 270; ++x) EXPECT_EQ(rgb(canvas().pixel(x, 259)), rgb(kGrey)) << x;
}

TEST_F(RenderTest, MarkSquareFramesTheCellAndLeavesAWhiteRingBehind) {
  setGrid(std::vector<std::string>(9, "000000000"));
  win().draw_game();
  win().draw_numbers();
  win().mark_square(3, 5);
  win().mark_square(7, 2);
  EXPECT_EQ(win().glob_x, 30);
  EXPECT_EQ(win().glob_y, 180);
  // Cell (3,5): origin (120, 60); its ring is x 121…149, y 61…89.
  for (int i = 121; i <= 149; ++i) {
    EXPECT_EQ(rgb(canvas().pixel(i, 61)), rgb(kWhite)) << i;
    EXPECT_EQ(rgb(canvas().pixel(i, 89)), rgb(kWhite)) << i;
  }
  EXPECT_EQ(rgb(canvas().pixel(121, 75)), rgb(kWhite));
  EXPECT_EQ(rgb(canvas().pixel(149, 75)), rgb(kWhite));
  EXPECT_EQ(rgb(canvas().pixel(122, 62)), rgb(kGrey));
  // Cell (7,2): origin (30, 180).
  EXPECT_EQ(rgb(canvas().pixel(31, 181)), rgb(kFrame));
  EXPECT_EQ(rgb(canvas().pixel(59, 209)), rgb(kFrame));
  EXPECT_EQ(rgb(canvas().pixel(32, 182)), rgb(kGrey));
  EXPECT_EQ(rgb(canvas().pixel(30, 180)), rgb(kBlack));
}

TEST_F(RenderTest, MarkingTheSameCellTwiceKeepsTheFrame) {
  win().mark_square(4, 4);
  win().mark_square(4, 4);
  EXPECT_EQ(rgb(canvas().pixel(91, 91)), rgb(kFrame));
  EXPECT_EQ(rgb(canvas().pixel(119, 119)), rgb(kFrame));
}

TEST_F(RenderTest, DrawNumbersWipesTheFrameButKeepsTheFramedCell) {
  setGrid(std::vector<std::string>(9, "000000000"));
  win().mark_square(2, 2);
  win().draw_numbers();
  EXPECT_EQ(rgb(canvas().pixel(31, 31)), rgb(kGrey));
  EXPECT_EQ(win().glob_x, 30);
  EXPECT_EQ(win().glob_y, 30);
  win().mark_square(5, 5);
  EXPECT_EQ(rgb(canvas().pixel(31, 31)), rgb(kWhite));  // the old cell gains a white ring
}

}  // namespace
