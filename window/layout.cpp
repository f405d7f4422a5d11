// The main window's layout: its own properties, the twenty-one controls and the wiring of
// their events and of the menu handlers.
#include "window/layout.h"

#include <array>
#include <functional>
#include <utility>

#include "app/menubar.h"
#include "app/startup.h"
#include "model/fenster1.h"
#include "toolkit/menu_ops.h"
#include "toolkit/plugin_entrypoints.h"
#include "toolkit/propertylist.h"
#include "toolkit/runtime.h"

Control* NewWindowControl(Window* window, std::string_view className, std::string name) {
  Object* object = WindowAllocateObject(window, RuntimeLookupClass(className));
  auto* control = dynamic_cast<Control*>(object);
  RectControlDefaultConstructor(control);
  WindowAddControl(window, object, std::move(name));
  return control;
}

void SetupBevelButton(Control* button, const std::string& caption, bool bold) {
  // A window built outside the start sequence (as tests build theirs) binds the setters itself.
  if (BevelButtonSetters().empty()) InitPluginEntrypoints();
  using enum BevelButtonSlot;
  SetBevelButtonProperty(button, Caption, caption);
  SetBevelButtonProperty(button, CaptionAlign, std::int64_t{3});
  SetBevelButtonProperty(button, CaptionPlacement, std::int64_t{1});
  SetBevelButtonProperty(button, CaptionDelta, std::int64_t{0});
  SetBevelButtonProperty(button, IconAlign, std::int64_t{0});
  SetBevelButtonProperty(button, IconDX, std::int64_t{0});
  SetBevelButtonProperty(button, IconDY, std::int64_t{0});
  SetBevelButtonProperty(button, Value, std::int64_t{0});
  SetBevelButtonProperty(button, MenuValue, std::int64_t{0});
  SetBevelButtonProperty(button, TextFont, std::string("System"));
  intSetter(button, "TextSize", 12);
  boolSetter(button, "Bold", bold);
  boolSetter(button, "Italic", false);
  boolSetter(button, "Underline", false);
}

namespace {

namespace cp = control_property;

constexpr Color kWhite{0xFF, 0xFF, 0xFF};

struct ControlSpec {
  std::string_view name;
  std::string_view className;
  int left, top, width, height;
  std::string_view caption;    // bevel buttons only
  void (Fenster1::*action)();  // a bevel button's Action handler
};

constexpr std::array<ControlSpec, 21> kControls{{
    {"EditField1", "EditField", 304, 30, 214, 272, "", nullptr},
    {"Canvas1", "Canvas", 20, 30, 272, 278, "", nullptr},
    {"EditField2", "EditField", 530, 14, 142, 22, "", nullptr},
    {"EditField3", "EditField", 530, 53, 142, 22, "", nullptr},
    {"EditField4", "EditField", 530, 92, 142, 22, "", nullptr},
    {"EditField5", "EditField", 530, 126, 142, 22, "", nullptr},
    {"BevelButton1", "BevelButton", 26, 320, 23, 22, "1", &Fenster1::BevelButton1_Action},
    {"BevelButton2", "BevelButton", 55, 320, 23, 22, "2", &Fenster1::BevelButton2_Action},
    {"BevelButton3", "BevelButton", 85, 320, 23, 22, "3", &Fenster1::BevelButton3_Action},
    {"BevelButton4", "BevelButton", 115, 320, 23, 22, "4", &Fenster1::BevelButton4_Action},
    {"BevelButton5", "BevelButton", 145, 320, 23, 22, "5", &Fenster1::BevelButton5_Action},
    {"BevelButton6", "BevelButton", 175, 320, 23, 22, "6", &Fenster1::BevelButton6_Action},
    {"BevelButton7", "BevelButton", 205, 320, 23, 22, "7", &Fenster1::BevelButton7_Action},
    {"BevelButton8", "BevelButton", 235, 320, 23, 22, "8", &Fenster1::BevelButton8_Action},
    {"BevelButton9", "BevelButton", 265, 320, 23, 22, "9", &Fenster1::BevelButton9_Action},
    {"BevelButton10", "BevelButton", 26, 349, 56, 22, "Test", &Fenster1::BevelButton10_Action},
    {"BevelButton11", "BevelButton", 95, 349, 56, 22, "Nehmen", &Fenster1::BevelButton11_Action},
    {"BevelButton12", "BevelButton", 163, 349, 56, 22, "Reset", &Fenster1::BevelButton12_Action},
    {"BevelButton13", "BevelButton", 555, 251, 60, 22, "Debug", &Fenster1::BevelButton13_Action},
    {"EditField6", "EditField", 530, 160, 142, 22, "", nullptr},
    {"BevelButton14", "BevelButton", 232, 349, 56, 22, "Start", &Fenster1::BevelButton14_Action},
}};

// The window's own list: flags 0 and 8, title, content size, colour and size limits.
std::string windowList() {
  return PropertyListBuilder()
      .byte(0, 1)
      .text(6, "BrovaneSudoku")
      .integer(3, 313)
      .integer(4, 387)
      .byte(8, 1)
      .colour(18, kWhite)
      .integer(20, 64)
      .integer(21, 64)
      .integer(22, 32000)
      .integer(23, 32000)
      .bytes();
}

// A control's list. Every button starts disabled (flag 16 is 0): the game enables a button
// when it can act. The canvas and the text fields start enabled.
std::string controlList(const ControlSpec& c) {
  PropertyListBuilder list;
  list.text(cp::kName, c.name)
      .integer(cp::kFlags, 0x80000000)
      .byte(cp::kVisible, 1)
      .integer(cp::kLeft, c.left)
      .integer(cp::kTop, c.top)
      .integer(cp::kWidth, c.width)
      .integer(cp::kHeight, c.height)
      .byte(cp::kFrame, 1);
  const bool button = c.className == "BevelButton";
  if (c.className == "Canvas") list.text(cp::kHelpTag, "Test");
  if (c.className == "EditField") {
    list.byte(27, 0);
    if (c.name == "EditField1") list.byte(28, 1);  // the multi-line move log
    list.byte(29, 0).colour(34, kWhite).byte(36, 0).byte(37, 1).text(38, "System").integer(39, 12).byte(59, 0);
  }
  list.byte(cp::kEnabled, button ? 0 : 1);
  return list.bytes();
}

}  // namespace

