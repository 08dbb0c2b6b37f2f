// SPDX-License-Identifier: GPL-3.0-or-later
// Clearing a location from its grid field, and the Enter command.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "geo/location.h"
#include "tests/support/screen_fixture.h"

namespace tessaly {
namespace {

std::map<Control, std::string> Snapshot(const MemoryScreen& screen_) {
  std::map<Control, std::string> state;
  for (Control control : AllControls()) {
    state[control] = IsRadioGroup(control) ? std::to_string(screen_.GetItemIndex(control))
                                           : screen_.GetText(control);
  }
  return state;
}

// Both locations filled in and a result shown, as after a distance command.
void FillWindow(MemoryScreen& screen_) {
  EnterTexts(screen_, Side::Home, {"41", "43", "45", "72", "42", "30"});
  EnterTexts(screen_, Side::Destination, {"33", "51", "15", "151", "12", "30"});
  screen_.SetText(Control::Edit7, " FN31pr");
  screen_.SetText(Control::Edit14, " QF56od");
  screen_.SetText(Control::Edit15, " 1.0  :  2.0");
  screen_.SetText(Control::Edit16, " 3.0");
  for (Control group :
       {Control::RadioGroup1, Control::RadioGroup2, Control::RadioGroup3, Control::RadioGroup4}) {
    screen_.SetItemIndex(group, 1);
  }
}

using GridCommandsTest = ScreenFixture;

// A click (no key), Ctrl or Delete in either grid field.
TEST_F(GridCommandsTest, ClearingEmptiesTheWholeLocationInOrderAndNothingElse) {
  constexpr std::optional<KeyCode> kClick;
  for (const Control grid : {Control::Edit7, Control::Edit14}) {
    for (const std::optional<KeyCode> key :
         {kClick, std::optional{kKeyControl}, std::optional{kKeyDelete}}) {
      SCOPED_TRACE(ControlName(grid) + (key ? " key " + std::to_string(*key) : " click"));
      FillWindow(screen_);
      const LocationControls& cleared = ControlsOf(SideOf(grid));
      std::map<Control, std::string> expected = Snapshot(screen_);
      std::vector<TextChange> expected_order{
          {cleared.Grid, ""}, {Control::Edit15, ""}, {Control::Edit16, ""}};
      for (Control field : CoordinateFields(cleared)) {
        expected[field] = "";
        expected_order.emplace_back(field, "");
      }
      expected[cleared.Grid] = expected[Control::Edit15] = expected[Control::Edit16] = "";
      expected[cleared.LatGroup] = expected[cleared.LonGroup] = "-1";
      const std::size_t start = screen_.TextChanges().size();

      key ? tessaly_.OnKeyDown(grid, *key) : tessaly_.OnClick(grid);

      EXPECT_EQ(ChangesSince(screen_, start), expected_order);
      EXPECT_EQ(Snapshot(screen_), expected);
    }
  }
}

TEST_F(GridCommandsTest, ClearingEmptiesEdit4BeforeEdit5IsChecked) {
  screen_.SetText(Control::Edit5, "42");
  screen_.SetText(Control::Edit4, " ");  // no number: a check would fail on it
  EXPECT_NO_THROW(tessaly_.OnClick(Control::Edit7));
  EXPECT_EQ(screen_.GetText(Control::Edit4), "");
  EXPECT_EQ(screen_.GetText(Control::Edit5), "");
}

TEST_F(GridCommandsTest, OtherKeysClearNothingAndRunNothing) {
  // Backspace, 'A', Shift, Alt, Insert, Tab, Left arrow, and 0.
  constexpr std::array<KeyCode, 8> kKeys{8, 65, 16, 18, 45, 9, 37, 0};
  FillWindow(screen_);
  const std::map<Control, std::string> before = Snapshot(screen_);
  for (KeyCode key : kKeys) {
    tessaly_.OnKeyDown(Control::Edit7, key);
    tessaly_.OnKeyDown(Control::Edit14, key);
  }
  // Nor does any key but Enter run the Enter command.
  for (KeyCode key : {KeyCode{10}, kKeyControl, kKeyDelete, KeyCode{13 + 256}}) {
    tessaly_.OnKeyDown(Control::Edit1, key);
  }
  EXPECT_EQ(Snapshot(screen_), before);
}

TEST_F(GridCommandsTest, EnterNeedsTextInBothGridFields) {
  struct Case {
    const char* Edit7;
    const char* Edit14;
  };
  constexpr std::array<Case, 3> kCases{{
      {"", " QF56od"},
      {" FN31pr", " \t\r\n"},
      {"\x01\x1f ", "QF56od"},
  }};
  for (const Case& c : kCases) {
    FillWindow(screen_);
    screen_.SetText(Control::Edit1, "10");
    screen_.SetText(Control::Edit7, c.Edit7);
    screen_.SetText(Control::Edit14, c.Edit14);
    const std::map<Control, std::string> before = Snapshot(screen_);
    tessaly_.OnKeyDown(Control::Edit1, kKeyEnter);
    EXPECT_EQ(Snapshot(screen_), before) << "'" << c.Edit7 << "' and '" << c.Edit14 << "'";
  }
}

// Both locations are decoded as before, but a grid text that is no locator
// gives no position to measure: the results stay as they were.
TEST_F(GridCommandsTest, EnterMeasuresNothingWhenAGridFieldHoldsNoLocator) {
  const struct {
    const char* Home;
    const char* Destination;
  } cases[] = {{"FN31py", " JO62qm"}, {" JO62qm", "FN3"}, {"x", "y"}};
  for (const bool decimal : {false, true}) {
    ShowFormat(Side::Home, decimal);
    ShowFormat(Side::Destination, decimal);
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.Home) + " / " + c.Destination + (decimal ? " decimal" : ""));
      FillWindow(screen_);
      screen_.SetText(Control::Edit7, c.Home);
      screen_.SetText(Control::Edit14, c.Destination);
      tessaly_.OnKeyDown(Control::Edit1, kKeyEnter);
      EXPECT_EQ(screen_.GetText(Control::Edit15), " 1.0  :  2.0");
      EXPECT_EQ(screen_.GetText(Control::Edit16), " 3.0");
      EXPECT_TRUE(screen_.GetText(Control::Edit7) == " Error!" ||
                  screen_.GetText(Control::Edit14) == " Error!");
    }
  }
}

TEST_F(GridCommandsTest, EightBitCharactersAreNoBlanksForEnter) {
  screen_.SetText(Control::Edit7, "\xa0");
  screen_.SetText(Control::Edit14, " QF56od");
  tessaly_.OnKeyDown(Control::Edit1, kKeyEnter);
  EXPECT_EQ(screen_.GetText(Control::Edit8), " 33");
}

TEST_F(GridCommandsTest, AnErrorInTheDestinationsDecodingStopsEnterBeforeTheDistance) {
  FillWindow(screen_);
  screen_.SetText(Control::Edit1, "10");
  screen_.RefuseWritesTo(Control::Edit11);
  EXPECT_THROW(tessaly_.OnKeyDown(Control::Edit1, kKeyEnter), TessalyError);
  EXPECT_EQ(screen_.GetText(Control::Edit1), " 41");  // Home decoded before
  EXPECT_EQ(screen_.GetText(Control::Edit15), " 1.0  :  2.0");
  EXPECT_EQ(screen_.GetText(Control::Edit16), " 3.0");
}

}  // namespace
}  // namespace tessaly
