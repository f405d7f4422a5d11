// Glyphs for the board canvas rendered from a real font, without antialiasing, so that drawn
// digits stay exact single-colour pixels like every other shape on the canvas.
#pragma once

#include <memory>

#include "toolkit/glyphs.h"

// Digits about 11 to 12 logical pixels high, so that one drawn from (x0 + 11, y0 + 19) of a
// 30-pixel cell sits inside the cell, rendered at an integer device scale.
std::shared_ptr<const GlyphSet> renderFontGlyphs(int scale);
