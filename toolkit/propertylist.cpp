// Property lists: the numbering of each kind of object, the builder, the decoder and the mass
// property setter.
#include "toolkit/propertylist.h"

#include <algorithm>

#include "toolkit/backend.h"
#include "toolkit/controls.h"
#include "toolkit/menu.h"
#include "toolkit/window.h"

namespace {

using Form = PropertyForm;
using Kind = PropertyObjectKind;

// Sizes of a window or a control are kept within what a screen can hold.
constexpr std::int32_t kMaxExtent = 32000;

std::optional<Form> controlForm(std::uint16_t n) {
  switch (n) {
    case 0:  // name
    case 7:  // help tag
      return Form::Text;
    case 1:
    case 12:  // left
    case 13:  // top
    case 14:  // width
    case 15:  // height
      return Form::Integer;
    case 11:  // visible
    case 16:  // enabled
    case 18:
      return Form::Byte;
    default:
      return std::nullopt;
  }
}

std::optional<Form> editFieldForm(std::uint16_t n) {
  switch (n) {
    case 27:
    case 28:  // multi-line
    case 29:
    case 36:
    case 37:
    case 59:
      return Form::Byte;
    case 34:
      return Form::Colour;
    case 38:  // font name
      return Form::Text;
    case 39:  // font size
      return Form::Integer;
    default:
      return controlForm(n);
  }
}

std::optional<Form> staticTextForm(std::uint16_t n) {
  switch (n) {
    case 25:  // text
    case 29:  // font name
      return Form::Text;
    case 30:  // font size
      return Form::Integer;
    case 34:
      return Form::Byte;
    default:
      return controlForm(n);
  }
}

std::optional<Form> windowForm(std::uint16_t n) {
  switch (n) {
    case 0:
    case 8:
    case 9:
    case 10:
    case 11:
      return Form::Byte;
    case 3:   // content width
    case 4:   // content height
    case 20:  // minimum width
    case 21:  // minimum height
    case 22:  // maximum width
    case 23:  // maximum height
      return Form::Integer;
    case 6:  // title
      return Form::Text;
    case 18:
      return Form::Colour;
    default:
      return std::nullopt;
  }
}

std::optional<Form> menuItemForm(std::uint16_t n) {
  switch (n) {
    case 0:  // name
    case 5:  // caption
    case 9:  // command key
      return Form::Text;
    case 1:
      return Form::Integer;
    case 13:  // enabled
      return Form::Byte;
    default:
      return std::nullopt;
  }
}

// True when the bytes are well-formed UTF-8: no stray continuation bytes, no overlong forms,
// no surrogates, nothing beyond U+10FFFF.
bool validUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t len = 0;
    std::uint32_t cp = 0;
    if (c < 0x80) {
      ++i;
      continue;
    }
    if (c >= 0xC2 && c <= 0xDF) {
      len = 2;
      cp = c & 0x1Fu;
    } else if (c >= 0xE0 && c <= 0xEF) {
      len = 3;
      cp = c & 0x0Fu;
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4;
      cp = c & 0x07u;
    } else {
      return false;
    }
    if (s.size() - i < len) return false;
    for (std::size_t k = 1; k < len; ++k) {
      const auto cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0u) != 0x80u) return false;
      cp = (cp << 6) | (cc & 0x3Fu);
    }
    if ((len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      return false;
    }
    i += len;
  }
  return true;
}

std::uint32_t readU32(std::string_view s, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t k = 0; k < 4; ++k) v = (v << 8) | static_cast<unsigned char>(s[at + k]);
  return v;
}

const char* kindName(Kind kind) {
  switch (kind) {
    case Kind::Window:
      return "Fenster";
    case Kind::Canvas:
      return "Canvas";
    case Kind::EditField:
      return "Textfeld";
    case Kind::BevelButton:
      return "Schaltfläche";
    case Kind::StaticText:
      return "Beschriftung";
    case Kind::MenuItem:
      return "Menüeintrag";
  }
  return "";
}

// ---- Applying entries ----------------------------------------------------------------------

std::int32_t extent(std::int32_t v) { return std::clamp(v, 0, kMaxExtent); }

const std::int32_t* asInt(const PropertyEntry& e) { return std::get_if<std::int32_t>(&e.value); }
const std::string* asText(const PropertyEntry& e) { return std::get_if<std::string>(&e.value); }
std::optional<bool> asFlag(const PropertyEntry& e) {
  if (const auto* b = std::get_if<std::uint8_t>(&e.value)) return *b != 0;
  return std::nullopt;
}

