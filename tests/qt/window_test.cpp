// The main window as the Qt back end shows it: sizes, fixed control positions, what the controls
// show, and the canvas showing exactly the raster's pixels.
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdlib>

#include "model/fenster1.h"
#include "qt/qt_fixture.h"
#include "toolkit/qt/canvas_widget.h"

namespace {

TEST_F(QtTest, MainWindowHasItsContentSizeAndEveryControlAtItsPlace) {
  Fenster1& win = Fenster1::instance();
  settle();
  QtWindowPeer& peer = peerOf(win);
  EXPECT_EQ(peer.widget()->windowTitle(), "BrovaneSudoku");
  EXPECT_TRUE(peer.widget()->isVisible());
  ASSERT_NE(peer.menuBar(), nullptr);
  EXPECT_EQ(peer.content()->size(), QSize(313, 387));
  // The menu bar sits above the content area, which begins right below it.
  EXPECT_EQ(peer.content()->y(), peer.menuBar()->geometry().bottom() + 1);
  EXPECT_EQ(peer.widget()->height(), peer.menuBar()->height() + 387);

  struct Place {
    const char* name;
    int left, top, width, height;
  };
  static constexpr Place kPlaces[] = {
      {"EditField1", 304, 30, 214, 272},   {"Canvas1", 20, 30, 272, 278},      {"EditField2", 530, 14, 142, 22},
      {"EditField3", 530, 53, 142, 22},    {"EditField4", 530, 92, 142, 22},   {"EditField5", 530, 126, 142, 22},
      {"BevelButton1", 26, 320, 23, 22},   {"BevelButton2", 55, 320, 23, 22},  {"BevelButton3", 85, 320, 23, 22},
      {"BevelButton4", 115, 320, 23, 22},  {"BevelButton5", 145, 320, 23, 22}, {"BevelButton6", 175, 320, 23, 22},
      {"BevelButton7", 205, 320, 23, 22},  {"BevelButton8", 235, 320, 23, 22}, {"BevelButton9", 265, 320, 23, 22},
      {"BevelButton10", 26, 349, 56, 22},  {"BevelButton11", 95, 349, 56, 22}, {"BevelButton12", 163, 349, 56, 22},
      {"BevelButton13", 555, 251, 60, 22}, {"EditField6", 530, 160, 142, 22},  {"BevelButton14", 232, 349, 56, 22},
  };
  ASSERT_EQ(win.controls.size(), std::size(kPlaces));
  for (const Place& p : kPlaces) {
    QWidget* w = widgetOf(win, p.name);
    ASSERT_NE(w, nullptr) << p.name;
    EXPECT_EQ(w->parentWidget(), peer.content()) << p.name;
    EXPECT_EQ(w->geometry(), QRect(p.left, p.top, p.width, p.height)) << p.name;
    EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << p.name;
  }
  EXPECT_NE(qobject_cast<QPlainTextEdit*>(widgetOf(win, "EditField1")), nullptr);
  auto* digit = qobject_cast<QPushButton*>(widgetOf(win, "BevelButton1"));
  auto* start = qobject_cast<QPushButton*>(widgetOf(win, "BevelButton14"));
  ASSERT_TRUE(digit && start);
  EXPECT_EQ(digit->text(), "1");
  EXPECT_TRUE(digit->font().bold());
  EXPECT_EQ(start->text(), "Start");
  EXPECT_FALSE(start->font().bold());

  // Resizing moves nothing: the controls keep their pixel positions.
  peer.widget()->resize(600, 500);
  settle();
  EXPECT_EQ(widgetOf(win, "Canvas1")->geometry(), QRect(20, 30, 272, 278));
  EXPECT_EQ(widgetOf(win, "BevelButton14")->geometry(), QRect(232, 349, 56, 22));
}

TEST_F(QtTest, ControlsFollowTheirStateAndTheMoveLogBreaksAtCarriageReturns) {
  ProbeWindow& w = probe();
  Control* log = w.control("Log");
  editTextSetter(log, "1: a\r2: b\r");
  EXPECT_EQ(qobject_cast<QPlainTextEdit*>(widgetOf(w, "Log"))->toPlainText(), "1: a\n2: b\n");
  EXPECT_TRUE(qobject_cast<QPlainTextEdit*>(widgetOf(w, "Log"))->isReadOnly());

  Control* button = w.control("Button1");
  controlEnabledSetter(button, false);
  EXPECT_FALSE(widgetOf(w, "Button1")->isEnabled());
  controlHelpTagSetter(w.control("Canvas1"), "Hier geht 37");
  EXPECT_EQ(widgetOf(w, "Canvas1")->toolTip(), "Hier geht 37");

  // A click on a disabled button does nothing; on an enabled one it runs the Action once.
  auto* push = qobject_cast<QPushButton*>(widgetOf(w, "Button1"));
  push->click();
  EXPECT_EQ(w.actions, 0);
  controlEnabledSetter(button, true);
  push->click();
  EXPECT_EQ(w.actions, 1);
}

// Draws the same shapes on the Qt canvas's raster and on a headless one.
void drawShapes(Surface& s) {
  s.fillRect(0, 0, 60, 40, Color{236, 236, 236});
  s.drawRect(0, 0, 31, 31, Color{0, 0, 0}, 1, 1);
  s.drawRect(1, 1, 29, 29, Color{0, 0, 240}, 1, 1);
  s.fillRect(33, 5, 20, 30, Color{100, 0, 0});
  s.drawRect(40, 12, 10, 8, Color{0, 127, 0}, 2, 3);
}

void expectCanvasShows(QWidget* canvasWidget, const Raster& expected) {
  const QImage shown = canvasWidget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), QSize(expected.deviceWidth(), expected.deviceHeight()));
  int wrong = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb want = expected.data()[y * expected.deviceWidth() + x];
      if (shown.pixel(x, y) != want && ++wrong <= 5) {
        ADD_FAILURE() << "device pixel (" << x << ", " << y << "): " << std::hex << shown.pixel(x, y) << " != " << want;
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(QtTest, CanvasShowsTheRasterPixelForPixel) {
  ProbeWindow& w = probe();
  auto* canvas = static_cast<Canvas*>(w.control("Canvas1"));
  ASSERT_EQ(canvas->raster()->scale(), 1);
  drawShapes(*canvas->raster());
  Raster headless(60, 40, 1);
  drawShapes(headless);
  expectCanvasShows(widgetOf(w, "Canvas1"), headless);
}

// A scaled screen gets a raster of whole device pixels, and clicks still land in logical
// canvas pixels.
class ScaledQtTest : public QtTest {
 protected:
  void SetUp() override {
    setenv("QT_SCALE_FACTOR", "2", 1);
    QtTest::SetUp();
  }
  void TearDown() override {
    QtTest::TearDown();
    unsetenv("QT_SCALE_FACTOR");
  }
};

TEST_F(ScaledQtTest, RasterAtScaleTwoIsSharpAndClicksLandOnLogicalPixels) {
  ProbeWindow& w = probe();
  auto* canvas = static_cast<Canvas*>(w.control("Canvas1"));
  ASSERT_EQ(canvas->raster()->scale(), 2);
  drawShapes(*canvas->raster());
  Raster headless(60, 40, 2);
  drawShapes(headless);
  expectCanvasShows(widgetOf(w, "Canvas1"), headless);

  QWidget* cw = widgetOf(w, "Canvas1");
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(35.5, 29.0), cw->mapToGlobal(QPointF(35.5, 29.0)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(cw, &press);
  ASSERT_EQ(w.clicks.size(), 1u);
  EXPECT_EQ(w.clicks[0], std::make_pair(35, 29));
}

TEST_F(QtTest, DigitGlyphsFitTheCellFromTheirBaselineOrigin) {
  ProbeWindow& w = probe();
  const GlyphSet& glyphs = static_cast<Canvas*>(w.control("Canvas1"))->raster()->glyphs();
  for (char d = '1'; d <= '9'; ++d) {
    const Glyph& g = glyphs.glyph(static_cast<char32_t>(d));
    EXPECT_GE(g.height, 10) << d;
    EXPECT_LE(g.height, 12) << d;
    // Drawn from (x0 + 11, y0 + 19), the ink stays inside the inner area x0 + 2 … x0 + 28.
    EXPECT_GE(11 + g.left, 2) << d;
    EXPECT_LE(11 + g.left + g.width, 29) << d;
    EXPECT_GE(19 - g.top, 2) << d;
    EXPECT_LE(19 - g.top + g.height, 29) << d;
    for (std::uint8_t m : g.mask) EXPECT_LE(m, 1) << d;  // no antialiasing: ink or nothing
  }
}

}  // namespace
