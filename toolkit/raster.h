// A retained pixel buffer that game drawing writes straight into, with no object built per
// call: the board canvas of both back ends and the headless printed page. The pixel rules are
// exact: an outline or a fill of (x, y, w, h) covers columns x … x + w − 1 and rows
// y … y + h − 1, no antialiasing, everything clipped to the buffer.
//
// A raster may hold more device pixels than logical ones (an integer scale, for high-density
// screens): every logical pixel is then a scale × scale block, so a picture is the same at
// every scale, only finer.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "toolkit/glyphs.h"
#include "toolkit/surface.h"

class Raster final : public Surface {
 public:
  // A buffer of width × height logical pixels, all white.
  Raster(int width, int height, int scale = 1);

  int width() const { return width_; }
  int height() const { return height_; }
  int scale() const { return scale_; }
  int deviceWidth() const { return width_ * scale_; }
  int deviceHeight() const { return height_ * scale_; }

  // Device pixels, row by row, each 0xFFRRGGBB (the layout of QImage::Format_RGB32).
  const std::uint32_t* data() const { return pixels_.data(); }
  std::uint32_t* data() { return pixels_.data(); }

  // The colour of logical pixel (x, y) (its top-left device pixel); white outside the buffer.
  Color pixel(int x, int y) const;

  // The glyphs that drawString uses; the built-in digit font until a back end sets others.
  // They must be made for this raster's scale.
  void setGlyphs(std::shared_ptr<const GlyphSet> glyphs);
  const GlyphSet& glyphs() const { return *glyphs_; }

  // True when something was drawn since the last call; clears the mark.
  bool takeDirty() {
    const bool d = dirty_;
    dirty_ = false;
    return d;
  }

  void fillRect(int x, int y, int w, int h, Color c) override;
  void drawRect(int x, int y, int w, int h, Color c, int penWidth, int penHeight) override;
  void drawString(std::string_view text, int x, int baseline, Color c) override;

 private:
  // Fills device pixels [x0, x1) × [y0, y1), clipped.
  void fillDevice(int x0, int y0, int x1, int y1, std::uint32_t argb);

  int width_;
  int height_;
  int scale_;
  std::vector<std::uint32_t> pixels_;
  std::shared_ptr<const GlyphSet> glyphs_;
  bool dirty_ = false;
};
