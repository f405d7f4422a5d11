// The widget that shows a Canvas control: its retained raster as it is, at the raster's device
// scale, with the pointer events passed on to the canvas's handlers.
#pragma once

#include <QWidget>

class Canvas;

class CanvasWidget final : public QWidget {
 public:
  // `frames` counts the paints that showed pixels not shown before.
  CanvasWidget(Canvas& canvas, long long& frames, QWidget* parent);

  // Presents the raster if it changed since it was last presented: at once (inside a running
  // handler) or with the next paint (back in the event loop). Returns whether it had changed.
  bool present(bool immediately);
  // Stops every use of the canvas, whose window is going away.
  void detach() { canvas_ = nullptr; }
  // The help tag changed: the tooltip follows, also while it is shown.
  void showHelpTag();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  Canvas* canvas_;
  long long& frames_;
  bool fresh_ = false;  // pixels are waiting for their paint
};
