// The main window's menu item accessors and its enabling rule.
#include <string_view>

#include "model/fenster1.h"
#include "toolkit/menu_ops.h"

namespace {

// The item of that name in the window's menu bar, as the accessor's class; nullptr when the
// window has no menu bar or the item is missing or of another class, and every menu
// operation ignores nullptr.
template <class T>
T* item(Window* window, std::string_view name, std::string_view className) {
  return RuntimeCheckCast<T>(RuntimeMenuItemLookup(WindowMenuBarGetter(window), name), RuntimeLookupClass(className));
}

}  // namespace

MenuItem* Fenster1::AblageMenu() { return item<MenuItem>(this, "AblageMenu", "MenuItem"); }
MenuItem* Fenster1::BearbeitenMenu() { return item<MenuItem>(this, "BearbeitenMenu", "MenuItem"); }
MenuItem* Fenster1::BearbeitenWiderrufen() { return item<MenuItem>(this, "BearbeitenWiderrufen", "MenuItem"); }
MenuItem* Fenster1::BearbeitenAusschneiden() { return item<MenuItem>(this, "BearbeitenAusschneiden", "MenuItem"); }
MenuItem* Fenster1::BearbeitenKopieren() { return item<MenuItem>(this, "BearbeitenKopieren", "MenuItem"); }
MenuItem* Fenster1::BearbeitenEinfügen() { return item<MenuItem>(this, "BearbeitenEinfügen", "MenuItem"); }
MenuItem* Fenster1::BearbeitenLöschen() { return item<MenuItem>(this, "BearbeitenLöschen", "MenuItem"); }
MenuItem* Fenster1::BearbeitenAllesaufAnfang() { return item<MenuItem>(this, "BearbeitenAllesaufAnfang", "MenuItem"); }
QuitMenuItem* Fenster1::AblageBeenden() { return item<QuitMenuItem>(this, "AblageBeenden", "QuitMenuItem"); }
AppleMenuItem* Fenster1::AblageberBSudoku() { return item<AppleMenuItem>(this, "AblageberBSudoku", "AppleMenuItem"); }
MenuItem* Fenster1::AblageNeuesSpiel() { return item<MenuItem>(this, "AblageNeuesSpiel", "MenuItem"); }
MenuItem* Fenster1::AblageLaden() { return item<MenuItem>(this, "AblageLaden", "MenuItem"); }
MenuItem* Fenster1::AblageSpeichern() { return item<MenuItem>(this, "AblageSpeichern", "MenuItem"); }
MenuItem* Fenster1::AblageLsen() { return item<MenuItem>(this, "AblageLsen", "MenuItem"); }
MenuItem* Fenster1::AblageSeiteeinrichten() { return item<MenuItem>(this, "AblageSeiteeinrichten", "MenuItem"); }
MenuItem* Fenster1::AblageDrucken() { return item<MenuItem>(this, "AblageDrucken", "MenuItem"); }

// Undo needs a taken move (a second snapshot); the return to the start needs one too, or a
// solution found by the solver. The other game commands are always available.
void Fenster1::EnableMenuItems() {
  const bool moveTaken = Undo_Counter > 1;
  RuntimeMenuItemEnabledSetter(BearbeitenWiderrufen(), moveTaken);
  RuntimeMenuItemEnabledSetter(BearbeitenAllesaufAnfang(), moveTaken);
  if (flag_bruteSolved) RuntimeMenuItemEnabledSetter(BearbeitenAllesaufAnfang(), true);
  RuntimeMenuItemEnabledSetter(AblageNeuesSpiel(), true);
  RuntimeMenuItemEnabledSetter(AblageLsen(), true);
  RuntimeMenuItemEnabledSetter(AblageSpeichern(), true);
  RuntimeMenuItemEnabledSetter(AblageLaden(), true);
  RuntimeMenuItemEnabledSetter(AblageberBSudoku(), true);
}
