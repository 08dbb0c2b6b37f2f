// Which typed characters the twelve coordinate fields let in.
#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "tests/handlers/screen_fixture.h"

namespace tessaly {
namespace {

using KeyPress = char (TTessaly1::*)(char);

constexpr std::array<KeyPress, 12> kKeyPresses{
    &TTessaly1::Edit1KeyPress,  &TTessaly1::Edit2KeyPress,  &TTessaly1::Edit3KeyPress,
    &TTessaly1::Edit4KeyPress,  &TTessaly1::Edit5KeyPress,  &TTessaly1::Edit6KeyPress,
    &TTessaly1::Edit8KeyPress,  &TTessaly1::Edit9KeyPress,  &TTessaly1::Edit10KeyPress,
    &TTessaly1::Edit11KeyPress, &TTessaly1::Edit12KeyPress, &TTessaly1::Edit13KeyPress};

constexpr std::string_view kDigitsAndBackspace{"0123456789\b"};
// Letters, blank, signs, the digits' neighbours, Enter, Escape, the
// clipboard shortcuts' control characters, DEL, 8-bit characters and NUL.
constexpr std::string_view kOthers{"aZ +-/:,eE\r\n\t\x1b\x03\x16\x18\x1a\x7f\xb0\xff\0", 22};

using KeyFilterTest = ScreenFixture;

TEST_F(KeyFilterTest, DigitsAndBackspaceAlwaysAndThePointWhileEitherLocationIsDecimal) {
  struct Case {
    bool home_decimal, destination_decimal;
    std::string_view keys;
    bool accepted;
  };
  constexpr std::array<Case, 8> kCases{{
      {false, false, kDigitsAndBackspace, true},
      {true, true, kDigitsAndBackspace, true},
      {false, false, ".", false},
      {true, false, ".", true},
      {false, true, ".", true},
      {true, true, ".", true},
      {false, false, kOthers, false},
      {true, true, kOthers, false},
  }};
  for (const Case& c : kCases) {
    tessaly.Home.DecimalFormat = c.home_decimal;
    tessaly.Destination.DecimalFormat = c.destination_decimal;
    // Every field alike, minute fields and the other location's included.
    for (std::size_t field = 0; field < kKeyPresses.size(); ++field) {
      for (char key : c.keys) {
        EXPECT_EQ((tessaly.*kKeyPresses[field])(key), c.accepted ? key : '\0')
            << "field " << field << " key " << int{key} << " decimal " << c.home_decimal << "/"
            << c.destination_decimal;
      }
    }
  }
}

}  // namespace
}  // namespace tessaly
