// The benchmark's back end: answered questions and counted flushes over a real back end.
#include "bench/bench_backend.h"

namespace bench {

namespace {

// A window's peer that counts the flushes and leaves everything else to the real one.
class CountingPeer final : public WindowPeer {
 public:
  CountingPeer(std::unique_ptr<WindowPeer> inner, long long& flushes) : inner_(std::move(inner)), flushes_(flushes) {}
  void show() override { inner_->show(); }
  void hide() override { inner_->hide(); }
  void flush() override {
    ++flushes_;
    inner_->flush();
  }
  void controlChanged(Control& control) override { inner_->controlChanged(control); }
  void menuChanged() override { inner_->menuChanged(); }

 private:
  std::unique_ptr<WindowPeer> inner_;
  long long& flushes_;
};

}  // namespace

std::unique_ptr<WindowPeer> BenchBackend::createPeer(Window& window) {
  return std::make_unique<CountingPeer>(inner_->createPeer(window), flushes_);
}

int BenchBackend::msgBoxButtons(const std::string& text, int buttons, const std::string& title) {
  (void)buttons;
  (void)title;
  messages_.push_back(text);
  return 1;
}

}  // namespace bench
