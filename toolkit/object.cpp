// The toolkit's class registry.
#include "toolkit/object.h"

#include <vector>

#include "toolkit/controls.h"
#include "toolkit/menu.h"
#include "toolkit/printing.h"

bool Class::isA(const Class* other) const {
  for (const Class* c = this; c != nullptr; c = c->parent) {
    if (c == other) return true;
  }
  return false;
}

namespace {

template <class T>
Class classOf(std::string name, const Class* parent) {
  return Class{std::move(name), parent, [] { return std::unique_ptr<Object>(new T); }};
}

const std::vector<Class>& registry() {
  static const std::vector<Class> classes = [] {
    std::vector<Class> c;
    c.reserve(16);
    c.push_back(classOf<Canvas>("Canvas", nullptr));
    c.push_back(classOf<EditField>("EditField", nullptr));
    c.push_back(classOf<BevelButton>("BevelButton", nullptr));
    c.push_back(classOf<StaticText>("StaticText", nullptr));
    c.push_back(classOf<MenuItem>("MenuItem", nullptr));
    const Class* menuItem = &c.back();
    c.push_back(classOf<QuitMenuItem>("QuitMenuItem", menuItem));
    c.push_back(classOf<AppleMenuItem>("AppleMenuItem", menuItem));
    c.push_back(classOf<MenuBar>("MenuBar", menuItem));
    c.push_back(classOf<PrinterSetup>("PrinterSetup", nullptr));
    return c;
  }();
  return classes;
}

}  // namespace

const Class* RuntimeLookupClass(std::string_view name) {
  for (const Class& c : registry()) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

std::unique_ptr<Object> RuntimeNewObject(const Class* cls) {
  if (cls == nullptr || !cls->make) return nullptr;
  return cls->make();
}
