// Randomized sessions: the events a user can cause, their generation from a seed, the replay on
// a fresh headless game with the invariants checked after every event, and shrinking.
#include "session/session.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>

#include "model/fenster1.h"
#include "tests/support/expected_sets.h"
#include "toolkit/events.h"
#include "toolkit/headless/headless_backend.h"
#include "toolkit/menu_ops.h"
#include "toolkit/runtime.h"

namespace session {

namespace {

using Kind = Event::Kind;
using Rows = std::vector<std::string>;

// ---- The pool of files that the dialogs answer with -----------------------------------------

const Rows kSolved = {"123456789", "456789123", "789123456", "214365897", "365897214",
                      "897214365", "531642978", "642978531", "978531642"};

std::string gameFile(const Rows& rows, const std::string& end = "\r") {
  std::string s;
  for (const auto& r : rows) s += "0" + r + end;
  return s;
}

// The solution with cells cleared where `keep` says no.
template <class Keep>
Rows cleared(Keep keep) {
  Rows rows = kSolved;
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c)
      if (!keep(r + 1, c + 1)) rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = '0';
  return rows;
}

struct PoolFile {
  const char* name;
  std::string contents;
};

const std::vector<PoolFile>& poolFiles() {
  static const std::vector<PoolFile> files = {
      // A third of the cells given: play with trials, forced cells and contradictions.
      {"raetsel.BSUD", gameFile(cleared([](int r, int c) { return (r * 7 + c * 3) % 3 == 0; }))},
      // Forced cells alone complete it: solved at once.
      {"schnell.BSUD", gameFile({"003020600", "900305001", "001806400", "008102900", "700000008", "006708200",
                                 "002609500", "800203009", "005010300"})},
      // Two rectangles of cells that may hold either of two digits: nothing is forced, eight
      // cells stay open with two candidates each, so "Lösen" finds a solution quickly.
      {"zwei.BSUD", gameFile(cleared([](int r, int c) {
         const bool first = (r == 1 || r == 4) && (c == 1 || c == 2);
         const bool second = (r == 3 || r == 6) && (c == 4 || c == 5);
         return !first && !second;
       }))},
      // Cell (1, 9) has no possible digit: the load reports a contradiction.
      {"widerspruch.BSUD", gameFile({"123456780", "000000009", "000000000", "000000000", "000000000", "000000000",
                                     "000000000", "000000000", "000000000"})},
      {"leer.BSUD", gameFile(Rows(9, "000000000"), "\r\n")},
      {"kaputt.BSUD", gameFile({"12345678x", "000000000", "000000000", "000000000", "000000000", "000000000",
                                "000000000", "000000000", "000000000"})},
      {"kurz.BSUD", "0123000000\r0000000000\r0000000000\r"},
      {"gross.BSUD", std::string(5000, '0')},
  };
  return files;
}

// What the open dialog answers: a file of the pool, a folder, a missing file, a saved one, or
// Cancel (nothing).
const std::vector<std::optional<std::string>> kLoadAnswers = {
    "raetsel.BSUD", "schnell.BSUD", "zwei.BSUD", "widerspruch.BSUD", "leer.BSUD",        "kaputt.BSUD",
    "kurz.BSUD",    "gross.BSUD",   "ordner",    "fehlt.BSUD",       "gespeichert.BSUD", std::nullopt};
// What the save dialog answers: a new file, one of the pool, a folder, a missing folder, Cancel.
const std::vector<std::optional<std::string>> kSaveAnswers = {"gespeichert.BSUD", "raetsel.BSUD", "ordner",
                                                              "nichtda/spiel.BSUD", std::nullopt};

void writePool(const std::string& folder) {
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  std::filesystem::create_directories(folder + "/ordner");
  for (const auto& f : poolFiles()) std::ofstream(folder + "/" + f.name, std::ios::binary) << f.contents;
}

// ---- Generation ------------------------------------------------------------------------------

// Named key codes of the window's key event.
const std::vector<std::string> kSpecialKeys = {"\x1b", "\x1c", "\x1d", "\x1e", "\x1f", "\t", "\b"};
const std::vector<std::string> kOtherKeys = {"", "0", "a", "Z", " ", "\r", "\x7f", "\x01", "12", "ä", "\x1c\x1d"};
// The canvas coordinates that matter most: the edges of cells and of the canvas.
const std::vector<int> kEdgesX = {-3, 0, 1, 29, 30, 31, 59, 60, 149, 150, 239, 240, 269, 270, 271, 272, 400};
const std::vector<int> kEdgesY = {-3, 0, 1, 29, 30, 31, 89, 90, 179, 180, 269, 270, 271, 277, 278, 400};
// Menu items the user can choose; the quit command would end the session.
const std::vector<std::string> kMenuItems = {
    "AblageNeuesSpiel", "AblageLaden",         "AblageLaden",          "AblageSpeichern",      "AblageLsen",
    "AblageLsen",       "BearbeitenWiderrufen", "BearbeitenWiderrufen", "BearbeitenAllesaufAnfang",
    "AblageberBSudoku", "AblageSeiteeinrichten", "AblageDrucken",      "BearbeitenAusschneiden",
    "BearbeitenKopieren", "BearbeitenEinfügen",  "BearbeitenLöschen"};
const std::string kCommandLetters = "NOSRZPXCVnoz";

class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}
  // Uniform enough for test data and the same on every run of one build.
  int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }
  template <class T>
  const T& pick(const std::vector<T>& v) {
    return v[static_cast<std::size_t>(below(static_cast<int>(v.size())))];
  }

 private:
  std::mt19937_64 engine_;
};

