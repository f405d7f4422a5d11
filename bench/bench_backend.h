// The back end of a benchmark run: the headless or the Qt back end, with the modal questions
// answered at once (the search's "Gelöst ..." and the new-game question) and the repaints
// counted, so that a run of many puzzles needs no one at the screen.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/backend.h"

namespace bench {

class BenchBackend final : public Backend {
 public:
  explicit BenchBackend(std::unique_ptr<Backend> inner) : inner_(std::move(inner)) {}

  Backend& inner() { return *inner_; }
  // Drawing flushed to the screen, over the run: one per repaint of the solver.
  long long flushes() const { return flushes_; }
  // The texts of the messages that were answered, in order.
  const std::vector<std::string>& messages() const { return messages_; }

  std::unique_ptr<WindowPeer> createPeer(Window& window) override;
  void prepareCanvas(Canvas& canvas) override { inner_->prepareCanvas(canvas); }
  void processEvents() override { inner_->processEvents(); }
  void run() override { inner_->run(); }
  void quit() override { inner_->quit(); }
  void beep() override { inner_->beep(); }
  // Recorded and closed at once with its OK button.
  void msgBox(const std::string& text) override { messages_.push_back(text); }
  // Recorded and answered with OK.
  int msgBoxButtons(const std::string& text, int buttons, const std::string& title) override;
  // The benchmark never chooses a file or prints: such dialogs are cancelled.
  std::optional<std::string> fileDialog(const FileDialogRequest&) override { return std::nullopt; }
  bool pageSetupDialog(PrinterSetup&) override { return false; }
  std::unique_ptr<PrintJob> printDialog(PrinterSetup*) override { return nullptr; }
  void unhandledException(const std::string& what) override { inner_->unhandledException(what); }

 private:
  std::unique_ptr<Backend> inner_;
  long long flushes_ = 0;
  std::vector<std::string> messages_;
};

}  // namespace bench
