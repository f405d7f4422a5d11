// The menu tree, the item accessors and the enabling rule of the main window.
#include <string>
#include <vector>

#include "app/menubar.h"
#include "support/fixture.h"
#include "toolkit/events.h"
#include "toolkit/menu_ops.h"

namespace {

class MenuTest : public GameTest {};

std::string classOf(const MenuItem& item) {
  if (dynamic_cast<const QuitMenuItem*>(&item)) return "QuitMenuItem";
  if (dynamic_cast<const AppleMenuItem*>(&item)) return "AppleMenuItem";
  return "MenuItem";
}

struct Row {
  std::string name, className, caption, key;
  bool enabled;
};

TEST_F(MenuTest, TreeHasExactlyTheItemsOfBothMenusInOrder) {
  const std::vector<Row> ablage{
      {"AblageBeenden", "QuitMenuItem", "Beenden", "Q", true},
      {"AblageberBSudoku", "AppleMenuItem", "Über BrovaneSudoku", "", true},
      {"", "AppleMenuItem", "-", "", true},
      {"AblageNeuesSpiel", "MenuItem", "Neues Spiel" + std::string(10, ' '), "N", true},
      {"", "MenuItem", "-", "", true},
      {"AblageLaden", "MenuItem", "Laden", "O", true},
      {"AblageSpeichern", "MenuItem", "Speichern" + std::string(3, ' '), "S", true},
      {"", "MenuItem", "-", "", true},
      {"AblageLsen", "MenuItem", "Lösen", "R", true},
      {"", "MenuItem", "-", "", true},
      {"AblageSeiteeinrichten", "MenuItem", "Seite einrichten ", "", true},
      {"AblageDrucken", "MenuItem", "Drucken" + std::string(15, ' '), "P", true},
  };
  const std::vector<Row> bearbeiten{
      {"BearbeitenWiderrufen", "MenuItem", "&Widerrufen", "Z", false},
      {"", "MenuItem", "-", "", true},
      {"BearbeitenAusschneiden", "MenuItem", "&Ausschneiden", "X", true},
      {"BearbeitenKopieren", "MenuItem", "&Kopieren", "C", true},
      {"BearbeitenEinfügen", "MenuItem", "&Einfügen", "V", true},
      {"BearbeitenLöschen", "MenuItem", "Löschen", "", true},
      {"", "MenuItem", "-", "", true},
      {"BearbeitenAllesaufAnfang", "MenuItem", "Alles auf Anfang ", "", true},
  };
  // A fresh tree, as its constructor builds it, before any enabling rule has run.
  Menüleiste1 bar;
  ASSERT_EQ(bar.children.size(), 2u);
  const std::vector<Row> menus{{"AblageMenu", "MenuItem", "&Ablage", "", true},
                               {"BearbeitenMenu", "MenuItem", "&Bearbeiten", "", true}};
  const std::vector<Row>* items[] = {&ablage, &bearbeiten};
  for (std::size_t m = 0; m < 2; ++m) {
    const MenuItem& menu = *bar.children[m];
    EXPECT_EQ(menu.name, menus[m].name);
    EXPECT_EQ(menu.caption, menus[m].caption);
    EXPECT_EQ(classOf(menu), "MenuItem");
    EXPECT_TRUE(menu.key.empty());
    EXPECT_EQ(menu.parent, &bar);
    ASSERT_EQ(menu.children.size(), items[m]->size()) << menu.name;
    for (std::size_t i = 0; i < menu.children.size(); ++i) {
      const MenuItem& item = *menu.children[i];
      const Row& want = (*items[m])[i];
      SCOPED_TRACE(menu.name + " item " + std::to_string(i + 1));
      EXPECT_EQ(item.name, want.name);
      EXPECT_EQ(classOf(item), want.className);
      EXPECT_EQ(item.caption, want.caption);
      EXPECT_EQ(item.key, want.key);
      EXPECT_EQ(item.enabled, want.enabled);
      EXPECT_EQ(item.isSeparator(), want.name.empty());
      EXPECT_TRUE(item.children.empty());
    }
  }
}

TEST_F(MenuTest, OneMenuBarSharedByWindowAndRun) {
  EXPECT_EQ(win().menuBar, &Menüleiste1::instance());
  EXPECT_EQ(&Menüleiste1::instance(), &Menüleiste1::instance());
}

TEST_F(MenuTest, AccessorsFindTheirItemsAsTheirClass) {
  Fenster1& w = win();
  const std::vector<std::pair<MenuItem*, std::string>> items{
      {w.AblageMenu(), "AblageMenu"},
      {w.BearbeitenMenu(), "BearbeitenMenu"},
      {w.BearbeitenWiderrufen(), "BearbeitenWiderrufen"},
      {w.BearbeitenAusschneiden(), "BearbeitenAusschneiden"},
      {w.BearbeitenKopieren(), "BearbeitenKopieren"},
      {w.BearbeitenEinfügen(), "BearbeitenEinfügen"},
      {w.BearbeitenLöschen(), "BearbeitenLöschen"},
      {w.BearbeitenAllesaufAnfang(), "BearbeitenAllesaufAnfang"},
      {w.AblageBeenden(), "AblageBeenden"},
      {w.AblageberBSudoku(), "AblageberBSudoku"},
      {w.AblageNeuesSpiel(), "AblageNeuesSpiel"},
      {w.AblageLaden(), "AblageLaden"},
      {w.AblageSpeichern(), "AblageSpeichern"},
      {w.AblageLsen(), "AblageLsen"},
      {w.AblageSeiteeinrichten(), "AblageSeiteeinrichten"},
      {w.AblageDrucken(), "AblageDrucken"},
  };
  for (const auto& [item, name] : items) {
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->name, name);
  }
  // Without a menu bar every accessor yields nothing, and enabling through it is harmless.
  MenuBar* bar = w.menuBar;
  WindowMenuBarSetter(&w, nullptr);
  EXPECT_EQ(w.AblageBeenden(), nullptr);
  EXPECT_EQ(w.BearbeitenWiderrufen(), nullptr);
  w.EnableMenuItems();
  WindowMenuBarSetter(&w, bar);
}

