// The real back ends a benchmark program can run on. bsudoku-bench has the headless and the Qt
// back end; bsudoku-bench-headless, which needs no Qt at all, has the headless one only.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/backend.h"

namespace bench {

struct RealBackend {
  std::unique_ptr<Backend> backend;
  // Frames presented on the screen over the run; empty for a back end without a screen.
  std::function<long long()> framesPresented;
};

// The back end of that name ("headless", "qt"), or nothing when this program has none of it.
std::optional<RealBackend> makeRealBackend(const std::string& name, int& argc, char** argv);

}  // namespace bench
