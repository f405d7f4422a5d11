// Whether the process can reach a display before the GUI library tries (and aborts) on its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// One line telling the user that a display is needed and how to get a virtual one, or nothing
// when a display, or a platform that needs none, is configured in the environment. `program`
// is the command the user started, shown in the advice.
std::optional<std::string> missingDisplayMessage(std::string_view program);
