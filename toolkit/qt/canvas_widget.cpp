// Painting and pointer input of the canvas widget.
#include "toolkit/qt/canvas_widget.h"

#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "toolkit/controls.h"
#include "toolkit/events.h"

CanvasWidget::CanvasWidget(Canvas& canvas, long long& frames, QWidget* parent)
    : QWidget(parent), canvas_(&canvas), frames_(frames) {
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setToolTip(QString::fromStdString(canvas.helpTag));
}

bool CanvasWidget::present(bool immediately) {
  if (canvas_ == nullptr || canvas_->raster() == nullptr || !canvas_->raster()->takeDirty()) return false;
  fresh_ = true;
  if (immediately) {
    repaint();
  } else {
    update();
  }
  return true;
}

void CanvasWidget::showHelpTag() {
  if (canvas_ == nullptr) return;
  const QString tip = QString::fromStdString(canvas_->helpTag);
  setToolTip(tip);
  if (QToolTip::isVisible() && underMouse()) {
    if (tip.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(QCursor::pos(), tip, this);
    }
  }
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const Raster* raster = canvas_ ? canvas_->raster() : nullptr;
  if (raster == nullptr) {
    p.fillRect(rect(), Qt::white);
    return;
  }
  // The raster's own pixels, wrapped and not copied: they are 0xFFRRGGBB, row by row.
  QImage image(reinterpret_cast<const uchar*>(raster->data()), raster->deviceWidth(), raster->deviceHeight(),
               static_cast<qsizetype>(raster->deviceWidth()) * 4, QImage::Format_RGB32);
  image.setDevicePixelRatio(raster->scale());
  p.drawImage(QPoint(0, 0), image);
  if (fresh_) {
    fresh_ = false;
    ++frames_;
  }
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  if (canvas_ == nullptr) return;
  const QPointF pos = event->position();
  toolkit::dispatchMouseDown(*canvas_, static_cast<int>(std::floor(pos.x())), static_cast<int>(std::floor(pos.y())));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  if (canvas_ == nullptr) return;
  const QPointF pos = event->position();
  if (!rect().contains(pos.toPoint())) return;
  toolkit::dispatchMouseMove(*canvas_, static_cast<int>(std::floor(pos.x())), static_cast<int>(std::floor(pos.y())));
}