// Each apply function sets what the object uses and returns false for what it keeps unused.
bool applyControl(Control& c, const PropertyEntry& e) {
  switch (e.number) {
    case 0:
      c.name = *asText(e);
      return true;
    case 7:
      c.helpTag = *asText(e);
      return true;
    case 11:
      c.visible = *asFlag(e);
      return true;
    case 12:
      c.left = *asInt(e);
      return true;
    case 13:
      c.top = *asInt(e);
      return true;
    case 14:
      c.width = extent(*asInt(e));
      return true;
    case 15:
      c.height = extent(*asInt(e));
      return true;
    case 16:
      c.enabled = *asFlag(e);
      return true;
    default:
      return false;
  }
}

bool applyEditField(EditField& f, const PropertyEntry& e) {
  switch (e.number) {
    case 28:
      f.multiline = *asFlag(e);
      return true;
    case 38:
      f.fontName = *asText(e);
      return true;
    case 39:
      f.fontSize = *asInt(e);
      return true;
    default:
      return applyControl(f, e);
  }
}

bool applyStaticText(StaticText& t, const PropertyEntry& e) {
  switch (e.number) {
    case 25:
      t.text = *asText(e);
      return true;
    case 29:
      t.fontName = *asText(e);
      return true;
    case 30:
      t.fontSize = *asInt(e);
      return true;
    default:
      return applyControl(t, e);
  }
}

bool applyWindow(Window& w, const PropertyEntry& e) {
  switch (e.number) {
    case 6:
      w.title = *asText(e);
      return true;
    case 3:
      w.contentWidth = extent(*asInt(e));
      return true;
    case 4:
      w.contentHeight = extent(*asInt(e));
      return true;
    case 20:
      w.minWidth = extent(*asInt(e));
      return true;
    case 21:
      w.minHeight = extent(*asInt(e));
      return true;
    case 22:
      w.maxWidth = extent(*asInt(e));
      return true;
    case 23:
      w.maxHeight = extent(*asInt(e));
      return true;
    default:
      return false;
  }
}

bool applyMenuItem(MenuItem& m, const PropertyEntry& e) {
  switch (e.number) {
    case 0:
      m.name = *asText(e);
      return true;
    case 5:
      m.caption = *asText(e);
      return true;
    case 9:
      m.key = *asText(e);
      return true;
    case 13:
      m.enabled = *asFlag(e);
      return true;
    default:
      return false;
  }
}

bool apply(Object& object, Kind kind, const PropertyEntry& e) {
  switch (kind) {
    case Kind::Window:
      return applyWindow(static_cast<Window&>(object), e);
    case Kind::Canvas:
    case Kind::BevelButton:
      return applyControl(static_cast<Control&>(object), e);
    case Kind::EditField:
      return applyEditField(static_cast<EditField&>(object), e);
    case Kind::StaticText:
      return applyStaticText(static_cast<StaticText&>(object), e);
    case Kind::MenuItem:
      return applyMenuItem(static_cast<MenuItem&>(object), e);
  }
  return false;
}

}  // namespace

std::optional<PropertyObjectKind> PropertyKindOf(const Object* object) {
  if (dynamic_cast<const Window*>(object)) return Kind::Window;
  if (dynamic_cast<const Canvas*>(object)) return Kind::Canvas;
  if (dynamic_cast<const EditField*>(object)) return Kind::EditField;
  if (dynamic_cast<const BevelButton*>(object)) return Kind::BevelButton;
  if (dynamic_cast<const StaticText*>(object)) return Kind::StaticText;
  if (dynamic_cast<const MenuItem*>(object)) return Kind::MenuItem;
  return std::nullopt;
}

std::optional<PropertyForm> PropertyFormOf(PropertyObjectKind kind, std::uint16_t number) {
  switch (kind) {
    case Kind::Window:
      return windowForm(number);
    case Kind::Canvas:
    case Kind::BevelButton:
      return controlForm(number);
    case Kind::EditField:
      return editFieldForm(number);
    case Kind::StaticText:
      return staticTextForm(number);
    case Kind::MenuItem:
      return menuItemForm(number);
  }
  return std::nullopt;
}

// ---- Builder --------------------------------------------------------------------------------

void PropertyListBuilder::number(std::uint16_t n) {
  bytes_.push_back(static_cast<char>(n >> 8));
  bytes_.push_back(static_cast<char>(n & 0xFFu));
}

