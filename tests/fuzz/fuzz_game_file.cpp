// Fuzz target: any byte string, saved as a file and loaded through the "Laden" command into a
// game in play on the headless back end. A file that is not a game file must be refused with
// one message and leave the game exactly as it was; a game file must be installed whole, with
// play started from it. Any other outcome aborts, which libFuzzer reports as a finding.
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "model/fenster1.h"
#include "tests/support/expected_sets.h"
#include "toolkit/events.h"
#include "toolkit/headless/headless_backend.h"
#include "toolkit/runtime.h"

namespace {

std::string gFile;  // the file that the open dialog answers with

// The loader's size limit: a longer file is refused unread.
constexpr std::size_t kMaxFileBytes = 4096;

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "fuzz_game_file: %s\n", what.c_str());
  std::abort();
}

void require(bool ok, const std::string& what) {
  if (!ok) fail(what);
}

// The nine rows that a game file holds, read independently of the loader: lines end in a
// carriage return, a line feed or both; each of the first nine is ten digits; what follows them
// does not count. Nothing when the bytes are no game file.
std::optional<std::array<std::string, 9>> gameRows(const std::string& bytes) {
  if (bytes.size() > kMaxFileBytes) return std::nullopt;
  std::array<std::string, 9> rows;
  std::size_t p = 0;
  for (auto& row : rows) {
    if (p >= bytes.size()) return std::nullopt;
    std::size_t end = p;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    row = bytes.substr(p, end - p);
    if (row.size() != 10) return std::nullopt;
    for (char c : row) {
      if (c < '0' || c > '9') return std::nullopt;
    }
    p = end + 1;
    if (end < bytes.size() && bytes[end] == '\r' && p < bytes.size() && bytes[p] == '\n') ++p;
  }
  return rows;
}

// Everything a refused file must leave as it was.
struct GameState {
  StringArray org, feld, pos_zeile, pos_spalte, pos_trio, all_trios, undo;
  int counter = 0, row = 0, column = 0, probe = 0;
  bool editMode = false, solved = false, startEnabled = false;
  std::string log;
  std::vector<std::uint32_t> pixels;

  bool operator==(const GameState&) const = default;
};

Control* control(Fenster1& w, const std::string& name) {
  Control* c = RuntimeControlReference(&w, name);
  require(c != nullptr, "no control " + name);
  return c;
}

GameState stateOf(Fenster1& w) {
  GameState s{w.org,         w.feld,       w.pos_zeile,  w.pos_spalte, w.pos_trio,  w.all_trios,
              w.Undo_Memory, w.Undo_Counter, w.glob_z,   w.glob_s,     w.glob_probe, w.edit_mode,
              w.flag_bruteSolved, control(w, "BevelButton14")->enabled, editTextGetter(control(w, "EditField1")), {}};
  const Raster& r = *static_cast<Canvas*>(control(w, "Canvas1"))->raster();
  s.pixels.assign(r.data(), r.data() + static_cast<std::size_t>(r.deviceWidth()) * r.deviceHeight());
  return s;
}

// A game in play with a taken move in its history and its log, a cell selected and a trial
// digit shown, so that a half-done load would show anywhere.
void playSomeMoves(Fenster1& w) {
  Control& canvas = *control(w, "Canvas1");
  const auto give = [&](int row, int column, char digit) {
    toolkit::dispatchMouseDown(canvas, (column - 1) * 30 + 15, (row - 1) * 30 + 15);
    toolkit::dispatchKeyDown(w, std::string(1, digit));
  };
  give(1, 1, '1');
  give(1, 2, '2');
  give(3, 5, '3');
  give(8, 7, '9');
  toolkit::dispatchAction(*control(w, "BevelButton14"));
  for (const auto& [row, column] : {std::pair{5, 5}, std::pair{2, 8}}) {
    toolkit::dispatchMouseDown(canvas, (column - 1) * 30 + 15, (row - 1) * 30 + 15);
    for (int d = 1; d <= 9; ++d) {
      Control& digit = *control(w, "BevelButton" + std::to_string(d));
      if (digit.enabled) {
        toolkit::dispatchAction(digit);
        break;
      }
    }
    if (row == 5) {
      toolkit::dispatchAction(*control(w, "BevelButton10"));
      toolkit::dispatchAction(*control(w, "BevelButton11"));
    }
  }
  require(w.Undo_Counter == 2 && w.glob_z == 2 && w.glob_s == 8, "the game before the load is not as planned");
}

