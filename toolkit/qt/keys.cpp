// The key translation of the window peers.
#include "toolkit/qt/keys.h"

KeyMeaning translateKey(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  KeyMeaning m;
  if (modifiers & Qt::ControlModifier) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
      m.kind = KeyMeaning::Kind::Command;
      m.letter = static_cast<char>('A' + (key - Qt::Key_A));
    }
    return m;
  }
  auto code = [&](char c) {
    m.kind = KeyMeaning::Kind::Key;
    m.key = std::string(1, c);
    return m;
  };
  switch (key) {
    case Qt::Key_Escape: return code(27);
    case Qt::Key_Left: return code(28);
    case Qt::Key_Right: return code(29);
    case Qt::Key_Up: return code(30);
    case Qt::Key_Down: return code(31);
    case Qt::Key_Tab: return code(9);
    case Qt::Key_Backspace:
    case Qt::Key_Delete: return code(8);
    default: break;
  }
  // Control characters (Return gives "\r", Shift+Tab "\x19") are no text for the window.
  if (text.isEmpty()) return m;
  for (QChar c : text) {
    if (c.unicode() < 32 || c.unicode() == 127) return m;
  }
  m.kind = KeyMeaning::Kind::Key;
  m.key = text.toStdString();
  return m;
}
