// Helpers of the game-flow tests: driving the window as a user would, reading the board.
#pragma once

#include <string>
#include <vector>

#include "support/fixture.h"
#include "toolkit/events.h"
#include "toolkit/glyphs.h"

namespace play {

constexpr Color kBlack{0, 0, 0};
constexpr Color kGrey{236, 236, 236};
constexpr Color kWhite{255, 255, 255};
constexpr Color kFrame{0, 0, 240};
constexpr Color kBlue{0, 0, 255};
constexpr Color kGreen{0, 127, 0};

// Key codes of entry mode.
const std::string kEscape(1, '\x1b');
const std::string kLeft(1, '\x1c');
const std::string kRight(1, '\x1d');
const std::string kUp(1, '\x1e');
const std::string kDown(1, '\x1f');
const std::string kTab(1, '\t');
const std::string kBackspace(1, '\b');

// A classic puzzle that forced cells alone complete, and its solution.
const std::vector<std::string> kSinglesPuzzle = {"003020600", "900305001", "001806400", "008102900", "700000008",
                                                 "006708200", "002609500", "800203009", "005010300"};
const std::string kSinglesSolution =
    "483921657967345821251876493548132976729564138136798245372689514814253769695417382";

const std::vector<std::string> kEmpty(9, "000000000");

class PlayTest : public GameTest {
 protected:
  void key(const std::string& k) { toolkit::dispatchKeyDown(win(), k); }
  void type(const std::string& keys) {
    for (char c : keys) key(std::string(1, c));
  }
  // Presses a button as the user would: only an enabled one acts.
  void press(const std::string& name) { toolkit::dispatchAction(*control(name)); }
  // A click in the middle of a cell.
  void click(int row, int column) { win().Canvas1_MouseDown((column - 1) * 30 + 15, (row - 1) * 30 + 15); }
  // One whole move on the board: select, try, test, take.
  void move(int row, int column, int digit) {
    click(row, column);
    press("BevelButton" + std::to_string(digit));
    press("BevelButton10");
    press("BevelButton11");
  }
  // The empty puzzle in entry mode that opening the window and a new game set up: both grids
  // empty, the cursor on row 1, column 1, "Start" enabled, "Test" and "Reset" disabled.
  void expectEmptyEntryBoard() {
    for (int r = 1; r <= 9; ++r) {
      EXPECT_EQ(win().org[r], "0000000000");
      EXPECT_EQ(win().feld[r], "0000000000");
    }
    EXPECT_TRUE(win().edit_mode);
    EXPECT_EQ(win().glob_z, 1);
    EXPECT_EQ(win().glob_s, 1);
    EXPECT_TRUE(enabled("BevelButton14"));
    EXPECT_FALSE(enabled("BevelButton10"));
    EXPECT_FALSE(enabled("BevelButton12"));
  }
  // The move log.
  std::string log() { return editTextGetter(control("EditField1")); }
  // Both grids from nine rows, then "Start".
  void startWith(const std::vector<std::string>& rows) {
    setGrid(rows);
    press("BevelButton14");
  }

  // The enabled states of BevelButton1 … BevelButton12 as twelve characters, "1" for enabled.
  std::string buttons() {
    std::string s;
    for (int i = 1; i <= 12; ++i) s += enabled("BevelButton" + std::to_string(i)) ? '1' : '0';
    return s;
  }

  // Every ink pixel of digit d, drawn at the cell's digit position, has colour c.
  bool showsDigit(int row, int column, int d, Color c) {
    static const auto glyphs = builtinGlyphs();
    const Glyph& g = glyphs->glyph(static_cast<char32_t>('0' + d));
    const int x0 = (column - 1) * 30 + 11 + g.left;
    const int y0 = row * 30 - 11 - g.top;
    for (int y = 0; y < g.height; ++y)
      for (int x = 0; x < g.width; ++x)
        if (g.mask[static_cast<std::size_t>(y * g.width + x)] != 0 && canvas().pixel(x0 + x, y0 + y) != c) return false;
    return true;
  }
  // No pixel of the cell's inner area has colour c.
  bool noInk(int row, int column, Color c) {
    for (int y = (row - 1) * 30 + 2; y <= (row - 1) * 30 + 28; ++y)
      for (int x = (column - 1) * 30 + 2; x <= (column - 1) * 30 + 28; ++x)
        if (canvas().pixel(x, y) == c) return false;
    return true;
  }
  // The 1-pixel ring just inside the cell's grid lines is colour c all round.
  bool ring(int row, int column, Color c) {
    const int x0 = (column - 1) * 30 + 1;
    const int y0 = (row - 1) * 30 + 1;
    for (int i = 0; i < 29; ++i) {
      if (canvas().pixel(x0 + i, y0) != c || canvas().pixel(x0 + i, y0 + 28) != c) return false;
      if (canvas().pixel(x0, y0 + i) != c || canvas().pixel(x0 + 28, y0 + i) != c) return false;
    }
    return true;
  }
  std::string snapshot(int slot) { return win().Undo_Memory[static_cast<std::size_t>(slot)]; }
  // The 90-character snapshot of nine 9-character rows.
  static std::string snap(const std::vector<std::string>& rows) {
    std::string s;
    for (const auto& r : rows) s += "0" + r;
    return s;
  }
  static std::string cells(const std::vector<std::string>& rows) {
    std::string s;
    for (const auto& r : rows) s += r;
    return s;
  }
};

}  // namespace play
