// Drawing on a printed page.
#include "toolkit/qt/print_job.h"

#include <QFontMetricsF>
#include <QString>
#include <algorithm>

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
  // Coordinates count from the paper's corner, whatever the margins of the page setup.
  printer_->setFullPage(true);
  unit_ = printer_->resolution() / 72.0;
  if (painter_.begin(printer_.get())) painter_.setRenderHint(QPainter::Antialiasing, false);
}

QtPrintJob::~QtPrintJob() {
  if (painter_.isActive()) painter_.end();
}

void QtPrintJob::fillRect(int x, int y, int w, int h, Color c) {
  if (!painter_.isActive() || w <= 0 || h <= 0) return;
  painter_.fillRect(QRectF(x * unit_, y * unit_, w * unit_, h * unit_), QColor(c.r, c.g, c.b));
}

void QtPrintJob::drawRect(int x, int y, int w, int h, Color c, int penWidth, int penHeight) {
  if (w <= 0 || h <= 0) return;
  // The same four bands as on the screen, so a 1-point outline is exactly one point wide.
  const int pw = std::clamp(penWidth, 1, w);
  const int ph = std::clamp(penHeight, 1, h);
  fillRect(x, y, w, ph, c);
  fillRect(x, y + h - ph, w, ph, c);
  fillRect(x, y + ph, pw, h - 2 * ph, c);
  fillRect(x + w - pw, y + ph, pw, h - 2 * ph, c);
}

void QtPrintJob::drawString(std::string_view text, int x, int baseline, Color c) {
  if (!painter_.isActive()) return;
  painter_.setPen(QColor(c.r, c.g, c.b));
  painter_.setFont(QFont());
  const qreal lineHeight = QFontMetricsF(painter_.font(), printer_.get()).lineSpacing();
  QString all = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  all.replace("\r\n", "\n").replace('\r', '\n');
  const QStringList lines = all.split('\n');
  qreal y = baseline * unit_;
  for (const QString& line : lines) {
    if (!line.isEmpty()) painter_.drawText(QPointF(x * unit_, y), line);
    y += lineHeight;
  }
}
