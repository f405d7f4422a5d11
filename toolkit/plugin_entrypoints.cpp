// The toolkit's named property setters of bevel buttons and the process's setter table.
#include "toolkit/plugin_entrypoints.h"

#include <string>

#include "toolkit/backend.h"
#include "toolkit/controls.h"
#include "toolkit/window.h"

namespace {

void changed(Control& control) {
  if (control.window && control.window->peer) control.window->peer->controlChanged(control);
}

// Builds a setter of one integer field of BevelButton.
template <auto Field>
void setInt(Object* object, const PropertyValue& value) {
  auto* button = dynamic_cast<BevelButton*>(object);
  const auto* v = std::get_if<std::int64_t>(&value);
  if (button == nullptr || v == nullptr) return;
  using T = std::remove_reference_t<decltype(button->*Field)>;
  button->*Field = static_cast<T>(*v);
  changed(*button);
}

template <auto Field>
void setText(Object* object, const PropertyValue& value) {
  auto* button = dynamic_cast<BevelButton*>(object);
  const auto* v = std::get_if<std::string>(&value);
  if (button == nullptr || v == nullptr) return;
  button->*Field = *v;
  changed(*button);
}

struct Named {
  std::string_view name;
  PluginEntrypoint entry;
};

constexpr std::array<Named, 10> kEntrypoints{{
    {"BevelButton.Caption.Set", &setText<&BevelButton::caption>},
    {"BevelButton.CaptionAlign.Set", &setInt<&BevelButton::captionAlign>},
    {"BevelButton.CaptionPlacement.Set", &setInt<&BevelButton::captionPlacement>},
    {"BevelButton.CaptionDelta.Set", &setInt<&BevelButton::captionDelta>},
    {"BevelButton.IconAlign.Set", &setInt<&BevelButton::iconAlign>},
    {"BevelButton.IconDX.Set", &setInt<&BevelButton::iconDX>},
    {"BevelButton.IconDY.Set", &setInt<&BevelButton::iconDY>},
    {"BevelButton.Value.Set", &setInt<&BevelButton::value>},
    {"BevelButton.MenuValue.Set", &setInt<&BevelButton::menuValue>},
    {"BevelButton.TextFont.Set", &setText<&BevelButton::textFont>},
}};

}  // namespace

PluginEntrypointsTable RuntimeAllocatePluginEntrypointsTable(std::size_t count) {
  return PluginEntrypointsTable(count, nullptr);
}

PluginEntrypoint RuntimeLookupPluginEntrypoint(std::string_view name) {
  for (const Named& n : kEntrypoints) {
    if (n.name == name) return n.entry;
  }
  return nullptr;
}

bool intSetter(Object* object, std::string_view property, std::int64_t value) {
  auto* button = dynamic_cast<BevelButton*>(object);
  if (button == nullptr || property != "TextSize") return false;
  button->textSize = static_cast<int>(value);
  changed(*button);
  return true;
}

bool boolSetter(Object* object, std::string_view property, bool value) {
  auto* button = dynamic_cast<BevelButton*>(object);
  if (button == nullptr) return false;
  if (property == "Bold") {
    button->bold = value;
  } else if (property == "Italic") {
    button->italic = value;
  } else if (property == "Underline") {
    button->underline = value;
  } else {
    return false;
  }
  changed(*button);
  return true;
}

PluginEntrypointsTable& BevelButtonSetters() {
  static PluginEntrypointsTable table;
  return table;
}

void SetBevelButtonProperty(Object* button, BevelButtonSlot slot, const PropertyValue& value) {
  const auto& table = BevelButtonSetters();
  const auto k = static_cast<std::size_t>(slot);
  if (k < table.size() && table[k] != nullptr) table[k](button, value);
}
