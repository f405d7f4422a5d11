// The backtracking solver behind "Lösen": a depth-first search over the cells in row-major
// order that draws every placement and removal on the board.
#include <algorithm>
#include <array>

#include "model/basic.h"
#include "model/fenster1.h"
#include "toolkit/runtime.h"

using namespace basic;

namespace {

const std::string kNoRow;

// Every character as a one-character text, so that trying a digit builds no string.
const std::array<std::string, 256> kOneChar = [] {
  std::array<std::string, 256> texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = std::string(1, static_cast<char>(i));
  return texts;
}();

// Row r of a solver grid, or an empty text outside it (the hot path's own Elem, which the
// compiler inlines).
inline const std::string& rowOf(const StringArray& grid, int r) {
  return r >= 0 && static_cast<std::size_t>(r) < grid.size() ? grid[static_cast<std::size_t>(r)] : kNoRow;
}

// The character at position `pos` (1-based) of s, or -1 when there is none.
inline int charAt(const std::string& s, long pos) {
  return pos >= 1 && static_cast<std::size_t>(pos) <= s.size() ? static_cast<unsigned char>(s[static_cast<std::size_t>(pos - 1)])
                                                                : -1;
}

// True for the characters that a repaint draws in their cell: "1" to "9".
inline bool isDigit(char c) { return c >= '1' && c <= '9'; }

// Marks the digits 1 to 9 that occur among the characters of `text`.
void markDigits(std::string_view text, std::array<bool, 10>& present) {
  for (char c : text) {
    if (isDigit(c)) present[static_cast<std::size_t>(c - '0')] = true;
  }
}

// The candidate string of the cell at (column, row) of `grid`, by the rules that ret_possible
// applies to feld: the digits, in ascending order, that occur neither in the row string (its
// pad included), nor in the column, nor in the box; "Fehler" for a cell that is not empty.
// The search computes them from the committed grid without touching feld or its sets.
std::string candidatesIn(const StringArray& grid, int column, int row) {
  if (CharAt(Elem(grid, row), column + 1) != "0") return "Fehler";
  std::array<bool, 10> present{};
  markDigits(Elem(grid, row), present);
  for (int r = 1; r <= 9; ++r) markDigits(CharAt(Elem(grid, r), column + 1), present);
  const int top = 3 * ((row - 1) / 3) + 1;
  const int start = 3 * ((column - 1) / 3) + 2;
  for (int r = top; r < top + 3; ++r) markDigits(Mid(Elem(grid, r), start, 3), present);
  std::string result;
  for (char d = '1'; d <= '9'; ++d) {
    if (!present[static_cast<std::size_t>(d - '0')]) result += d;
  }
  return result;
}

// Writes one cell of a solver grid row: its first `column` characters, the digit, its last
// 9 − column characters. A row string of the usual ten characters is written in place, so the
// search allocates nothing.
void writeCell(StringArray& grid, int row, int column, char digit) {
  if (row < 0 || static_cast<std::size_t>(row) >= grid.size()) return;
  std::string& line = grid[static_cast<std::size_t>(row)];
  if (line.size() == 10) {
    line[static_cast<std::size_t>(column)] = digit;
  } else {
    line = SpliceCell(line, column, std::string_view(&digit, 1));
  }
}

}  // namespace

bool Fenster1::AblageLsen_Action() {
  brute_start();
  return false;
}

void Fenster1::brute_start() {
  StringArray candidates(83);
  StringArray grid(11);
  for (int row = 1; row <= 9; ++row) {
    SetElem(grid, row, Elem(org, row));
    RuntimeBackgroundTask();
  }
  // The candidates come from the committed grid, which the search starts from: during a tested
  // trial feld holds digits that org does not, and those must neither count as settled cells
  // nor narrow the other cells' candidates.
  std::string last;
  for (int row = 1; row <= 9; ++row) {
    for (int column = 1; column <= 9; ++column) {
      last = candidatesIn(grid, column, row);
      SetElem(candidates, (row - 1) * 9 + column,
              last == "Fehler" ? std::string(CharAt(Elem(grid, row), column + 1)) : last);
      RuntimeBackgroundTask();
    }
    RuntimeBackgroundTask();
  }
  // The digit buttons end as the candidates of the last cell examined leave them.
  activate_beavels(last);
  flag_bruteSolved = false;
  brute_painted.fill(BrutePaintedRow{});
  brute_recursion(candidates, 1, grid);
}

