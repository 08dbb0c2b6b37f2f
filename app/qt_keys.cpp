#include "app/qt_keys.h"

#include <utility>

namespace tessaly {
namespace {

// Keys whose code is not their character code.
constexpr std::pair<int, KeyCode> kKeyCodes[] = {
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Return, kKeyEnter},
    {Qt::Key_Enter, kKeyEnter},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, kKeyControl},
    {Qt::Key_Alt, 18},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, kKeyDelete},
};

constexpr KeyCode kFirstFunctionKeyCode = 112;  // F1
constexpr int kFunctionKeyCount = 12;
constexpr char kEscape = '\x1b';
constexpr char kDelete = '\x7f';

bool IsLetterKey(int qt_key) {
  return qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z;
}

}  // namespace

KeyCode KeyCodeOf(int qt_key) {
  for (const auto& [key, code] : kKeyCodes) {
    if (key == qt_key) return code;
  }
  // Qt numbers letters and digits by their upper-case character codes.
  if (IsLetterKey(qt_key) || (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9)) {
    return static_cast<KeyCode>(qt_key);
  }
  if (qt_key >= Qt::Key_F1 && qt_key < Qt::Key_F1 + kFunctionKeyCount) {
    return static_cast<KeyCode>(kFirstFunctionKeyCode + (qt_key - Qt::Key_F1));
  }
  return 0;
}

ShiftState ShiftStateOf(int qt_key, Qt::KeyboardModifiers modifiers) {
  unsigned state = kNoShift;
  if (modifiers.testFlag(Qt::ShiftModifier) || qt_key == Qt::Key_Shift) state |= kShift;
  if (modifiers.testFlag(Qt::AltModifier) || qt_key == Qt::Key_Alt) state |= kAlt;
  if (modifiers.testFlag(Qt::ControlModifier) || qt_key == Qt::Key_Control) state |= kCtrl;
  return static_cast<ShiftState>(state);
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
