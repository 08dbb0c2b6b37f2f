// SPDX-License-Identifier: GPL-3.0-or-later
// How a Qt key press becomes the key code, modifier state and typed
// character that the window's handlers take. Decided on the key and the
// modifiers, not on the event's text alone: X11 and synthetic events word the
// text of control keys differently (Ctrl+V is "\x16" on one, "v" on the other).
#pragma once

#include <QString>
#include <Qt>
#include <optional>

#include "window/tessaly.h"

namespace tessaly {

// The key code key-down handlers take: 13 Enter (either key), 17 Ctrl
// (either key), 46 Delete; 0 for every other key, which no handler tells
// apart.
KeyCode KeyCodeOf(int qt_key);

// Enter that presses a focused button: Return or keypad Enter with no
// modifier but the keypad flag.
bool IsButtonPressKey(int qt_key, Qt::KeyboardModifiers modifiers);

// The 8-bit character the key types, if it types one: Ctrl+letter its control
// character, Backspace '\b' (with Ctrl DEL, '\x7f'), Enter '\r', Escape '\x1b', otherwise the first
// printable character of `text` ('\0' when it has no 8-bit code). Keys that
// only move or delete (Delete, arrows, Home, End, function keys) type nothing.
std::optional<char> TypedCharacter(int qt_key, Qt::KeyboardModifiers modifiers,
                                   const QString& text);

}  // namespace tessaly
