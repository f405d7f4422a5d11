// Window peers of the Qt back end: the top-level widget, its controls and its menu bar.
#include "toolkit/qt/window_peer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>
#include <algorithm>

#include "toolkit/controls.h"
#include "toolkit/events.h"
#include "toolkit/menu.h"
#include "toolkit/qt/canvas_widget.h"
#include "toolkit/qt/keys.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/runtime_state.h"
#include "toolkit/window.h"

// The top-level widget: hands its window-system events to the peer.
class PeerWidget final : public QWidget {
 public:
  explicit PeerWidget(QtWindowPeer& peer) : peer_(peer) { setFocusPolicy(Qt::StrongFocus); }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    bool handled = false;
    peer_.keyPressed(event->key(), event->modifiers(), event->text(), handled);
    if (handled) {
      event->accept();
    } else {
      QWidget::keyPressEvent(event);
    }
  }
  void closeEvent(QCloseEvent* event) override {
    event->accept();
    peer_.closed();
  }
  bool event(QEvent* event) override {
    if (event->type() == QEvent::WindowDeactivate) peer_.deactivated();
    return QWidget::event(event);
  }
  // Tab is a key of the window, never a move of the focus.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  QtWindowPeer& peer_;
};

namespace {

QString qstr(const std::string& s) { return QString::fromStdString(s); }

// Lines the game builds end in a carriage return; a text widget breaks lines at line feeds.
QString lines(const std::string& s) {
  QString t = qstr(s);
  t.replace("\r\n", "\n").replace('\r', '\n');
  return t;
}

QFont controlFont(const std::string& family, int size, bool bold) {
  QFont f = QApplication::font();
  if (!family.empty() && QFontDatabase::hasFamily(qstr(family))) f.setFamily(qstr(family));
  if (size > 0) f.setPixelSize(size);
  f.setBold(bold);
  return f;
}

// A command key shown after a tab: the menu draws it right-aligned as the item's shortcut,
// while the key itself is read by the window, so the enabling rule runs before it acts.
QString actionText(const MenuItem& item) {
  QString text = qstr(item.caption);
  if (!item.key.empty()) text += "\tCtrl+" + qstr(item.key).toUpper();
  return text;
}

}  // namespace

