// Puzzle files of the benchmark: one puzzle per line, read whole and checked before any is run.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace bench {

// The puzzles of a file, each as 81 characters "0" to "9" in reading order ("0" is empty), or
// the German text of the first fault with its line number.
struct PuzzleList {
  std::vector<std::string> puzzles;
  std::optional<std::string> error;
};

// Reads the lines of `in`: blank lines are skipped, a line's carriage return before its end is
// dropped, and every other line holds 81 characters, each a digit or "." for an empty cell, with
// no given repeated in a row, a column or a box (the game would refuse it).
PuzzleList readPuzzles(std::istream& in);

}  // namespace bench
