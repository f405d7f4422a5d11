// A printed page of the Qt back end: drawing in points from the paper's top-left corner onto a
// printer (a real one or a PDF file); the page is finished when the job is destroyed.
#pragma once

#include <QPainter>
#include <QPrinter>
#include <memory>

#include "toolkit/printing.h"

class QtPrintJob final : public PrintJob, private Surface {
 public:
  // Takes over a printer that is set up and ready; painting begins at once.
  explicit QtPrintJob(std::unique_ptr<QPrinter> printer);
  ~QtPrintJob() override;

  Surface& surface() override { return *this; }
  // False when the printer could not be opened (an unwritable file): drawing then goes nowhere.
  bool active() const { return painter_.isActive(); }

 private:
  void fillRect(int x, int y, int w, int h, Color c) override;
  void drawRect(int x, int y, int w, int h, Color c, int penWidth, int penHeight) override;
  void drawString(std::string_view text, int x, int baseline, Color c) override;

  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  qreal unit_ = 1;  // device pixels per point
};
