// Rendering of the canvas glyphs from a system font.
#include "toolkit/qt/font_glyphs.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace {

// Logical height of a digit's ink: between the two, and as large as the font allows.
constexpr int kDigitMaxHeight = 12;

QFont boardFont() {
  QFont font(QFontDatabase::hasFamily("DejaVu Sans") ? QString("DejaVu Sans") : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
  font.setStyleHint(QFont::SansSerif);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferBitmap));
  return font;
}

// The pixel size whose digits are at most kDigitMaxHeight logical pixels high.
int digitPixelSize(QFont font) {
  int best = 8;
  for (int size = 8; size <= 24; ++size) {
    font.setPixelSize(size);
    const QRect ink = QFontMetrics(font).tightBoundingRect("0123456789");
    if (ink.height() > kDigitMaxHeight) break;
    best = size;
  }
  return best;
}

// One character's mask: drawn on a canvas large enough for any glyph of the font, then cut to
// its ink. `pad` leaves room for ink left of the origin and above the ascent.
Glyph renderGlyph(const QFont& font, const QFontMetrics& fm, QChar c) {
  const int pad = fm.height();
  const int side = 4 * pad;
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  const QPoint origin(pad, pad + fm.ascent());
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(origin, QString(c));
  }
  Glyph g;
  g.advance = fm.horizontalAdvance(c);
  int x0 = side, y0 = side, x1 = -1, y1 = -1;
  for (int y = 0; y < side; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < side; ++x) {
      if (qAlpha(row[x]) < 128) continue;
      x0 = std::min(x0, x);
      x1 = std::max(x1, x);
      y0 = std::min(y0, y);
      y1 = std::max(y1, y);
    }
  }
  if (x1 < 0) return g;  // no ink: a blank
  g.left = x0 - origin.x();
  g.top = origin.y() - y0;
  g.width = x1 - x0 + 1;
  g.height = y1 - y0 + 1;
  g.mask.resize(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height));
  for (int y = 0; y < g.height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y0 + y));
    for (int x = 0; x < g.width; ++x) {
      g.mask[static_cast<std::size_t>(y) * static_cast<std::size_t>(g.width) + static_cast<std::size_t>(x)] =
          qAlpha(row[x0 + x]) >= 128 ? 1 : 0;
    }
  }
  return g;
}

}  // namespace

std::shared_ptr<const GlyphSet> renderFontGlyphs(int scale) {
  scale = std::max(scale, 1);
  QFont font = boardFont();
  font.setPixelSize(digitPixelSize(font) * scale);
  const QFontMetrics fm(font);
  auto set = std::make_shared<GlyphSet>();
  for (int c = 32; c < 127; ++c) set->ascii[static_cast<std::size_t>(c)] = renderGlyph(font, fm, QChar(c));
  // A character the font lacks is shown as the font's replacement box, or a question mark.
  const QChar missing = fm.inFontUcs4(0x25A1) ? QChar(0x25A1) : QChar('?');
  set->fallback = renderGlyph(font, fm, missing);
  set->ascii[127] = set->fallback;
  set->lineHeight = fm.lineSpacing();
  return set;
}
