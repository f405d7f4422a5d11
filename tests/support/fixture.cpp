// The headless game fixture.
#include "support/fixture.h"

void GameTest::SetUp() {
  auto backend = std::make_unique<HeadlessBackend>();
  backend_ = backend.get();
  RuntimeInit(std::move(backend));
  Fenster1::instance();
}

void GameTest::TearDown() { RuntimeExit(); }

Raster& GameTest::canvas() { return *static_cast<Canvas*>(control("Canvas1"))->raster(); }

void GameTest::setGrid(const std::vector<std::string>& rows) {
  for (int r = 1; r <= 9; ++r) {
    std::string row = "0" + rows.at(static_cast<std::size_t>(r - 1));
    for (char& c : row) {
      if (c == '.') c = '0';
    }
    win().org[static_cast<std::size_t>(r)] = row;
    win().feld[static_cast<std::size_t>(r)] = row;
  }
  win().check_lines_and_rows();
  win().check_trios();
}

std::string GameTest::feldCells() {
  std::string s;
  for (int r = 1; r <= 9; ++r) s += win().feld[static_cast<std::size_t>(r)].substr(1);
  return s;
}
