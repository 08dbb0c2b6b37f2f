// SPDX-License-Identifier: GPL-3.0-or-later
// Typed characters as the coordinate fields' filter receives them, for keys
// as both a real X server and Qt's test events word them.
#include <gtest/gtest.h>

#include "qt/qt_keys.h"

namespace tessaly {
namespace {

TEST(TypedCharacter, AgreesForX11AndTestEventsAndLeavesPlainKeysAlone) {
  const struct {
    const char* Name;
    int QtKey;
    Qt::KeyboardModifiers Modifiers;
    QString Text;
    std::optional<char> Typed;
  } cases[] = {
      {"digit", Qt::Key_7, Qt::NoModifier, "7", '7'},
      {"point", Qt::Key_Period, Qt::NoModifier, ".", '.'},
      {"letter", Qt::Key_A, Qt::NoModifier, "a", 'a'},
      {"shifted letter", Qt::Key_A, Qt::ShiftModifier, "A", 'A'},
      {"blank", Qt::Key_Space, Qt::NoModifier, " ", ' '},
      {"Latin-1 letter", Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9)), '\xE9'},
      {"beyond Latin-1", Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x20AC)), '\0'},
      {"Ctrl+V under X11", Qt::Key_V, Qt::ControlModifier, "\x16", '\x16'},
      {"Ctrl+V from QTest", Qt::Key_V, Qt::ControlModifier, "v", '\x16'},
      {"Ctrl+C under X11", Qt::Key_C, Qt::ControlModifier, "\x03", '\x03'},
      {"Ctrl+X from QTest", Qt::Key_X, Qt::ControlModifier, "x", '\x18'},
      {"Ctrl+Shift+A", Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, "A", '\x01'},
      {"Ctrl+point", Qt::Key_Period, Qt::ControlModifier, ".", '.'},
      {"backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", '\b'},
      {"backspace without text", Qt::Key_Backspace, Qt::NoModifier, "", '\b'},
      {"Ctrl+Backspace", Qt::Key_Backspace, Qt::ControlModifier, "", '\x7f'},
      {"return", Qt::Key_Return, Qt::NoModifier, "\r", '\r'},
      {"keypad enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", '\r'},
      {"escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", '\x1b'},
      {"delete under X11", Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt},
      {"delete from QTest", Qt::Key_Delete, Qt::NoModifier, "", std::nullopt},
      {"left arrow", Qt::Key_Left, Qt::NoModifier, "", std::nullopt},
      {"home", Qt::Key_Home, Qt::ShiftModifier, "", std::nullopt},
      {"F2", Qt::Key_F2, Qt::NoModifier, "", std::nullopt},
      {"bare Ctrl under X11", Qt::Key_Control, Qt::ControlModifier, "", std::nullopt},
  };
  for (const auto& each : cases) {
    EXPECT_EQ(TypedCharacter(each.QtKey, each.Modifiers, each.Text), each.Typed) << each.Name;
  }
}

// A focused button takes Return and keypad Enter, but not with a modifier:
// then the key goes on to the key preview.
TEST(IsButtonPressKey, IsEnterWithNoModifierButTheKeypadFlag) {
  EXPECT_TRUE(IsButtonPressKey(Qt::Key_Return, Qt::NoModifier));
  EXPECT_TRUE(IsButtonPressKey(Qt::Key_Enter, Qt::KeypadModifier));
  EXPECT_FALSE(IsButtonPressKey(Qt::Key_Return, Qt::ShiftModifier));
  EXPECT_FALSE(IsButtonPressKey(Qt::Key_Enter, Qt::KeypadModifier | Qt::ControlModifier));
  EXPECT_FALSE(IsButtonPressKey(Qt::Key_Space, Qt::NoModifier));
}

}  // namespace
}  // namespace tessaly
