// Page-setup objects and print jobs.
#pragma once

#include <memory>
#include <string>

#include "toolkit/object.h"
#include "toolkit/surface.h"

// The page setup: the back end's own text form of it, empty for the back end's defaults.
class PrinterSetup final : public Object {
 public:
  std::string settings;
};

// One printed page. Drawing goes to surface(), in points (72 drawing units per inch) from the
// page's top-left corner; the page is sent to the printer when the job is destroyed.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  virtual Surface& surface() = 0;
};
