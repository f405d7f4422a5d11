// The runtime: application lifecycle, windows, controls, alerts, text and the yield point.
#include "toolkit/runtime.h"

#include <algorithm>

#include "toolkit/application.h"
#include "toolkit/events.h"
#include "toolkit/runtime_state.h"

namespace toolkit::detail {

namespace {
// Yields between two looks at the clock. A look costs some 20 ns; the solver yields some ten
// million times a second, so one look in 512 keeps the yield point at a counter decrement.
constexpr unsigned kYieldBatch = 512;
// How often the back end gets to do its own work while a handler runs.
constexpr auto kEventInterval = std::chrono::milliseconds(4);
}  // namespace

unsigned yieldCountdown = kYieldBatch;

RuntimeState& state() {
  static RuntimeState s;
  return s;
}

Window* mainWindow() {
  auto& s = state();
  return s.windows.empty() ? nullptr : s.windows.front().get();
}

void yieldSlow() {
  yieldCountdown = kYieldBatch;
  auto& s = state();
  if (!s.backend) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - s.lastEvents >= kEventInterval) {
    s.lastEvents = now;
    s.backend->processEvents();
  }
  if (s.quit && s.handlerDepth > 0) throw QuitRequested();
}

}  // namespace toolkit::detail

using toolkit::detail::state;

Color RuntimeRGB(int r, int g, int b) {
  auto c = [](int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); };
  return Color{c(r), c(g), c(b)};
}

// ---- Application ----------------------------------------------------------------------------

void RuntimeInit(std::unique_ptr<Backend> backend) {
  if (state().backend) RuntimeExit();
  auto& s = state();
  s.backend = std::move(backend);
  s.quit = false;
  s.failed = false;
  s.handlerDepth = 0;
  s.lastEvents = std::chrono::steady_clock::now();
}

Backend& RuntimeBackend() {
  auto& s = state();
  if (!s.backend) throw std::logic_error("RuntimeInit has not been called");
  return *s.backend;
}

void RuntimeRun() {
  auto& s = state();
  if (!s.backend || s.quit) return;
  s.backend->run();
}

void RuntimeUnhandledException(const std::exception& e) {
  auto& s = state();
  s.failed = true;
  if (s.backend) s.backend->unhandledException(e.what());
}

int RuntimeExit() {
  auto& s = state();
  // Windows first: their back-end sides refer to the back end and to the menu bar.
  while (!s.windows.empty()) s.windows.pop_back();
  while (!s.instances.empty()) s.instances.pop_back();
  s.app.reset();
  s.backend.reset();
  const int code = s.failed ? 1 : 0;
  s.quit = false;
  s.failed = false;
  s.handlerDepth = 0;
  return code;
}

void AppMenuBarSetter(Application* app, MenuBar* bar) {
  if (app) app->menuBar = bar;
}

Application* RuntimeRegisterAppObject(std::unique_ptr<Application> app) {
  state().app = std::move(app);
  return state().app.get();
}

Application* RuntimeApplication() { return state().app.get(); }

Object* RuntimeGetImplicitInstance(std::string_view className) {
  for (auto& [name, object] : state().instances) {
    if (name == className) return object.get();
  }
  return nullptr;
}

Object* RuntimeSetImplicitInstance(std::string_view className, std::unique_ptr<Object> object) {
  auto& instances = state().instances;
  instances.emplace_back(std::string(className), std::move(object));
  return instances.back().second.get();
}

void RuntimeRegisterFileType(const std::string& name, const std::string& creator, const std::string& type,
                             const std::string& extensions) {
  // The desktop learns the game file's type from the installed MIME data; the runtime needs
  // nothing more than to accept the registration.
  (void)name;
  (void)creator;
  (void)type;
  (void)extensions;
}

// ---- Windows --------------------------------------------------------------------------------

Window::Window() = default;
Window::~Window() = default;

Control* Window::control(std::string_view name) const {
  for (const auto& c : controls) {
    if (c->name == name) return c.get();
  }
  return nullptr;
}

Window* WindowDefaultConstructor(std::unique_ptr<Window> window) {
  auto& s = state();
  Window* w = window.get();
  s.windows.push_back(std::move(window));
  w->Layout();
  w->CreateControls();
  for (auto& c : w->controls) {
    c->window = w;
    if (c->kind() == ControlKind::Canvas && s.backend) s.backend->prepareCanvas(static_cast<Canvas&>(*c));
  }
  if (s.backend) w->peer = s.backend->createPeer(*w);
  w->Open();
  RuntimeShowWindow(w);
  return w;
}

