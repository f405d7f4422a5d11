// The fixture of most tests: a fresh runtime over the headless back end with the main window
// built and opened, and small helpers to read the board.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/fenster1.h"
#include "toolkit/headless/headless_backend.h"
#include "toolkit/runtime.h"

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HeadlessBackend& backend() { return *backend_; }
  Fenster1& win() { return Fenster1::instance(); }
  Raster& canvas();
  Control* control(const std::string& name) { return RuntimeControlReference(&win(), name); }
  bool enabled(const std::string& name) { return control(name)->enabled; }

  // Sets both grids from nine 9-character rows ("0" or "." for empty) and recomputes the sets.
  void setGrid(const std::vector<std::string>& rows);
  // The nine cells of the board as 81 characters, read from the working grid.
  std::string feldCells();

 private:
  HeadlessBackend* backend_ = nullptr;
};

// Colour helpers for pixel checks.
inline std::string rgb(Color c) {
  return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}
