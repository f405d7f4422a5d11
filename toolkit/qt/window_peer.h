// The Qt side of one toolkit window: a top-level widget with the window's menu bar above a
// content area of the window's content size, in which every control sits at its fixed pixel
// position. Keys typed anywhere in the window reach the window's key event; nothing in it takes
// the keyboard focus away from the window itself.
#pragma once

#include <Qt>
#include <utility>
#include <vector>

#include "toolkit/backend.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class CanvasWidget;
class MenuItem;
class QtBackend;
class Window;
class Control;
class PeerWidget;

class QtWindowPeer final : public WindowPeer {
 public:
  QtWindowPeer(QtBackend& backend, Window& window);
  ~QtWindowPeer() override;

  void show() override;
  void hide() override;
  void flush() override { frameWanted_ = true; }
  void controlChanged(Control& control) override;
  void menuChanged() override;

  Window& window() { return window_; }
  // True once the game asked for its drawing to be shown and it has not been presented yet.
  bool frameWanted() const { return frameWanted_; }
  // Presents every canvas whose pixels changed: at once, or with the next paint. Returns
  // whether any had changed.
  bool present(bool immediately);

  // The widgets, for the back end and for tests.
  QWidget* widget() const;
  QWidget* content() const { return content_; }
  QMenuBar* menuBar() const { return menuBar_; }
  QWidget* controlWidget(const Control& control) const;

  // Window-system events of the top-level widget.
  void keyPressed(int key, Qt::KeyboardModifiers modifiers, const QString& text, bool& handled);
  void closed();
  void deactivated();

 private:
  void buildMenus();
  void addItems(QMenu* menu, MenuItem& parent);
  void refreshMenuStates();
  void buildControl(Control& control);

  QtBackend& backend_;
  Window& window_;
  PeerWidget* widget_;
  QWidget* content_;
  QMenuBar* menuBar_ = nullptr;
  std::vector<std::pair<const Control*, QWidget*>> controls_;
  std::vector<CanvasWidget*> canvases_;
  std::vector<std::pair<QAction*, MenuItem*>> actions_;
  bool frameWanted_ = false;
};