Window* RuntimeGetImplicitWindow(std::string_view className) {
  for (auto& w : state().windows) {
    if (w->implicitName == className) return w.get();
  }
  return nullptr;
}

void RuntimeDestroyWindow(Window* window) {
  auto& windows = state().windows;
  std::erase_if(windows, [window](const std::unique_ptr<Window>& w) { return w.get() == window; });
}

void RuntimeShowWindow(Window* window) {
  if (window == nullptr || window->shownInFront) return;
  window->shownInFront = true;
  if (window->peer) window->peer->show();
}

void RuntimeHideWindow(Window* window) {
  if (window == nullptr) return;
  window->shownInFront = false;
  if (window->peer) window->peer->hide();
}

void WindowForceUpdateFrontBuffer(Window* window) {
  if (window != nullptr && window->peer) window->peer->flush();
}

Object* WindowAllocateObject(Window* window, const Class* cls) {
  if (window == nullptr) return nullptr;
  auto object = RuntimeNewObject(cls);
  if (!object) return nullptr;
  window->ownedObjects.push_back(std::move(object));
  return window->ownedObjects.back().get();
}

void RectControlDefaultConstructor(Control* control) {
  if (control == nullptr) return;
  control->enabled = true;
  control->visible = true;
}

void WindowAddControl(Window* window, Object* object, std::string name) {
  if (window == nullptr || object == nullptr) return;
  auto& owned = window->ownedObjects;
  for (auto it = owned.begin(); it != owned.end(); ++it) {
    if (it->get() != object) continue;
    auto* control = dynamic_cast<Control*>(object);
    if (control == nullptr) return;
    it->release();
    owned.erase(it);
    control->name = std::move(name);
    control->window = window;
    window->controls.emplace_back(control);
    return;
  }
}

void RuntimeInstallInstanceEventHandler(Control* control, std::string event, EventHandler handler) {
  if (control) control->handlers.insert_or_assign(std::move(event), std::move(handler));
}

void WindowAddMenuHandler(Window* window, std::string itemName, std::function<bool()> handler) {
  if (window) window->menuHandlers.emplace_back(std::move(itemName), std::move(handler));
}

// ---- Controls -------------------------------------------------------------------------------

void Canvas::allocate(int scale) {
  raster_ = std::make_unique<Raster>(width, height, scale);
  graphics_ = std::make_unique<Graphics>(raster_.get());
}

Control* RuntimeControlReference(Window* window, std::string_view name) {
  return window ? window->control(name) : nullptr;
}

namespace {
void changed(Control* control) {
  if (control->window && control->window->peer) control->window->peer->controlChanged(*control);
}
}  // namespace

void controlEnabledSetter(Control* control, bool enabled) {
  if (control == nullptr || control->enabled == enabled) return;
  control->enabled = enabled;
  changed(control);
}

void controlHelpTagSetter(Control* control, std::string text) {
  if (control == nullptr || control->helpTag == text) return;
  control->helpTag = std::move(text);
  changed(control);
}

std::string editTextGetter(Control* control) {
  if (auto* field = dynamic_cast<EditField*>(control)) return field->text;
  return {};
}

void editTextSetter(Control* control, std::string text) {
  auto* field = dynamic_cast<EditField*>(control);
  if (field == nullptr) return;
  field->text = std::move(text);
  changed(control);
}

Graphics* canvasGraphicsGetter(Control* control) {
  if (control == nullptr || control->kind() != ControlKind::Canvas) return nullptr;
  return static_cast<Canvas*>(control)->graphics();
}

// ---- Alerts and text ------------------------------------------------------------------------

void RuntimeBeep() {
  if (state().backend) state().backend->beep();
}

void RuntimeMsgBox(const std::string& text) {
  if (state().backend) state().backend->msgBox(text);
}

int VB_RuntimeMsgBox(const std::string& text, int buttons, const std::string& title) {
  return state().backend ? state().backend->msgBoxButtons(text, buttons, title) : 2;
}

EndOfLine RuntimeGetEndOfLineObject() { return EndOfLine{}; }

std::string RuntimeEndOfLineAddRight(const EndOfLine& eol, const std::string& text) { return text + eol.text; }
