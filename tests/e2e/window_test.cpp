// The window itself: the About window shown and hidden, quitting, the icon, and a screen at
// scale 2 where the board is drawn at device resolution and clicks land on the right cell.
#include <gtest/gtest.h>

#include "session.h"

namespace e2e {
namespace {

class Window : public Session {};

TEST_F(Window, AboutWindowOpensFromTheMenuAndItsOkButtonHidesIt) {
  ASSERT_NO_FATAL_FAILURE(start());
  EXPECT_NE(display->run("xprop -id " + std::to_string(window) + " _NET_WM_ICON").find("Icon ("), std::string::npos)
      << "the window has no icon";

  keys("alt+a Down Return");  // "Über BrovaneSudoku" follows "Beenden"
  const unsigned long about = app->waitForWindow("Über BrovaneSudoku");
  ASSERT_NE(about, 0u) << "no About window";
  const Rect g = app->geometry(about);
  EXPECT_EQ(g.width, 377);
  EXPECT_EQ(g.height, 206);
  // Its OK button at (294, 166), 60 × 22.
  click(QPoint(g.x + 324, g.y + 177));
  EXPECT_TRUE(app->waitUntilGone(about)) << "the OK button did not hide the About window";

  keys("ctrl+q");
  EXPECT_EQ(app->waitForExit(15), 0);
}

TEST_F(Window, AtScaleTwoTheBoardIsSharpAndClicksLandOnTheirCells) {
  AppOptions options;
  options.scale = 2;
  ASSERT_NO_FATAL_FAILURE(start(options, 1280, 1024));
  EXPECT_EQ(app->geometry(window).width, 626);

  // Each grid line is two device pixels wide, with no blur beside it.
  Board board = shot();
  for (int i = 0; i <= 9; ++i) {
    const int x = 60 * i;
    EXPECT_TRUE(isBlack(board.boardDevice(x, 90)) && isBlack(board.boardDevice(x + 1, 90))) << "line " << i;
    if (i > 0) {
      EXPECT_FALSE(isBlack(board.boardDevice(x - 1, 90))) << "left of line " << i;
    }
    if (i < 9) {
      EXPECT_FALSE(isBlack(board.boardDevice(x + 2, 90))) << "right of line " << i;
    }
  }

  // A click anywhere inside a cell, corners included, frames that cell.
  const struct {
    int row, column, dx, dy;  // device pixels from the cell's top-left grid corner
  } clicks[] = {{5, 7, 30, 30}, {9, 9, 3, 3}, {2, 1, 56, 56}, {1, 9, 56, 3}, {8, 3, 3, 56}};
  for (const auto& c : clicks) {
    SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.column));
    const int x0 = 2 * 30 * (c.column - 1), y0 = 2 * 30 * (c.row - 1);
    click(QPoint(at.left + 40 + x0 + c.dx, at.top + 60 + y0 + c.dy));
    const QRgb frame = qRgb(0, 0, 240);
    EXPECT_TRUE(waitFor([&] { return shot().boardDevice(x0 + 2, y0 + 30) == frame; }, 10)) << "no frame";
    board = shot();
    EXPECT_EQ(board.boardDevice(x0 + 3, y0 + 30), frame);  // one logical pixel: two device pixels
    EXPECT_NE(board.boardDevice(x0 + 4, y0 + 30), frame);
  }

  // A digit drawn at device resolution: its shape is no 1-pixel drawing doubled.
  keys("4");
  ASSERT_TRUE(waitFor([&] { return shot().cells()[7 * 9 + 2] == 'b'; }, 10));
  const std::string shape = shot().glyph(8, 3);
  const int side = 27 * 2;
  bool finer = false;
  for (int y = 0; y + 1 < side && !finer; y += 2) {
    for (int x = 0; x + 1 < side && !finer; x += 2) {
      const auto at = [&](int xx, int yy) { return shape[static_cast<std::size_t>(yy * side + xx)]; };
      finer = at(x, y) != at(x + 1, y) || at(x, y) != at(x, y + 1) || at(x, y) != at(x + 1, y + 1);
    }
  }
  EXPECT_TRUE(finer) << "the digit is a scaled-up low-resolution drawing";
}

}  // namespace
}  // namespace e2e
