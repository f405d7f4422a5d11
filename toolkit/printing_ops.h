// The printing operations the game calls: the page-setup dialog, the setup's text form and the
// print dialog that hands out the page to draw on.
#pragma once

#include <memory>
#include <string>

#include "toolkit/controls.h"
#include "toolkit/printing.h"

// Shows the modal page-setup dialog for the object; true when the user confirmed it (the
// object then holds the chosen settings), false when cancelled (the object is unchanged).
bool printerSetupPageSetup(PrinterSetup* setup);
// The object's settings as a text, to be handed back unchanged to printerSetupStringSetter.
std::string printerSetupStringGetter(const PrinterSetup* setup);
void printerSetupStringSetter(PrinterSetup* setup, std::string text);

// The one page of a print job and the graphics that draw on it, in points from the page's
// top-left corner. The page goes to the printer when this object is destroyed.
class PrintedPage {
 public:
  explicit PrintedPage(std::unique_ptr<PrintJob> job);
  PrintedPage(const PrintedPage&) = delete;
  PrintedPage& operator=(const PrintedPage&) = delete;
  Graphics* graphics() { return &graphics_; }

 private:
  std::unique_ptr<PrintJob> job_;  // declared first: the graphics draw on its surface
  Graphics graphics_;
};

// Shows the modal print dialog with the page setup (the back end's defaults without one); the
// page to draw on, or nothing when the user cancelled.
std::unique_ptr<PrintedPage> RuntimeOpenPrinterDialog(PrinterSetup* setup);
