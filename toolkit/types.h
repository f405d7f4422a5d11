// Plain value types of the toolkit layer: colours and the text form of property values.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

// An 8-bit red, green, blue colour, as the game names its colour roles.
struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

// Builds a colour from three components; values outside 0..255 are clamped.
Color RuntimeRGB(int r, int g, int b);

// A value handed to a property setter: an integer, a flag or a text.
using PropertyValue = std::variant<std::int64_t, bool, std::string>;
