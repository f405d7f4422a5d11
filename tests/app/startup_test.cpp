// The start sequence: what exists after it, and that the About window is not among it.
#include <gtest/gtest.h>

#include "app/fenster2.h"
#include "app/menubar.h"
#include "app/startup.h"
#include "model/fenster1.h"
#include "toolkit/application.h"
#include "toolkit/headless/headless_backend.h"
#include "toolkit/plugin_entrypoints.h"
#include "toolkit/runtime.h"

namespace {

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto b = std::make_unique<HeadlessBackend>();
    backend = b.get();
    RuntimeInit(std::move(b));
    BevelButtonSetters().clear();
  }
  void TearDown() override { RuntimeExit(); }
  HeadlessBackend* backend = nullptr;
};

TEST_F(StartupTest, MainBuildsOneOfEachAndOpensTheBoardInEntryMode) {
  // The headless event loop returns at once, so Main runs the whole sequence.
  Main();
  EXPECT_TRUE(backend->unhandled.empty()) << backend->unhandled;
  EXPECT_EQ(BevelButtonSetters().size(), 10u);

  auto* app = dynamic_cast<App*>(RuntimeApplication());
  ASSERT_NE(app, nullptr);
  Window* main = RuntimeGetImplicitWindow("Fenster1");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(&Fenster1::instance(), main);  // the class name yields the window built at start
  EXPECT_EQ(app->menuBar, &Menüleiste1::instance());
  EXPECT_EQ(main->menuBar, app->menuBar);
  EXPECT_EQ(RuntimeGetImplicitWindow("Fenster2"), nullptr);
  EXPECT_EQ(backend->shows, 1);   // one window shown: the main window
  EXPECT_GE(backend->flushes, 1);  // its board was put on the screen before the loop

  const Fenster1& w = Fenster1::instance();
  EXPECT_TRUE(w.edit_mode);
  for (int r = 1; r <= 9; ++r) EXPECT_EQ(w.feld[r], "0000000000");
  EXPECT_EQ(static_cast<const BevelButton*>(RuntimeControlReference(main, "BevelButton14"))->caption, "Start");
  EXPECT_EQ(RuntimeExit(), 0);
}

}  // namespace