Event randomEvent(Random& rnd) {
  const int roll = rnd.below(100);
  if (roll < 22) return {Kind::Key, std::string(1, static_cast<char>('1' + rnd.below(9))), 0, 0};
  if (roll < 32) return {Kind::Key, rnd.pick(kSpecialKeys), 0, 0};
  if (roll < 36) return {Kind::Key, rnd.pick(kOtherKeys), 0, 0};
  if (roll < 50) return {Kind::Click, {}, rnd.below(272), rnd.below(278)};
  if (roll < 54) return {Kind::Click, {}, rnd.pick(kEdgesX), rnd.pick(kEdgesY)};
  if (roll < 60) return {Kind::Move, {}, rnd.below(3) == 0 ? rnd.pick(kEdgesX) : rnd.below(272), rnd.below(278)};
  if (roll < 82) return {Kind::PressEnabled, {}, rnd.below(1000), 0};
  if (roll < 86) return {Kind::Press, {}, 1 + rnd.below(14), 0};
  if (roll < 96) return {Kind::Menu, rnd.pick(kMenuItems), rnd.below(1000), 0};
  return {Kind::CommandKey, std::string(1, kCommandLetters[static_cast<std::size_t>(rnd.below(12))]), rnd.below(1000), 0};
}

// ---- Replay ----------------------------------------------------------------------------------

Control* control(Fenster1& w, const std::string& name) { return RuntimeControlReference(&w, name); }

// The menu item that a command key chooses, by the menu bar's keys.
std::string itemOfLetter(char letter) {
  switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'N': return "AblageNeuesSpiel";
    case 'O': return "AblageLaden";
    case 'S': return "AblageSpeichern";
    case 'R': return "AblageLsen";
    case 'Z': return "BearbeitenWiderrufen";
    case 'P': return "AblageDrucken";
    default: return "";
  }
}

