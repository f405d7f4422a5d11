// A fresh runtime over the Qt back end (offscreen) per test, and a small window with a canvas,
// a button, the two kinds of text field and a menu bar whose enabling the test controls.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/menu_ops.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/qt/window_peer.h"
#include "toolkit/runtime.h"

class ProbeWindow final : public Window {
 public:
  explicit ProbeWindow(MenuBar* bar) : bar_(bar) {}

  std::vector<std::string> keys;
  std::vector<std::string> chosen;  // names of the menu items whose handler ran
  std::vector<std::pair<int, int>> clicks;
  int actions = 0;
  int enablingRuns = 0;
  bool allowNew = true;  // what the enabling rule decides for the item "New"
  std::function<void()> onAction;

  void Layout() override {
    title = "Probe";
    contentWidth = 200;
    contentHeight = 150;
    menuBar = bar_;
  }
  void CreateControls() override;
  bool KeyDown(const std::string& key) override {
    keys.push_back(key);
    return false;
  }
  void EnableMenuItems() override {
    ++enablingRuns;
    RuntimeMenuItemEnabledSetter(RuntimeMenuItemLookup(menuBar, "New"), allowNew);
  }

 private:
  MenuBar* bar_;
};

class QtTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  QtBackend& backend() { return *backend_; }
  // Builds the probe window (the main window, as the first one built) and shows it.
  ProbeWindow& probe();
  static QtWindowPeer& peerOf(Window& w) { return dynamic_cast<QtWindowPeer&>(*w.peer); }
  QWidget* widgetOf(Window& w, const std::string& control) { return peerOf(w).controlWidget(*w.control(control)); }
  // Lets queued events and paints happen.
  static void settle();

  // The probe's menu tree: "&File" with "New" (Ctrl+N, starts disabled), a separator and
  // "Quit" (Ctrl+Q); "&Edit" with "Undo".
  std::unique_ptr<MenuBar> bar_;

 private:
  QtBackend* backend_ = nullptr;
};
