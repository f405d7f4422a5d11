// Files and the solver in the real window: save and load through the real dialogs, a refused
// file named on the command line, and "Lösen" until its message.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "session.h"

namespace e2e {
namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class FilesAndSolver : public Session {};

TEST_F(FilesAndSolver, SaveThroughTheDialogAndLoadItBackIntoANewGame) {
  ASSERT_NO_FATAL_FAILURE(start());
  typePuzzle(kPuzzle);
  click(at.start());
  const std::string started = waitForCells([](const std::string& c) { return c.find('g') != std::string::npos; });

  const std::string path = app->home() + "/Mein Spiel.BSUD";
  keys("ctrl+s");
  const unsigned long save = app->waitForWindow("Speichern Sie Ihr Spiel ...");
  ASSERT_NE(save, 0u) << "no save dialog";
  app->keys(save, "ctrl+a");
  app->type(save, path);
  answer(save, "Return");
  ASSERT_TRUE(waitFor([&] { return readFile(path).size() == 99; }, 10)) << "no game file of 99 bytes";
  // The start position: the givens and the forced cells, each row behind its pad "0".
  std::string expected = kSolution;
  for (std::size_t i = 0; i < 81; ++i) expected[i] = started[i] == '.' ? '0' : kSolution[i];
  EXPECT_EQ(readFile(path), gameFile(expected));

  keys("ctrl+n");
  const unsigned long box = waitForDialog();
  ASSERT_NE(box, 0u);
  answer(box, "Tab space");
  ASSERT_EQ(waitForCells(std::string(81, '.')), std::string(81, '.'));

  keys("ctrl+o");
  const unsigned long open = app->waitForWindow("Wähle eine BSUD-Datei");
  ASSERT_NE(open, 0u) << "no open dialog";
  app->keys(open, "ctrl+a");
  app->type(open, path);
  answer(open, "Return");
  // Loaded: the saved cells are all givens now, in black, and nothing more is forced.
  const std::string loaded = recolour(started, "g", 'k');
  EXPECT_EQ(waitForCells(loaded), loaded);
  EXPECT_EQ(digitsDiffer(shot(), expected), std::nullopt);
}

TEST_F(FilesAndSolver, ARefusedFileOnTheCommandLineIsReportedOverTheEmptyEntryBoard) {
  const std::string path = writeFile("kaputt.BSUD", "0123\r");
  AppOptions options;
  options.args = {path};
  ASSERT_NO_FATAL_FAILURE(start(options));
  const unsigned long box = waitForDialog();
  ASSERT_NE(box, 0u) << "no message about the refused file";
  answer(box, "Return");
  EXPECT_EQ(shot().cells(), std::string(81, '.'));
  keys("7");
  EXPECT_EQ(waitForCells("b" + std::string(80, '.')), "b" + std::string(80, '.')) << "not in entry mode";
}

TEST_F(FilesAndSolver, LoesenShowsTheSolutionInDarkRedAndSaysSo) {
  AppOptions options;
  options.args = {writeFile("expert.BSUD", gameFile(kPuzzle))};
  ASSERT_NO_FATAL_FAILURE(start(options));
  waitForCells([](const std::string& c) { return c.find('g') != std::string::npos; });
  keys("ctrl+r");
  const unsigned long box = waitForDialog(90);
  ASSERT_NE(box, 0u) << "no \"Gelöst ...\" message";
  // The message box may cover the board; the board stays as the solver left it.
  answer(box, "Return");
  EXPECT_EQ(shot().cells(), std::string(81, 'r'));
  EXPECT_EQ(digitsDiffer(shot(), kSolution), std::nullopt);
}

}  // namespace
}  // namespace e2e
