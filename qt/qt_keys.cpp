// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_keys.h"

namespace tessaly {
namespace {

constexpr char kEscape = '\x1b';
constexpr char kDelete = '\x7f';

bool IsLetterKey(int qt_key) {
  return qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z;
}

}  // namespace

KeyCode KeyCodeOf(int qt_key) {
  switch (qt_key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_Control: return kKeyControl;
    case Qt::Key_Delete: return kKeyDelete;
    default: return 0;
  }
}

bool IsButtonPressKey(int qt_key, Qt::KeyboardModifiers modifiers) {
  return (qt_key == Qt::Key_Return || qt_key == Qt::Key_Enter) &&
         (modifiers & ~Qt::KeypadModifier) == Qt::NoModifier;
}

std::optional<char> TypedCharacter(int qt_key, Qt::KeyboardModifiers modifiers,
                                   const QString& text) {
  if (modifiers.testFlag(Qt::ControlModifier) && IsLetterKey(qt_key)) {
    return static_cast<char>(qt_key - Qt::Key_A + 1);
  }
  switch (qt_key) {
    // Ctrl+Backspace types DEL, which no coordinate field takes, rather than
    // deleting a word.
    case Qt::Key_Backspace: return modifiers.testFlag(Qt::ControlModifier) ? kDelete : '\b';
    case Qt::Key_Return:
    case Qt::Key_Enter: return '\r';
    case Qt::Key_Escape: return kEscape;
    default: break;
  }
  if (text.isEmpty()) return std::nullopt;
  // Control characters in the text (X11's "\x7f" for Delete) type nothing.
  const QChar first = text.front();
  if (!first.isPrint()) return std::nullopt;
  return first.toLatin1();
}

}  // namespace tessaly
