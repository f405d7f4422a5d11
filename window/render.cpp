// Board rendering: the grid lines, the digits of the working grid on grey cells, and the
// selection frame. Geometry: 30-pixel cells; the cell of row r, column c has its origin at
// ((c − 1) × 30, (r − 1) × 30), its digit's baseline origin at (x0 + 11, y0 + 19).
#include "model/basic.h"
#include "model/fenster1.h"
#include "toolkit/runtime.h"

using namespace basic;

void Fenster1::draw_game() {
  Graphics* g = canvasGraphicsGetter(RuntimeControlReference(this, "Canvas1"));
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) {
      RuntimeShowWindow(this);
      graphicsPenHeightSetter(g, 1);
      graphicsPenWidthSetter(g, 1);
      graphicsForeColorSetter(g, RuntimeRGB(0, 0, 0));
      RuntimeGraphicsDrawRect(g, (i - 1) * 30, (j - 1) * 30, 31, 31);  // neighbours share edges
      RuntimeBackgroundTask();
    }
    RuntimeBackgroundTask();
  }
  RuntimeShowWindow(this);
}

void Fenster1::draw_numbers() {
  Graphics* g = canvasGraphicsGetter(RuntimeControlReference(this, "Canvas1"));
  for (int i = 1; i <= 9; ++i) {
    const std::string& row = Elem(feld, i);
    graphicsPenHeightSetter(g, 1);
    graphicsPenWidthSetter(g, 1);
    const long columns = static_cast<long>(row.size()) - 1;  // the pad is never drawn
    for (long c = 1; c <= columns; ++c) {
      const std::string_view ch = CharAt(row, c + 1);
      RuntimeShowWindow(this);
      graphicsForeColorSetter(g, RuntimeRGB(236, 236, 236));
      RuntimeGraphicsFillRect(g, static_cast<int>((c - 1) * 30 + 1), (i - 1) * 30 + 1, 29, 29);
      if (Val(ch) > 0) {
        RuntimeShowWindow(this);
        graphicsForeColorSetter(g, cur_Color);
        RuntimeGraphicsDrawString(g, ch, static_cast<int>((c - 1) * 30 + 11), i * 30 - 11, 0);
      }
      RuntimeShowWindow(this);
      RuntimeBackgroundTask();
    }
    RuntimeBackgroundTask();
  }
}

void Fenster1::mark_square(int row, int column) {
  Graphics* g = canvasGraphicsGetter(RuntimeControlReference(this, "Canvas1"));
  RuntimeShowWindow(this);
  graphicsPenHeightSetter(g, 1);
  graphicsPenWidthSetter(g, 1);
  graphicsForeColorSetter(g, RuntimeRGB(255, 255, 255));
  RuntimeGraphicsDrawRect(g, glob_x + 1, glob_y + 1, 29, 29);  // paints the previous frame white
  RuntimeShowWindow(this);
  graphicsPenHeightSetter(g, 1);
  graphicsPenWidthSetter(g, 1);
  graphicsForeColorSetter(g, RuntimeRGB(0, 0, 240));
  const int x0 = (column - 1) * 30;
  const int y0 = (row - 1) * 30;
  RuntimeGraphicsDrawRect(g, x0 + 1, y0 + 1, 29, 29);
  glob_x = x0;
  glob_y = y0;
}