TEST_F(MenuTest, EnablingRuleFollowsUndoCounterAndSolverFlag) {
  struct Case {
    int undo;
    bool solved;
    bool undoEnabled;
    bool restartEnabled;
  };
  const Case cases[] = {
      {0, false, false, false}, {1, false, false, false}, {0, true, false, true},
      {1, true, false, true},   {2, false, true, true},   {7, true, true, true},
  };
  Fenster1& w = win();
  // At start (entry mode) neither undo nor restart is offered.
  EXPECT_FALSE(w.BearbeitenWiderrufen()->enabled);
  EXPECT_FALSE(w.BearbeitenAllesaufAnfang()->enabled);
  for (const Case& c : cases) {
    // The always-available commands come back whatever their state was.
    for (MenuItem* item : {w.AblageNeuesSpiel(), w.AblageLsen(), w.AblageSpeichern(), w.AblageLaden(),
                           static_cast<MenuItem*>(w.AblageberBSudoku())}) {
      RuntimeMenuItemEnabledSetter(item, false);
    }
    // Items outside the rule keep what they have.
    RuntimeMenuItemEnabledSetter(w.AblageDrucken(), false);
    w.Undo_Counter = c.undo;
    w.flag_bruteSolved = c.solved;
    enableMenuItems();
    SCOPED_TRACE("Undo_Counter " + std::to_string(c.undo) + (c.solved ? ", solved" : ""));
    EXPECT_EQ(w.BearbeitenWiderrufen()->enabled, c.undoEnabled);
    EXPECT_EQ(w.BearbeitenAllesaufAnfang()->enabled, c.restartEnabled);
    EXPECT_TRUE(w.AblageNeuesSpiel()->enabled);
    EXPECT_TRUE(w.AblageLsen()->enabled);
    EXPECT_TRUE(w.AblageSpeichern()->enabled);
    EXPECT_TRUE(w.AblageLaden()->enabled);
    EXPECT_TRUE(w.AblageberBSudoku()->enabled);
    EXPECT_FALSE(w.AblageDrucken()->enabled);
    EXPECT_TRUE(w.AblageBeenden()->enabled);
    EXPECT_TRUE(w.BearbeitenKopieren()->enabled);
  }
}

TEST_F(MenuTest, EditingItemsChangeNothing) {
  Fenster1& w = win();
  setGrid({"530070000", "600195000", "098000060", "800060003", "400803001", "700020006", "060000280", "000419005",
           "000080079"});
  editTextSetter(control("EditField1"), "1: Zeile 1\r");
  const auto pixels = [&] {
    return std::vector<std::uint32_t>(canvas().data(), canvas().data() + canvas().deviceWidth() * canvas().deviceHeight());
  };
  const auto before = pixels();
  const auto feld = w.feld;
  const auto org = w.org;
  for (MenuItem* item : {w.BearbeitenAusschneiden(), w.BearbeitenKopieren(), w.BearbeitenEinfügen(),
                         w.BearbeitenLöschen()}) {
    toolkit::chooseMenuItem(w, *item);
  }
  for (char key : {'X', 'C', 'V'}) EXPECT_TRUE(toolkit::commandKey(w, key));
  EXPECT_EQ(w.feld, feld);
  EXPECT_EQ(w.org, org);
  EXPECT_EQ(w.Undo_Counter, 0);
  EXPECT_TRUE(w.edit_mode);
  EXPECT_EQ(editTextGetter(control("EditField1")), "1: Zeile 1\r");
  EXPECT_EQ(backend().beeps, 0);
  EXPECT_TRUE(backend().messages.empty());
  EXPECT_FALSE(toolkit::quitRequested());
  EXPECT_EQ(pixels(), before);
}

}  // namespace
