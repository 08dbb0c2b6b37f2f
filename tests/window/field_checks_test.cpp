// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a coordinate field when the focus leaves it, and the clearing
// by a click in one.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/screen_fixture.h"

namespace tessaly {
namespace {

enum class Kind { LatitudeDegrees, LongitudeDegrees, MinutesOrSeconds };

Kind KindOf(Control field) {
  switch (field) {
    case Control::Edit1:
    case Control::Edit8: return Kind::LatitudeDegrees;
    case Control::Edit4:
    case Control::Edit11: return Kind::LongitudeDegrees;
    default: return Kind::MinutesOrSeconds;
  }
}

using FieldChecksTest = ScreenFixture;

TEST_F(FieldChecksTest, ValueAboveTheBoundIsEmptiedAndAnyOtherKeepsItsText) {
  struct Case {
    Kind Category;
    const char* Text;
    bool Emptied;
  };
  constexpr std::array<Case, 18> kCases{{
      {Kind::LatitudeDegrees, "89", false},
      {Kind::LatitudeDegrees, "90", true},
      {Kind::LatitudeDegrees, "89.0001", true},
      {Kind::LatitudeDegrees, "5.", false},
      {Kind::LatitudeDegrees, ".", false},
      {Kind::LongitudeDegrees, "179", false},
      {Kind::LongitudeDegrees, "180", true},
      {Kind::LongitudeDegrees, "179.5", true},
      {Kind::LongitudeDegrees, "90", false},
      {Kind::MinutesOrSeconds, "59", false},
      {Kind::MinutesOrSeconds, "60", true},
      {Kind::MinutesOrSeconds, "0", false},
      {Kind::MinutesOrSeconds, "0059", false},
      {Kind::MinutesOrSeconds, "0060", true},
      {Kind::MinutesOrSeconds, "2147483647", true},
      {Kind::MinutesOrSeconds, " 59", false},
      {Kind::MinutesOrSeconds, "-5", false},  // no lower bound
      {Kind::MinutesOrSeconds, "", false},    // never read
  }};
  for (const Case& c : kCases) {
    for (Control field : kCoordinateFieldsOfBoth) {
      if (KindOf(field) != c.Category) continue;
      screen_.SetText(field, c.Text);
      tessaly_.OnFocusLeft(field);
      EXPECT_EQ(screen_.GetText(field), c.Emptied ? "" : c.Text)
          << ControlName(field) << " left holding '" << c.Text << "'";
      screen_.SetText(field, "");
    }
  }
}

TEST_F(FieldChecksTest, TextThatIsNoNumberFailsWithItsTextAndStays) {
  struct Case {
    Control Field;
    const char* Text;
    const char* Message;
  };
  const std::array<Case, 7> kCases{{
      {Control::Edit1, " ", "' ' is not a valid floating point value"},
      {Control::Edit11, "1..5", "'1..5' is not a valid floating point value"},
      // Edit2 as the window starts: one blank.
      {Control::Edit2, " ", "' ' is not a valid integer value"},
      {Control::Edit12, "1.5", "'1.5' is not a valid integer value"},
      {Control::Edit6, "5.", "'5.' is not a valid integer value"},
      {Control::Edit9, "2147483648", "'2147483648' is not a valid integer value"},
      {Control::Edit10, "59 ", "'59 ' is not a valid integer value"},
  }};
  for (const Case& c : kCases) {
    screen_.SetText(c.Field, c.Text);
    EXPECT_EQ(ErrorMessageOf([&] { tessaly_.OnFocusLeft(c.Field); }), c.Message)
        << ControlName(c.Field);
    EXPECT_EQ(screen_.GetText(c.Field), c.Text);
  }
}

// A click empties the field, its location's locator and both results, in
// this order, also when the field was empty; nothing else changes.
TEST_F(FieldChecksTest, ClickEmptiesTheFieldItsLocatorAndTheResults) {
  for (Control field : kCoordinateFieldsOfBoth) {
    for (const char* text : {"7", ""}) {
      for (Control other : kCoordinateFieldsOfBoth) screen_.SetText(other, "7");
      screen_.SetText(field, text);
      screen_.SetText(Control::Edit7, " FN31pr");
      screen_.SetText(Control::Edit14, " JN48");
      screen_.SetText(Control::Edit15, " 50.5  :  288.2");
      screen_.SetText(Control::Edit16, " 3542.8");
      screen_.SetItemIndex(Control::RadioGroup1, 1);
      const bool home = SideOf(field) == Side::Home;
      const Control grid = home ? Control::Edit7 : Control::Edit14;
      const std::size_t start = screen_.TextChanges().size();

      tessaly_.OnClick(field);

      std::vector<TextChange> expected{{grid, ""}, {Control::Edit15, ""}, {Control::Edit16, ""}};
      if (*text != '\0') expected.insert(expected.begin(), {field, ""});
      EXPECT_EQ(ChangesSince(screen_, start), expected)
          << ControlName(field) << " holding '" << text << "'";
      EXPECT_EQ(screen_.GetText(home ? Control::Edit14 : Control::Edit7),
                home ? " JN48" : " FN31pr");
      EXPECT_EQ(screen_.GetItemIndex(Control::RadioGroup1), 1);
    }
  }
}

}  // namespace
}  // namespace tessaly
