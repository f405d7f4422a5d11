// Menu trees: building, lookup and enabling.
#include "toolkit/menu_ops.h"

#include "toolkit/backend.h"
#include "toolkit/runtime_state.h"
#include "toolkit/window.h"

namespace {
// The window whose menu bar holds the item: the windows are few, so a look at each suffices.
Window* windowOf(MenuItem* item) {
  MenuItem* root = item;
  while (root->parent != nullptr) root = root->parent;
  for (auto& w : toolkit::detail::state().windows) {
    if (w->menuBar == root) return w.get();
  }
  return nullptr;
}
}  // namespace

void RuntimeMenuItemDefaultConstructor(MenuItem* item) {
  if (item == nullptr) return;
  item->name.clear();
  item->caption.clear();
  item->key.clear();
  item->enabled = true;
}

MenuItem* RuntimeMenuItemAppend(MenuItem* parent, std::unique_ptr<MenuItem> child) {
  if (parent == nullptr || !child) return nullptr;
  child->parent = parent;
  parent->children.push_back(std::move(child));
  return parent->children.back().get();
}

MenuItem* RuntimeMenuItemItem(MenuItem* parent, int index) {
  if (parent == nullptr || index < 0 || static_cast<std::size_t>(index) >= parent->children.size()) return nullptr;
  return parent->children[static_cast<std::size_t>(index)].get();
}

MenuItem* RuntimeMenuItemLookup(MenuItem* root, std::string_view name) {
  if (root == nullptr || name.empty()) return nullptr;
  for (auto& child : root->children) {
    if (child->name == name) return child.get();
    if (MenuItem* found = RuntimeMenuItemLookup(child.get(), name)) return found;
  }
  return nullptr;
}

void RuntimeMenuItemEnabledSetter(MenuItem* item, bool enabled) {
  if (item == nullptr || item->enabled == enabled) return;
  item->enabled = enabled;
  if (Window* w = windowOf(item); w && w->peer) w->peer->menuChanged();
}


void WindowMenuBarSetter(Window* window, MenuBar* bar) {
  if (window) window->menuBar = bar;
}

MenuBar* WindowMenuBarGetter(Window* window) { return window ? window->menuBar : nullptr; }
