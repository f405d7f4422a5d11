// Menu objects: the menu bar is a tree of menu items found by name. The back end shows the
// tree; the enabling rule of the main window decides which items can be chosen.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/object.h"

class MenuItem : public Object {
 public:
  std::string name;     // empty for a separator
  std::string caption;  // exact, "&" and trailing blanks included; "-" is a separator
  std::string key;      // command-key letter (Ctrl+letter), or empty
  bool enabled = true;
  MenuItem* parent = nullptr;
  std::vector<std::unique_ptr<MenuItem>> children;

  bool isSeparator() const { return caption == "-"; }
};

// The quit command: choosing it ends the event loop.
class QuitMenuItem final : public MenuItem {};

// An item that belongs to the application menu (the About command and its separator).
class AppleMenuItem final : public MenuItem {};

// The root of a menu tree; its children are the top-level menus.
class MenuBar : public MenuItem {};
