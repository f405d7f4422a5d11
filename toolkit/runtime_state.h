// The runtime's process-wide state, shared by the toolkit's own source files only.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/backend.h"
#include "toolkit/window.h"

namespace toolkit::detail {

struct RuntimeState {
  std::unique_ptr<Backend> backend;
  std::vector<std::unique_ptr<Window>> windows;  // in creation order; the first is the main window
  std::vector<std::pair<std::string, std::unique_ptr<Object>>> instances;
  std::unique_ptr<Application> app;
  bool quit = false;
  bool failed = false;  // an exception reached RuntimeUnhandledException
  int handlerDepth = 0;
  std::chrono::steady_clock::time_point lastEvents{};
};

RuntimeState& state();

// The first window built, which gets the menu enabling; nullptr before it exists.
Window* mainWindow();

}  // namespace toolkit::detail
