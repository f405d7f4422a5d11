// The missing-digit sets of every row, column and box, the candidate string of a cell, the
// enabling of the digit buttons from it, and the test for a full board.
#include "model/basic.h"
#include "model/fenster1.h"
#include "toolkit/runtime.h"

using namespace basic;

void Fenster1::check_lines_and_rows() {
  for (int i = 1; i <= 9; ++i) {
    std::string column;
    for (int j = 1; j <= 9; ++j) {
      column += CharAt(Elem(feld, j), i + 1);
      RuntimeBackgroundTask();
    }
    const std::string& row = Elem(feld, i);  // the whole row string: a digit in the pad counts
    std::string rowResult;
    std::string columnResult;
    for (int k = 1; k <= 9; ++k) {
      const std::string digit = Str(k);
      if (InStr(row, digit) == 0) rowResult += digit;
      if (InStr(column, digit) == 0) columnResult += digit;
      RuntimeBackgroundTask();
    }
    SetElem(pos_zeile, i, std::move(rowResult));
    SetElem(pos_spalte, i, std::move(columnResult));
    RuntimeBackgroundTask();
  }
}

void Fenster1::check_trios() {
  for (int b = 1; b <= 9; ++b) {
    const int firstRow = 3 * ((b - 1) / 3) + 1;
    const int position = 3 * ((b - 1) % 3) + 2;
    const std::string box = Mid(Elem(feld, firstRow), position, 3) + Mid(Elem(feld, firstRow + 1), position, 3) +
                            Mid(Elem(feld, firstRow + 2), position, 3);
    std::string missing;
    for (int k = 1; k <= 9; ++k) {
      const std::string digit = Str(k);
      if (InStr(box, digit) == 0) missing += digit;
      RuntimeBackgroundTask();
    }
    SetElem(all_trios, b, box);
    SetElem(pos_trio, b, std::move(missing));
    RuntimeBackgroundTask();
  }
}

std::string Fenster1::ret_possible(int column, int row) {
  std::string result;
  if (CharAt(Elem(feld, row), column + 1) != "0") {
    result = "Fehler";
  } else {
    std::string kept;
    for (char d : Elem(pos_zeile, row)) {
      if (InStr(Elem(pos_spalte, column), std::string_view(&d, 1)) != 0) kept += d;
      RuntimeBackgroundTask();
    }
    const std::string& box = Elem(all_trios, BoxOf(row, column));
    for (char d : kept) {
      if (InStr(box, std::string_view(&d, 1)) == 0) result += d;
      RuntimeBackgroundTask();
    }
  }
  activate_beavels(result);
  return result;
}

void Fenster1::activate_beavels(const std::string& s) {
  for (int i = 1; i <= 12; ++i) controlEnabledSetter(RuntimeControlReference(this, "BevelButton" + Str(i)), false);
  if (s.empty() || s == "Fehler") return;
  for (char c : s) {
    const long value = Val(std::string_view(&c, 1));
    if (value >= 1 && value <= 9) controlEnabledSetter(RuntimeControlReference(this, "BevelButton" + Str(value)), true);
    RuntimeBackgroundTask();
  }
}

void Fenster1::check_won() {
  bool full = true;
  for (int r = 1; r <= 9; ++r) {
    if (InStr(2, Elem(feld, r), "0") != 0) full = false;  // from position 2: the pad is skipped
    RuntimeBackgroundTask();
  }
  if (!full) return;
  RuntimeBeep();
  RuntimeMsgBox("Herzlichen Glückwunsch! Sie haben das Spiel gelöst!");
}
