// The About window: built on first use, shown and hidden, never doubled.
#include <string>
#include <vector>

#include "app/fenster2.h"
#include "support/fixture.h"
#include "toolkit/events.h"
#include "toolkit/menu_ops.h"

namespace {

class AboutTest : public GameTest {
 protected:
  Window* about() { return RuntimeGetImplicitWindow("Fenster2"); }
};

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out(1);
  for (char c : text) {
    if (c == '\r') {
      out.emplace_back();
    } else {
      out.back() += c;
    }
  }
  return out;
}

TEST_F(AboutTest, WindowControlsAndText) {
  EXPECT_FALSE(win().AblageberBSudoku_Action());
  Window* w = about();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->title, "Über BrovaneSudoku");
  EXPECT_EQ(w->contentWidth, 377);
  EXPECT_EQ(w->contentHeight, 206);
  EXPECT_EQ(w->minWidth, 64);
  EXPECT_EQ(w->maxHeight, 32000);
  EXPECT_EQ(w->menuBar, nullptr);
  ASSERT_EQ(w->controls.size(), 2u);

  const auto* ok = dynamic_cast<const BevelButton*>(w->controls[0].get());
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->name, "BevelButton1");
  EXPECT_EQ(ok->caption, "OK");
  EXPECT_FALSE(ok->bold);
  EXPECT_EQ(ok->textFont, "System");
  EXPECT_EQ(ok->textSize, 12);
  EXPECT_EQ(ok->captionAlign, 3);
  EXPECT_TRUE(ok->enabled);
  EXPECT_EQ(ok->left + ok->width, 354);
  EXPECT_EQ(ok->top + ok->height, 188);

  const auto* text = dynamic_cast<const StaticText*>(w->controls[1].get());
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->name, "StaticText1");
  EXPECT_EQ(text->left, 20);
  EXPECT_EQ(text->top, 14);
  EXPECT_EQ(text->left + text->width, 354);
  EXPECT_EQ(text->height, 150);
  EXPECT_EQ(text->fontName, "Grotesque MT Lt");
  EXPECT_EQ(text->fontSize, 12);
  const auto l = lines(text->text);
  ASSERT_EQ(l.size(), 10u);
  EXPECT_EQ(l[0], "");
  EXPECT_EQ(l[1], "Version: 1.3");
  for (std::size_t i : {2u, 4u, 6u, 7u, 8u}) EXPECT_EQ(l[i], "") << i + 1;
  for (std::size_t i : {3u, 5u, 9u}) EXPECT_FALSE(l[i].empty()) << i + 1;
  EXPECT_NE(l[9].find("Freeware"), std::string::npos);
}

TEST_F(AboutTest, ShownOnceHiddenByOkAndShownAgainTheSame) {
  const long long shows = backend().shows;
  toolkit::chooseMenuItem(win(), *win().AblageberBSudoku());
  Window* first = about();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->shownInFront);
  toolkit::chooseMenuItem(win(), *win().AblageberBSudoku());
  EXPECT_EQ(about(), first);
  EXPECT_EQ(backend().shows, shows + 1);

  toolkit::dispatchAction(*RuntimeControlReference(first, "BevelButton1"));
  EXPECT_EQ(about(), first);  // hidden, not destroyed
  EXPECT_FALSE(first->shownInFront);
  const std::string text = static_cast<StaticText*>(RuntimeControlReference(first, "StaticText1"))->text;

  toolkit::chooseMenuItem(win(), *win().AblageberBSudoku());
  EXPECT_EQ(about(), first);
  EXPECT_TRUE(first->shownInFront);
  EXPECT_EQ(static_cast<StaticText*>(RuntimeControlReference(first, "StaticText1"))->text, text);
}

TEST_F(AboutTest, ClosedWindowIsBuiltAgainAndMainWindowKeepsTheMenuRule) {
  win().AblageberBSudoku_Action();
  RuntimeDestroyWindow(about());
  EXPECT_EQ(about(), nullptr);
  win().AblageberBSudoku_Action();
  ASSERT_NE(about(), nullptr);
  EXPECT_TRUE(about()->shownInFront);
  // The menu enabling still belongs to the main window while the About window exists.
  win().Undo_Counter = 2;
  enableMenuItems();
  EXPECT_TRUE(win().BearbeitenWiderrufen()->enabled);
}

}  // namespace
