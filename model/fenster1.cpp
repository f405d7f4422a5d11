// Creation of the main window object and its one instance.
#include "model/fenster1.h"

#include "toolkit/runtime.h"

Fenster1::Fenster1()
    : pos_zeile(11), pos_spalte(11), feld(11), pos_trio(11), org(11), all_trios(11), Undo_Memory(101) {
  implicitName = "Fenster1";
}

Fenster1::~Fenster1() = default;

Fenster1& Fenster1::instance() {
  if (Window* w = RuntimeGetImplicitWindow("Fenster1")) return static_cast<Fenster1&>(*w);
  return static_cast<Fenster1&>(*WindowDefaultConstructor(std::make_unique<Fenster1>()));
}
