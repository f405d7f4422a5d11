// bsudoku-bench: enters each puzzle of a file as givens on the main window, runs "Lösen" on it
// and reports the grid found, the solver's repaints and the time of every search.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench/backends.h"
#include "bench/bench_backend.h"
#include "bench/puzzles.h"
#include "model/fenster1.h"
#include "toolkit/events.h"
#include "toolkit/runtime.h"

namespace {

constexpr const char* kUsage = "Aufruf: bsudoku-bench [--backend headless|qt] DATEI";

int fail(const std::string& text, int code) {
  std::cerr << "bsudoku-bench: " << text << "\n";
  return code;
}

// Types the givens in entry mode as a user would: each cell in reading order, a digit where
// there is a given, then Tab to the next cell.
void enterPuzzle(Fenster1& window, const std::string& cells) {
  for (const char c : cells) {
    if (c != '0') toolkit::dispatchKeyDown(window, std::string(1, c));
    toolkit::dispatchKeyDown(window, "\t");
  }
}

std::string cellsOf(const StringArray& grid) {
  std::string s;
  for (std::size_t r = 1; r <= 9 && r < grid.size(); ++r) s += grid[r].substr(std::min<std::size_t>(1, grid[r].size()));
  return s;
}

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t m = v.size() / 2;
  return v.size() % 2 == 1 ? v[m] : (v[m - 1] + v[m]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string backendName = "headless";
  std::string path;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--backend" && i + 1 < argc) {
      backendName = argv[++i];
    } else if (!arg.empty() && arg[0] == '-') {
      return fail(std::string("unbekannte Option \"") + arg + "\"\n" + kUsage, 2);
    } else if (path.empty()) {
      path = arg;
    } else {
      return fail(kUsage, 2);
    }
  }
  if (path.empty()) return fail(kUsage, 2);

  std::ifstream file(path);
  if (!file) return fail("Die Datei \"" + path + "\" kann nicht geöffnet werden", 2);
  const bench::PuzzleList list = bench::readPuzzles(file);
  if (list.error) return fail(path + ": " + *list.error, 2);

  std::optional<bench::RealBackend> real = bench::makeRealBackend(backendName, argc, argv);
  if (!real) return fail("kein Back-End \"" + backendName + "\" in diesem Programm\n" + kUsage, 2);
  const std::function<long long()> framesPresented = real->framesPresented;
  auto owned = std::make_unique<bench::BenchBackend>(std::move(real->backend));
  bench::BenchBackend& backend = *owned;
  RuntimeInit(std::move(owned));
  Fenster1& window = Fenster1::instance();

  using Clock = std::chrono::steady_clock;
  std::vector<double> rates;
  double total = 0;
  double slowestFrameRate = -1;  // frames per second of the searches longer than 0.2 s, lowest
  for (std::size_t i = 0; i < list.puzzles.size(); ++i) {
    const std::string& puzzle = list.puzzles[i];
    if (i > 0) window.AblageNeuesSpiel_Action();
    enterPuzzle(window, puzzle);
    if (cellsOf(window.org) != puzzle) {
      RuntimeExit();
      return fail("Rätsel " + std::to_string(i + 1) + ": die Eingabe hat die Vorgaben nicht übernommen", 1);
    }
    const long long flushes = backend.flushes();
    const long long frames = framesPresented ? framesPresented() : 0;
    const auto start = Clock::now();
    window.AblageLsen_Action();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const long long repaints = backend.flushes() - flushes;
    total += seconds;
    if (seconds > 0) rates.push_back(static_cast<double>(repaints) / seconds);

    std::printf("%s %lld %.6f", window.flag_bruteSolved ? cellsOf(window.feld).c_str() : "-", repaints, seconds);
    if (framesPresented) {
      const long long presented = framesPresented() - frames;
      std::printf(" %lld", presented);
      if (seconds > 0.2) {
        const double rate = static_cast<double>(presented) / seconds;
        slowestFrameRate = slowestFrameRate < 0 ? rate : std::min(slowestFrameRate, rate);
      }
    }
    std::printf("\n");
  }
  std::printf("%zu %.6f %.0f", list.puzzles.size(), total, median(rates));
  if (framesPresented) {
    if (slowestFrameRate < 0) {
      std::printf(" -");
    } else {
      std::printf(" %.1f", slowestFrameRate);
    }
  }
  std::printf("\n");
  RuntimeExit();
  return 0;
}
