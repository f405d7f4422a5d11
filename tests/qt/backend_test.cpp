// The Qt back end's run: frames at the display's rate, quitting out of a long handler,
// secondary windows, message boxes, printing to PDF and the page-setup text, the display check.
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QPageSize>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdlib>

#include "qt/qt_fixture.h"
#include "toolkit/events.h"
#include "toolkit/qt/display.h"
#include "toolkit/qt/page_layout_text.h"

namespace {

TEST_F(QtTest, FlushOnlyMarksAndFramesComeAtTheDisplaysRate) {
  ProbeWindow& w = probe();
  Graphics* g = canvasGraphicsGetter(w.control("Canvas1"));
  const long long start = backend().framesPresented();
  // A burst of draws and flushes paints nothing by itself.
  for (int i = 0; i < 100000; ++i) {
    RuntimeGraphicsFillRect(g, i % 50, 0, 5, 5);
    WindowForceUpdateFrontBuffer(&w);
  }
  EXPECT_EQ(backend().framesPresented(), start);
  // The yield point presents at most one frame per ~16 ms, however often it runs.
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 200) {
    RuntimeGraphicsFillRect(g, 0, 0, 5, 5);
    WindowForceUpdateFrontBuffer(&w);
    backend().processEvents();
  }
  const long long frames = backend().framesPresented() - start;
  EXPECT_GE(frames, 3);
  EXPECT_LE(frames, 200 / 16 + 2);
  // Back in the event loop the last state is presented without a flush.
  RuntimeGraphicsFillRect(g, 10, 10, 5, 5);
  const long long before = backend().framesPresented();
  QTimer::singleShot(50, [] { toolkit::requestQuit(); });
  RuntimeRun();
  EXPECT_EQ(backend().framesPresented(), before + 1);
}

TEST_F(QtTest, ClosingTheMainWindowEndsALongHandlerPromptly) {
  ProbeWindow& w = probe();
  QElapsedTimer sinceClose;
  bool unwound = false;
  w.onAction = [&] {
    QTimer::singleShot(30, [&] {
      sinceClose.start();
      peerOf(w).widget()->close();
    });
    struct Guard {
      bool& flag;
      ~Guard() { flag = true; }
    } guard{unwound};
    for (;;) RuntimeBackgroundTask();  // a search that never ends by itself
  };
  QTimer::singleShot(0, [&] { qobject_cast<QPushButton*>(widgetOf(w, "Button1"))->click(); });
  RuntimeRun();
  EXPECT_TRUE(unwound);
  EXPECT_LT(sinceClose.elapsed(), 500);
  EXPECT_FALSE(peerOf(w).widget()->isVisible());
}

TEST_F(QtTest, ClosedSecondaryWindowIsDestroyedAndHiddenOneKept) {
  probe();
  struct Secondary final : Window {
    void Layout() override {
      implicitName = "Second";
      title = "Second";
      contentWidth = 100;
      contentHeight = 80;
    }
  };
  Window* second = WindowDefaultConstructor(std::make_unique<Secondary>());
  settle();
  RuntimeHideWindow(second);
  EXPECT_FALSE(second->shownInFront);
  EXPECT_EQ(RuntimeGetImplicitWindow("Second"), second);
  RuntimeShowWindow(second);
  EXPECT_TRUE(peerOf(*second).widget()->isVisible());

  peerOf(*second).widget()->close();
  EXPECT_FALSE(second->shownInFront);
  EXPECT_EQ(RuntimeGetImplicitWindow("Second"), second);  // not inside the close event itself
  settle();
  EXPECT_EQ(RuntimeGetImplicitWindow("Second"), nullptr);
  EXPECT_FALSE(toolkit::quitRequested());
}

TEST_F(QtTest, StopMessageHasOkAndAbbrechenWithCancelAsDefault) {
  probe();
  struct Seen {
    QString ok, cancel;
    bool cancelDefault = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
  } seen;
  auto answer = [&](QMessageBox::StandardButton which) {
    QTimer::singleShot(0, [&, which] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      seen.ok = box->button(QMessageBox::Ok)->text();
      seen.cancel = box->button(QMessageBox::Cancel)->text();
      seen.cancelDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
      seen.icon = box->icon();
      box->button(which)->click();
    });
  };
  answer(QMessageBox::Ok);
  EXPECT_EQ(VB_RuntimeMsgBox("Neues Spiel?", 273, ""), 1);
  EXPECT_EQ(seen.ok, "OK");
  EXPECT_EQ(seen.cancel, "Abbrechen");
  EXPECT_TRUE(seen.cancelDefault);
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  answer(QMessageBox::Cancel);
  EXPECT_EQ(VB_RuntimeMsgBox("Neues Spiel?", 273, ""), 2);
}

