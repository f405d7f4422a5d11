// The back ends of bsudoku-bench: the headless one, and the Qt one on the offscreen platform
// (unless another is named in QT_QPA_PLATFORM), which presents real frames.
#include <cstdlib>

#include "bench/backends.h"
#include "toolkit/headless/headless_backend.h"
#include "toolkit/qt/qt_backend.h"

namespace bench {

std::optional<RealBackend> makeRealBackend(const std::string& name, int& argc, char** argv) {
  if (name == "headless") return RealBackend{std::make_unique<HeadlessBackend>(), {}};
  if (name != "qt") return std::nullopt;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  auto qt = std::make_unique<QtBackend>(argc, argv);
  const QtBackend* frames = qt.get();
  return RealBackend{std::move(qt), [frames] { return frames->framesPresented(); }};
}

}  // namespace bench
