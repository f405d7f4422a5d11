// Starting with a game file: loaded into the opened main window as "Laden" loads it, a refused
// file reported over the empty board, and the program's own arguments.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/startup.h"
#include "model/fenster1.h"
#include "toolkit/headless/headless_backend.h"
#include "toolkit/plugin_entrypoints.h"
#include "toolkit/runtime.h"

namespace {

// An expert puzzle: the forced cells do not finish it, so play starts without a congratulation.
constexpr const char* kRows[9] = {"0010006000", "0000003074", "0020700490", "0000012803", "0000300002",
                                  "0000037049", "0007080000", "0040001700", "0000900000"};

std::string gameFile() {
  std::string s;
  for (const char* row : kRows) s += std::string(row) + "\r";
  return s;
}

class StartupFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/bsudoku-start-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    dir = name;
    startRuntime();
  }
  void TearDown() override {
    RuntimeExit();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  // A fresh run of the program: a new runtime, no window yet.
  void startRuntime() {
    auto b = std::make_unique<HeadlessBackend>();
    backend = b.get();
    RuntimeInit(std::move(b));
    BevelButtonSetters().clear();
  }
  std::string write(const std::string& name, const std::string& contents) {
    const std::string path = dir + "/" + name;
    std::ofstream(path, std::ios::binary) << contents;
    return path;
  }
  const Fenster1& win() { return Fenster1::instance(); }

  HeadlessBackend* backend = nullptr;
  std::string dir;
};

TEST_F(StartupFileTest, AFileGivenAtStartIsPlayedExactlyAsLadenWouldLoadIt) {
  const std::string path = write("Bsudoku.BSUD", gameFile());
  Main(path);
  ASSERT_TRUE(backend->unhandled.empty()) << backend->unhandled;
  EXPECT_TRUE(backend->messages.empty());
  EXPECT_FALSE(win().edit_mode);
  for (int r = 1; r <= 9; ++r) {
    for (int c = 2; c <= 10; ++c) {
      const char given = kRows[r - 1][c - 1];
      if (given != '0') {
        EXPECT_EQ(win().org[r][c - 1], given) << "row " << r << " column " << c - 1;
      }
    }
  }
  EXPECT_GE(backend->flushes, 2);  // the empty board, then the loaded one, before the loop

  const StringArray feld = win().feld, org = win().org;
  const int moves = win().Undo_Counter;
  backend->fileAnswers.push_back(path);
  Fenster1::instance().AblageLaden_Action();
  EXPECT_EQ(win().feld, feld);
  EXPECT_EQ(win().org, org);
  EXPECT_EQ(win().Undo_Counter, moves);
}

TEST_F(StartupFileTest, ARefusedFileIsReportedAndLeavesTheEmptyBoardInEntryMode) {
  const std::filesystem::path folder = dir + "/Ordner.BSUD";
  std::filesystem::create_directory(folder);
  const struct {
    std::string path;
    std::string reason;
  } cases[] = {
      {dir + "/fehlt.BSUD", "die Datei gibt es nicht"},
      {folder.string(), "das ist ein Ordner"},
      {write("kurz.BSUD", "0010006000\r0000003074\r"), "die Datei hat nur 2 Zeilen"},
      {write("leer.BSUD", ""), "die Datei ist leer"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    RuntimeExit();
    startRuntime();
    const std::string name = std::filesystem::path(c.path).filename().string();
    Main(c.path);
    ASSERT_EQ(backend->messages.size(), 1u);
    const std::string& text = backend->messages[0].text;
    EXPECT_NE(text.find("Die Datei „" + name + "“ kann nicht geladen werden: " + c.reason), std::string::npos) << text;
    EXPECT_TRUE(win().edit_mode);
    for (int r = 1; r <= 9; ++r) EXPECT_EQ(win().feld[r], "0000000000");
  }
}

TEST(CommandLineTest, AtMostOneGameFileAndNoUnknownOptions) {
  const struct {
    std::vector<std::string> args;
    std::optional<std::string> file;
    bool refused;  // a message and exit code 2
  } cases[] = {
      {{}, std::nullopt, false},
      {{"Spiel.BSUD"}, "Spiel.BSUD", false},
      {{"--", "-Spiel.BSUD"}, "-Spiel.BSUD", false},
      {{"-"}, "-", false},
      {{"a.BSUD", "b.BSUD"}, std::nullopt, true},
      {{"--fullscreen"}, std::nullopt, true},
  };
  for (const auto& c : cases) {
    const CommandLine line = ParseCommandLine(c.args);
    EXPECT_EQ(line.gameFile, c.file) << testing::PrintToString(c.args);
    EXPECT_EQ(line.message.has_value(), c.refused) << testing::PrintToString(c.args);
    EXPECT_EQ(line.exitCode, c.refused ? 2 : 0) << testing::PrintToString(c.args);
  }
  const CommandLine help = ParseCommandLine({"--help", "x"});
  ASSERT_TRUE(help.message.has_value());
  EXPECT_EQ(help.message->rfind("Aufruf: bsudoku [SPIELDATEI]", 0), 0u);
  EXPECT_EQ(help.exitCode, 0);
}

}  // namespace
