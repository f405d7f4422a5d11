// The menu operations the game calls: building the tree, finding items, enabling them.
#pragma once

#include <string_view>

#include "toolkit/menu.h"

class Window;

// Initialises a new menu item (the toolkit's defaults: no name, no caption, enabled).
void RuntimeMenuItemDefaultConstructor(MenuItem* item);
// Appends `child` (taking it over) at the end of `parent`'s items; returns the child.
MenuItem* RuntimeMenuItemAppend(MenuItem* parent, std::unique_ptr<MenuItem> child);
// The item at a 0-based index of `parent`, or nullptr.
MenuItem* RuntimeMenuItemItem(MenuItem* parent, int index);
// The item of that name anywhere below `root`, or nullptr.
MenuItem* RuntimeMenuItemLookup(MenuItem* root, std::string_view name);
void RuntimeMenuItemEnabledSetter(MenuItem* item, bool enabled);

void WindowMenuBarSetter(Window* window, MenuBar* bar);
MenuBar* WindowMenuBarGetter(Window* window);

// Asks the toolkit to recompute the enabled state of the menu items: runs the main window's
// EnableMenuItems event.
void enableMenuItems();
