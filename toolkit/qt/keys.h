// Key events of the GUI library translated to the window's one-character keys.
#pragma once

#include <QString>
#include <Qt>
#include <optional>
#include <string>

// What a key press means to the window.
struct KeyMeaning {
  enum class Kind { None, Key, Command };
  Kind kind = Kind::None;
  std::string key;     // Kind::Key: the key's one-character string (Escape 27, arrows 28 to 31, ...)
  char letter = '\0';  // Kind::Command: the upper-case letter of Ctrl+letter
};

// Escape → 27, Left 28, Right 29, Up 30, Down 31, Tab 9, Backspace and Delete 8, Ctrl+letter a
// command key, printable text as itself; every other key means nothing.
KeyMeaning translateKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);
