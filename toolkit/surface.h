// Drawing surfaces: what a Graphics object draws on. The board canvas and the headless printed
// page are rasters (raster.h); the Qt back end prints through a surface of its own.
#pragma once

#include <string_view>

#include "toolkit/types.h"

class Surface {
 public:
  virtual ~Surface() = default;
  // Fills columns x … x + w − 1 and rows y … y + h − 1.
  virtual void fillRect(int x, int y, int w, int h, Color c) = 0;
  // The outline whose outer edge is (x, y, w, h): the left and right edges penWidth wide, the
  // top and bottom edges penHeight high, all inside the rectangle.
  virtual void drawRect(int x, int y, int w, int h, Color c, int penWidth, int penHeight) = 0;
  // Text from the left end of its baseline. A carriage return (or a line feed) starts a new
  // line one line height further down, at the same x.
  virtual void drawString(std::string_view text, int x, int baseline, Color c) = 0;
};
