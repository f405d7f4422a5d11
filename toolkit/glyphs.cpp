// The built-in glyph set: hand-drawn digits and a box for everything else.
#include "toolkit/glyphs.h"

#include <string_view>

namespace {

constexpr int kDigitWidth = 7;
constexpr int kDigitHeight = 11;

// Eleven rows of seven pixels per digit; '#' is ink.
constexpr std::string_view kDigits[10][kDigitHeight] = {
    {" ##### ", "##   ##", "##   ##", "##  ###", "## # ##", "## # ##", "### ###", "##   ##", "##   ##", "##   ##", " ##### "},
    {"   ##  ", "  ###  ", " ####  ", "   ##  ", "   ##  ", "   ##  ", "   ##  ", "   ##  ", "   ##  ", "   ##  ", " ######"},
    {" ##### ", "##   ##", "     ##", "     ##", "    ## ", "   ##  ", "  ##   ", " ##    ", "##     ", "##     ", "#######"},
    {" ##### ", "##   ##", "     ##", "     ##", "  #### ", "     ##", "     ##", "     ##", "     ##", "##   ##", " ##### "},
    {"    ## ", "   ### ", "  #### ", " ## ## ", "##  ## ", "##  ## ", "#######", "    ## ", "    ## ", "    ## ", "    ## "},
    {"#######", "##     ", "##     ", "##     ", "###### ", "     ##", "     ##", "     ##", "     ##", "##   ##", " ##### "},
    {"  #### ", " ##    ", "##     ", "##     ", "###### ", "##   ##", "##   ##", "##   ##", "##   ##", "##   ##", " ##### "},
    {"#######", "     ##", "     ##", "    ## ", "    ## ", "   ##  ", "   ##  ", "  ##   ", "  ##   ", "  ##   ", "  ##   "},
    {" ##### ", "##   ##", "##   ##", "##   ##", " ##### ", "##   ##", "##   ##", "##   ##", "##   ##", "##   ##", " ##### "},
    {" ##### ", "##   ##", "##   ##", "##   ##", "##   ##", " ######", "     ##", "     ##", "     ##", "    ## ", " ####  "},
};

Glyph scaled(const std::string_view* rows, int w, int h, int advance, int scale) {
  Glyph g;
  g.advance = advance * scale;
  g.left = 0;
  g.top = h * scale;
  g.width = w * scale;
  g.height = h * scale;
  g.mask.assign(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height), 0);
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) {
      const bool ink = rows[y / scale][static_cast<std::size_t>(x / scale)] == '#';
      g.mask[static_cast<std::size_t>(y) * static_cast<std::size_t>(g.width) + static_cast<std::size_t>(x)] = ink ? 1 : 0;
    }
  }
  return g;
}

// A hollow box five pixels wide and seven high, for every character without a drawn glyph.
Glyph box(int scale) {
  static constexpr std::string_view rows[7] = {"#####", "#   #", "#   #", "#   #", "#   #", "#   #", "#####"};
  return scaled(rows, 5, 7, 7, scale);
}

}  // namespace

const Glyph& GlyphSet::glyph(char32_t c) const {
  if (c >= 32 && c < 128) return ascii[c];
  return fallback;
}

std::shared_ptr<const GlyphSet> builtinGlyphs(int scale) {
  if (scale < 1) scale = 1;
  auto set = std::make_shared<GlyphSet>();
  const Glyph other = box(scale);
  for (auto& g : set->ascii) g = other;
  set->ascii[' '] = Glyph{.advance = 4 * scale, .left = 0, .top = 0, .width = 0, .height = 0, .mask = {}};
  for (int d = 0; d < 10; ++d) {
    set->ascii[static_cast<std::size_t>('0' + d)] = scaled(kDigits[d], kDigitWidth, kDigitHeight, 9, scale);
  }
  set->fallback = other;
  set->lineHeight = 15 * scale;
  return set;
}
