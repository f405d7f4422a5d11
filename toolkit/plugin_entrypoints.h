// Entry points of the toolkit found by name at start, and the table of bevel-button property
// setters that every window's control construction goes through.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "toolkit/object.h"
#include "toolkit/types.h"

// A property setter of the toolkit: sets one property of an object to a value. A value of the
// wrong type, or an object without the property, changes nothing.
using PluginEntrypoint = void (*)(Object* object, const PropertyValue& value);
using PluginEntrypointsTable = std::vector<PluginEntrypoint>;

// A table of `count` empty slots.
PluginEntrypointsTable RuntimeAllocatePluginEntrypointsTable(std::size_t count);
// The setter registered under that name ("BevelButton.Caption.Set", ...), or nullptr.
PluginEntrypoint RuntimeLookupPluginEntrypoint(std::string_view name);

// Setters by property name for the settings that have no entry point of their own: "TextSize"
// (integer) and "Bold", "Italic", "Underline" (flags). Return whether the object has the
// property.
bool intSetter(Object* object, std::string_view property, std::int64_t value);
bool boolSetter(Object* object, std::string_view property, bool value);

// The slots of the bevel-button setter table, and the entry point each one is bound to.
enum class BevelButtonSlot : std::size_t {
  Caption,
  CaptionAlign,
  CaptionPlacement,
  CaptionDelta,
  IconAlign,
  IconDX,
  IconDY,
  Value,
  MenuValue,
  TextFont,
};
inline constexpr std::array<std::string_view, 10> kBevelButtonEntrypointNames{
    "BevelButton.Caption.Set",  "BevelButton.CaptionAlign.Set", "BevelButton.CaptionPlacement.Set",
    "BevelButton.CaptionDelta.Set", "BevelButton.IconAlign.Set", "BevelButton.IconDX.Set",
    "BevelButton.IconDY.Set",   "BevelButton.Value.Set",        "BevelButton.MenuValue.Set",
    "BevelButton.TextFont.Set",
};

// The process's bevel-button setter table, filled once at start (InitPluginEntrypoints) and
// only read afterwards; empty until then.
PluginEntrypointsTable& BevelButtonSetters();
// Sets a bevel button's property through its slot; an empty slot sets nothing.
void SetBevelButtonProperty(Object* button, BevelButtonSlot slot, const PropertyValue& value);
