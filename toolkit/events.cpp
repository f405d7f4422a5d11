// Event delivery from a back end to the game's handlers.
#include "toolkit/events.h"

#include <algorithm>
#include <cctype>

#include "toolkit/menu_ops.h"
#include "toolkit/runtime.h"
#include "toolkit/runtime_state.h"

namespace toolkit {

namespace {

using detail::state;

// Runs one game handler to its end. A handler never starts inside another one: the yield point
// lets the back end work, and what the user does meanwhile is dropped.
template <class F>
void runHandler(F&& handler) {
  auto& s = state();
  if (s.handlerDepth > 0 || s.quit) return;
  ++s.handlerDepth;
  try {
    handler();
  } catch (const QuitRequested&) {
    s.quit = true;
  } catch (const std::exception& e) {
    RuntimeUnhandledException(e);
    s.quit = true;
  }
  --s.handlerDepth;
  if (s.quit && s.backend) s.backend->quit();
}

int clampTo(int v, int size) { return std::clamp(v, 0, std::max(size - 1, 0)); }

template <class Fn>
const Fn* handlerFor(const Control& control, const char* event) {
  const auto it = control.handlers.find(event);
  if (it == control.handlers.end()) return nullptr;
  return std::get_if<Fn>(&it->second);
}

MenuItem* itemWithKey(MenuItem& item, char letter) {
  const auto up = [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); };
  if (item.key.size() == 1 && up(item.key[0]) == up(letter)) return &item;
  for (auto& child : item.children) {
    if (MenuItem* found = itemWithKey(*child, letter)) return found;
  }
  return nullptr;
}

}  // namespace

bool handlerRunning() { return state().handlerDepth > 0; }

void dispatchKeyDown(Window& window, const std::string& key) {
  runHandler([&] { window.KeyDown(key); });
}

void dispatchAction(Control& control) {
  if (!control.enabled) return;
  if (const auto* h = handlerFor<std::function<void()>>(control, "Action")) runHandler([&] { (*h)(); });
}

void dispatchMouseDown(Control& control, int x, int y) {
  if (const auto* h = handlerFor<std::function<bool(int, int)>>(control, "MouseDown")) {
    const int cx = clampTo(x, control.width);
    const int cy = clampTo(y, control.height);
    runHandler([&] { (*h)(cx, cy); });
  }
}

void dispatchMouseMove(Control& control, int x, int y) {
  if (const auto* h = handlerFor<std::function<void(int, int)>>(control, "MouseMove")) {
    const int cx = clampTo(x, control.width);
    const int cy = clampTo(y, control.height);
    runHandler([&] { (*h)(cx, cy); });
  }
}

void updateMenuEnabling(Window& window) {
  // Runs inside a handler too (a handler asks for it), and then counts as part of that handler.
  auto& s = state();
  if (s.handlerDepth > 0) {
    window.EnableMenuItems();
    return;
  }
  runHandler([&] { window.EnableMenuItems(); });
}

void chooseMenuItem(Window& window, MenuItem& item) {
  if (dynamic_cast<QuitMenuItem*>(&item) != nullptr) {
    requestQuit();
    return;
  }
  if (handlerRunning() || quitRequested()) return;
  updateMenuEnabling(window);
  if (!item.enabled || item.isSeparator()) return;
  for (auto& [name, handler] : window.menuHandlers) {
    if (name == item.name && handler) {
      auto& h = handler;
      runHandler([&] { h(); });
      return;
    }
  }
}

bool commandKey(Window& window, char letter) {
  if (window.menuBar == nullptr) return false;
  MenuItem* item = itemWithKey(*window.menuBar, letter);
  if (item == nullptr) return false;
  chooseMenuItem(window, *item);
  return true;
}

void requestQuit() {
  auto& s = state();
  s.quit = true;
  // Inside a handler the quit takes effect at the handler's next yield, which unwinds it.
  if (s.handlerDepth == 0 && s.backend) s.backend->quit();
}

bool quitRequested() { return state().quit; }

}  // namespace toolkit

void enableMenuItems() {
  if (Window* w = toolkit::detail::mainWindow()) toolkit::updateMenuEnabling(*w);
}
