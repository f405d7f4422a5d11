// Page setup and printing: one page with the grid, the digits of the working grid and the move
// log, drawn in points. The setup text is kept for the run only and handed back unchanged.
#include "model/basic.h"
#include "model/fenster1.h"
#include "toolkit/menu_ops.h"
#include "toolkit/printing_ops.h"
#include "toolkit/runtime.h"

using namespace basic;

namespace {

std::unique_ptr<PrinterSetup> newPrinterSetup() {
  std::unique_ptr<Object> object = RuntimeNewObject(RuntimeLookupClass("PrinterSetup"));
  if (auto* setup = dynamic_cast<PrinterSetup*>(object.get())) {
    object.release();
    return std::unique_ptr<PrinterSetup>(setup);
  }
  return nullptr;
}

}  // namespace

bool Fenster1::AblageSeiteeinrichten_Action() {
  enableMenuItems();
  Pagesetup = newPrinterSetup();  // releases the previous one
  if (!printer_config.empty()) printerSetupStringSetter(Pagesetup.get(), printer_config);
  if (printerSetupPageSetup(Pagesetup.get())) printer_config = printerSetupStringGetter(Pagesetup.get());
  return false;
}

bool Fenster1::AblageDrucken_Action() {
  enableMenuItems();
  if (!printer_config.empty()) printerSetupStringSetter(Pagesetup.get(), printer_config);
  std::unique_ptr<PrintedPage> page = RuntimeOpenPrinterDialog(Pagesetup.get());
  if (!page) return false;
  Graphics* g = page->graphics();

  for (int c = 1; c <= 9; ++c) {
    for (int r = 1; r <= 9; ++r) {
      RuntimeShowWindow(this);
      graphicsPenHeightSetter(g, 1);
      graphicsPenWidthSetter(g, 1);
      graphicsForeColorSetter(g, RuntimeRGB(0, 0, 0));
      RuntimeGraphicsDrawRect(g, 60 + (c - 1) * 30, 60 + (r - 1) * 30, 31, 31);  // neighbours share edges
      RuntimeBackgroundTask();
    }
    RuntimeBackgroundTask();
  }

  for (int r = 1; r <= 9; ++r) {
    const std::string& row = Elem(feld, r);
    graphicsPenHeightSetter(g, 1);
    graphicsPenWidthSetter(g, 1);
    for (long j = 1; j <= static_cast<long>(row.size()); ++j) {
      const std::string_view ch = CharAt(row, j + 1);  // past the end (j = 10) this is empty
      if (Val(ch) > 0) {
        graphicsForeColorSetter(g, cur_Color);
        RuntimeGraphicsDrawString(g, ch, static_cast<int>(30 * j + 41), 30 * r + 49, 0);
      }
      RuntimeShowWindow(this);
      RuntimeBackgroundTask();
    }
    RuntimeBackgroundTask();
  }

  const std::string log = editTextGetter(RuntimeControlReference(this, "EditField1"));
  if (!log.empty()) RuntimeGraphicsDrawString(g, log, 350, 70, 0);
  return false;  // the page goes to the printer as `page` lets go of it
}
