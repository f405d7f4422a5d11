// Building a window's controls from data: the steps that the main window and the About window
// share for each control they create.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/controls.h"
#include "toolkit/window.h"

// Creates a control of the named toolkit class ("EditField", "Canvas", "BevelButton",
// "StaticText") for the window and adds it under the name; nullptr for an unknown class.
Control* NewWindowControl(Window* window, std::string_view className, std::string name);

// Gives a bevel button the look that every button of the game has, through the setter table:
// the caption centred, placement 1, no offsets, no icon, not pressed, no menu value, font
// "System" at size 12, bold as asked, neither italic nor underlined.
void SetupBevelButton(Control* button, const std::string& caption, bool bold);

// The property numbers that the game's control lists use.
namespace control_property {
inline constexpr std::uint16_t kName = 0;
inline constexpr std::uint16_t kFlags = 1;  // 0x80000000 in every list
inline constexpr std::uint16_t kHelpTag = 7;
inline constexpr std::uint16_t kVisible = 11;
inline constexpr std::uint16_t kLeft = 12;
inline constexpr std::uint16_t kTop = 13;
inline constexpr std::uint16_t kWidth = 14;
inline constexpr std::uint16_t kHeight = 15;
inline constexpr std::uint16_t kEnabled = 16;
inline constexpr std::uint16_t kFrame = 18;
}  // namespace control_property
