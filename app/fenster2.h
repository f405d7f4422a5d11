// The About window: the program's version and maker and an OK button that hides it.
#pragma once

#include "toolkit/window.h"

class Fenster2 final : public Window {
 public:
  Fenster2();

  // The About window that exists, or a new one built (and shown) with the toolkit's default
  // window construction. At most one exists at a time.
  static Fenster2& instance();

  // Window events: the window's own properties, then its two controls. It has no menu bar.
  void Layout() override;
  void CreateControls() override;

  // The OK button: hides the window and keeps it for the next About command.
  void BevelButton1_Action();
};
