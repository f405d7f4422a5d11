// The headless back end: recorded alerts, scripted dialogs, rasters for canvases and pages.
#include "toolkit/headless/headless_backend.h"

#include "toolkit/controls.h"
#include "toolkit/window.h"

namespace {

class HeadlessPeer final : public WindowPeer {
 public:
  explicit HeadlessPeer(HeadlessBackend& backend) : backend_(backend) {}
  void show() override { ++backend_.shows; }
  void hide() override {}
  void flush() override { ++backend_.flushes; }
  void controlChanged(Control&) override {}
  void menuChanged() override {}

 private:
  HeadlessBackend& backend_;
};

// A page surface that draws into the page's raster and keeps every text it was given.
class HeadlessPage final : public Surface {
 public:
  explicit HeadlessPage(HeadlessBackend::Page& page) : page_(page) {}
  void fillRect(int x, int y, int w, int h, Color c) override { page_.raster->fillRect(x, y, w, h, c); }
  void drawRect(int x, int y, int w, int h, Color c, int pw, int ph) override {
    page_.raster->drawRect(x, y, w, h, c, pw, ph);
  }
  void drawString(std::string_view text, int x, int baseline, Color c) override {
    page_.texts.push_back({std::string(text), x, baseline});
    page_.raster->drawString(text, x, baseline, c);
  }

 private:
  HeadlessBackend::Page& page_;
};

class HeadlessPrintJob final : public PrintJob {
 public:
  explicit HeadlessPrintJob(HeadlessBackend::Page& page) : surface_(page) {}
  Surface& surface() override { return surface_; }

 private:
  HeadlessPage surface_;
};

template <class T>
T take(std::deque<T>& answers, const char* what) {
  if (answers.empty()) throw UnscriptedDialog(std::string("no scripted answer for ") + what);
  T a = std::move(answers.front());
  answers.pop_front();
  return a;
}

}  // namespace

std::unique_ptr<WindowPeer> HeadlessBackend::createPeer(Window&) { return std::make_unique<HeadlessPeer>(*this); }

void HeadlessBackend::prepareCanvas(Canvas& canvas) { canvas.allocate(1); }

void HeadlessBackend::msgBox(const std::string& text) {
  messages.push_back({text, 0, {}});
  if (duringMessage) duringMessage();
}

int HeadlessBackend::msgBoxButtons(const std::string& text, int buttons, const std::string& title) {
  messages.push_back({text, buttons, title});
  if (duringMessage) duringMessage();
  return take(msgBoxAnswers, "a message box");
}

std::optional<std::string> HeadlessBackend::fileDialog(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  return take(fileAnswers, "a file dialog");
}

bool HeadlessBackend::pageSetupDialog(PrinterSetup& setup) {
  auto answer = take(pageSetupAnswers, "the page-setup dialog");
  if (!answer) return false;
  setup.settings = *answer;
  return true;
}

std::unique_ptr<PrintJob> HeadlessBackend::printDialog(PrinterSetup* setup) {
  if (!take(printAnswers, "the print dialog")) return nullptr;
  Page page;
  page.raster = std::make_unique<Raster>(kPageWidth, kPageHeight, 1);
  page.setup = setup ? setup->settings : std::string();
  pages.push_back(std::move(page));
  return std::make_unique<HeadlessPrintJob>(pages.back());
}
