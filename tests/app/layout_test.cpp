// The main window as built: its own properties, every control, the order in which the button
// setters are used, and the wiring of the events and menu handlers.
#include <string>
#include <vector>

#include "app/menubar.h"
#include "app/startup.h"
#include "support/fixture.h"
#include "model/basic.h"
#include "toolkit/events.h"
#include "toolkit/plugin_entrypoints.h"

namespace {

class LayoutTest : public GameTest {};

TEST_F(LayoutTest, WindowPropertiesAndMenuBar) {
  const Fenster1& w = win();
  EXPECT_EQ(w.title, "BrovaneSudoku");
  EXPECT_EQ(w.contentWidth, 313);
  EXPECT_EQ(w.contentHeight, 387);
  EXPECT_EQ(w.minWidth, 64);
  EXPECT_EQ(w.minHeight, 64);
  EXPECT_EQ(w.maxWidth, 32000);
  EXPECT_EQ(w.maxHeight, 32000);
  EXPECT_EQ(w.menuBar, &Menüleiste1::instance());
}

TEST_F(LayoutTest, ControlsInOrderWithTheirGeometryAndLook) {
  struct Row {
    std::string name;
    ControlKind kind;
    int left, top, width, height;
    std::string caption;  // bevel buttons
  };
  const std::vector<Row> rows{
      {"EditField1", ControlKind::EditField, 304, 30, 214, 272, ""},
      {"Canvas1", ControlKind::Canvas, 20, 30, 272, 278, ""},
      {"EditField2", ControlKind::EditField, 530, 14, 142, 22, ""},
      {"EditField3", ControlKind::EditField, 530, 53, 142, 22, ""},
      {"EditField4", ControlKind::EditField, 530, 92, 142, 22, ""},
      {"EditField5", ControlKind::EditField, 530, 126, 142, 22, ""},
      {"BevelButton1", ControlKind::BevelButton, 26, 320, 23, 22, "1"},
      {"BevelButton2", ControlKind::BevelButton, 55, 320, 23, 22, "2"},
      {"BevelButton3", ControlKind::BevelButton, 85, 320, 23, 22, "3"},
      {"BevelButton4", ControlKind::BevelButton, 115, 320, 23, 22, "4"},
      {"BevelButton5", ControlKind::BevelButton, 145, 320, 23, 22, "5"},
      {"BevelButton6", ControlKind::BevelButton, 175, 320, 23, 22, "6"},
      {"BevelButton7", ControlKind::BevelButton, 205, 320, 23, 22, "7"},
      {"BevelButton8", ControlKind::BevelButton, 235, 320, 23, 22, "8"},
      {"BevelButton9", ControlKind::BevelButton, 265, 320, 23, 22, "9"},
      {"BevelButton10", ControlKind::BevelButton, 26, 349, 56, 22, "Test"},
      {"BevelButton11", ControlKind::BevelButton, 95, 349, 56, 22, "Nehmen"},
      {"BevelButton12", ControlKind::BevelButton, 163, 349, 56, 22, "Reset"},
      {"BevelButton13", ControlKind::BevelButton, 555, 251, 60, 22, "Debug"},
      {"EditField6", ControlKind::EditField, 530, 160, 142, 22, ""},
      {"BevelButton14", ControlKind::BevelButton, 232, 349, 56, 22, "Start"},
  };
  const auto& controls = win().controls;
  ASSERT_EQ(controls.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& want = rows[i];
    const Control& c = *controls[i];
    SCOPED_TRACE(want.name);
    EXPECT_EQ(c.name, want.name);
    EXPECT_EQ(c.kind(), want.kind);
    EXPECT_EQ(c.left, want.left);
    EXPECT_EQ(c.top, want.top);
    EXPECT_EQ(c.width, want.width);
    EXPECT_EQ(c.height, want.height);
    EXPECT_TRUE(c.visible);
    EXPECT_EQ(c.window, &win());
    if (const auto* f = dynamic_cast<const EditField*>(&c)) {
      EXPECT_EQ(f->fontName, "System");
      EXPECT_EQ(f->fontSize, 12);
      EXPECT_EQ(f->multiline, want.name == "EditField1");
      EXPECT_TRUE(f->handlers.empty());
    }
    if (const auto* b = dynamic_cast<const BevelButton*>(&c)) {
      EXPECT_EQ(b->caption, want.caption);
      EXPECT_EQ(b->bold, want.caption.size() == 1);
      EXPECT_FALSE(b->italic);
      EXPECT_FALSE(b->underline);
      EXPECT_EQ(b->captionAlign, 3);
      EXPECT_EQ(b->captionPlacement, 1);
      EXPECT_EQ(b->captionDelta, 0);
      EXPECT_EQ(b->iconAlign, 0);
      EXPECT_EQ(b->iconDX, 0);
      EXPECT_EQ(b->iconDY, 0);
      EXPECT_EQ(b->value, 0);
      EXPECT_EQ(b->menuValue, 0);
      EXPECT_EQ(b->textFont, "System");
      EXPECT_EQ(b->textSize, 12);
      ASSERT_EQ(b->handlers.size(), 1u);
      EXPECT_TRUE(std::holds_alternative<std::function<void()>>(b->handlers.at("Action")));
    }
  }
  const Control* canvas = control("Canvas1");
  EXPECT_EQ(canvas->helpTag, "Test");
  ASSERT_EQ(canvas->handlers.size(), 2u);
  EXPECT_TRUE(std::holds_alternative<std::function<void(int, int)>>(canvas->handlers.at("MouseMove")));
  EXPECT_TRUE(std::holds_alternative<std::function<bool(int, int)>>(canvas->handlers.at("MouseDown")));
}

TEST_F(LayoutTest, ButtonsStartDisabledAndOpenEnablesOnlyStart) {
  for (int i = 1; i <= 13; ++i) EXPECT_FALSE(enabled("BevelButton" + std::to_string(i))) << i;
  EXPECT_TRUE(enabled("BevelButton14"));
  EXPECT_TRUE(enabled("Canvas1"));
  EXPECT_TRUE(enabled("EditField1"));
}

TEST_F(LayoutTest, EachButtonActionReachesItsOwnHandler) {
  // "Start" ends entry mode; the Test button (disabled) and the others do not.
  toolkit::dispatchAction(*control("BevelButton10"));
  EXPECT_TRUE(win().edit_mode);
  controlEnabledSetter(control("BevelButton13"), true);
  toolkit::dispatchAction(*control("BevelButton13"));
  EXPECT_EQ(basic::Left(editTextGetter(control("EditField1")), 1), "\r");  // the debug listing
  toolkit::dispatchAction(*control("BevelButton14"));
  EXPECT_FALSE(win().edit_mode);
}

TEST_F(LayoutTest, MenuHandlersAreWiredByItemNameInOrder) {
  std::vector<std::string> names;
  for (const auto& [name, handler] : win().menuHandlers) {
    names.push_back(name);
    EXPECT_TRUE(static_cast<bool>(handler)) << name;
  }
  EXPECT_EQ(names, (std::vector<std::string>{"BearbeitenAllesaufAnfang", "BearbeitenWiderrufen",
                                             "AblageSeiteeinrichten", "AblageDrucken", "AblageNeuesSpiel",
                                             "AblageLsen", "AblageSpeichern", "AblageLaden", "AblageberBSudoku"}));
}

// Every use of a slot of the setter table, recorded in order.
struct SetterCall {
  std::size_t slot;
  std::string button;
  PropertyValue value;
};
std::vector<SetterCall> calls;
PluginEntrypointsTable bound;

template <std::size_t K>
void recording(Object* object, const PropertyValue& value) {
  calls.push_back({K, dynamic_cast<Control*>(object) ? dynamic_cast<Control*>(object)->name : "", value});
  bound[K](object, value);
}

template <std::size_t... K>
PluginEntrypointsTable recordingTable(std::index_sequence<K...>) {
  return {&recording<K>...};
}

TEST(SetterTable, TenSlotsBoundByNameInOrder) {
  InitPluginEntrypoints();
  const auto& table = BevelButtonSetters();
  const std::vector<std::string> names{
      "BevelButton.Caption.Set",  "BevelButton.CaptionAlign.Set", "BevelButton.CaptionPlacement.Set",
      "BevelButton.CaptionDelta.Set", "BevelButton.IconAlign.Set", "BevelButton.IconDX.Set",
      "BevelButton.IconDY.Set",   "BevelButton.Value.Set",        "BevelButton.MenuValue.Set",
      "BevelButton.TextFont.Set"};
  ASSERT_EQ(table.size(), names.size());
  for (std::size_t k = 0; k < names.size(); ++k) {
    EXPECT_NE(table[k], nullptr) << k;
    EXPECT_EQ(table[k], RuntimeLookupPluginEntrypoint(names[k])) << k;
    for (std::size_t j = 0; j < k; ++j) EXPECT_NE(table[j], table[k]);
  }
  EXPECT_EQ(RuntimeLookupPluginEntrypoint("BevelButton.Bold.Set"), nullptr);
}

TEST(SetterTable, EveryButtonSetsItsTenPropertiesInSlotOrder) {
  InitPluginEntrypoints();
  bound = BevelButtonSetters();
  BevelButtonSetters() = recordingTable(std::make_index_sequence<10>());
  calls.clear();
  RuntimeInit(std::make_unique<HeadlessBackend>());
  Fenster1::instance();
  RuntimeExit();
  BevelButtonSetters() = bound;

  const std::vector<std::string> captions{"1", "2", "3", "4", "5", "6", "7",
                                          "8", "9", "Test", "Nehmen", "Reset", "Debug", "Start"};
  ASSERT_EQ(calls.size(), captions.size() * 10);
  for (std::size_t b = 0; b < captions.size(); ++b) {
    const std::string name = "BevelButton" + std::to_string(b + 1);
    const std::vector<PropertyValue> values{captions[b], std::int64_t{3}, std::int64_t{1}, std::int64_t{0},
                                            std::int64_t{0}, std::int64_t{0}, std::int64_t{0}, std::int64_t{0},
                                            std::int64_t{0}, std::string("System")};
    for (std::size_t k = 0; k < 10; ++k) {
      const SetterCall& call = calls[b * 10 + k];
      EXPECT_EQ(call.slot, k) << name;
      EXPECT_EQ(call.button, name);
      EXPECT_EQ(call.value, values[k]) << name << " slot " << k;
    }
  }
}

}  // namespace
