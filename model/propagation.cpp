// Forced-move propagation: one pass over the working grid that fills every cell with exactly
// one possible digit, in green, and stops at the first cell with none.
#include "model/basic.h"
#include "model/fenster1.h"
#include "toolkit/runtime.h"

using namespace basic;

bool Fenster1::find_uniques() {
  bool wrote = false;
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) {
      if (CharAt(Elem(feld, i), j + 1) == "0") {
        std::string kept;
        for (char d : Elem(pos_zeile, i)) {
          if (InStr(Elem(pos_spalte, j), std::string_view(&d, 1)) != 0) kept += d;
          RuntimeBackgroundTask();
        }
        const std::string& boxMissing = Elem(pos_trio, BoxOf(i, j));
        std::string candidates;
        for (char d : kept) {
          if (InStr(boxMissing, std::string_view(&d, 1)) != 0) candidates += d;
          RuntimeBackgroundTask();
        }
        if (candidates.empty()) {
          RuntimeMsgBox("Ein Fehler bei Zeile " + Str(i) + " Spalte " + Str(j));
          return false;  // cells written earlier in this pass stay
        }
        if (candidates.size() == 1) {
          wrote = true;
          RuntimeShowWindow(this);
          Graphics* g = canvasGraphicsGetter(RuntimeControlReference(this, "Canvas1"));
          graphicsPenWidthSetter(g, 1);
          graphicsPenHeightSetter(g, 1);
          graphicsForeColorSetter(g, RuntimeRGB(0, 127, 0));
          RuntimeGraphicsDrawString(g, candidates, (j - 1) * 30 + 11, i * 30 - 11, 0);
          RuntimeShowWindow(this);
          SetElem(feld, i, SpliceCell(Elem(feld, i), j, candidates));
          check_lines_and_rows();
          check_trios();
        }
      }
      RuntimeBackgroundTask();
    }
    RuntimeBackgroundTask();
  }
  return wrote;
}