void Fenster1::brute_recursion(StringArray& candidates, int n, StringArray& grid) {
  const int row = (n - 1) / 9 + 1;
  const int column = (n - 1) % 9 + 1;
  const std::string& e = rowOf(candidates, n);
  if (e.empty()) return;  // an open cell without any possible digit: this branch is dead
  if (charAt(rowOf(grid, row), column + 1) == '0') {
    // An open cell: each candidate in turn, a single one as well, so that no cell of a
    // reported solution stays empty.
    for (const char c : e) {
      if (brute_ret_possible(column, row, grid, kOneChar[static_cast<unsigned char>(c)])) {
        writeCell(grid, row, column, c);
        brute_draw_numbers(grid);
        if (n == 81) {
          brute_solved(grid);
          RuntimeBeep();
          RuntimeMsgBox("Gelöst ...");
        }
        if (!flag_bruteSolved) {
          if (n < 82) brute_recursion(candidates, n + 1, grid);
          if (!flag_bruteSolved) {
            writeCell(grid, row, column, '0');
            brute_draw_numbers(grid);
          }
        }
      }
      RuntimeBackgroundTask();
    }
    return;
  }
  // A settled cell: nothing is placed or tested.
  brute_draw_numbers(grid);
  if (n == 81) {
    brute_solved(grid);
    RuntimeBeep();
    RuntimeMsgBox("Gelöst ...");
  }
  if (!flag_bruteSolved && n < 82) brute_recursion(candidates, n + 1, grid);
}

bool Fenster1::brute_ret_possible(int column, int row, const StringArray& grid, const std::string& digit) {
  if (digit.size() != 1) return false;  // only ever one digit
  const int d = static_cast<unsigned char>(digit[0]);
  const std::string& line = rowOf(grid, row);
  if (charAt(line, column + 1) != '0') return false;
  if (line.find(digit[0]) != std::string::npos) return false;
  for (int r = 1; r <= 9; ++r) {
    if (charAt(rowOf(grid, r), column + 1) == d) return false;
  }
  const int top = 3 * ((row - 1) / 3) + 1;
  const int start = 3 * ((column - 1) / 3) + 2;
  for (int r = top; r < top + 3; ++r) {
    const std::string& s = rowOf(grid, r);
    for (int p = start; p < start + 3; ++p) {
      if (charAt(s, p) == d) return false;
    }
  }
  return true;
}

// Paints what a full repaint of the grid in the solver's colour would paint, but only the cells
// whose character differs from what the last repaint of this search left there: a cell's pixels
// depend on its character alone. The yields, the showing of the window and the flush stay.
void Fenster1::brute_draw_numbers(const StringArray& grid) {
  Graphics* g = canvasGraphicsGetter(RuntimeControlReference(this, "Canvas1"));
  const Color background = RuntimeRGB(236, 236, 236);
  const Color digits = RuntimeRGB(100, 0, 0);
  for (int i = 1; i <= 9; ++i) {
    const std::string& row = rowOf(grid, i);
    BrutePaintedRow& painted = brute_painted[static_cast<std::size_t>(i - 1)];
    const bool usual = row.size() == painted.cells.size();
    if (usual && painted.known && std::equal(painted.cells.begin(), painted.cells.end(), row.begin())) {
      RuntimeBackgroundTask();
      continue;
    }
    const long columns = static_cast<long>(row.size()) - 1;  // the pad is never drawn
    for (long c = 1; c <= columns; ++c) {
      const std::size_t at = static_cast<std::size_t>(c);
      const char ch = row[at];
      if (usual && painted.known && painted.cells[at] == ch) continue;
      // A cell that this search left without a digit is grey all over already: clearing it
      // again would change no pixel, and a placement is the most frequent repaint.
      const bool grey = painted.known && !isDigit(painted.cells[at]);
      if (!grey) {
        RuntimeShowWindow(this);
        graphicsPenHeightSetter(g, 1);
        graphicsPenWidthSetter(g, 1);
        graphicsForeColorSetter(g, background);
        RuntimeGraphicsFillRect(g, static_cast<int>((c - 1) * 30 + 1), (i - 1) * 30 + 1, 29, 29);
      }
      if (isDigit(ch)) {
        RuntimeShowWindow(this);
        graphicsPenHeightSetter(g, 1);
        graphicsPenWidthSetter(g, 1);
        graphicsForeColorSetter(g, digits);
        RuntimeGraphicsDrawString(g, std::string_view(&row[at], 1), static_cast<int>((c - 1) * 30 + 11), i * 30 - 11, 0);
      }
      RuntimeShowWindow(this);
      RuntimeBackgroundTask();
    }
    painted.known = usual;
    if (usual) std::copy(row.begin(), row.end(), painted.cells.begin());
    RuntimeBackgroundTask();
  }
  WindowForceUpdateFrontBuffer(this);
  RuntimeShowWindow(this);
}

void Fenster1::brute_solved(const StringArray& grid) {
  for (int row = 1; row <= 9; ++row) {
    SetElem(feld, row, Elem(grid, row));
    RuntimeBackgroundTask();
  }
  flag_bruteSolved = true;
}
