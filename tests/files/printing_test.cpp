// Printing on the headless back end: the page's grid, digits and move log in points, and the
// page setup kept as a text for the run.
#include "support/fixture.h"

namespace {

class PrintingTest : public GameTest {
 protected:
  void print(bool confirm = true) {
    backend().printAnswers.push_back(confirm);
    win().AblageDrucken_Action();
  }
  void pageSetup(std::optional<std::string> answer) {
    backend().pageSetupAnswers.push_back(std::move(answer));
    win().AblageSeiteeinrichten_Action();
  }
};

TEST_F(PrintingTest, EmptyBoardPrintsTheBareGridAndNothingElse) {
  print();
  ASSERT_EQ(backend().pages.size(), 1u);
  const auto& page = backend().pages[0];
  EXPECT_TRUE(page.texts.empty());
  const Raster& r = *page.raster;
  for (int y = 0; y < r.height(); ++y) {
    for (int x = 0; x < r.width(); ++x) {
      const bool inGrid = x >= 60 && x <= 330 && y >= 60 && y <= 330;
      const bool line = inGrid && ((x - 60) % 30 == 0 || (y - 60) % 30 == 0);
      const Color want = line ? Color{0, 0, 0} : Color{255, 255, 255};
      ASSERT_EQ(r.pixel(x, y), want) << x << "," << y;
    }
  }
}

TEST_F(PrintingTest, DigitsOfTheWorkingGridAndTheLogArePlacedInPoints) {
  setGrid({"5........", ".........", ".........", ".........", ".........", ".........", ".........", ".........",
           "........7"});
  win().feld[5] = "0000030000";  // a trial digit on the board is printed too
  win().cur_Color = RuntimeRGB(200, 0, 0);
  const std::string log = "1. Zug: Zeile 1 Spalte 2\r2. Zug: Zeile 3 Spalte 4\r";
  editTextSetter(control("EditField1"), log);

  print();

  ASSERT_EQ(backend().pages.size(), 1u);
  const auto& page = backend().pages[0];
  ASSERT_EQ(page.texts.size(), 4u);
  const struct {
    const char* text;
    int x, baseline;
  } expected[] = {{"5", 71, 79}, {"3", 191, 199}, {"7", 311, 319}, {log.c_str(), 350, 70}};
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(expected[i].text);
    EXPECT_EQ(page.texts[i].text, expected[i].text);
    EXPECT_EQ(page.texts[i].x, expected[i].x);
    EXPECT_EQ(page.texts[i].baseline, expected[i].baseline);
  }
  bool digitInColour = false;
  for (int y = 60; y < 79; ++y)
    for (int x = 71; x < 90; ++x) digitInColour = digitInColour || page.raster->pixel(x, y) == Color{200, 0, 0};
  EXPECT_TRUE(digitInColour) << "digits are printed in cur_Color";
}

TEST_F(PrintingTest, ConfirmedSetupSurvivesACancelAndReachesThePrintDialog) {
  const char raw[] = "Papier=A4\r\nQuer=1\0Rand=\xC3\xA4";
  const std::string setup(raw, sizeof raw - 1);  // handed back byte for byte
  pageSetup(setup);
  EXPECT_EQ(win().printer_config, setup);
  pageSetup(std::nullopt);
  EXPECT_EQ(win().printer_config, setup);
  ASSERT_NE(win().Pagesetup, nullptr);
  EXPECT_EQ(win().Pagesetup->settings, setup);

  print();
  ASSERT_EQ(backend().pages.size(), 1u);
  EXPECT_EQ(backend().pages[0].setup, setup);
}

TEST_F(PrintingTest, CancelledPrintDialogPrintsNothingAndKeepsTheSetup) {
  pageSetup("Papier=Letter");
  const PrinterSetup* object = win().Pagesetup.get();
  print(false);
  EXPECT_TRUE(backend().pages.empty());
  EXPECT_EQ(win().printer_config, "Papier=Letter");
  EXPECT_EQ(win().Pagesetup.get(), object);
  EXPECT_EQ(win().Pagesetup->settings, "Papier=Letter");
}

TEST_F(PrintingTest, WithoutAConfirmedSetupThePrintDialogGetsAnEmptyOne) {
  print();
  ASSERT_EQ(backend().pages.size(), 1u);
  EXPECT_EQ(backend().pages[0].setup, "");
  EXPECT_EQ(win().Pagesetup, nullptr);

  pageSetup(std::nullopt);  // opened and cancelled: a default object, still no text
  EXPECT_EQ(win().printer_config, "");
  ASSERT_NE(win().Pagesetup, nullptr);
  EXPECT_EQ(win().Pagesetup->settings, "");
}

}  // namespace
