// The menu tree of the menu bar, built from one property list per item.
#include "app/menubar.h"

#include <array>
#include <memory>
#include <string_view>

#include "toolkit/application.h"
#include "toolkit/menu_ops.h"
#include "toolkit/propertylist.h"

namespace {

// One entry of a menu. A separator has no name and the caption "-". Captions are exact, the
// "&" and the trailing blanks included.
struct ItemSpec {
  std::string_view name;
  std::string_view className;
  std::string_view caption;
  std::string_view key;  // command-key letter, or empty
  bool enabled;
};

constexpr std::array<ItemSpec, 12> kAblage{{
    {"AblageBeenden", "QuitMenuItem", "Beenden", "Q", true},
    {"AblageberBSudoku", "AppleMenuItem", "Über BrovaneSudoku", "", true},
    {"", "AppleMenuItem", "-", "", true},
    {"AblageNeuesSpiel", "MenuItem", "Neues Spiel          ", "N", true},
    {"", "MenuItem", "-", "", true},
    {"AblageLaden", "MenuItem", "Laden", "O", true},
    {"AblageSpeichern", "MenuItem", "Speichern   ", "S", true},
    {"", "MenuItem", "-", "", true},
    {"AblageLsen", "MenuItem", "Lösen", "R", true},
    {"", "MenuItem", "-", "", true},
    {"AblageSeiteeinrichten", "MenuItem", "Seite einrichten ", "", true},
    {"AblageDrucken", "MenuItem", "Drucken               ", "P", true},
}};

constexpr std::array<ItemSpec, 8> kBearbeiten{{
    {"BearbeitenWiderrufen", "MenuItem", "&Widerrufen", "Z", false},
    {"", "MenuItem", "-", "", true},
    {"BearbeitenAusschneiden", "MenuItem", "&Ausschneiden", "X", true},
    {"BearbeitenKopieren", "MenuItem", "&Kopieren", "C", true},
    {"BearbeitenEinfügen", "MenuItem", "&Einfügen", "V", true},
    {"BearbeitenLöschen", "MenuItem", "Löschen", "", true},
    {"", "MenuItem", "-", "", true},
    {"BearbeitenAllesaufAnfang", "MenuItem", "Alles auf Anfang ", "", true},
}};

// Property numbers of a menu item.
constexpr std::uint16_t kName = 0;
constexpr std::uint16_t kFlags = 1;
constexpr std::uint16_t kCaption = 5;
constexpr std::uint16_t kKey = 9;
constexpr std::uint16_t kEnabled = 13;

// A menu's list carries its name and caption; a separator's its caption, the flags word and
// the enabled flag; any other item's its name, caption, flags word, key and enabled flag.
std::string menuList(std::string_view name, std::string_view caption) {
  return PropertyListBuilder().text(kName, name).text(kCaption, caption).bytes();
}

std::string itemList(const ItemSpec& item) {
  PropertyListBuilder list;
  if (!item.name.empty()) list.text(kName, item.name);
  list.text(kCaption, item.caption).integer(kFlags, 0x80000000);
  if (!item.key.empty()) list.text(kKey, item.key);
  list.byte(kEnabled, item.enabled ? 1 : 0);
  return list.bytes();
}

std::unique_ptr<MenuItem> newItem(std::string_view className) {
  std::unique_ptr<Object> object = RuntimeNewObject(RuntimeLookupClass(className));
  auto* item = dynamic_cast<MenuItem*>(object.get());
  if (item == nullptr) return nullptr;
  object.release();
  return std::unique_ptr<MenuItem>(item);
}

}  // namespace

Menüleiste1::Menüleiste1() {
  struct Menu {
    std::string_view name;
    std::string_view caption;
    const ItemSpec* items;
    std::size_t count;
  };
  const std::array<Menu, 2> menus{{
      {"AblageMenu", "&Ablage", kAblage.data(), kAblage.size()},
      {"BearbeitenMenu", "&Bearbeiten", kBearbeiten.data(), kBearbeiten.size()},
  }};
  for (std::size_t m = 0; m < menus.size(); ++m) {
    std::unique_ptr<MenuItem> menu = newItem("MenuItem");
    RuntimeMassPropertySetter(menu.get(), menuList(menus[m].name, menus[m].caption));
    RuntimeMenuItemAppend(this, std::move(menu));
    for (std::size_t i = 0; i < menus[m].count; ++i) {
      const ItemSpec& spec = menus[m].items[i];
      std::unique_ptr<MenuItem> item = newItem(spec.className);
      RuntimeMenuItemDefaultConstructor(item.get());
      RuntimeMassPropertySetter(item.get(), itemList(spec));
      RuntimeMenuItemAppend(RuntimeMenuItemItem(this, static_cast<int>(m)), std::move(item));
    }
  }
}

Menüleiste1& Menüleiste1::instance() {
  constexpr std::string_view kClass = "Menüleiste1";
  if (auto* bar = dynamic_cast<Menüleiste1*>(RuntimeGetImplicitInstance(kClass))) return *bar;
  return static_cast<Menüleiste1&>(*RuntimeSetImplicitInstance(kClass, std::make_unique<Menüleiste1>()));
}
