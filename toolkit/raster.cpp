// Pixel-exact drawing into a retained buffer.
#include "toolkit/raster.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t argb(Color c) {
  return 0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | std::uint32_t{c.b};
}

// Decodes one UTF-8 sequence at text[i] and advances i; a malformed byte stands for itself.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(text[i++]);
  if (b0 < 0x80) return b0;
  int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : 0;
  char32_t cp = b0 & (0x3F >> extra);
  for (; extra > 0 && i < text.size(); --extra) {
    const auto b = static_cast<unsigned char>(text[i]);
    if ((b & 0xC0) != 0x80) break;
    cp = (cp << 6) | (b & 0x3F);
    ++i;
  }
  return cp;
}

}  // namespace

Raster::Raster(int width, int height, int scale)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      scale_(std::max(scale, 1)),
      pixels_(static_cast<std::size_t>(width_ * scale_) * static_cast<std::size_t>(height_ * scale_), 0xFFFFFFFFu),
      glyphs_(builtinGlyphs(scale_)) {}

Color Raster::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return Color{255, 255, 255};
  const std::uint32_t p = pixels_[static_cast<std::size_t>(y * scale_) * static_cast<std::size_t>(deviceWidth()) +
                                  static_cast<std::size_t>(x * scale_)];
  return Color{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
}

void Raster::setGlyphs(std::shared_ptr<const GlyphSet> glyphs) {
  if (glyphs) glyphs_ = std::move(glyphs);
}

void Raster::fillDevice(int x0, int y0, int x1, int y1, std::uint32_t value) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, deviceWidth());
  y1 = std::min(y1, deviceHeight());
  if (x0 >= x1 || y0 >= y1) return;
  dirty_ = true;
  const auto stride = static_cast<std::size_t>(deviceWidth());
  // The solver fills a cell at every step, so this is the hottest loop of the game: fill the
  // first row, then copy it (a block copy is far faster than a store per pixel).
  std::uint32_t* first = pixels_.data() + static_cast<std::size_t>(y0) * stride + x0;
  std::fill(first, first + (x1 - x0), value);
  const std::size_t bytes = static_cast<std::size_t>(x1 - x0) * sizeof(std::uint32_t);
  for (int y = y0 + 1; y < y1; ++y) {
    std::memcpy(pixels_.data() + static_cast<std::size_t>(y) * stride + x0, first, bytes);
  }
}

void Raster::fillRect(int x, int y, int w, int h, Color c) {
  if (w <= 0 || h <= 0) return;
  const long s = scale_;
  // Logical coordinates far outside the buffer are clamped before scaling, so nothing overflows.
  auto dev = [&](long v, long limit) { return static_cast<int>(std::clamp(v, -1L, limit + 1) * s); };
  fillDevice(dev(x, width_), dev(y, height_), dev(long{x} + w, width_), dev(long{y} + h, height_), argb(c));
}

void Raster::drawRect(int x, int y, int w, int h, Color c, int penWidth, int penHeight) {
  if (w <= 0 || h <= 0) return;
  const int pw = std::clamp(penWidth, 1, w);
  const int ph = std::clamp(penHeight, 1, h);
  fillRect(x, y, w, ph, c);                 // top
  fillRect(x, y + h - ph, w, ph, c);        // bottom
  fillRect(x, y + ph, pw, h - 2 * ph, c);   // left
  fillRect(x + w - pw, y + ph, pw, h - 2 * ph, c);  // right
}

void Raster::drawString(std::string_view text, int x, int baseline, Color c) {
  const std::uint32_t value = argb(c);
  const long s = scale_;
  long penX = long{x} * s;
  long baseY = long{baseline} * s;
  const long startX = penX;
  const auto stride = static_cast<std::size_t>(deviceWidth());
  std::size_t i = 0;
  while (i < text.size()) {
    const char32_t cp = nextCodePoint(text, i);
    if (cp == U'\r' || cp == U'\n') {
      if (cp == U'\r' && i < text.size() && text[i] == '\n') ++i;
      penX = startX;
      baseY += glyphs_->lineHeight;
      continue;
    }
    const Glyph& g = glyphs_->glyph(cp);
    const long gx = penX + g.left;
    const long gy = baseY - g.top;
    for (int row = 0; row < g.height; ++row) {
      const long py = gy + row;
      if (py < 0 || py >= deviceHeight()) continue;
      std::uint32_t* line = pixels_.data() + static_cast<std::size_t>(py) * stride;
      const std::uint8_t* m = g.mask.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(g.width);
      for (int col = 0; col < g.width; ++col) {
        const long px = gx + col;
        if (m[col] != 0 && px >= 0 && px < deviceWidth()) {
          line[px] = value;
          dirty_ = true;
        }
      }
    }
    penX += g.advance;
    if (penX > (long{1} << 30)) break;  // nothing further can land inside the buffer
  }
}