TEST_F(QtTest, PrintedPdfPageShowsTheGridInPoints) {
  if (std::system("command -v pdftoppm >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  probe();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string pdf = (dir.path() + "/page.pdf").toStdString();
  backend().printNextToPdf(pdf);
  {
    std::unique_ptr<PrintJob> job = RuntimeBackend().printDialog(nullptr);
    ASSERT_NE(job, nullptr);
    for (int c = 0; c < 9; ++c) {
      for (int r = 0; r < 9; ++r) job->surface().drawRect(60 + c * 30, 60 + r * 30, 31, 31, Color{0, 0, 0}, 1, 1);
    }
    job->surface().drawString("5", 71, 79, Color{0, 0, 0});
    job->surface().drawString("1: Zeile 1\r2: Zeile 2\r", 350, 70, Color{0, 0, 0});
  }
  const std::string png = (dir.path() + "/page").toStdString();
  ASSERT_EQ(std::system(("pdftoppm -r 72 -png -singlefile '" + pdf + "' '" + png + "'").c_str()), 0);
  const QImage page(QString::fromStdString(png + ".png"));
  ASSERT_FALSE(page.isNull());
  auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
  // One point is one pixel at 72 dpi: lines at 60, 90, …, 330 in both directions.
  for (int i = 0; i <= 9; ++i) {
    EXPECT_TRUE(dark(60 + 30 * i, 200)) << "vertical line " << i;
    EXPECT_TRUE(dark(200, 60 + 30 * i)) << "horizontal line " << i;
  }
  EXPECT_FALSE(dark(105, 105));  // inside a square
  EXPECT_FALSE(dark(59, 200));
  bool digitInk = false;  // the "5" of row 1, column 1
  for (int y = 66; y < 80 && !digitInk; ++y) {
    for (int x = 71; x < 80; ++x) digitInk = digitInk || dark(x, y);
  }
  EXPECT_TRUE(digitInk);
}

TEST(PageLayoutText, RoundTripsExactlyAndRejectsOtherText) {
  const QPageLayout layouts[] = {
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter),
      QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(0.5, 0.25, 0.75, 1.125),
                  QPageLayout::Inch),
      QPageLayout(QPageSize(QSizeF(100.3, 200.7), QPageSize::Millimeter, "", QPageSize::ExactMatch),
                  QPageLayout::Portrait, QMarginsF(3.3, 4.4, 5.5, 6.6), QPageLayout::Point),
  };
  for (const QPageLayout& layout : layouts) {
    const std::string text = pageLayoutToText(layout);
    const auto back = pageLayoutFromText(text);
    ASSERT_TRUE(back.has_value()) << text;
    EXPECT_EQ(pageLayoutToText(*back), text);
    EXPECT_TRUE(back->isEquivalentTo(layout)) << text;
  }
  for (const char* bad : {"", "size=A4", "size=Nope;width=1;height=1;sizeUnits=mm;orientation=portrait;units=mm;margins=1,1,1,1",
                          "size=A4;width=210;height=297;sizeUnits=mm;orientation=portrait;units=mm;margins=1,x,1,1"}) {
    EXPECT_FALSE(pageLayoutFromText(bad).has_value()) << bad;
  }
}

TEST(DisplayCheck, NamesTheProblemOnlyWithoutADisplayOrServerlessPlatform) {
  struct Case {
    const char* platform;
    const char* display;
    const char* wayland;
    bool missing;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, true},  {nullptr, ":0", nullptr, false},     {nullptr, nullptr, "wayland-0", false},
      {"offscreen", nullptr, nullptr, false}, {"xcb", nullptr, "wayland-0", true}, {"wayland", ":0", nullptr, true},
      {"minimal", nullptr, nullptr, false}, {nullptr, "", nullptr, true},
  };
  const std::string saved[3] = {getenv("QT_QPA_PLATFORM") ? getenv("QT_QPA_PLATFORM") : "",
                                getenv("DISPLAY") ? getenv("DISPLAY") : "", getenv("WAYLAND_DISPLAY") ? getenv("WAYLAND_DISPLAY") : ""};
  const char* names[3] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
  for (const Case& c : cases) {
    const char* values[3] = {c.platform, c.display, c.wayland};
    for (int i = 0; i < 3; ++i) values[i] ? setenv(names[i], values[i], 1) : unsetenv(names[i]);
    const auto message = missingDisplayMessage("build/bsudoku");
    EXPECT_EQ(message.has_value(), c.missing) << (c.platform ? c.platform : "-") << " " << (c.display ? c.display : "-");
    if (message) {
      EXPECT_NE(message->find("xvfb-run -a build/bsudoku"), std::string::npos);
    }
  }
  for (int i = 0; i < 3; ++i) saved[i].empty() ? unsetenv(names[i]) : setenv(names[i], saved[i].c_str(), 1);
}

}  // namespace
