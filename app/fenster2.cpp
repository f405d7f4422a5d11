// The About window's properties, its two controls and its OK button.
#include "app/fenster2.h"

#include <functional>
#include <memory>
#include <string>

#include "toolkit/propertylist.h"
#include "toolkit/runtime.h"
#include "window/layout.h"

namespace {

// Ten lines separated by carriage returns, with no line end after the last.
constexpr const char* kAboutText =
    "\r"
    "Version: 1.3\r"
    "\r"
    "2003–2026 Das BrovaneSudoku-Team\r"
    "\r"
    "Aktuelle Versionen und Informationen: https://brovanesudoku.example.org\r"
    "\r"
    "\r"
    "\r"
    "BrovaneSudoku ist Freeware. Die Software wird so angeboten, wie sie ist, ohne jede Gewähr; für "
    "ihre Benutzung und die Folgen ihrer Benutzung wird keine Haftung übernommen.";

namespace cp = control_property;

std::string windowList() {
  return PropertyListBuilder()
      .byte(0, 1)
      .text(6, "Über BrovaneSudoku")
      .integer(3, 377)
      .integer(4, 206)
      .byte(8, 1)
      .byte(9, 1)
      .byte(10, 1)
      .byte(11, 1)
      .colour(18, {0xFF, 0xFF, 0xFF})
      .integer(20, 64)
      .integer(21, 64)
      .integer(22, 32000)
      .integer(23, 32000)
      .bytes();
}

PropertyListBuilder placed(std::string_view name, int left, int top, int width, int height) {
  PropertyListBuilder list;
  list.text(cp::kName, name)
      .integer(cp::kFlags, 0x80000000)
      .byte(cp::kVisible, 1)
      .integer(cp::kLeft, left)
      .integer(cp::kTop, top)
      .integer(cp::kWidth, width)
      .integer(cp::kHeight, height)
      .byte(cp::kFrame, 1);
  return list;
}

}  // namespace

Fenster2::Fenster2() { implicitName = "Fenster2"; }

Fenster2& Fenster2::instance() {
  if (Window* w = RuntimeGetImplicitWindow("Fenster2")) return static_cast<Fenster2&>(*w);
  return static_cast<Fenster2&>(*WindowDefaultConstructor(std::make_unique<Fenster2>()));
}

void Fenster2::Layout() { RuntimeMassPropertySetter(this, windowList()); }

void Fenster2::CreateControls() {
  SetupBevelButton(NewWindowControl(this, "BevelButton", "BevelButton1"), "OK", false);
  Control* ok = RuntimeControlReference(this, "BevelButton1");
  RuntimeMassPropertySetter(ok, placed("BevelButton1", 294, 166, 60, 22).byte(cp::kEnabled, 1).bytes());
  RuntimeInstallInstanceEventHandler(ok, "Action", std::function<void()>([this] { BevelButton1_Action(); }));

  Control* text = NewWindowControl(this, "StaticText", "StaticText1");
  RuntimeMassPropertySetter(text, placed("StaticText1", 20, 14, 334, 150)
                                      .text(29, "Grotesque MT Lt")
                                      .integer(30, 12)
                                      .text(25, kAboutText)
                                      .byte(34, 1)
                                      .byte(cp::kEnabled, 1)
                                      .bytes());
}

void Fenster2::BevelButton1_Action() { RuntimeHideWindow(&Fenster2::instance()); }
