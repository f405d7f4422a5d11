// The missing-digit sets and the box contents of one row, column and box of a grid, computed
// afresh in a way of their own, for tests that check that the game keeps its sets current.
#pragma once

#include <string>

#include "model/basic.h"
#include "model/fenster1.h"

namespace expected {

struct Sets {
  std::string missingRow;     // digits absent from row i (its pad included)
  std::string missingColumn;  // digits absent from column i
  std::string missingBox;     // digits absent from box i
  std::string box;            // the nine cells of box i, row by row
};

inline Sets setsOf(const StringArray& feld, int i) {
  const auto at = [&](int r, int c) { return std::string(basic::CharAt(basic::Elem(feld, r), c + 1)); };
  const std::string& row = basic::Elem(feld, i);
  std::string column;
  Sets s;
  for (int r = 1; r <= 9; ++r) column += at(r, i);
  const int top = 3 * ((i - 1) / 3) + 1, left = 3 * ((i - 1) % 3) + 1;
  for (int r = top; r < top + 3; ++r) {
    for (int c = left; c < left + 3; ++c) s.box += at(r, c);
  }
  for (char d = '1'; d <= '9'; ++d) {
    if (row.find(d) == std::string::npos) s.missingRow += d;
    if (column.find(d) == std::string::npos) s.missingColumn += d;
    if (s.box.find(d) == std::string::npos) s.missingBox += d;
  }
  return s;
}

}  // namespace expected
