// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/key_input.h"

#include <array>
#include <utility>

#include "qt/latin1.h"

namespace tessaly {
namespace {

constexpr int kControlCharacterMask = 0x1f;  // Ctrl+V is 0x16
constexpr char kDeleteCharacter = '\x7f';    // the text X11 gives Delete

struct NamedKey {
  std::string_view Name;
  Qt::Key Key;
  std::string_view Text;
};

constexpr std::array<NamedKey, 10> kNamedKeys{{
    {"Enter", Qt::Key_Return, "\r"},
    {"Tab", Qt::Key_Tab, "\t"},
    {"Delete", Qt::Key_Delete, std::string_view(&kDeleteCharacter, 1)},
    {"Backspace", Qt::Key_Backspace, "\b"},
    // A bare Ctrl press, as QTest sends it: no text and no modifier yet.
    {"Ctrl", Qt::Key_Control, ""},
    {"Escape", Qt::Key_Escape, "\x1b"},
    {"Left", Qt::Key_Left, ""},
    {"Right", Qt::Key_Right, ""},
    {"Home", Qt::Key_Home, ""},
    {"End", Qt::Key_End, ""},
}};

bool IsUpperLatin1Letter(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 0xc0 && byte <= 0xde && byte != 0xd7);
}

bool IsLowerLatin1Letter(unsigned char byte) {
  return (byte >= 'a' && byte <= 'z') || (byte >= 0xe0 && byte <= 0xfe && byte != 0xf7);
}

// Removes `prefix` from the front of `name` if it is there.
bool TakePrefix(std::string_view& name, std::string_view prefix) {
  if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) return false;
  name.remove_prefix(prefix.size());
  return true;
}

}  // namespace

std::optional<KeyStroke> KeyForByte(char byte) {
  const auto code = static_cast<unsigned char>(byte);
  for (const NamedKey& named : kNamedKeys) {
    if (named.Text.size() == 1 && named.Text.front() == byte && named.Key != Qt::Key_Delete) {
      return KeyStroke{named.Key, Qt::NoModifier, FromLatin1(named.Text)};
    }
  }
  const bool printable = (code >= 0x20 && code < 0x7f) || code >= 0xa0;
  if (!printable) return std::nullopt;
  // Qt names a letter key by its capital.
  const int key = IsLowerLatin1Letter(code) ? code - 0x20 : code;
  const Qt::KeyboardModifiers modifiers =
      IsUpperLatin1Letter(code) ? Qt::ShiftModifier : Qt::NoModifier;
  return KeyStroke{static_cast<Qt::Key>(key), modifiers, FromLatin1(std::string_view(&byte, 1))};
}

std::optional<KeyStroke> KeyForName(std::string_view name) {
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  while (true) {
    if (!(modifiers & Qt::ShiftModifier) && TakePrefix(name, "Shift+")) {
      modifiers |= Qt::ShiftModifier;
    } else if (!(modifiers & Qt::ControlModifier) && TakePrefix(name, "Ctrl+")) {
      modifiers |= Qt::ControlModifier;
    } else {
      break;
    }
  }

  std::optional<KeyStroke> stroke;
  for (const NamedKey& named : kNamedKeys) {
    if (named.Name == name) stroke = KeyStroke{named.Key, Qt::NoModifier, FromLatin1(named.Text)};
  }
  if (!stroke && name.size() == 1) stroke = KeyForByte(name.front());
  if (!stroke) return std::nullopt;

  if (modifiers == Qt::NoModifier) return stroke;
  // With a prefix the name says which key, not which character: "Ctrl+V"
  // holds Ctrl alone, not the Shift that typing a "V" would need.
  stroke->Modifiers = modifiers;
  const auto code = static_cast<unsigned char>(stroke->Key);
  const bool letter = stroke->Key >= Qt::Key_A && stroke->Key <= Qt::Key_Z;
  if (letter && (modifiers & Qt::ControlModifier)) {
    stroke->Text = QString(QChar(code & kControlCharacterMask));
  } else if (letter) {
    stroke->Text = QString(QChar(code));  // Shift: the capital
  }
  return stroke;
}

}  // namespace tessaly
