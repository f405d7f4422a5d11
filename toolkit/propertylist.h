// Property lists: the binary form in which a window, a control or a menu item gets its name,
// position, size, texts and flags in one call, and the builder that writes such lists.
//
// A list is a run of entries with no count and no terminator. Each entry is a 16-bit big-endian
// property number followed by a value whose form the number fixes for the kind of object: a
// 32-bit big-endian integer, a single byte, three colour bytes (red, green, blue), or a 32-bit
// big-endian byte count followed by that many bytes of UTF-8 text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "toolkit/object.h"
#include "toolkit/types.h"

enum class PropertyForm { Integer, Byte, Colour, Text };

// The kinds of object a list can describe; each has its own numbering.
enum class PropertyObjectKind { Window, Canvas, EditField, BevelButton, StaticText, MenuItem };

// The kind of an object as far as property lists go, or nothing for any other object.
std::optional<PropertyObjectKind> PropertyKindOf(const Object* object);

// The form of a property number for a kind of object, or nothing for a number it does not have.
std::optional<PropertyForm> PropertyFormOf(PropertyObjectKind kind, std::uint16_t number);

// One decoded entry: the value in the form its number fixes.
struct PropertyEntry {
  std::uint16_t number = 0;
  std::variant<std::int32_t, std::uint8_t, Color, std::string> value;
  friend bool operator==(const PropertyEntry&, const PropertyEntry&) = default;
};

// Writes a list entry by entry, in the order the calls come.
class PropertyListBuilder {
 public:
  PropertyListBuilder& integer(std::uint16_t number, std::int64_t value);  // kept to its low 32 bits
  PropertyListBuilder& byte(std::uint16_t number, std::uint8_t value);
  PropertyListBuilder& colour(std::uint16_t number, Color value);
  PropertyListBuilder& text(std::uint16_t number, std::string_view value);
  const std::string& bytes() const { return bytes_; }

 private:
  void number(std::uint16_t n);
  void u32(std::uint32_t v);
  std::string bytes_;
};

// A list read up to its end or up to the first entry that does not fit.
struct PropertyListDecoding {
  std::vector<PropertyEntry> entries;  // every entry before the stop, in list order
  bool complete = false;               // the whole list was read
  std::size_t stoppedAt = 0;           // byte offset of the entry that did not fit
  std::string error;                   // why it stopped, in German; empty when complete
};

// Reads a list for a kind of object. An entry does not fit when its number is cut off or unknown
// for the kind, its value runs past the end of the list, or its text is not valid UTF-8.
PropertyListDecoding DecodePropertyList(PropertyObjectKind kind, std::string_view list);

// What RuntimeMassPropertySetter did.
struct PropertyListResult {
  std::size_t applied = 0;            // entries that set a property of the object
  std::vector<PropertyEntry> kept;    // read but not used by the object (flags, colours, ...)
  bool complete = false;              // the whole list was read and applied
  std::string error;                  // in German; empty when complete
  explicit operator bool() const { return complete; }
};

// Applies a property list to a window, canvas, edit field, bevel button, static text or menu
// item. Entries up to the first one that does not fit are applied, nothing after it; an object
// of another kind (or nullptr) gets nothing.
PropertyListResult RuntimeMassPropertySetter(Object* object, std::string_view list);