QtWindowPeer::QtWindowPeer(QtBackend& backend, Window& window)
    : backend_(backend), window_(window), widget_(new PeerWidget(*this)), content_(new QWidget(widget_)) {
  widget_->setWindowTitle(qstr(window.title));
  auto* layout = new QVBoxLayout(widget_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  if (window.menuBar != nullptr) {
    menuBar_ = new QMenuBar(widget_);
    menuBar_->setFocusPolicy(Qt::NoFocus);
    layout->setMenuBar(menuBar_);
    buildMenus();
  }
  layout->addWidget(content_);
  const int maxSize = QWIDGETSIZE_MAX;
  content_->setMinimumSize(std::clamp(window.minWidth, 0, maxSize), std::clamp(window.minHeight, 0, maxSize));
  content_->setMaximumSize(std::clamp(window.maxWidth, 1, maxSize), std::clamp(window.maxHeight, 1, maxSize));
  content_->setAutoFillBackground(true);
  for (auto& control : window.controls) buildControl(*control);

  const int w = std::clamp(window.contentWidth, content_->minimumWidth(), content_->maximumWidth());
  const int h = std::clamp(window.contentHeight, content_->minimumHeight(), content_->maximumHeight());
  int barHeight = 0;
  if (menuBar_ != nullptr) {
    // The same height the layout gives the bar, so the content area keeps its exact size.
    barHeight = menuBar_->heightForWidth(w);
    if (barHeight < 0) barHeight = menuBar_->sizeHint().height();
    barHeight = std::max(barHeight, menuBar_->minimumSize().height());
  }
  widget_->resize(w, h + barHeight);
  backend_.addPeer(this);
}

QtWindowPeer::~QtWindowPeer() {
  backend_.removePeer(this);
  for (CanvasWidget* c : canvases_) c->detach();
  delete widget_;
}

QWidget* QtWindowPeer::widget() const { return widget_; }

void QtWindowPeer::buildControl(Control& control) {
  QWidget* w = nullptr;
  switch (control.kind()) {
    case ControlKind::Canvas: {
      auto* canvas = new CanvasWidget(static_cast<Canvas&>(control), backend_.frameCounter(), content_);
      canvases_.push_back(canvas);
      w = canvas;
      break;
    }
    case ControlKind::BevelButton: {
      auto& b = static_cast<BevelButton&>(control);
      auto* button = new QPushButton(qstr(b.caption), content_);
      button->setFont(controlFont(b.textFont, b.textSize, b.bold));
      QObject::connect(button, &QPushButton::clicked, button, [&control] { toolkit::dispatchAction(control); });
      w = button;
      break;
    }
    case ControlKind::EditField: {
      auto& f = static_cast<EditField&>(control);
      if (f.multiline) {
        auto* view = new QPlainTextEdit(content_);
        view->setReadOnly(true);
        view->setTextInteractionFlags(Qt::NoTextInteraction);
        view->viewport()->setFocusPolicy(Qt::NoFocus);
        view->setPlainText(lines(f.text));
        w = view;
      } else {
        auto* line = new QLineEdit(qstr(f.text), content_);
        line->setReadOnly(true);
        w = line;
      }
      w->setFont(controlFont(f.fontName, f.fontSize, false));
      break;
    }
    case ControlKind::StaticText: {
      auto& t = static_cast<StaticText&>(control);
      auto* label = new QLabel(lines(t.text), content_);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setFont(controlFont(t.fontName, t.fontSize, false));
      w = label;
      break;
    }
  }
  w->setFocusPolicy(Qt::NoFocus);
  w->setGeometry(control.left, control.top, control.width, control.height);
  w->setEnabled(control.enabled);
  w->setVisible(control.visible);
  if (control.kind() != ControlKind::Canvas) w->setToolTip(qstr(control.helpTag));
  controls_.emplace_back(&control, w);
}

QWidget* QtWindowPeer::controlWidget(const Control& control) const {
  for (const auto& [c, w] : controls_) {
    if (c == &control) return w;
  }
  return nullptr;
}

void QtWindowPeer::controlChanged(Control& control) {
  QWidget* w = controlWidget(control);
  if (w == nullptr) return;
  w->setEnabled(control.enabled);
  switch (control.kind()) {
    case ControlKind::Canvas: static_cast<CanvasWidget*>(w)->showHelpTag(); return;
    case ControlKind::BevelButton: static_cast<QPushButton*>(w)->setText(qstr(static_cast<BevelButton&>(control).caption)); break;
    case ControlKind::EditField: {
      const std::string& text = static_cast<EditField&>(control).text;
      if (auto* view = qobject_cast<QPlainTextEdit*>(w)) {
        view->setPlainText(lines(text));
      } else {
        static_cast<QLineEdit*>(w)->setText(qstr(text));
      }
      break;
    }
    case ControlKind::StaticText: static_cast<QLabel*>(w)->setText(lines(static_cast<StaticText&>(control).text)); break;
  }
  w->setToolTip(qstr(control.helpTag));
}

void QtWindowPeer::show() {
  // A handler still drawing after the user closed the main window must not bring it back.
  if (toolkit::quitRequested()) return;
  widget_->show();
  widget_->raise();
  widget_->activateWindow();
}

void QtWindowPeer::hide() { widget_->hide(); }

bool QtWindowPeer::present(bool immediately) {
  frameWanted_ = false;
  bool any = false;
  for (CanvasWidget* c : canvases_) any = c->present(immediately) || any;
  return any;
}

// ---- Menus ----------------------------------------------------------------------------------

void QtWindowPeer::buildMenus() {
  for (auto& top : window_.menuBar->children) {
    QMenu* menu = menuBar_->addMenu(qstr(top->caption));
    actions_.emplace_back(menu->menuAction(), top.get());
    QObject::connect(menu, &QMenu::aboutToShow, widget_, [this] {
      toolkit::updateMenuEnabling(window_);
      refreshMenuStates();
    });
    addItems(menu, *top);
  }
  refreshMenuStates();
}

void QtWindowPeer::addItems(QMenu* menu, MenuItem& parent) {
  for (auto& child : parent.children) {
    MenuItem* item = child.get();
    if (item->isSeparator()) {
      menu->addSeparator();
      continue;
    }
    if (!item->children.empty()) {
      QMenu* sub = menu->addMenu(qstr(item->caption));
      actions_.emplace_back(sub->menuAction(), item);
      addItems(sub, *item);
      continue;
    }
    QAction* action = menu->addAction(actionText(*item));
    actions_.emplace_back(action, item);
    // Queued: the command runs from the event loop once the menu has closed, not inside it.
    QObject::connect(
        action, &QAction::triggered, widget_, [this, item] { toolkit::chooseMenuItem(window_, *item); },
        Qt::QueuedConnection);
  }
}

void QtWindowPeer::refreshMenuStates() {
  for (auto& [action, item] : actions_) action->setEnabled(item->enabled);
}

void QtWindowPeer::menuChanged() { refreshMenuStates(); }

// ---- Window-system events -------------------------------------------------------------------

void QtWindowPeer::keyPressed(int key, Qt::KeyboardModifiers modifiers, const QString& text, bool& handled) {
  const KeyMeaning m = translateKey(key, modifiers, text);
  switch (m.kind) {
    case KeyMeaning::Kind::None: return;
    case KeyMeaning::Kind::Key:
      handled = true;
      toolkit::dispatchKeyDown(window_, m.key);
      return;
    case KeyMeaning::Kind::Command: {
      // A window without a menu bar of its own (the About window) uses the main window's.
      Window* target = window_.menuBar != nullptr ? &window_ : toolkit::detail::mainWindow();
      if (target != nullptr) handled = toolkit::commandKey(*target, m.letter);
      return;
    }
  }
}

void QtWindowPeer::closed() {
  window_.shownInFront = false;
  if (&window_ == toolkit::detail::mainWindow()) {
    backend_.closeModalDialogs();
    toolkit::requestQuit();
    return;
  }
  backend_.destroyWindowSoon(&window_);
}

void QtWindowPeer::deactivated() { window_.shownInFront = false; }