void Fenster1::Layout() {
  WindowMenuBarSetter(this, &Menüleiste1::instance());
  RuntimeMassPropertySetter(this, windowList());
}

void Fenster1::CreateControls() {
  for (const ControlSpec& spec : kControls) {
    Control* created = NewWindowControl(this, spec.className, std::string(spec.name));
    const bool button = spec.className == "BevelButton";
    // The digit buttons, whose captions are one character, are the bold ones.
    if (button) SetupBevelButton(created, std::string(spec.caption), spec.caption.size() == 1);
    Control* control = RuntimeControlReference(this, spec.name);
    RuntimeMassPropertySetter(control, controlList(spec));
    if (spec.action != nullptr) {
      const auto action = spec.action;
      RuntimeInstallInstanceEventHandler(control, "Action", std::function<void()>([this, action] { (this->*action)(); }));
    } else if (spec.className == "Canvas") {
      RuntimeInstallInstanceEventHandler(control, "MouseMove", std::function<void(int, int)>([this](int x, int y) {
                                           Canvas1_MouseMove(x, y);
                                         }));
      RuntimeInstallInstanceEventHandler(control, "MouseDown", std::function<bool(int, int)>([this](int x, int y) {
                                           return Canvas1_MouseDown(x, y);
                                         }));
    }
  }
  using MenuAction = bool (Fenster1::*)();
  static constexpr std::array<std::pair<const char*, MenuAction>, 9> kMenuHandlers{{
      {"BearbeitenAllesaufAnfang", &Fenster1::BearbeitenAllesaufAnfang_Action},
      {"BearbeitenWiderrufen", &Fenster1::BearbeitenWiderrufen_Action},
      {"AblageSeiteeinrichten", &Fenster1::AblageSeiteeinrichten_Action},
      {"AblageDrucken", &Fenster1::AblageDrucken_Action},
      {"AblageNeuesSpiel", &Fenster1::AblageNeuesSpiel_Action},
      {"AblageLsen", &Fenster1::AblageLsen_Action},
      {"AblageSpeichern", &Fenster1::AblageSpeichern_Action},
      {"AblageLaden", &Fenster1::AblageLaden_Action},
      {"AblageberBSudoku", &Fenster1::AblageberBSudoku_Action},
  }};
  for (const auto& [item, action] : kMenuHandlers) {
    WindowAddMenuHandler(this, item, [this, action = action] { return (this->*action)(); });
  }
}
