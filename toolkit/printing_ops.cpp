// Page setup and print dialogs through the installed back end.
#include "toolkit/printing_ops.h"

#include "toolkit/runtime_state.h"

bool printerSetupPageSetup(PrinterSetup* setup) {
  auto& backend = toolkit::detail::state().backend;
  if (setup == nullptr || !backend) return false;
  PrinterSetup edited;
  edited.settings = setup->settings;
  if (!backend->pageSetupDialog(edited)) return false;
  setup->settings = std::move(edited.settings);
  return true;
}

std::string printerSetupStringGetter(const PrinterSetup* setup) { return setup ? setup->settings : std::string(); }

void printerSetupStringSetter(PrinterSetup* setup, std::string text) {
  if (setup) setup->settings = std::move(text);
}

PrintedPage::PrintedPage(std::unique_ptr<PrintJob> job) : job_(std::move(job)), graphics_(&job_->surface()) {}

std::unique_ptr<PrintedPage> RuntimeOpenPrinterDialog(PrinterSetup* setup) {
  auto& backend = toolkit::detail::state().backend;
  if (!backend) return nullptr;
  auto job = backend->printDialog(setup);
  if (!job) return nullptr;
  return std::make_unique<PrintedPage>(std::move(job));
}
