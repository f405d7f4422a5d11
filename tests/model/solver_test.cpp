// The backtracking solver: what it finds, what it says, what it leaves on the board.
#include <cstdint>

#include "support/fixture.h"

namespace {

// The smallest solution of the empty grid in row-major order.
const std::string kSolved =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
const std::string kPuzzle =
    "000274001030500002600100000000830007000010000000406000080040600003008070007020104";
const std::string kPuzzleSolution =
    "859274361731569842624183759596832417348917526172456938285741693413698275967325184";

std::vector<std::string> rowsOf(const std::string& cells) {
  std::vector<std::string> rows;
  for (std::size_t r = 0; r < 9; ++r) rows.push_back(cells.substr(r * 9, 9));
  return rows;
}

// `cells` with the cell of row r, column c set to ch.
std::string with(std::string cells, int r, int c, char ch) {
  return cells.replace(static_cast<std::size_t>((r - 1) * 9 + c - 1), 1, 1, ch);
}

StringArray gridOf(const std::string& cells) {
  StringArray grid(11);
  for (std::size_t r = 1; r <= 9; ++r) grid[r] = "0" + cells.substr((r - 1) * 9, 9);
  return grid;
}

class SolverTest : public GameTest {
 protected:
  std::vector<std::uint32_t> pixels() {
    const Raster& r = canvas();
    return {r.data(), r.data() + static_cast<std::size_t>(r.deviceWidth() * r.deviceHeight())};
  }

  // The board after the board's own full repaint of `grid` in the solver's colour; the canvas
  // is left so.
  std::vector<std::uint32_t> fullRepaint(const StringArray& grid) {
    const StringArray feld = win().feld;
    const Color colour = win().cur_Color;
    win().feld = grid;
    win().cur_Color = Color{100, 0, 0};
    win().draw_numbers();
    win().feld = feld;
    win().cur_Color = colour;
    return pixels();
  }

  std::string orgCells() {
    std::string s;
    for (std::size_t r = 1; r <= 9; ++r) s += win().org[r].substr(1);
    return s;
  }

  // Paints black fives on every cell and a frame, so that a repaint that skips a cell shows.
  void scribble() {
    const StringArray feld = win().feld;
    win().feld = gridOf(std::string(81, '5'));
    win().draw_numbers();
    win().feld = feld;
    win().mark_square(4, 4);
  }

