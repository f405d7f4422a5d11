// Page layouts to text and back. Form: "size=A4;width=210;height=297;sizeUnits=mm;
// orientation=portrait;units=mm;margins=10,10,10,10" — keys in that order, numbers in their
// shortest exact decimal form. A paper of no standard size is "size=Custom" with its width and
// height.
#include "toolkit/qt/page_layout_text.h"

#include <QLocale>
#include <QMarginsF>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<QPageLayout::Unit, const char*>, 6> kUnits{{
    {QPageLayout::Millimeter, "mm"},
    {QPageLayout::Point, "pt"},
    {QPageLayout::Inch, "in"},
    {QPageLayout::Pica, "pica"},
    {QPageLayout::Didot, "didot"},
    {QPageLayout::Cicero, "cicero"},
}};

const char* unitName(QPageLayout::Unit unit) {
  for (const auto& [u, name] : kUnits) {
    if (u == unit) return name;
  }
  return "mm";
}

std::optional<QPageLayout::Unit> unitOf(const QString& name) {
  for (const auto& [u, n] : kUnits) {
    if (name == QLatin1String(n)) return u;
  }
  return std::nullopt;
}

QString number(qreal v) { return QString::number(v, 'g', QLocale::FloatingPointShortest); }

std::optional<qreal> numberOf(const QString& text) {
  bool ok = false;
  const qreal v = text.toDouble(&ok);
  if (!ok || !qIsFinite(v) || v < 0 || v > 100000) return std::nullopt;
  return v;
}

std::optional<QPageSize::PageSizeId> sizeIdOf(const QString& key) {
  for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
    const auto sizeId = static_cast<QPageSize::PageSizeId>(id);
    if (sizeId != QPageSize::Custom && QPageSize::key(sizeId) == key) return sizeId;
  }
  return std::nullopt;
}

}  // namespace

std::string pageLayoutToText(const QPageLayout& layout) {
  const QPageSize& size = layout.pageSize();
  const QSizeF dims = size.definitionSize();
  const QMarginsF m = layout.margins();
  const QString key = size.id() == QPageSize::Custom ? QString("Custom") : QPageSize::key(size.id());
  const QString text =
      QString("size=%1;width=%2;height=%3;sizeUnits=%4;orientation=%5;units=%6;margins=%7,%8,%9,%10")
          .arg(key, number(dims.width()), number(dims.height()),
               QLatin1String(unitName(static_cast<QPageLayout::Unit>(size.definitionUnits()))),
               QLatin1String(layout.orientation() == QPageLayout::Landscape ? "landscape" : "portrait"),
               QLatin1String(unitName(layout.units())), number(m.left()), number(m.top()), number(m.right()))
          .arg(number(m.bottom()));
  return text.toStdString();
}

std::optional<QPageLayout> pageLayoutFromText(const std::string& text) {
  const QStringList fields = QString::fromStdString(text).split(';');
  static const std::array<const char*, 7> kKeys{"size", "width", "height", "sizeUnits", "orientation", "units", "margins"};
  if (fields.size() != static_cast<qsizetype>(kKeys.size())) return std::nullopt;
  std::array<QString, 7> v;
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    const QString prefix = QLatin1String(kKeys[i]) + '=';
    if (!fields[static_cast<qsizetype>(i)].startsWith(prefix)) return std::nullopt;
    v[i] = fields[static_cast<qsizetype>(i)].mid(prefix.size());
  }
  const auto width = numberOf(v[1]);
  const auto height = numberOf(v[2]);
  const auto sizeUnits = unitOf(v[3]);
  const auto units = unitOf(v[5]);
  const QStringList margins = v[6].split(',');
  if (!width || !height || !sizeUnits || !units || margins.size() != 4) return std::nullopt;
  if (v[4] != "portrait" && v[4] != "landscape") return std::nullopt;
  std::array<qreal, 4> mv{};
  for (std::size_t i = 0; i < mv.size(); ++i) {
    const auto n = numberOf(margins[static_cast<qsizetype>(i)]);
    if (!n) return std::nullopt;
    mv[i] = *n;
  }
  QPageSize size;
  if (v[0] == "Custom") {
    if (*width <= 0 || *height <= 0) return std::nullopt;
    size = QPageSize(QSizeF(*width, *height), static_cast<QPageSize::Unit>(*sizeUnits), QString(),
                     QPageSize::ExactMatch);
  } else if (const auto id = sizeIdOf(v[0])) {
    size = QPageSize(*id);
  } else {
    return std::nullopt;
  }
  const QPageLayout::Orientation orientation = v[4] == "landscape" ? QPageLayout::Landscape : QPageLayout::Portrait;
  QPageLayout layout(size, orientation, QMarginsF(mv[0], mv[1], mv[2], mv[3]), *units);
  if (!layout.isValid()) return std::nullopt;
  return layout;
}
