// The display check of the process entry: reads the environment only.
#include "toolkit/qt/display.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace {

bool isSet(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0';
}

// Platforms that draw into memory or straight onto the hardware, without a display server.
constexpr std::array<std::string_view, 8> kServerless{"offscreen", "minimal", "minimalegl", "vnc",
                                                      "eglfs",     "linuxfb", "vkkhrdisplay", "direct2d"};

}  // namespace

std::optional<std::string> missingDisplayMessage(std::string_view program) {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  std::string_view name = platform ? platform : "";
  // "xcb:option=value" and "wayland;xcb" name their first choice before the separator.
  name = name.substr(0, name.find_first_of(":;"));
  for (std::string_view p : kServerless) {
    if (name == p) return std::nullopt;
  }
  const bool x11 = isSet("DISPLAY");
  const bool wayland = isSet("WAYLAND_DISPLAY");
  if (name == "xcb" ? x11 : name.starts_with("wayland") ? wayland : (x11 || wayland)) return std::nullopt;
  const std::string prog(program.empty() ? std::string_view("bsudoku") : program);
  return prog +
         ": Kein Bildschirm erreichbar (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt). Das Spiel "
         "braucht eine grafische Oberfläche; ohne sie starten Sie es in einem virtuellen Bildschirm: "
         "xvfb-run -a " + prog;
}
