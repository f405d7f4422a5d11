// Menu item accessors and the enabling rule.
#include "model/fenster1.h"

void Fenster1::EnableMenuItems() {}
MenuItem* Fenster1::AblageMenu() { return nullptr; }
MenuItem* Fenster1::BearbeitenMenu() { return nullptr; }
MenuItem* Fenster1::BearbeitenWiderrufen() { return nullptr; }
MenuItem* Fenster1::BearbeitenAusschneiden() { return nullptr; }
MenuItem* Fenster1::BearbeitenKopieren() { return nullptr; }
MenuItem* Fenster1::BearbeitenEinfügen() { return nullptr; }
MenuItem* Fenster1::BearbeitenLöschen() { return nullptr; }
MenuItem* Fenster1::BearbeitenAllesaufAnfang() { return nullptr; }
QuitMenuItem* Fenster1::AblageBeenden() { return nullptr; }
AppleMenuItem* Fenster1::AblageberBSudoku() { return nullptr; }
MenuItem* Fenster1::AblageNeuesSpiel() { return nullptr; }
MenuItem* Fenster1::AblageLaden() { return nullptr; }
MenuItem* Fenster1::AblageSpeichern() { return nullptr; }
MenuItem* Fenster1::AblageLsen() { return nullptr; }
MenuItem* Fenster1::AblageSeiteeinrichten() { return nullptr; }
MenuItem* Fenster1::AblageDrucken() { return nullptr; }