// The number of leaves of the solver's search from the committed grid, bounded: the product over
// the open cells of their candidate counts, as the search computes them at its start. "Lösen"
// runs only where this is small, so that every search ends quickly.
long searchSize(const Fenster1& w, long limit) {
  long size = 1;
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) {
      if (w.org[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] != '0') continue;
      std::string seen = w.org[static_cast<std::size_t>(r)];
      for (int k = 1; k <= 9; ++k) seen += w.org[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)];
      const int top = 3 * ((r - 1) / 3) + 1, left = 3 * ((c - 1) / 3) + 1;
      for (int k = top; k < top + 3; ++k) seen += w.org[static_cast<std::size_t>(k)].substr(static_cast<std::size_t>(left), 3);
      long n = 0;
      for (char d = '1'; d <= '9'; ++d) n += seen.find(d) == std::string::npos ? 1 : 0;
      size *= std::max(n, 1L);
      if (size > limit) return size;
    }
  }
  return size;
}
constexpr long kSearchLimit = 4096;

struct Game {
  HeadlessBackend* backend;
  Fenster1* w;
  std::string folder;
  std::optional<std::string> savedTo;  // the file the save dialog of this event answered with
};

// Scripts the answer of the dialog that the item opens, if any; false when the item must not
// run here (a search that could take long).
bool scriptAnswer(Game& g, const std::string& item, int answer) {
  HeadlessBackend& b = *g.backend;
  const auto path = [&](const std::optional<std::string>& name) -> std::optional<std::string> {
    if (!name) return std::nullopt;
    return g.folder + "/" + *name;
  };
  if (item == "AblageNeuesSpiel") b.msgBoxAnswers.push_back(answer % 3 == 0 ? 1 : 2);
  if (item == "AblageLaden") b.fileAnswers.push_back(path(kLoadAnswers[static_cast<std::size_t>(answer) % kLoadAnswers.size()]));
  if (item == "AblageSpeichern") {
    g.savedTo = path(kSaveAnswers[static_cast<std::size_t>(answer) % kSaveAnswers.size()]);
    b.fileAnswers.push_back(g.savedTo);
  }
  if (item == "AblageSeiteeinrichten") {
    b.pageSetupAnswers.push_back(answer % 2 == 0 ? std::optional<std::string>("Querformat") : std::nullopt);
  }
  if (item == "AblageDrucken") b.printAnswers.push_back(answer % 2 == 0);
  if (item == "AblageLsen") return searchSize(*g.w, kSearchLimit) <= kSearchLimit;
  return true;
}

bool answersLeft(const HeadlessBackend& b) {
  return !b.msgBoxAnswers.empty() || !b.fileAnswers.empty() || !b.pageSetupAnswers.empty() || !b.printAnswers.empty();
}

// Chooses the item by `run`, with the answer scripted for the dialog it opens. Only an enabled
// item acts, and a disabled one must ask nothing, so the answer is scripted only for an
// enabled one.
template <class Run>
void choose(Game& g, const std::string& name, int answer, Run run) {
  MenuItem* item = name.empty() ? nullptr : RuntimeMenuItemLookup(WindowMenuBarGetter(g.w), name);
  if (item == nullptr) return;
  toolkit::updateMenuEnabling(*g.w);
  if (item->enabled && !scriptAnswer(g, name, answer)) return;
  run(*item);
}

void apply(Game& g, const Event& e) {
  Fenster1& w = *g.w;
  Control& canvas = *control(w, "Canvas1");
  switch (e.kind) {
    case Kind::Key:
      toolkit::dispatchKeyDown(w, e.text);
      break;
    case Kind::Click:
      toolkit::dispatchMouseDown(canvas, e.a, e.b);
      break;
    case Kind::Move:
      toolkit::dispatchMouseMove(canvas, e.a, e.b);
      break;
    case Kind::Press:
      toolkit::dispatchAction(*control(w, "BevelButton" + std::to_string(e.a)));
      break;
    case Kind::PressEnabled: {
      std::vector<Control*> enabled;
      for (int i = 1; i <= 14; ++i) {
        Control* c = control(w, "BevelButton" + std::to_string(i));
        if (c->enabled) enabled.push_back(c);
      }
      if (!enabled.empty()) toolkit::dispatchAction(*enabled[static_cast<std::size_t>(e.a) % enabled.size()]);
      break;
    }
    case Kind::Menu:
      choose(g, e.text, e.a, [&](MenuItem& item) { toolkit::chooseMenuItem(w, item); });
      break;
    case Kind::CommandKey:
      choose(g, itemOfLetter(e.text[0]), e.a, [&](MenuItem&) { toolkit::commandKey(w, e.text[0]); });
      if (itemOfLetter(e.text[0]).empty()) toolkit::commandKey(w, e.text[0]);  // an item without a handler
      break;
  }
}

