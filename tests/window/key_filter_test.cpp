// SPDX-License-Identifier: GPL-3.0-or-later
// Which typed characters the twelve coordinate fields let in.
#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "tests/support/screen_fixture.h"

namespace tessaly {
namespace {

constexpr std::string_view kDigitsAndBackspace{"0123456789\b"};
// Letters, blank, signs, the digits' neighbours, Enter, Escape, the
// clipboard shortcuts' control characters, DEL, 8-bit characters and NUL.
constexpr std::string_view kOthers{"aZ +-/:,eE\r\n\t\x1b\x03\x16\x18\x1a\x7f\xb0\xff\0", 22};

using KeyFilterTest = ScreenFixture;

TEST_F(KeyFilterTest, DigitsAndBackspaceAlwaysAndThePointWhileEitherLocationIsDecimal) {
  struct Case {
    bool HomeDecimal, DestinationDecimal;
    std::string_view Keys;
    bool Accepted;
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
    ShowFormat(Side::Home, c.HomeDecimal);
    ShowFormat(Side::Destination, c.DestinationDecimal);
    // Every field alike, minute fields and the other location's included.
    for (Control field : kCoordinateFieldsOfBoth) {
      for (char key : c.Keys) {
        EXPECT_EQ(tessaly_.OnKeyTyped(field, key), c.Accepted ? key : '\0')
            << ControlName(field) << " key " << int{key} << " decimal " << c.HomeDecimal << "/"
            << c.DestinationDecimal;
      }
    }
  }
}

}  // namespace
}  // namespace tessaly
