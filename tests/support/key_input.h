// SPDX-License-Identifier: GPL-3.0-or-later
// Which key a person presses for a byte of a `type` text or for a `key` name,
// and the text the key event carries, as an X11 keyboard would deliver it.
#pragma once

#include <QString>
#include <Qt>
#include <optional>
#include <string_view>

namespace tessaly {

struct KeyStroke {
  Qt::Key Key = Qt::Key_unknown;
  Qt::KeyboardModifiers Modifiers = Qt::NoModifier;
  QString Text;
};

// "a" is Key_A with text "a", "A" the same key with Shift and text "A",
// "\b" Backspace, "\r" Return, "\t" Tab, "\x1b" Escape; Latin-1 bytes above
// 0x9F are their Latin-1 keys. Other control bytes have no key.
std::optional<KeyStroke> KeyForByte(char byte);

// "Enter", "Tab", "Delete", "Backspace", "Ctrl", "Escape", "Left", "Right",
// "Home", "End" or one character, after optional "Shift+" and "Ctrl+"
// prefixes. A prefixed key holds exactly the prefixes' modifiers, whatever
// the case of its letter; with Ctrl a letter carries its control character,
// as under X11 (Ctrl+V gives "\x16").
std::optional<KeyStroke> KeyForName(std::string_view name);

}  // namespace tessaly
