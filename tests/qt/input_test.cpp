// Keys and menus of the Qt back end: the key codes the window gets, command keys and menus that
// run the enabling rule before acting, and the menu tree as shown.
#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

#include "qt/qt_fixture.h"
#include "toolkit/events.h"
#include "toolkit/qt/keys.h"

namespace {

TEST(KeyTranslation, QtKeysBecomeTheWindowsKeyCodes) {
  struct Case {
    int key;
    Qt::KeyboardModifiers mods;
    QString text;
    std::string want;  // empty: the key means nothing to the window
  };
  const Case cases[] = {
      {Qt::Key_Escape, Qt::NoModifier, "\x1b", "\x1b"},
      {Qt::Key_Left, Qt::NoModifier, "", "\x1c"},
      {Qt::Key_Right, Qt::NoModifier, "", "\x1d"},
      {Qt::Key_Up, Qt::KeypadModifier, "", "\x1e"},
      {Qt::Key_Down, Qt::NoModifier, "", "\x1f"},
      {Qt::Key_Tab, Qt::NoModifier, "\t", "\t"},
      {Qt::Key_Backspace, Qt::NoModifier, "\b", "\b"},
      {Qt::Key_Delete, Qt::NoModifier, "\x7f", "\b"},
      {Qt::Key_5, Qt::NoModifier, "5", "5"},
      {Qt::Key_5, Qt::KeypadModifier, "5", "5"},
      {Qt::Key_A, Qt::ShiftModifier, "A", "A"},
      {Qt::Key_Adiaeresis, Qt::NoModifier, "ä", "ä"},
      {Qt::Key_Return, Qt::NoModifier, "\r", ""},
      {Qt::Key_Backtab, Qt::ShiftModifier, "\x19", ""},
      {Qt::Key_F1, Qt::NoModifier, "", ""},
      {Qt::Key_Shift, Qt::ShiftModifier, "", ""},
  };
  for (const Case& c : cases) {
    const KeyMeaning m = translateKey(c.key, c.mods, c.text);
    if (c.want.empty()) {
      EXPECT_EQ(m.kind, KeyMeaning::Kind::None) << c.key;
    } else {
      EXPECT_EQ(m.kind, KeyMeaning::Kind::Key) << c.key;
      EXPECT_EQ(m.key, c.want) << c.key;
    }
  }
  const KeyMeaning ctrlQ = translateKey(Qt::Key_Q, Qt::ControlModifier, "\x11");
  EXPECT_EQ(ctrlQ.kind, KeyMeaning::Kind::Command);
  EXPECT_EQ(ctrlQ.letter, 'Q');
  EXPECT_EQ(translateKey(Qt::Key_5, Qt::ControlModifier, "5").kind, KeyMeaning::Kind::None);
}

void press(QWidget* target, int key, Qt::KeyboardModifiers mods, const QString& text) {
  QKeyEvent event(QEvent::KeyPress, key, mods, text);
  QApplication::sendEvent(target, &event);
}

TEST_F(QtTest, KeysReachTheWindowWhicheverControlWasClickedAndTabMovesNoFocus) {
  ProbeWindow& w = probe();
  QWidget* top = peerOf(w).widget();
  // Clicking the button and the canvas leaves the keyboard with the window.
  qobject_cast<QPushButton*>(widgetOf(w, "Button1"))->click();
  QMouseEvent down(QEvent::MouseButtonPress, QPointF(3, 4), QPointF(3, 4), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widgetOf(w, "Canvas1"), &down);
  for (const char* name : {"Button1", "Canvas1", "Log", "Line"}) EXPECT_FALSE(widgetOf(w, name)->hasFocus()) << name;

  press(top, Qt::Key_Tab, Qt::NoModifier, "\t");
  press(top, Qt::Key_Tab, Qt::NoModifier, "\t");
  press(top, Qt::Key_7, Qt::NoModifier, "7");
  press(top, Qt::Key_Escape, Qt::NoModifier, "\x1b");
  EXPECT_EQ(w.keys, (std::vector<std::string>{"\t", "\t", "7", "\x1b"}));
  for (const char* name : {"Button1", "Canvas1", "Log", "Line"}) EXPECT_FALSE(widgetOf(w, name)->hasFocus()) << name;
}

TEST_F(QtTest, CommandKeyActsOnlyWhenTheEnablingRuleRunFirstAllowsIt) {
  ProbeWindow& w = probe();
  QWidget* top = peerOf(w).widget();
  // "New" starts disabled; the rule, run before the key acts, enables it.
  ASSERT_FALSE(RuntimeMenuItemLookup(bar_.get(), "New")->enabled);
  const int before = w.enablingRuns;
  press(top, Qt::Key_N, Qt::ControlModifier, "\x0e");
  EXPECT_GT(w.enablingRuns, before);
  EXPECT_EQ(w.chosen, std::vector<std::string>{"New"});

  w.allowNew = false;
  press(top, Qt::Key_N, Qt::ControlModifier, "\x0e");
  EXPECT_EQ(w.chosen.size(), 1u);
  // No QAction carries a shortcut Qt would trigger behind the rule's back.
  for (QAction* a : peerOf(w).menuBar()->findChildren<QAction*>()) EXPECT_TRUE(a->shortcut().isEmpty());

  press(top, Qt::Key_Q, Qt::ControlModifier, "\x11");
  EXPECT_TRUE(toolkit::quitRequested());
}

TEST_F(QtTest, MenuTreeIsShownWithCaptionsSeparatorsKeysAndEnabledStates) {
  ProbeWindow& w = probe();
  QMenuBar* bar = peerOf(w).menuBar();
  const QList<QAction*> menus = bar->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), "&File");
  EXPECT_EQ(menus[1]->text(), "&Edit");
  QMenu* file = menus[0]->menu();
  const QList<QAction*> items = file->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[0]->text(), "New  \tCtrl+N");  // the caption exact, trailing blanks kept
  EXPECT_TRUE(items[1]->isSeparator());
  EXPECT_EQ(items[2]->text(), "Quit\tCtrl+Q");

  // Built before any rule ran, "New" shows its own state; opening the menu runs the rule first.
  EXPECT_FALSE(items[0]->isEnabled());
  w.allowNew = true;
  const int before = w.enablingRuns;
  file->popup(QPoint(0, 0));
  settle();
  EXPECT_GT(w.enablingRuns, before);
  EXPECT_TRUE(items[0]->isEnabled());
  file->hide();

  // A state changed by the game shows at once.
  RuntimeMenuItemEnabledSetter(RuntimeMenuItemLookup(bar_.get(), "Undo"), false);
  EXPECT_FALSE(menus[1]->menu()->actions()[0]->isEnabled());

  // Choosing an item runs its handler once the menu has closed.
  items[0]->trigger();
  EXPECT_TRUE(w.chosen.empty());
  settle();
  EXPECT_EQ(w.chosen, std::vector<std::string>{"New"});
}

}  // namespace
