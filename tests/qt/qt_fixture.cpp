// The Qt test fixture.
#include "qt/qt_fixture.h"

#include <QCoreApplication>

namespace {

int argc = 1;
char arg0[] = "test_qt";
char* argv[] = {arg0, nullptr};

std::unique_ptr<MenuItem> item(std::string name, std::string caption, std::string key = {}, bool quit = false) {
  std::unique_ptr<MenuItem> m = quit ? std::make_unique<QuitMenuItem>() : std::make_unique<MenuItem>();
  m->name = std::move(name);
  m->caption = std::move(caption);
  m->key = std::move(key);
  return m;
}

}  // namespace

void ProbeWindow::CreateControls() {
  struct Spec {
    const char* name;
    const char* cls;
    int left, top, width, height;
  };
  static constexpr Spec kSpecs[] = {
      {"Canvas1", "Canvas", 10, 20, 60, 40},
      {"Button1", "BevelButton", 80, 20, 50, 22},
      {"Log", "EditField", 140, 20, 50, 80},
      {"Line", "EditField", 300, 20, 50, 22},
  };
  for (const Spec& s : kSpecs) {
    Object* o = WindowAllocateObject(this, RuntimeLookupClass(s.cls));
    WindowAddControl(this, o, s.name);
    auto* c = dynamic_cast<Control*>(o);
    c->left = s.left;
    c->top = s.top;
    c->width = s.width;
    c->height = s.height;
  }
  static_cast<EditField*>(control("Log"))->multiline = true;
  static_cast<BevelButton*>(control("Button1"))->caption = "Go";
  RuntimeInstallInstanceEventHandler(control("Button1"), "Action", std::function<void()>([this] {
                                       ++actions;
                                       if (onAction) onAction();
                                     }));
  RuntimeInstallInstanceEventHandler(control("Canvas1"), "MouseDown", std::function<bool(int, int)>([this](int x, int y) {
                                       clicks.emplace_back(x, y);
                                       return false;
                                     }));
  for (const char* name : {"New", "Undo"}) {
    WindowAddMenuHandler(this, name, [this, name] {
      chosen.emplace_back(name);
      return false;
    });
  }
}

void QtTest::SetUp() {
  auto backend = std::make_unique<QtBackend>(argc, argv);
  backend_ = backend.get();
  RuntimeInit(std::move(backend));
  bar_ = std::make_unique<MenuBar>();
  MenuItem* file = RuntimeMenuItemAppend(bar_.get(), item("FileMenu", "&File"));
  RuntimeMenuItemAppend(file, item("New", "New  ", "N"))->enabled = false;
  RuntimeMenuItemAppend(file, item("", "-"));
  RuntimeMenuItemAppend(file, item("Quit", "Quit", "Q", true));
  MenuItem* edit = RuntimeMenuItemAppend(bar_.get(), item("EditMenu", "&Edit"));
  RuntimeMenuItemAppend(edit, item("Undo", "Undo", "Z"));
}

void QtTest::TearDown() {
  EXPECT_EQ(RuntimeExit(), 0);
  bar_.reset();
}

ProbeWindow& QtTest::probe() {
  auto* w = static_cast<ProbeWindow*>(WindowDefaultConstructor(std::make_unique<ProbeWindow>(bar_.get())));
  settle();
  return *w;
}

void QtTest::settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}
