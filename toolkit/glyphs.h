// Glyph masks for text drawn into a raster. The built-in set has hand-drawn digits (the only
// text the board ever shows) and a plain box for every other character, so pixel tests need no
// fonts; the Qt back end renders a real font into a set of its own.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

struct Glyph {
  int advance = 0;  // device pixels from this glyph's origin to the next one's
  int left = 0;     // device pixels from the origin to the mask's left column
  int top = 0;      // device pixels from the baseline up to the mask's top row
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> mask;  // width × height, row by row; non-zero pixels are ink
};

struct GlyphSet {
  std::array<Glyph, 128> ascii;  // by character code; codes below 32 are unused
  Glyph fallback;                // every character outside printable ASCII
  int lineHeight = 0;            // device pixels from one baseline to the next

  const Glyph& glyph(char32_t c) const;
};

// The built-in set at an integer scale: digits seven pixels wide and eleven high, standing on
// the baseline (so a digit drawn at (x0 + 11, y0 + 19) of a 30-pixel cell is centred in it).
std::shared_ptr<const GlyphSet> builtinGlyphs(int scale = 1);