bool startsWith(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

// The missing-digit sets and box contents, computed from the grid afresh.
void requireSetsCurrent(const Fenster1& w) {
  for (int i = 1; i <= 9; ++i) {
    const expected::Sets e = expected::setsOf(w.feld, i);
    const auto n = static_cast<std::size_t>(i);
    require(w.pos_zeile[n] == e.missingRow && w.pos_spalte[n] == e.missingColumn && w.pos_trio[n] == e.missingBox &&
                w.all_trios[n] == e.box,
            "the missing-digit sets of row, column or box " + std::to_string(i) + " are not those of the grid");
  }
}

void checkInstalled(Fenster1& w, const HeadlessBackend& backend, const GameState& before,
                    const std::array<std::string, 9>& rows) {
  std::string snapshot;
  for (int r = 1; r <= 9; ++r) {
    const std::string& org = w.org[static_cast<std::size_t>(r)];
    const std::string& file = rows[static_cast<std::size_t>(r - 1)];
    require(org.size() == 10 && w.feld[static_cast<std::size_t>(r)] == org, "row " + std::to_string(r) +
                                                                                 " is not installed in both grids");
    require(org[0] == file[0], "the pad of row " + std::to_string(r) + " changed");
    for (std::size_t c = 1; c < 10; ++c) {
      require(org[c] >= '0' && org[c] <= '9', "row " + std::to_string(r) + " holds a character that is no digit");
      require(file[c] == '0' || org[c] == file[c], "a cell of the file in row " + std::to_string(r) + " was lost");
    }
    snapshot += org;
  }
  require(w.Undo_Counter == 1 && w.Undo_Memory[0] == snapshot, "the start position is not the loaded grid");
  for (std::size_t k = 1; k < before.undo.size(); ++k) require(w.Undo_Memory[k] == before.undo[k], "an old snapshot changed");
  require(!w.edit_mode && control(w, "BevelButton14")->enabled, "play did not start with Start enabled");
  require(editTextGetter(control(w, "EditField1")) == before.log, "the move log changed");
  requireSetsCurrent(w);
  for (const auto& m : backend.messages) {
    require(startsWith(m.text, "Ein Fehler bei Zeile ") || m.text == "Herzlichen Glückwunsch! Sie haben das Spiel gelöst!",
            "unexpected message after a load: " + m.text);
  }
}

void checkRefused(Fenster1& w, const HeadlessBackend& backend, const GameState& before) {
  require(backend.messages.size() == 1, "a refused file gave " + std::to_string(backend.messages.size()) + " messages");
  const std::string& text = backend.messages.front().text;
  require(startsWith(text, "Die Datei „") && text.find("kann nicht geladen werden: ") != std::string::npos &&
              text.ends_with(". Das Spiel bleibt unverändert."),
          "a refused file was reported as: " + text);
  require(stateOf(w) == before, "a refused file changed the game");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char dir[] = "/tmp/bsudoku-fuzz-XXXXXX";
  if (::mkdtemp(dir) == nullptr) fail("no temporary folder");
  ::setenv("HOME", dir, 1);
  gFile = std::string(dir) + "/Spiel.BSUD";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::ofstream(gFile, std::ios::binary | std::ios::trunc) << bytes;

  auto owned = std::make_unique<HeadlessBackend>();
  HeadlessBackend& backend = *owned;
  RuntimeInit(std::move(owned));
  Fenster1& w = Fenster1::instance();
  playSomeMoves(w);
  backend.messages.clear();
  const GameState before = stateOf(w);

  backend.fileAnswers.push_back(gFile);
  toolkit::chooseMenuItem(w, *w.AblageLaden());
  require(backend.unhandled.empty(), "the load threw: " + backend.unhandled);
  require(backend.fileAnswers.empty() && backend.fileDialogs.size() == 1, "the open dialog did not run once");

  if (const auto rows = gameRows(bytes)) {
    checkInstalled(w, backend, before, *rows);
  } else {
    checkRefused(w, backend, before);
  }
  RuntimeExit();
  return 0;
}
