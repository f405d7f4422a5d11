// The toolkit's small object model: every window, control, menu item, dialog and page-setup
// object is an Object of a Class that is found by its name, as the game builds its windows and
// menus from data.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class Object {
 public:
  Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object() = default;
};

// A toolkit class: its name and how to make a new instance.
struct Class {
  std::string name;
  std::function<std::unique_ptr<Object>()> make;
};

// The toolkit class of that name ("Canvas", "EditField", "BevelButton", "StaticText",
// "MenuItem", "QuitMenuItem", "AppleMenuItem", "PrinterSetup", ...), or nullptr.
const Class* RuntimeLookupClass(std::string_view name);

// A new object of the class, or nullptr for an unknown class.
std::unique_ptr<Object> RuntimeNewObject(const Class* cls);

// The object as T when it is of class `cls` (or derives from it); nullptr otherwise. The C++
// type T stands for the class, so the check is the language's own.
template <class T>
T* RuntimeCheckCast(Object* object, const Class* cls) {
  (void)cls;
  return dynamic_cast<T*>(object);
}
