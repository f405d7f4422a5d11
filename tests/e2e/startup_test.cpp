// The real program under Xvfb: its window, board and buttons on the screen, and the quit key.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

TEST(EndToEnd, StartsWithTheBoardAndButtonsAndQuitsWithCtrlQ) {
  if (const auto missing = e2e::missingTools()) GTEST_SKIP() << *missing;
  e2e::VirtualDisplay display;
  ASSERT_TRUE(display.ok()) << "Xvfb did not start";
  e2e::App app(display);
  const unsigned long win = app.waitForWindow("BrovaneSudoku");
  ASSERT_NE(win, 0u) << "no window titled BrovaneSudoku appeared";
  const e2e::Rect g = app.geometry(win);
  EXPECT_EQ(g.width, 313);
  EXPECT_GT(g.height, 387);  // the content area and the menu bar above it

  // The first frame may reach the screen a moment after the window is mapped.
  const e2e::Content at = e2e::Content::of(g);
  e2e::Board board(display.screenshot(), at);
  for (int tries = 0; tries < 50 && !e2e::isBlack(board.board(0, 0)); ++tries) board = e2e::Board(display.screenshot(), at);
  // The grid's black lines start at content (20, 30): ten vertical and ten horizontal ones.
  for (int i = 0; i <= 9; ++i) {
    EXPECT_TRUE(e2e::isBlack(board.board(30 * i, 45))) << "vertical line " << i;
    EXPECT_TRUE(e2e::isBlack(board.board(45, 30 * i))) << "horizontal line " << i;
  }
  EXPECT_FALSE(e2e::isBlack(board.board(15, 45)));
  EXPECT_FALSE(e2e::isBlack(board.content(19, 45)));  // left of the canvas
  EXPECT_FALSE(board.digitColor(5, 5).has_value());   // the board starts empty
  // "Start" is the one enabled command button: its caption is drawn in dark text.
  EXPECT_GT(board.darkPixels(232, 349, 56, 22), 15);

  app.keys(win, "ctrl+q");
  EXPECT_EQ(app.waitForExit(10), 0);
}

}  // namespace
