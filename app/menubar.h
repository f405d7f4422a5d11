// The menu bar of the application: the menus "&Ablage" and "&Bearbeiten" with all their items.
#pragma once

#include "toolkit/menu.h"

// Built once, on first use, and kept for the whole run; the application object and the main
// window both point to this one instance.
class Menüleiste1 final : public MenuBar {
 public:
  // Builds the whole tree from the items' property lists.
  Menüleiste1();

  // The run's one instance: the existing one, or a new one that the runtime keeps.
  static Menüleiste1& instance();
};
