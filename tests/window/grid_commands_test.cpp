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

#include "geo/distance.h"
#include "geo/location.h"
#include "tests/support/screen_fixture.h"

namespace tessaly {
namespace {

std::map<Control, std::string> Snapshot(const MemoryScreen& screen) {
  std::map<Control, std::string> state;
  for (Control control : AllControls()) {
    state[control] = IsRadioGroup(control) ? std::to_string(screen.GetItemIndex(control))
                                           : screen.GetText(control);
  }
  return state;
}

// Both locations filled in and a result shown, as after a distance command.
void FillWindow(MemoryScreen& screen) {
  EnterTexts(screen, Side::Home, {"41", "43", "45", "72", "42", "30"});
  EnterTexts(screen, Side::Destination, {"33", "51", "15", "151", "12", "30"});
  screen.SetText(Control::Edit7, " FN31pr");
  screen.SetText(Control::Edit14, " QF56od");
  screen.SetText(Control::Edit15, " 1.0  :  2.0");
  screen.SetText(Control::Edit16, " 3.0");
  for (Control group :
       {Control::RadioGroup1, Control::RadioGroup2, Control::RadioGroup3, Control::RadioGroup4}) {
    screen.SetItemIndex(group, 1);
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
      FillWindow(screen);
      const LocationControls& cleared = ControlsOf(SideOf(grid));
      std::map<Control, std::string> expected = Snapshot(screen);
      std::vector<TextChange> expected_order{
          {cleared.Grid, ""}, {Control::Edit15, ""}, {Control::Edit16, ""}};
      for (Control field : CoordinateFields(cleared)) {
        expected[field] = "";
        expected_order.emplace_back(field, "");
      }
      expected[cleared.Grid] = expected[Control::Edit15] = expected[Control::Edit16] = "";
      expected[cleared.LatGroup] = expected[cleared.LonGroup] = "-1";
      const std::size_t start = screen.TextChanges().size();

      key ? tessaly.OnKeyDown(grid, *key) : tessaly.OnClick(grid);

      EXPECT_EQ(ChangesSince(screen, start), expected_order);
      EXPECT_EQ(Snapshot(screen), expected);
    }
  }
}

TEST_F(GridCommandsTest, ClearingEmptiesEdit4BeforeEdit5IsChecked) {
  screen.SetText(Control::Edit5, "42");
  screen.SetText(Control::Edit4, " ");  // no number: a check would fail on it
  EXPECT_NO_THROW(tessaly.OnClick(Control::Edit7));
  EXPECT_EQ(screen.GetText(Control::Edit4), "");
  EXPECT_EQ(screen.GetText(Control::Edit5), "");
}

TEST_F(GridCommandsTest, OtherKeysClearNothingAndRunNothing) {
  // Backspace, 'A', Shift, Alt, Insert, Tab, Left arrow, and 0.
  constexpr std::array<KeyCode, 8> kKeys{8, 65, 16, 18, 45, 9, 37, 0};
  FillWindow(screen);
  const std::map<Control, std::string> before = Snapshot(screen);
  for (KeyCode key : kKeys) {
    tessaly.OnKeyDown(Control::Edit7, key);
    tessaly.OnKeyDown(Control::Edit14, key);
  }
  // Nor does any key but Enter run the Enter command.
  for (KeyCode key : {KeyCode{10}, kKeyControl, kKeyDelete, KeyCode{13 + 256}}) {
    tessaly.FormKeyDown(key);
  }
  EXPECT_EQ(Snapshot(screen), before);
}

TEST_F(GridCommandsTest, EnterNeedsTextInBothGridFields) {
  struct Case {
    const char* edit7;
    const char* edit14;
  };
  constexpr std::array<Case, 3> kCases{{
      {"", " QF56od"},
      {" FN31pr", " \t\r\n"},
      {"\x01\x1f ", "QF56od"},
  }};
  for (const Case& c : kCases) {
    FillWindow(screen);
    screen.SetText(Control::Edit1, "10");
    screen.SetText(Control::Edit7, c.edit7);
    screen.SetText(Control::Edit14, c.edit14);
    const std::map<Control, std::string> before = Snapshot(screen);
    tessaly.FormKeyDown(kKeyEnter);
    EXPECT_EQ(Snapshot(screen), before) << "'" << c.edit7 << "' and '" << c.edit14 << "'";
  }
}

TEST_F(GridCommandsTest, EnterDecodesBothLocatorsThenShowsTheDistance) {
  tessaly.DistanceFactor = kMilesPerKilometre;
  // Typed values and an old result, all to be replaced.
  FillWindow(screen);
  screen.SetText(Control::Edit1, "10");
  screen.SetText(Control::Edit11, "20");
  screen.SetText(Control::Edit7, "fn31PR");
  screen.SetText(Control::Edit14, " QF56od ");

  for (int run = 0; run < 2; ++run) {
    tessaly.FormKeyDown(kKeyEnter);

    EXPECT_EQ(Shown(Side::Home), (CoordinateTexts{" 41", " 43", " 45", " 72", " 42", " 30"}));
    EXPECT_EQ(Shown(Side::Destination),
              (CoordinateTexts{" 33", " 51", " 15", " 151", " 12", " 30"}));
    EXPECT_EQ(screen.GetText(Control::Edit7), " FN31pr");
    EXPECT_EQ(screen.GetText(Control::Edit14), " QF56od");
    EXPECT_EQ(screen.GetItemIndex(Control::RadioGroup1), 0);
    EXPECT_EQ(screen.GetItemIndex(Control::RadioGroup2), 0);
    EXPECT_EQ(screen.GetItemIndex(Control::RadioGroup3), 1);
    EXPECT_EQ(screen.GetItemIndex(Control::RadioGroup4), 1);

    // The distance is that of the decoded cell centres, not of the typed
    // positions (worked out by hand from the centres).
    EXPECT_EQ(screen.GetText(Control::Edit15), " 268.3  :  63.9");
    EXPECT_EQ(screen.GetText(Control::Edit16), " 10004.8");
  }
}

// Both locations are decoded as before, but a grid text that is no locator
// gives no position to measure: the results stay as they were.
TEST_F(GridCommandsTest, EnterMeasuresNothingWhenAGridFieldHoldsNoLocator) {
  const struct {
    const char* home;
    const char* destination;
  } cases[] = {{"FN31py", " JO62qm"}, {" JO62qm", "FN3"}, {"x", "y"}};
  for (const bool decimal : {false, true}) {
    tessaly.Home.DecimalFormat = tessaly.Destination.DecimalFormat = decimal;
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.home) + " / " + c.destination + (decimal ? " decimal" : ""));
      FillWindow(screen);
      screen.SetText(Control::Edit7, c.home);
      screen.SetText(Control::Edit14, c.destination);
      tessaly.FormKeyDown(kKeyEnter);
      EXPECT_EQ(screen.GetText(Control::Edit15), " 1.0  :  2.0");
      EXPECT_EQ(screen.GetText(Control::Edit16), " 3.0");
      EXPECT_TRUE(screen.GetText(Control::Edit7) == " Error!" ||
                  screen.GetText(Control::Edit14) == " Error!");
    }
  }
}

