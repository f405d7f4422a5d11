// The debug listing: the start position, the working grid and every missing-digit set written
// into the move-log field.
#include <string>

#include "model/basic.h"
#include "model/fenster1.h"
#include "toolkit/runtime.h"

using namespace basic;

namespace {

// Appends to the field's current text, as every line of the listing is added.
void append(Control* field, const std::string& text) { editTextSetter(field, editTextGetter(field) + text); }

}  // namespace

void Fenster1::BevelButton13_Action() {
  Control* field = RuntimeControlReference(this, "EditField1");
  editTextSetter(field, "");
  const std::string& start = Elem(Undo_Memory, 0);
  for (int k = 1; k <= 90; k += 10) {
    append(field, Mid(start, k, 10) + "\r");
    RuntimeBackgroundTask();
  }
  struct Block {
    const char* label;
    const StringArray& values;
  };
  const Block blocks[] = {
      {"Feld: ", feld}, {"PZeile: ", pos_zeile}, {"PSpalte: ", pos_spalte}, {"Trio: ", all_trios}, {"PTrio: ", pos_trio},
  };
  for (const Block& block : blocks) {
    append(field, "\r");
    for (int i = 1; i <= 9; ++i) {
      append(field, block.label + Elem(block.values, i) + "\r");
      RuntimeBackgroundTask();
    }
  }
  append(field, "\r");
}