bool startsWith(const std::string& s, std::string_view prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

// The texts the game may show; anything else is a message nobody wrote.
bool knownMessage(const HeadlessBackend::Message& m) {
  const std::string question = RuntimeEndOfLineAddRight(RuntimeGetEndOfLineObject(),
                                                        "Möchten Sie wirklich das aktuelle Spiel verlassen?") +
                               "Alle Einstellungen gehen dabei verloren!";
  if (m.buttons != 0) return m.text == question && m.buttons == 273;
  return m.text == "Herzlichen Glückwunsch! Sie haben das Spiel gelöst!" || m.text == "Gelöst ..." ||
         startsWith(m.text, "Ein Fehler bei Zeile ") ||
         (startsWith(m.text, "Die Datei „") && m.text.ends_with(". Das Spiel bleibt unverändert.")) ||
         (startsWith(m.text, "Das Spiel kann nicht als „") && m.text.ends_with(" bleibt unverändert."));
}

bool digitRow(const std::string& row) {
  return row.size() == 10 && std::all_of(row.begin(), row.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void count(Reached& reached, const Fenster1& w, const HeadlessBackend& b, int counterBefore, const Event& e) {
  const bool pressed = e.kind == Kind::Press || e.kind == Kind::PressEnabled;
  if (pressed && w.Undo_Counter == counterBefore + 1) ++reached.moves;
  if (!pressed && w.Undo_Counter == counterBefore - 1) ++reached.undos;
  for (const auto& m : b.messages) {
    if (m.text == "Gelöst ...") ++reached.solves;
    if (startsWith(m.text, "Herzlichen")) ++reached.wins;
    if (startsWith(m.text, "Ein Fehler")) ++reached.contradictions;
    if (startsWith(m.text, "Die Datei") || startsWith(m.text, "Das Spiel kann nicht")) ++reached.refusedFiles;
  }
}

// A save that reported no failure wrote the committed grid: nine rows, each ended by a carriage
// return, and nothing else.
std::optional<std::string> badSave(const Game& g, Reached* reached) {
  if (!g.savedTo) return std::nullopt;
  for (const auto& m : g.backend->messages) {
    if (startsWith(m.text, "Das Spiel kann nicht")) return std::nullopt;
  }
  std::ifstream in(*g.savedTo, std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), {});
  std::string expected;
  for (int r = 1; r <= 9; ++r) expected += g.w->org[static_cast<std::size_t>(r)] + "\r";
  if (written != expected) return "the saved file holds \"" + written + "\", not the committed grid";
  if (reached != nullptr) ++reached->saves;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> violation(Fenster1& w, const HeadlessBackend& backend, const Rows* staleFeld) {
  if (!backend.unhandled.empty()) return "a handler failed: " + backend.unhandled;
  for (const auto& m : backend.messages) {
    if (!knownMessage(m)) return "unexpected message: " + m.text;
  }
  if (w.feld.size() != 11 || w.org.size() != 11 || w.Undo_Memory.size() != 101) return "a grid array changed its size";
  for (int r = 1; r <= 9; ++r) {
    for (const auto* grid : {&w.feld, &w.org}) {
      const std::string& row = (*grid)[static_cast<std::size_t>(r)];
      if (!digitRow(row)) return std::string(grid == &w.feld ? "feld" : "org") + " row " + std::to_string(r) + " is \"" + row + "\"";
    }
  }
  if (w.Undo_Counter < 0 || w.Undo_Counter > 101) return "Undo_Counter is " + std::to_string(w.Undo_Counter);
  for (int k = 0; k < w.Undo_Counter; ++k) {
    const std::string& slot = w.Undo_Memory[static_cast<std::size_t>(k)];
    bool ok = slot.size() == 90;
    for (std::size_t r = 0; ok && r < 9; ++r) ok = digitRow(slot.substr(r * 10, 10));
    if (!ok) return "history slot " + std::to_string(k) + " in use is \"" + slot + "\"";
  }
  if (w.glob_z < 0 || w.glob_z > 9 || w.glob_s < 0 || w.glob_s > 9 || (w.glob_z == 0) != (w.glob_s == 0)) {
    return "the selected cell is row " + std::to_string(w.glob_z) + ", column " + std::to_string(w.glob_s);
  }
  if (w.glob_probe < 0 || w.glob_probe > 9) return "glob_probe is " + std::to_string(w.glob_probe);

  auto* canvas = static_cast<Canvas*>(RuntimeControlReference(&w, "Canvas1"));
  if (canvas->width != 272 || canvas->height != 278 || canvas->raster()->width() != 272 ||
      canvas->raster()->height() != 278) {
    return "the canvas is " + std::to_string(canvas->raster()->width()) + " x " + std::to_string(canvas->raster()->height());
  }

  if (staleFeld != nullptr && w.feld == *staleFeld) return std::nullopt;
  for (int i = 1; i <= 9; ++i) {
    const expected::Sets e = expected::setsOf(w.feld, i);
    const auto n = static_cast<std::size_t>(i);
    if (w.pos_zeile[n] != e.missingRow) return "pos_zeile(" + std::to_string(i) + ") is \"" + w.pos_zeile[n] + "\", feld says \"" + e.missingRow + "\"";
    if (w.pos_spalte[n] != e.missingColumn) return "pos_spalte(" + std::to_string(i) + ") is \"" + w.pos_spalte[n] + "\", feld says \"" + e.missingColumn + "\"";
    if (w.pos_trio[n] != e.missingBox) return "pos_trio(" + std::to_string(i) + ") is \"" + w.pos_trio[n] + "\", feld says \"" + e.missingBox + "\"";
    if (w.all_trios[n] != e.box) return "all_trios(" + std::to_string(i) + ") is \"" + w.all_trios[n] + "\", feld says \"" + e.box + "\"";
  }
  return std::nullopt;
}

std::optional<Failure> replay(const std::vector<Event>& events, const std::string& folder, Reached* reached) {
  writePool(folder);
  auto owned = std::make_unique<HeadlessBackend>();
  Game g{owned.get(), nullptr, folder, std::nullopt};
  RuntimeInit(std::move(owned));
  g.w = &Fenster1::instance();
  std::optional<Rows> stale;
  std::optional<Failure> failure;
  for (std::size_t i = 0; i < events.size() && !failure; ++i) {
    const bool solvedBefore = g.w->flag_bruteSolved;
    const int counterBefore = g.w->Undo_Counter;
    const Rows feldBefore = g.w->feld;
    apply(g, events[i]);
    if (reached != nullptr) count(*reached, *g.w, *g.backend, counterBefore, events[i]);
    // A solution written by the solver leaves the sets as they were; a later change of feld
    // must bring them up to date again.
    if (g.w->flag_bruteSolved && (!solvedBefore || g.w->feld != feldBefore) &&
        (events[i].kind == Kind::Menu || events[i].kind == Kind::CommandKey)) {
      stale = g.w->feld;
    } else if (stale && g.w->feld != *stale) {
      stale.reset();
    }
    if (auto v = violation(*g.w, *g.backend, stale ? &*stale : nullptr)) {
      failure = Failure{i, *v};
    } else if (answersLeft(*g.backend)) {
      failure = Failure{i, "a command that asks did not open its dialog"};
    } else if (toolkit::quitRequested()) {
      failure = Failure{i, "the game quit"};
    } else if (auto bad = badSave(g, reached)) {
      failure = Failure{i, *bad};
    }
    g.savedTo.reset();
    // What the back end recorded is checked; keep it from growing over the session.
    g.backend->messages.clear();
    g.backend->fileDialogs.clear();
    g.backend->pages.clear();
  }
  RuntimeExit();
  return failure;
}

std::vector<Event> generate(std::uint64_t seed, int count) {
  Random rnd(seed);
  std::vector<Event> events;
  events.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) events.push_back(randomEvent(rnd));
  return events;
}

std::vector<Event> shrink(std::vector<Event> events, const std::string& folder) {
  if (auto f = replay(events, folder)) events.resize(f->event + 1);  // what follows the failure is not needed
  // Remove chunks, halving their size down to single events, while the sequence still fails.
  for (std::size_t chunk = std::max<std::size_t>(events.size() / 2, 1);; chunk /= 2) {
    for (std::size_t at = 0; at < events.size();) {
      std::vector<Event> shorter = events;
      shorter.erase(shorter.begin() + static_cast<long>(at),
                    shorter.begin() + static_cast<long>(std::min(at + chunk, shorter.size())));
      if (auto f = replay(shorter, folder)) {
        shorter.resize(f->event + 1);
        events = std::move(shorter);
      } else {
        at += chunk;
      }
    }
    if (chunk == 1) break;
  }
  return events;
}

// The answer that an event's dialog gets, for a report.
std::string answerText(const std::string& item, int answer) {
  const auto file = [](const std::optional<std::string>& name) { return name ? ", answered " + *name : ", cancelled"; };
  const auto a = static_cast<std::size_t>(answer);
  if (item == "AblageNeuesSpiel") return answer % 3 == 0 ? ", answered OK" : ", cancelled";
  if (item == "AblageLaden") return file(kLoadAnswers[a % kLoadAnswers.size()]);
  if (item == "AblageSpeichern") return file(kSaveAnswers[a % kSaveAnswers.size()]);
  if (item == "AblageSeiteeinrichten" || item == "AblageDrucken") return answer % 2 == 0 ? ", answered OK" : ", cancelled";
  return "";
}

std::string describe(const Event& e) {
  const auto quotedKey = [](const std::string& k) {
    std::string s = "\"";
    for (char c : k) {
      const auto u = static_cast<unsigned char>(c);
      if (u < 0x20 || u == 0x7f) {
        s += "\\x" + std::string(1, "0123456789abcdef"[u >> 4]) + "0123456789abcdef"[u & 15];
      } else {
        s += c;
      }
    }
    return s + "\"";
  };
  switch (e.kind) {
    case Kind::Key: return "key " + quotedKey(e.text);
    case Kind::Click: return "click (" + std::to_string(e.a) + ", " + std::to_string(e.b) + ")";
    case Kind::Move: return "move (" + std::to_string(e.a) + ", " + std::to_string(e.b) + ")";
    case Kind::Press: return "press BevelButton" + std::to_string(e.a);
    case Kind::PressEnabled: return "press enabled button #" + std::to_string(e.a);
    case Kind::Menu: return "menu " + e.text + answerText(e.text, e.a);
    case Kind::CommandKey: return "Ctrl+" + e.text + answerText(itemOfLetter(e.text[0]), e.a);
  }
  return "?";
}

std::string describe(const std::vector<Event>& events) {
  std::string s;
  for (std::size_t i = 0; i < events.size(); ++i) s += "  " + std::to_string(i + 1) + ". " + describe(events[i]) + "\n";
  return s;
}

}  // namespace session
