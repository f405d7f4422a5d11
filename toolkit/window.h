// Windows: a window owns its controls, points to its menu bar, knows its menu handlers by item
// name, and answers the window events that a game window class overrides.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/controls.h"
#include "toolkit/object.h"

class MenuBar;
class WindowPeer;

class Window : public Object {
 public:
  Window();
  ~Window() override;

  // Window events, run by the toolkit: the first two while it builds the window, then the open
  // event; the key event with a one-character key; the menu-enabling event whenever the menu
  // states are recomputed.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void Open() {}
  virtual bool KeyDown(const std::string& key) {
    (void)key;
    return false;
  }
  virtual void EnableMenuItems() {}

  // The control of that name, or nullptr.
  Control* control(std::string_view name) const;

  // The name under which the window is the implicit instance of its class ("Fenster1").
  std::string implicitName;

  std::string title;
  int contentWidth = 100;
  int contentHeight = 100;
  int minWidth = 64;
  int minHeight = 64;
  int maxWidth = 32000;
  int maxHeight = 32000;

  MenuBar* menuBar = nullptr;
  std::vector<std::unique_ptr<Control>> controls;  // in creation order
  std::vector<std::pair<std::string, std::function<bool()>>> menuHandlers;  // by menu item name

  // Objects allocated for the window that are not controls (page setups, dialogs).
  std::vector<std::unique_ptr<Object>> ownedObjects;

  std::unique_ptr<WindowPeer> peer;  // the back end's side; set once the window is built
  bool shownInFront = false;         // shown and in front: showing it again does nothing
};
