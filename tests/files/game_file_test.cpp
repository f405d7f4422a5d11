// Saving and loading games: the 99-byte file, the dialogs, play after a load, and every file
// that must be refused or must fail without losing anything.
#include <signal.h>
#include <sys/resource.h>

#include <functional>
#include <vector>

#include "file_fixture.h"

namespace {

const std::vector<std::string> kSolved = {"123456789", "456789123", "789123456", "214365897", "365897214",
                                          "897214365", "531642978", "642978531", "978531642"};

// Nine row strings with a few givens that force nothing: loading them changes nothing.
const std::vector<std::string> kSparse = {"0120000000", "0000000000", "0000030000", "0000000000", "0000000000",
                                          "0000000000", "0000000000", "0000000900", "0000000000"};

std::string joined(const std::vector<std::string>& rows, const std::string& end) {
  std::string s;
  for (const auto& r : rows) s += r + end;
  return s;
}

std::string orgRows(Fenster1& w) {
  std::string s;
  for (int r = 1; r <= 9; ++r) s += w.org[static_cast<std::size_t>(r)] + "\r";
  return s;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Everything a refused load or a failed save must leave as it was.
struct State {
  StringArray org, feld, undo;
  int counter = 0;
  bool editMode = false;
  bool startEnabled = false;
  std::string log;
  std::vector<std::uint32_t> pixels;
};

class GameFileTest : public FileTest {
 protected:
  // A game in play with a move log, so that a change anywhere would show.
  void startGame() {
    setGrid({"12.......", "...4.....", "......7..", ".........", "....5....", ".........", "..3......", ".........",
             "........9"});
    win().BevelButton14_Action();
    editTextSetter(control("EditField1"), "1. Zug\r");
  }
  State state() {
    State s{win().org, win().feld, win().Undo_Memory, win().Undo_Counter, win().edit_mode,
            enabled("BevelButton14"), editTextGetter(control("EditField1")), {}};
    const Raster& r = canvas();
    s.pixels.assign(r.data(), r.data() + r.deviceWidth() * r.deviceHeight());
    return s;
  }
  void expectUnchanged(const State& before) {
    const State now = state();
    EXPECT_EQ(now.org, before.org);
    EXPECT_EQ(now.feld, before.feld);
    EXPECT_EQ(now.undo, before.undo);
    EXPECT_EQ(now.counter, before.counter);
    EXPECT_EQ(now.editMode, before.editMode);
    EXPECT_EQ(now.startEnabled, before.startEnabled);
    EXPECT_EQ(now.log, before.log);
    EXPECT_TRUE(now.pixels == before.pixels) << "the board was drawn on";
  }
};

TEST_F(GameFileTest, SaveWritesTheCommittedGridAs99BytesReplacingTheOldFile) {
  startGame();
  win().feld[1] = "0123456789";  // a tested trial is on the board: it is not saved
  const std::string file = path("Bsudoku.BSUD");
  writeFile(file, std::string(500, 'x'));
  ::chmod(file.c_str(), 0640);

  save(file);

  EXPECT_TRUE(backend().messages.empty());
  const std::string bytes = readFile(file);
  EXPECT_EQ(bytes.size(), 99u);
  EXPECT_EQ(bytes, orgRows(win()));
  EXPECT_EQ(bytes.substr(0, 11), "0120000000\r");
  EXPECT_EQ(bytes.find('\n'), std::string::npos);
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u) << "the replaced file keeps its permissions";
  EXPECT_EQ(entries(), 1u) << "no temporary file is left";
}

TEST_F(GameFileTest, SaveThroughALinkReplacesTheFileItPointsTo) {
  const std::string target = path("spiel.BSUD");
  const std::string link = path("link.BSUD");
  writeFile(target, "alt");
  ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
  save(link);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(readFile(target), orgRows(win()));
}

TEST_F(GameFileTest, SavedGameLoadsBackAndPlayStartsAtOnce) {
  startGame();
  const std::string file = path("Bsudoku.BSUD");
  save(file);
  const StringArray saved = win().org;

  win().Open();  // a new, empty puzzle in entry mode
  load(file);

  EXPECT_TRUE(backend().messages.empty());
  EXPECT_EQ(win().org, saved);
  EXPECT_EQ(win().feld, saved);
  EXPECT_FALSE(win().edit_mode);
  EXPECT_TRUE(enabled("BevelButton14"));
  EXPECT_EQ(win().Undo_Counter, 1);
  std::string start;
  for (int r = 1; r <= 9; ++r) start += saved[static_cast<std::size_t>(r)];
  EXPECT_EQ(win().Undo_Memory[0], start);
  EXPECT_EQ(editTextGetter(control("EditField1")), "1. Zug\r") << "the old log lines stay";
}

TEST_F(GameFileTest, TrialTestedBeforeALoadCannotBeTakenAfterIt) {
  startGame();
  const std::string file = path("Bsudoku.BSUD");
  save(file);
  win().Canvas1_MouseDown(65, 5);  // row 1, column 3: an open cell
  int digit = 1;
  while (digit <= 9 && !enabled("BevelButton" + std::to_string(digit))) ++digit;
  ASSERT_LE(digit, 9);
  win().put_probe_into_field(digit);
  win().BevelButton10_Action();
  ASSERT_TRUE(enabled("BevelButton11"));

  load(file);
  EXPECT_FALSE(enabled("BevelButton11")) << "Nehmen would log the old game's trial as a move";
  EXPECT_EQ(win().Undo_Counter, 1);
}

TEST_F(GameFileTest, GivensSavedInEntryModeAreCompletedOnLoad) {
  std::vector<std::string> givens = kSolved;
  givens[0] = "023456789";
  givens[4] = "365807214";
  setGrid(givens);  // still in entry mode: org holds the givens
  const std::string file = path("givens.BSUD");
  save(file);
  EXPECT_EQ(readFile(file).substr(0, 11), "0023456789\r");

  load(file);
  EXPECT_EQ(win().org[1], "0123456789");
  EXPECT_EQ(win().org[5], "0365897214");
  ASSERT_EQ(backend().messages.size(), 1u);
  EXPECT_EQ(backend().messages[0].text, "Herzlichen Glückwunsch! Sie haben das Spiel gelöst!");
}

TEST_F(GameFileTest, LineEndsOfEveryKindAndTrailingTextAreAccepted) {
  const struct {
    const char* name;
    std::string contents;
  } cases[] = {
      {"CR", joined(kSparse, "\r")},
      {"LF", joined(kSparse, "\n")},
      {"CR LF", joined(kSparse, "\r\n")},
      {"no end after the ninth row", joined(kSparse, "\r").substr(0, 98)},
      {"text after the ninth row", joined(kSparse, "\r\n") + "Notiz: schwer\r\n\r\nxyz"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    win().Open();
    const std::string file = path("accepted.BSUD");
    writeFile(file, c.contents);
    load(file);
    EXPECT_TRUE(backend().messages.empty());
    for (int r = 1; r <= 9; ++r) EXPECT_EQ(win().org[static_cast<std::size_t>(r)], kSparse[static_cast<std::size_t>(r - 1)]);
    EXPECT_FALSE(win().edit_mode);
    EXPECT_EQ(win().Undo_Counter, 1);
    backend().messages.clear();
  }
}

TEST_F(GameFileTest, BadFilesAreRefusedWithTheirReasonAndChangeNothing) {
  std::vector<std::string> shortLine = kSparse, longLine = kSparse, letter = kSparse, umlaut = kSparse,
                           nul = kSparse, gap = kSparse;
  shortLine[2] = "000003000";
  longLine[1] = "00000000000";
  letter[3] = "00000x0000";
  umlaut[0] = "01ä0000000";
  nul[8] = std::string("0000\0" "00000", 10);
  gap[1] = "";
  const auto file = [this](const std::string& contents) {
    const std::string f = path("bad.BSUD");
    writeFile(f, contents);
    return f;
  };
  const struct {
    const char* name;
    std::function<std::string()> choose;  // makes the file and returns what the dialog answers
    std::string reason;
    bool unprivileged = false;
  } cases[] = {
      {"short line", [&] { return file(joined(shortLine, "\r")); }, "Zeile 3 hat 9 statt 10 Ziffern"},
      {"long line", [&] { return file(joined(longLine, "\r")); }, "Zeile 2 hat 11 statt 10 Ziffern"},
      {"letter", [&] { return file(joined(letter, "\r")); },
       "Zeile 4 enthält an Stelle 6 das Zeichen „x“, erlaubt sind nur die Ziffern 0 bis 9"},
      {"umlaut", [&] { return file(joined(umlaut, "\r")); }, "Zeile 1 enthält an Stelle 3 das Zeichen „ä“"},
      {"zero byte", [&] { return file(joined(nul, "\r")); }, "Zeile 9 enthält an Stelle 5 ein Steuer- oder Sonderzeichen (Byte 0x00)"},
      {"empty line", [&] { return file(joined(gap, "\r")); }, "Zeile 2 ist leer"},
      {"eight lines", [&] { return file(joined({kSparse.begin(), kSparse.end() - 1}, "\r")); }, "die Datei hat nur 8 Zeilen"},
      {"one line", [&] { return file("0000000000\r"); }, "die Datei hat nur 1 Zeile;"},
      {"empty file", [&] { return file(""); }, "die Datei ist leer"},
      {"no line ends", [&] { return file(joined(kSparse, "")); }, "Zeile 1 hat 90 statt 10 Ziffern"},
      {"huge file",
       [&] {
         const std::string f = file(joined(kSparse, "\r"));
         std::filesystem::resize_file(f, std::uintmax_t{1} << 30);
         return f;
       },
       "sie ist länger als 4096 Bytes"},
      {"device", [] { return std::string("/dev/zero"); }, "das ist keine gewöhnliche Datei"},
      {"named pipe",
       [&] {
         const std::string f = path("pipe");
         EXPECT_EQ(::mkfifo(f.c_str(), 0666), 0);
         return f;
       },
       "das ist keine gewöhnliche Datei"},
      {"folder", [&] { return dir_; }, "das ist ein Ordner"},
      {"missing", [&] { return path("weg.BSUD"); }, "die Datei gibt es nicht"},
      {"no read permission",
       [&] {
         const std::string f = file(joined(kSparse, "\r"));
         ::chmod(f.c_str(), 0);
         return f;
       },
       "keine Berechtigung zum Lesen", true},
  };

  startGame();
  const State before = state();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string chosen = c.choose();
    {
      std::optional<Unprivileged> user;
      if (c.unprivileged) user.emplace();
      load(chosen);
    }
    ASSERT_EQ(backend().messages.size(), 1u);
    const std::string& text = backend().messages[0].text;
    EXPECT_EQ(text.rfind("Die Datei „" + std::filesystem::path(chosen).filename().string() + "“ kann nicht geladen werden: ", 0), 0u) << text;
    EXPECT_TRUE(contains(text, c.reason)) << text;
    EXPECT_TRUE(contains(text, "Das Spiel bleibt unverändert.")) << text;
    expectUnchanged(before);
    backend().messages.clear();
    std::filesystem::remove(path("bad.BSUD"));
  }
}

TEST_F(GameFileTest, FailedSaveKeepsTheOldFileAndSaysWhy) {
  const std::string old = joined(kSparse, "\r");
  const auto oldFileIn = [&](const std::string& folder, mode_t folderMode) {
    std::filesystem::create_directory(folder);
    writeFile(folder + "/Bsudoku.BSUD", old);
    ::chmod((folder + "/Bsudoku.BSUD").c_str(), 0666);  // only the folder stands in the way
    ::chmod(folder.c_str(), folderMode);
    return folder + "/Bsudoku.BSUD";
  };
  const struct {
    const char* name;
    std::function<std::string()> choose;
    std::string reason;
    bool unprivileged = false;
  } cases[] = {
      {"folder without write permission", [&] { return oldFileIn(path("nur-lesen"), 0555); },
       "keine Berechtigung zum Schreiben", true},
      {"write-protected file",
       [&] {
         const std::string f = oldFileIn(path("geschuetzt"), 0777);
         ::chmod(f.c_str(), 0444);
         return f;
       },
       "keine Berechtigung zum Schreiben", true},
      {"vanished folder", [&] { return path("weg/Bsudoku.BSUD"); }, "den Ordner gibt es nicht"},
      {"name of a folder",
       [&] {
         std::filesystem::create_directory(path("ordner"));
         return path("ordner");
       },
       "unter diesem Namen gibt es schon einen Ordner"},
      {"name of a pipe",
       [&] {
         EXPECT_EQ(::mkfifo(path("pipe").c_str(), 0666), 0);
         return path("pipe");
       },
       "unter diesem Namen gibt es schon etwas, das keine gewöhnliche Datei ist"},
  };

  startGame();
  const State before = state();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string chosen = c.choose();
    {
      std::optional<Unprivileged> user;
      if (c.unprivileged) user.emplace();
      save(chosen);
    }
    ASSERT_EQ(backend().messages.size(), 1u);
    const std::string& text = backend().messages[0].text;
    EXPECT_EQ(text, "Das Spiel kann nicht als „" + std::filesystem::path(chosen).filename().string() + "“ gespeichert werden: " + c.reason +
                        ". Eine vorhandene Datei dieses Namens bleibt unverändert.");
    const auto folder = std::filesystem::path(chosen).parent_path();
    if (std::filesystem::is_regular_file(chosen)) {
      EXPECT_EQ(readFile(chosen), old);
      EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "a temporary file is left";
    }
    expectUnchanged(before);
    backend().messages.clear();
  }
  EXPECT_TRUE(std::filesystem::is_fifo(path("pipe")));
}

