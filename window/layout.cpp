// The main window's layout: its own properties, the twenty-one controls and the wiring of
// their events and of the menu handlers.
#include <array>

#include "model/fenster1.h"
#include "toolkit/runtime.h"

namespace {

struct ControlSpec {
  const char* name;
  const char* className;
  int left, top, width, height;
  const char* caption;  // bevel buttons only
};

constexpr std::array<ControlSpec, 21> kControls{{
    {"EditField1", "EditField", 304, 30, 214, 272, nullptr},
    {"Canvas1", "Canvas", 20, 30, 272, 278, nullptr},
    {"EditField2", "EditField", 530, 14, 142, 22, nullptr},
    {"EditField3", "EditField", 530, 53, 142, 22, nullptr},
    {"EditField4", "EditField", 530, 92, 142, 22, nullptr},
    {"EditField5", "EditField", 530, 126, 142, 22, nullptr},
    {"BevelButton1", "BevelButton", 26, 320, 23, 22, "1"},
    {"BevelButton2", "BevelButton", 55, 320, 23, 22, "2"},
    {"BevelButton3", "BevelButton", 85, 320, 23, 22, "3"},
    {"BevelButton4", "BevelButton", 115, 320, 23, 22, "4"},
    {"BevelButton5", "BevelButton", 145, 320, 23, 22, "5"},
    {"BevelButton6", "BevelButton", 175, 320, 23, 22, "6"},
    {"BevelButton7", "BevelButton", 205, 320, 23, 22, "7"},
    {"BevelButton8", "BevelButton", 235, 320, 23, 22, "8"},
    {"BevelButton9", "BevelButton", 265, 320, 23, 22, "9"},
    {"BevelButton10", "BevelButton", 26, 349, 56, 22, "Test"},
    {"BevelButton11", "BevelButton", 95, 349, 56, 22, "Nehmen"},
    {"BevelButton12", "BevelButton", 163, 349, 56, 22, "Reset"},
    {"BevelButton13", "BevelButton", 555, 251, 60, 22, "Debug"},
    {"EditField6", "EditField", 530, 160, 142, 22, nullptr},
    {"BevelButton14", "BevelButton", 232, 349, 56, 22, "Start"},
}};

}  // namespace

void Fenster1::Layout() {
  title = "BrovaneSudoku";
  contentWidth = 313;
  contentHeight = 387;
  minWidth = 64;
  minHeight = 64;
  maxWidth = 32000;
  maxHeight = 32000;
}

void Fenster1::CreateControls() {
  for (const ControlSpec& spec : kControls) {
    Object* object = WindowAllocateObject(this, RuntimeLookupClass(spec.className));
    auto* control = dynamic_cast<Control*>(object);
    RectControlDefaultConstructor(control);
    WindowAddControl(this, object, spec.name);
    if (control == nullptr) continue;
    control->left = spec.left;
    control->top = spec.top;
    control->width = spec.width;
    control->height = spec.height;
    if (auto* button = dynamic_cast<BevelButton*>(control)) {
      button->caption = spec.caption;
      button->captionAlign = 3;
      button->captionPlacement = 1;
      button->textFont = "System";
      button->textSize = 12;
      button->bold = std::string_view(spec.caption).size() == 1;
    } else if (auto* field = dynamic_cast<EditField*>(control)) {
      field->fontName = "System";
      field->fontSize = 12;
      field->multiline = field->name == "EditField1";
    }
  }
  Control* canvas = RuntimeControlReference(this, "Canvas1");
  controlHelpTagSetter(canvas, "Test");
  RuntimeInstallInstanceEventHandler(canvas, "MouseMove", std::function<void(int, int)>([this](int x, int y) {
                                       Canvas1_MouseMove(x, y);
                                     }));
  RuntimeInstallInstanceEventHandler(canvas, "MouseDown", std::function<bool(int, int)>([this](int x, int y) {
                                       return Canvas1_MouseDown(x, y);
                                     }));
  using Action = void (Fenster1::*)();
  static constexpr std::array<Action, 14> kActions{
      &Fenster1::BevelButton1_Action,  &Fenster1::BevelButton2_Action,  &Fenster1::BevelButton3_Action,
      &Fenster1::BevelButton4_Action,  &Fenster1::BevelButton5_Action,  &Fenster1::BevelButton6_Action,
      &Fenster1::BevelButton7_Action,  &Fenster1::BevelButton8_Action,  &Fenster1::BevelButton9_Action,
      &Fenster1::BevelButton10_Action, &Fenster1::BevelButton11_Action, &Fenster1::BevelButton12_Action,
      &Fenster1::BevelButton13_Action, &Fenster1::BevelButton14_Action};
  for (std::size_t i = 0; i < kActions.size(); ++i) {
    const Action action = kActions[i];
    RuntimeInstallInstanceEventHandler(RuntimeControlReference(this, "BevelButton" + std::to_string(i + 1)), "Action",
                                       std::function<void()>([this, action] { (this->*action)(); }));
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
