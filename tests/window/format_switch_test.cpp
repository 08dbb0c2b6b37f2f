// SPDX-License-Identifier: GPL-3.0-or-later
// The switch of a location between degrees/minutes/seconds and decimal
// degrees.
#include <string>

#include "tests/support/screen_fixture.h"

namespace tessaly {
namespace {

class FormatSwitchTest : public ScreenFixture {
 protected:
  void Switch(Side side) { tessaly_.OnDoubleClick(ControlsOf(side).Frame); }
};

struct RoundTrip {
  Side Where;
  CoordinateTexts Typed;
  std::string LatText, LonText;
  CoordinateTexts Back;
};

TEST_F(FormatSwitchTest, ToDecimalDegreesAndBack) {
  // clang-format off
  const RoundTrip cases[] = {
      {Side::Destination, {"38", "7", "24", "179", "59", "59"}, " 38.1233333", " 179.9997222",
       {" 38", " 7", " 24", " 179", " 59", " 59"}},
      // An empty degree field stays empty, either way; the other axis is
      // converted.
      {Side::Destination, {"", "", "", "", "", ""}, "", "", {"", "", "", "", "", ""}},
      {Side::Home, {"52", "30", "", "", "15", ""}, " 52.5000000", "",
       {" 52", " 30", " 0", "", "15", ""}},
      // Not whole numbers: they count as 0.
      {Side::Home, {"10", "30.5", " ", "20", "15 ", "1e1"}, " 10.0000000", " 20.0000000",
       {" 10", " 0", " 0", " 20", " 0", " 0"}},
  };
  // clang-format on
  for (const RoundTrip& c : cases) {
    SCOPED_TRACE(c.LatText + " /" + c.LonText);
    const LocationControls& fields = ControlsOf(c.Where);
    Enter(c.Where, c.Typed);
    Switch(c.Where);
    EXPECT_EQ(screen_.GetText(fields.LatDegrees), c.LatText);
    EXPECT_EQ(screen_.GetText(fields.LonDegrees), c.LonText);
    EXPECT_TRUE(ShowsFormatLayout(screen_, c.Where, true));
    // Hidden, the minute and second fields keep what they held.
    EXPECT_EQ(screen_.GetText(fields.LatMinutes), c.Typed[1]);
    EXPECT_EQ(screen_.GetText(fields.LonSeconds), c.Typed[5]);

    Switch(c.Where);
    EXPECT_EQ(Shown(c.Where), c.Back);
    EXPECT_TRUE(ShowsFormatLayout(screen_, c.Where, false));
  }
}

TEST_F(FormatSwitchTest, TypedDecimalDegreesBackToDegreesMinutesSeconds) {
  struct Case {
    std::string LatText, LonText;
    CoordinateTexts Back;
  };
  const Case cases[] = {
      {" 38.1234567", "7.5", {" 38", " 7", " 24", " 7", " 30", " 0"}},
      {" 10.9999000", "0.25", {" 10", " 59", " 60", " 0", " 15", " 0"}},
      {"5.", ".", {" 5", " 0", " 0", " 0", " 0", " 0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.LatText);
    Switch(Side::Destination);
    screen_.SetText(Control::Edit8, c.LatText);
    screen_.SetText(Control::Edit11, c.LonText);
    Switch(Side::Destination);
    EXPECT_EQ(Shown(Side::Destination), c.Back);
  }
}

// The Home longitude degrees are checked when the minutes change, after the
// degrees have been written.
TEST_F(FormatSwitchTest, HomeLongitudeBeyondItsBoundIsEmptiedOnTheWayBack) {
  Switch(Side::Home);
  screen_.SetText(Control::Edit1, "12.5");
  screen_.SetText(Control::Edit4, "200.5");
  Switch(Side::Home);
  EXPECT_EQ(Shown(Side::Home), (CoordinateTexts{" 12", " 30", " 0", "", " 30", " 0"}));
}

// A degree field emptied in decimal degrees stays empty on the way back; the
// other axis is converted, and the flag and the layout follow.
TEST_F(FormatSwitchTest, AnEmptiedDegreeFieldStaysEmptyAndTheOtherAxisIsConverted) {
  const struct {
    Control Emptied;
    CoordinateTexts Back;
  } cases[] = {{Control::Edit1, {"", "2", "3", " 4", " 5", " 6"}},
               {Control::Edit4, {" 1", " 2", " 3", "", "5", "6"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(ControlName(c.Emptied));
    Enter(Side::Home, {"1", "2", "3", "4", "5", "6"});
    Switch(Side::Home);
    screen_.SetText(c.Emptied, "");
    Switch(Side::Home);
    EXPECT_FALSE(tessaly_.IsChecked(MenuItem::HomeDecimal));
    EXPECT_EQ(Shown(Side::Home), c.Back);
    EXPECT_TRUE(ShowsFormatLayout(screen_, Side::Home, false));
  }
}

// The switch reads everything it needs before it changes anything: a reading
// that fails leaves the flag, the texts and the layout, and the location reads
// as decimal degrees still.
TEST_F(FormatSwitchTest, AFailedSwitchChangesNothing) {
  struct Case {
    std::string LatText, LonText, Message;
  };
  const Case cases[] = {
      {"1.2.3", "7", "'1.2.3' is not a valid floating point value"},
      // Read, but beyond the whole-number range.
      {"12.5", "-1e300", "Invalid floating point operation"},
      {"12.5", " ", "' ' is not a valid floating point value"},
  };
  Switch(Side::Destination);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Message);
    screen_.SetText(Control::Edit8, c.LatText);
    screen_.SetText(Control::Edit11, c.LonText);
    const std::size_t changes_before = screen_.TextChanges().size();
    EXPECT_EQ(ErrorMessageOf([&] { tessaly_.OnDoubleClick(Control::Panel2); }), c.Message);
    EXPECT_TRUE(tessaly_.IsChecked(MenuItem::DestinationDecimal));
    EXPECT_EQ(screen_.TextChanges().size(), changes_before);
    EXPECT_TRUE(ShowsFormatLayout(screen_, Side::Destination, true));
    // Calc. Grid still reads the decimal fields, not the hidden ones.
    EXPECT_EQ(ErrorMessageOf([&] { tessaly_.OnClick(Control::Button3); }), c.Message);
  }
}

// A field that the switch hides hands the focus to the one that now shows
// its coordinate; a field that stays keeps it.
TEST_F(FormatSwitchTest, TheFocusLeavesAHiddenFieldForItsDegreeField) {
  const struct {
    Control Focused;
    Side Where;
    Control After;
  } cases[] = {
      {Control::Edit3, Side::Home, Control::Edit1},
      {Control::Edit2, Side::Home, Control::Edit1},
      {Control::Edit5, Side::Home, Control::Edit4},
      {Control::Edit6, Side::Home, Control::Edit4},
      {Control::Edit10, Side::Destination, Control::Edit8},
      {Control::Edit12, Side::Destination, Control::Edit11},
      {Control::Edit1, Side::Home, Control::Edit1},
      {Control::Edit13, Side::Home, Control::Edit13},
      {Control::Edit14, Side::Destination, Control::Edit14},
  };
  for (const auto& c : cases) {
    screen_.SetFocus(c.Focused);
    Switch(c.Where);
    EXPECT_EQ(screen_.FocusedControl(), c.After) << ControlName(c.Focused);
    Switch(c.Where);
  }
}

TEST_F(FormatSwitchTest, WindowDoubleClickStopsAtAHomeError) {
  tessaly_.OnDoubleClick(Control::Panel1);
  screen_.SetText(Control::Edit1, "x");
  EXPECT_EQ(ErrorMessageOf([&] { tessaly_.OnDoubleClick(Control::Window); }),
            "'x' is not a valid floating point value");
  EXPECT_FALSE(tessaly_.IsChecked(MenuItem::DestinationDecimal));
  EXPECT_TRUE(ShowsFormatLayout(screen_, Side::Destination, false));
}

// Hemispheres, grid and result fields, and the other location are no part of
// the format.
TEST_F(FormatSwitchTest, SwitchWritesOnlyItsOwnCoordinateFields) {
  Enter(Side::Home, {"41", "42", "52", "72", "43", "37"});
  Enter(Side::Destination, {"1", "2", "3", "4", "5", "6"});
  SelectHemispheres(Side::Home, kSouth, kWest);
  SelectHemispheres(Side::Destination, kNoSelection, kEast);
  screen_.SetText(Control::Edit7, " FN31pr");
  screen_.SetText(Control::Edit14, " JJ00aa");
  screen_.SetText(Control::Edit15, " 1.0  :  2.0");
  screen_.SetText(Control::Edit16, " 3.0");
  const std::size_t changes_before = screen_.TextChanges().size();
  tessaly_.OnDoubleClick(Control::Panel1);
  tessaly_.OnDoubleClick(Control::Panel1);
  for (const auto& [control, text] : ChangesSince(screen_, changes_before)) {
    EXPECT_TRUE(IsCoordinateField(control) && SideOf(control) == Side::Home)
        << ControlName(control);
  }
  EXPECT_EQ(screen_.GetItemIndex(Control::RadioGroup1), kSouth);
  EXPECT_EQ(screen_.GetItemIndex(Control::RadioGroup2), kWest);
  EXPECT_EQ(screen_.GetItemIndex(Control::RadioGroup3), kNoSelection);
  EXPECT_EQ(screen_.GetItemIndex(Control::RadioGroup4), kEast);
  EXPECT_FALSE(tessaly_.IsChecked(MenuItem::DestinationDecimal));
  EXPECT_TRUE(ShowsFormatLayout(screen_, Side::Destination, false));
}

}  // namespace
}  // namespace tessaly