TEST_F(GridCommandsTest, EightBitCharactersAreNoBlanksForEnter) {
  screen.SetText(Control::Edit7, "\xa0");
  screen.SetText(Control::Edit14, " QF56od");
  tessaly.FormKeyDown(kKeyEnter);
  EXPECT_EQ(screen.GetText(Control::Edit8), " 33");
}

// A window whose write into one control fails, to stop a command midway.
class FailingWriteScreen : public MemoryScreen {
 public:
  void SetText(Control control, const std::string& text) override {
    if (control == fail_on) throw TessalyError("write refused");
    MemoryScreen::SetText(control, text);
  }
  std::optional<Control> fail_on;
};

class EnterErrorTest : public ::testing::Test {
 protected:
  EnterErrorTest() {
    screen.Attach(tessaly);
    tessaly.DistanceFactor = kMilesPerKilometre;
    FillWindow(screen);
  }
  FailingWriteScreen screen;
  TTessaly1 tessaly{screen, "/nonexistent-home-directory"};
};

TEST_F(EnterErrorTest, ErrorInDestinationDecodingStopsBeforeTheDistance) {
  screen.SetText(Control::Edit1, "10");
  screen.fail_on = Control::Edit11;
  EXPECT_THROW(tessaly.FormKeyDown(kKeyEnter), TessalyError);
  EXPECT_EQ(screen.GetText(Control::Edit1), " 41");  // Home decoded before
  EXPECT_EQ(screen.GetText(Control::Edit15), " 1.0  :  2.0");
  EXPECT_EQ(screen.GetText(Control::Edit16), " 3.0");
}

}  // namespace
}  // namespace tessaly
