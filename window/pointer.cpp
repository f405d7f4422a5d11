// Pointer input on the board: a click selects a cell, the pointer's tooltip shows candidates.
#include "model/basic.h"
#include "model/fenster1.h"
#include "toolkit/runtime.h"

using namespace basic;

namespace {

// The row or column of a canvas coordinate: 30-pixel cells, the strip right of and below the
// grid counts as the last cell. Coordinates never fall below the canvas, and a stray negative
// one still names the first cell rather than a row that does not exist.
int cellOf(int pixel) {
  const int n = static_cast<int>(pixel / 30.0 + 1);
  if (n > 9) return 9;
  if (n < 1) return 1;
  return n;
}

// The candidate string of a cell, like ret_possible but without touching the buttons.
std::string candidatesOf(const Fenster1& w, int row, int column) {
  if (CharAt(Elem(w.feld, row), column + 1) != "0") return "Fehler";
  std::string kept;
  for (char d : Elem(w.pos_zeile, row)) {
    if (InStr(Elem(w.pos_spalte, column), std::string_view(&d, 1)) != 0) kept += d;
    RuntimeBackgroundTask();
  }
  const std::string& box = Elem(w.all_trios, BoxOf(row, column));
  std::string result;
  for (char d : kept) {
    if (InStr(box, std::string_view(&d, 1)) == 0) result += d;
    RuntimeBackgroundTask();
  }
  return result;
}

}  // namespace

bool Fenster1::Canvas1_MouseDown(int x, int y) {
  const int row = cellOf(y);
  const int column = cellOf(x);
  const std::string s = candidatesOf(*this, row, column);
  if (glob_z != 0 && glob_s != 0 && s != "Fehler") {
    reset_field();  // a pending trial is thrown back
    glob_z = 0;
    glob_s = 0;
    draw_numbers();
  }
  activate_beavels(s);
  if (s != "Fehler") {
    mark_square(row, column);
    glob_z = row;
    glob_s = column;
  }
  return false;
}

void Fenster1::Canvas1_MouseMove(int x, int y) {
  const std::string s = candidatesOf(*this, cellOf(y), cellOf(x));
  controlHelpTagSetter(RuntimeControlReference(this, "Canvas1"), s == "Fehler" ? std::string() : "Hier geht " + s);
}
