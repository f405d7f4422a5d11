// The back ends of bsudoku-bench-headless: the headless one only.
#include "bench/backends.h"
#include "toolkit/headless/headless_backend.h"

namespace bench {

std::optional<RealBackend> makeRealBackend(const std::string& name, int& argc, char** argv) {
  (void)argc;
  (void)argv;
  if (name != "headless") return std::nullopt;
  return RealBackend{std::make_unique<HeadlessBackend>(), {}};
}

}  // namespace bench