  // Runs "Lösen" and returns how many repaints it made (each repaint flushes once).
  long long solve() {
    const long long before = backend().flushes;
    EXPECT_FALSE(win().AblageLsen_Action());
    return backend().flushes - before;
  }
};

TEST_F(SolverTest, UniquePuzzleIsSolvedShownAndAnnounced) {
  setGrid(rowsOf(kPuzzle));
  scribble();
  solve();
  EXPECT_EQ(feldCells(), kPuzzleSolution);
  EXPECT_EQ(orgCells(), kPuzzle);
  EXPECT_TRUE(win().flag_bruteSolved);
  EXPECT_EQ(backend().beeps, 1);
  ASSERT_EQ(backend().messages.size(), 1u);
  EXPECT_EQ(backend().messages[0].text, "Gelöst ...");
  const auto shown = pixels();
  EXPECT_EQ(shown, fullRepaint(gridOf(kPuzzleSolution)));
}

TEST_F(SolverTest, SmallestSolutionInRowMajorOrderIsFound) {
  // The empty grid, and a grid short of a rectangle of four cells whose two digits can swap.
  std::string rectangle = kSolved;
  for (const auto& [r, c] : {std::pair{1, 1}, {1, 2}, {4, 1}, {4, 2}}) rectangle = with(rectangle, r, c, '0');
  for (const std::string& start : {std::string(81, '0'), rectangle}) {
    SetUp();
    setGrid(rowsOf(start));
    solve();
    EXPECT_EQ(feldCells(), kSolved) << start;
    EXPECT_EQ(backend().messages.size(), 1u);
  }
}

TEST_F(SolverTest, FullGridIsReportedSolvedAtOnce) {
  // Whether or not its digits agree: each cell is passed as settled, one repaint each.
  for (const std::string& full : {kSolved, std::string(81, '1')}) {
    SetUp();
    setGrid(rowsOf(full));
    EXPECT_EQ(solve(), 81);
    EXPECT_EQ(feldCells(), full);
    EXPECT_TRUE(win().flag_bruteSolved);
    EXPECT_EQ(backend().beeps, 1);
    ASSERT_EQ(backend().messages.size(), 1u);
    EXPECT_EQ(backend().messages[0].text, "Gelöst ...");
  }
}

TEST_F(SolverTest, UnsolvableGridEndsSilentlyAndShowsTheStart) {
  struct Case {
    const char* what;
    std::string grid;
  };
  const Case cases[] = {
      // (1,9) lacks 9 in its row, and its column holds the 9.
      {"open cell without a digit", "12345678.........9" + std::string(63, '.')},
      // (1,1) to (1,3) may each hold 1 or 2 but need 1, 2 and 3: found only by searching.
      {"contradiction found by the search", "...4567893........" + std::string(63, '.')},
  };
  for (const Case& c : cases) {
    SetUp();
    setGrid(rowsOf(c.grid));
    win().flag_bruteSolved = true;
    const std::string feldBefore = feldCells();
    solve();
    EXPECT_EQ(feldCells(), feldBefore) << c.what;
    EXPECT_FALSE(win().flag_bruteSolved) << c.what;
    EXPECT_EQ(backend().beeps, 0) << c.what;
    EXPECT_TRUE(backend().messages.empty()) << c.what;
    const auto shown = pixels();
    EXPECT_EQ(shown, fullRepaint(gridOf(feldBefore))) << c.what;
  }
}

TEST_F(SolverTest, DeadFirstCellDrawsNothing) {
  setGrid(rowsOf(".12345678" + std::string(9, '.') + "9" + std::string(62, '.')));
  scribble();
  const auto before = pixels();
  EXPECT_EQ(solve(), 0);
  EXPECT_EQ(pixels(), before);
  EXPECT_TRUE(backend().messages.empty());
}

TEST_F(SolverTest, SingleCandidateCellIsPlacedLikeAnyOther) {
  // (1,1) can only be 1 and (4,2) only 1; (1,2) could be 1 or 2 were (1,1) left empty.
  std::string grid = with(with(with(kSolved, 1, 1, '0'), 1, 2, '0'), 4, 2, '0');
  setGrid(rowsOf(grid));
  solve();
  EXPECT_EQ(feldCells(), kSolved);
  ASSERT_EQ(backend().messages.size(), 1u);
  EXPECT_EQ(backend().messages[0].text, "Gelöst ...");
}

TEST_F(SolverTest, TestedTrialIsIgnoredAndItsSetsKept) {
  struct Case {
    const char* what;
    std::string org;
    std::string feld;  // org with the trial's digits
    std::string solution;
    std::string enabledDigits;  // the candidates of (9,9) in org
  };
  const std::string lastOpen = with(kSolved, 9, 9, '0');
  const Case cases[] = {
      {"wrong trial digit", kPuzzle, with(kPuzzle, 1, 1, '5'), kPuzzleSolution, ""},
      {"trial in the last cell", lastOpen, kSolved, kSolved, "2"},
  };
  for (const Case& c : cases) {
    SetUp();
    setGrid(rowsOf(c.org));
    for (std::size_t r = 1; r <= 9; ++r) win().feld[r] = "0" + c.feld.substr((r - 1) * 9, 9);
    win().check_lines_and_rows();
    win().check_trios();
    const Fenster1& w = win();
    const StringArray zeile = w.pos_zeile, spalte = w.pos_spalte, trio = w.pos_trio, trios = w.all_trios;
    solve();
    EXPECT_EQ(feldCells(), c.solution) << c.what;
    EXPECT_EQ(orgCells(), c.org) << c.what;
    EXPECT_EQ(backend().messages.size(), 1u) << c.what;
    EXPECT_EQ(w.pos_zeile, zeile) << c.what;
    EXPECT_EQ(w.pos_spalte, spalte) << c.what;
    EXPECT_EQ(w.pos_trio, trio) << c.what;
    EXPECT_EQ(w.all_trios, trios) << c.what;
    for (int b = 1; b <= 12; ++b) {
      const bool expected = b <= 9 && c.enabledDigits.find(static_cast<char>('0' + b)) != std::string::npos;
      EXPECT_EQ(enabled("BevelButton" + std::to_string(b)), expected) << c.what << " button " << b;
    }
  }
}

TEST_F(SolverTest, RepaintLeavesTheBoardAsAFullRepaintWould) {
  scribble();
  StringArray grid = gridOf(std::string(81, '0'));
  const auto step = [&](const char* what) {
    win().brute_draw_numbers(grid);
    const auto shown = pixels();
    EXPECT_EQ(shown, fullRepaint(grid)) << what;
  };
  step("first repaint over a scribbled board");
  grid[1][1] = '7';
  step("a digit placed");
  grid[9][9] = '3';
  grid[5][4] = '9';
  step("two digits placed");
  grid[1][1] = '0';
  step("a digit taken back");
  grid[5][4] = '2';
  step("a digit changed");
  grid[2] = "012345678";  // one cell short: eight cells painted, the ninth left as it was
  step("a short row");
  grid[2] = "0000000001";
  step("the row whole again");
}

TEST_F(SolverTest, EverySearchStartsWithAFullRepaint) {
  // The second search passes the same digits as the first left on the board; what was drawn
  // in between must not survive it.
  setGrid(rowsOf(with(kSolved, 5, 5, '0')));
  solve();
  win().cur_Color = Color{0, 0, 0};
  win().draw_numbers();
  win().mark_square(2, 2);
  setGrid(rowsOf(kSolved));
  solve();
  const auto shown = pixels();
  EXPECT_EQ(shown, fullRepaint(gridOf(kSolved)));
}

TEST_F(SolverTest, RowStringsOfOtherLengthsAreReadWithinBounds) {
  // Only a damaged game could hold such rows; the search must stay inside them.
  for (const char* odd : {"", "0", "0123", "012345678", "01234567891", "0000000000000000000000"}) {
    SetUp();
    setGrid(rowsOf(with(kSolved, 9, 9, '0')));
    win().org[9] = odd;
    win().feld[9] = odd;
    solve();
    EXPECT_EQ(win().org[9], odd);
  }
}

}  // namespace