void PropertyListBuilder::u32(std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) bytes_.push_back(static_cast<char>((v >> shift) & 0xFFu));
}

PropertyListBuilder& PropertyListBuilder::integer(std::uint16_t n, std::int64_t value) {
  number(n);
  u32(static_cast<std::uint32_t>(value));
  return *this;
}

PropertyListBuilder& PropertyListBuilder::byte(std::uint16_t n, std::uint8_t value) {
  number(n);
  bytes_.push_back(static_cast<char>(value));
  return *this;
}

PropertyListBuilder& PropertyListBuilder::colour(std::uint16_t n, Color value) {
  number(n);
  bytes_.push_back(static_cast<char>(value.r));
  bytes_.push_back(static_cast<char>(value.g));
  bytes_.push_back(static_cast<char>(value.b));
  return *this;
}

PropertyListBuilder& PropertyListBuilder::text(std::uint16_t n, std::string_view value) {
  number(n);
  u32(static_cast<std::uint32_t>(value.size()));
  bytes_.append(value);
  return *this;
}

// ---- Decoder --------------------------------------------------------------------------------

PropertyListDecoding DecodePropertyList(PropertyObjectKind kind, std::string_view list) {
  PropertyListDecoding out;
  std::size_t at = 0;
  auto stop = [&](const std::string& why) {
    out.stoppedAt = at;
    out.error = "Eigenschaftsliste (" + std::string(kindName(kind)) + "), Byte " + std::to_string(at) + ": " + why;
    return out;
  };
  while (at < list.size()) {
    const std::size_t left = list.size() - at;
    if (left < 2) return stop("die Eigenschaftsnummer ist abgeschnitten.");
    const auto number = static_cast<std::uint16_t>((static_cast<unsigned char>(list[at]) << 8) |
                                                   static_cast<unsigned char>(list[at + 1]));
    const auto form = PropertyFormOf(kind, number);
    if (!form) return stop("die Eigenschaft " + std::to_string(number) + " ist unbekannt.");
    const std::size_t valueAt = at + 2;
    const std::size_t room = list.size() - valueAt;
    const std::string cut = "der Wert der Eigenschaft " + std::to_string(number) + " ist abgeschnitten.";
    PropertyEntry entry{number, std::int32_t{0}};
    std::size_t size = 0;
    switch (*form) {
      case Form::Integer:
        if (room < 4) return stop(cut);
        entry.value = static_cast<std::int32_t>(readU32(list, valueAt));
        size = 4;
        break;
      case Form::Byte:
        if (room < 1) return stop(cut);
        entry.value = static_cast<std::uint8_t>(list[valueAt]);
        size = 1;
        break;
      case Form::Colour:
        if (room < 3) return stop(cut);
        entry.value = Color{static_cast<std::uint8_t>(list[valueAt]), static_cast<std::uint8_t>(list[valueAt + 1]),
                            static_cast<std::uint8_t>(list[valueAt + 2])};
        size = 3;
        break;
      case Form::Text: {
        if (room < 4) return stop(cut);
        const std::uint32_t count = readU32(list, valueAt);
        if (room - 4 < count) return stop(cut);
        const std::string_view text = list.substr(valueAt + 4, count);
        if (!validUtf8(text)) {
          return stop("der Text der Eigenschaft " + std::to_string(number) + " ist kein gültiges UTF-8.");
        }
        entry.value = std::string(text);
        size = 4 + static_cast<std::size_t>(count);
        break;
      }
    }
    out.entries.push_back(std::move(entry));
    at = valueAt + size;
  }
  out.complete = true;
  out.stoppedAt = at;
  return out;
}

// ---- Mass property setter -------------------------------------------------------------------

PropertyListResult RuntimeMassPropertySetter(Object* object, std::string_view list) {
  PropertyListResult result;
  const auto kind = PropertyKindOf(object);
  if (!kind) {
    result.error = "Eigenschaftsliste: das Objekt ist weder Fenster noch Steuerelement noch Menüeintrag.";
    return result;
  }
  PropertyListDecoding decoded = DecodePropertyList(*kind, list);
  for (PropertyEntry& e : decoded.entries) {
    if (apply(*object, *kind, e)) {
      ++result.applied;
    } else {
      result.kept.push_back(std::move(e));
    }
  }
  result.complete = decoded.complete;
  result.error = std::move(decoded.error);
  // A control that the back end already shows is told of its new state.
  if (auto* control = dynamic_cast<Control*>(object); control && control->window && control->window->peer) {
    control->window->peer->controlChanged(*control);
  }
  return result;
}
