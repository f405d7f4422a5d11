// Reading and checking the benchmark's puzzle file.
#include "bench/puzzles.h"

#include <array>

namespace bench {

namespace {

bool blank(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; }

// A row, a column or a box: its name and its k-th cell (0 to 8) among the 81.
struct Unit {
  const char* name;
  int (*cell)(int unit, int k);
};
constexpr Unit kUnits[] = {
    {"Zeile", [](int u, int k) { return u * 9 + k; }},
    {"Spalte", [](int u, int k) { return k * 9 + u; }},
    {"Block", [](int u, int k) { return (u / 3 * 3 + k / 3) * 9 + u % 3 * 3 + k % 3; }},
};

// Where a given is repeated in the 81 cells, in words; empty when none is.
std::string repeatedGiven(const std::string& cells) {
  for (const Unit& unit : kUnits) {
    for (int u = 0; u < 9; ++u) {
      std::array<bool, 10> seen{};
      for (int k = 0; k < 9; ++k) {
        const int d = cells[static_cast<std::size_t>(unit.cell(u, k))] - '0';
        if (d == 0) continue;
        if (seen[static_cast<std::size_t>(d)]) {
          return "die Ziffer " + std::to_string(d) + " steht zweimal in " + unit.name + " " + std::to_string(u + 1) +
                 " des Rätsels";
        }
        seen[static_cast<std::size_t>(d)] = true;
      }
    }
  }
  return {};
}

}  // namespace

PuzzleList readPuzzles(std::istream& in) {
  PuzzleList list;
  std::string line;
  long number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (blank(line)) continue;
    const std::string where = "Zeile " + std::to_string(number) + ": ";
    if (line.size() != 81) {
      list.error = where + std::to_string(line.size()) + " Zeichen statt 81";
      return list;
    }
    for (std::size_t i = 0; i < line.size(); ++i) {
      char& c = line[i];
      if (c == '.') c = '0';
      if (c < '0' || c > '9') {
        list.error = where + "Zeichen " + std::to_string(i + 1) + " ist weder Ziffer noch \".\"";
        return list;
      }
    }
    if (const std::string repeated = repeatedGiven(line); !repeated.empty()) {
      list.error = where + repeated;
      return list;
    }
    list.puzzles.push_back(line);
  }
  if (in.bad()) list.error = "Die Datei konnte nicht gelesen werden";
  return list;
}

}  // namespace bench