TEST_F(GameFileTest, DiskFullWhileWritingKeepsTheOldFile) {
  const std::string file = path("Bsudoku.BSUD");
  const std::string old = "alter Spielstand";
  writeFile(file, old);
  startGame();

  // A file size limit makes every write past 50 bytes fail, as a full disk does.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousSignal = ::signal(SIGXFSZ, SIG_IGN);
  rlimit tight = saved;
  tight.rlim_cur = 50;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
  save(file);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previousSignal);

  ASSERT_EQ(backend().messages.size(), 1u);
  EXPECT_TRUE(contains(backend().messages[0].text, "auf dem Datenträger ist nicht genug Platz"));
  EXPECT_EQ(readFile(file), old);
  EXPECT_EQ(entries(), 1u) << "the unfinished file is removed";
}

TEST_F(GameFileTest, CancelledDialogWritesAndChangesNothing) {
  startGame();
  const State before = state();
  save(std::nullopt);
  load(std::nullopt);
  EXPECT_TRUE(backend().messages.empty());
  EXPECT_EQ(entries(), 0u);
  expectUnchanged(before);
}

TEST_F(GameFileTest, DialogsStartInDokumenteWhenItExistsAndInTheHomeFolderOtherwise) {
  for (const bool withDocuments : {false, true}) {
    SCOPED_TRACE(withDocuments ? "with Dokumente" : "without Dokumente");
    if (withDocuments) std::filesystem::create_directory(path("Dokumente"));
    backend().fileDialogs.clear();
    save(std::nullopt);
    load(std::nullopt);
    ASSERT_EQ(backend().fileDialogs.size(), 2u);
    const std::string start = withDocuments ? path("Dokumente") : dir_;
    const FileDialogRequest& s = backend().fileDialogs[0];
    EXPECT_EQ(s.kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(s.initialFolder, start);
    EXPECT_EQ(s.title, "Speichern Sie Ihr Spiel ...");
    EXPECT_EQ(s.prompt, "Geben Sie einen Dateinamen ein");
    EXPECT_EQ(s.suggestedName, "Bsudoku.BSUD");
    const FileDialogRequest& o = backend().fileDialogs[1];
    EXPECT_EQ(o.kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(o.initialFolder, start);
    EXPECT_EQ(o.title, "Wähle eine BSUD-Datei");
  }
}

}  // namespace
