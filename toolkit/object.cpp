// The toolkit's class registry.
#include "toolkit/object.h"

#include <vector>

#include "toolkit/controls.h"
#include "toolkit/menu.h"
#include "toolkit/printing.h"

namespace {

template <class T>
Class classOf(std::string name) {
  return Class{std::move(name), [] { return std::unique_ptr<Object>(new T); }};
}

const std::vector<Class>& registry() {
  static const std::vector<Class> classes = {
      classOf<Canvas>("Canvas"),         classOf<EditField>("EditField"),       classOf<BevelButton>("BevelButton"),
      classOf<StaticText>("StaticText"), classOf<MenuItem>("MenuItem"),         classOf<QuitMenuItem>("QuitMenuItem"),
      classOf<AppleMenuItem>("AppleMenuItem"), classOf<MenuBar>("MenuBar"), classOf<PrinterSetup>("PrinterSetup"),
  };
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
