// SPDX-License-Identifier: GPL-3.0-or-later
// The switch of a location between degrees/minutes/seconds and decimal
// degrees.
#include <string>

#include "tests/support/screen_fixture.h"

namespace tessaly {
namespace {

class FormatSwitchTest : public ScreenFixture {
 protected:
  void Switch(Side side) { tessaly.OnDoubleClick(ControlsOf(side).Frame); }
};

struct RoundTrip {
  Side side;
  CoordinateTexts typed;
  std::string lat_text, lon_text;
  double lat_degrees, lon_degrees;
  CoordinateTexts back;
};

TEST_F(FormatSwitchTest, ToDecimalDegreesAndBack) {
  // clang-format off
  const RoundTrip cases[] = {
      {Side::Destination, {"38", "7", "24", "179", "59", "59"}, " 38.1233333", " 179.9997222",
       38.0 + 7.0 / 60 + 24.0 / 3600, 179.0 + 59.0 / 60 + 59.0 / 3600,
       {" 38", " 7", " 24", " 179", " 59", " 59"}},
      {Side::Destination, {"", "", "", "", "", ""}, " 0.0000000", " 0.0000000",
       0.0, 0.0, {" 0", " 0", " 0", " 0", " 0", " 0"}},
      // Not whole numbers: they count as 0.
      {Side::Home, {"10", "30.5", " ", "20", "15 ", "1e1"}, " 10.0000000", " 20.0000000",
       10.0, 20.0, {" 10", " 0", " 0", " 20", " 0", " 0"}},
  };
  // clang-format on
  for (const RoundTrip& c : cases) {
    SCOPED_TRACE(c.lat_text + " /" + c.lon_text);
    const LocationControls& fields = ControlsOf(c.side);
    Enter(c.side, c.typed);
    Switch(c.side);
    EXPECT_TRUE(Record(c.side).DecimalFormat);
    EXPECT_EQ(screen.GetText(fields.LatDegrees), c.lat_text);
    EXPECT_EQ(screen.GetText(fields.LonDegrees), c.lon_text);
    EXPECT_NEAR(Record(c.side).LatDegrees, c.lat_degrees, 1e-12);
    EXPECT_NEAR(Record(c.side).LonDegrees, c.lon_degrees, 1e-12);
    EXPECT_TRUE(ShowsFormatLayout(screen, c.side, true));
    // Hidden, the minute and second fields keep what they held.
    EXPECT_EQ(screen.GetText(fields.LatMinutes), c.typed[1]);
    EXPECT_EQ(screen.GetText(fields.LonSeconds), c.typed[5]);

    Switch(c.side);
    EXPECT_FALSE(Record(c.side).DecimalFormat);
    EXPECT_EQ(Shown(c.side), c.back);
    EXPECT_TRUE(ShowsFormatLayout(screen, c.side, false));
  }
}

TEST_F(FormatSwitchTest, TypedDecimalDegreesBackToDegreesMinutesSeconds) {
  struct Case {
    std::string lat_text, lon_text;
    CoordinateTexts back;
    DmsAngle lat;
  };
  const Case cases[] = {
      {" 38.1234567", "7.5", {" 38", " 7", " 24", " 7", " 30", " 0"}, {38, 7, 24}},
      {" 10.9999000", "0.25", {" 10", " 59", " 60", " 0", " 15", " 0"}, {10, 59, 60}},
      {"5.", ".", {" 5", " 0", " 0", " 0", " 0", " 0"}, {5, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lat_text);
    Switch(Side::Destination);
    screen.SetText(Control::Edit8, c.lat_text);
    screen.SetText(Control::Edit11, c.lon_text);
    Switch(Side::Destination);
    EXPECT_EQ(Shown(Side::Destination), c.back);
    EXPECT_EQ(tessaly.Destination.Lat, c.lat);
  }
}

// The Home longitude degrees are checked when the minutes change, after the
// degrees have been written.
TEST_F(FormatSwitchTest, HomeLongitudeBeyondItsBoundIsEmptiedOnTheWayBack) {
  Switch(Side::Home);
  screen.SetText(Control::Edit1, "12.5");
  screen.SetText(Control::Edit4, "200.5");
  Switch(Side::Home);
  EXPECT_EQ(Shown(Side::Home), (CoordinateTexts{" 12", " 30", " 0", "", " 30", " 0"}));
}

// Nothing to convert: the flag and the layout say degrees/minutes/seconds,
// the texts stay as they are.
TEST_F(FormatSwitchTest, EmptyDegreeFieldStopsTheConversionButNotTheLayout) {
  for (Control emptied : {Control::Edit1, Control::Edit4}) {
    SCOPED_TRACE(ControlName(emptied));
    Enter(Side::Home, {"1", "2", "3", "4", "5", "6"});
    Switch(Side::Home);
    screen.SetText(emptied, "");
    const CoordinateTexts before = Shown(Side::Home);
    const DmsAngle lat_before = tessaly.Home.Lat;
    Switch(Side::Home);
    EXPECT_FALSE(tessaly.Home.DecimalFormat);
    EXPECT_EQ(Shown(Side::Home), before);
    EXPECT_EQ(tessaly.Home.Lat, lat_before);
    EXPECT_TRUE(ShowsFormatLayout(screen, Side::Home, false));
  }
}

TEST_F(FormatSwitchTest, DegreeFieldThatIsNotANumberKeepsTheDecimalLayout) {
  struct Case {
    std::string lat_text, lon_text, message;
    double lat_degrees_after;
  };
  const Case cases[] = {
      {"1.2.3", "7", "'1.2.3' is not a valid floating point value", 0.0},
      // Read, but beyond the whole-number range: no field is written.
      {"12.5", "-1e300", "Invalid floating point operation", 12.5},
      {"12.5", " ", "' ' is not a valid floating point value", 12.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Switch(Side::Destination);
    tessaly.Destination.LatDegrees = 0.0;
    screen.SetText(Control::Edit8, c.lat_text);
    screen.SetText(Control::Edit11, c.lon_text);
    const std::size_t changes_before = screen.TextChanges().size();
    EXPECT_EQ(ErrorMessageOf([&] { tessaly.OnDoubleClick(Control::Panel2); }), c.message);
    EXPECT_FALSE(tessaly.Destination.DecimalFormat);
    EXPECT_EQ(tessaly.Destination.LatDegrees, c.lat_degrees_after);
    EXPECT_EQ(screen.TextChanges().size(), changes_before);
    EXPECT_TRUE(ShowsFormatLayout(screen, Side::Destination, true));
  }
}

// A field that the switch hides hands the focus to the one that now shows
// its coordinate; a field that stays keeps it.
TEST_F(FormatSwitchTest, TheFocusLeavesAHiddenFieldForItsDegreeField) {
  const struct {
    Control focused;
    Side side;
    Control after;
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
    screen.SetFocus(c.focused);
    Switch(c.side);
    EXPECT_EQ(screen.FocusedControl(), c.after) << ControlName(c.focused);
    Switch(c.side);
  }
}

TEST_F(FormatSwitchTest, WindowDoubleClickStopsAtAHomeError) {
  tessaly.OnDoubleClick(Control::Panel1);
  screen.SetText(Control::Edit1, "x");
  EXPECT_EQ(ErrorMessageOf([&] { tessaly.FormDblClick(); }),
            "'x' is not a valid floating point value");
  EXPECT_FALSE(tessaly.Destination.DecimalFormat);
  EXPECT_TRUE(ShowsFormatLayout(screen, Side::Destination, false));
}

// Hemispheres, grid and result fields, and the other location are no part of
// the format.
TEST_F(FormatSwitchTest, SwitchWritesOnlyItsOwnCoordinateFields) {
  Enter(Side::Home, {"41", "42", "52", "72", "43", "37"});
  Enter(Side::Destination, {"1", "2", "3", "4", "5", "6"});
  SelectHemispheres(Side::Home, kSouth, kWest);
  SelectHemispheres(Side::Destination, kNoSelection, kEast);
  screen.SetText(Control::Edit7, " FN31pr");
  screen.SetText(Control::Edit14, " JJ00aa");
  screen.SetText(Control::Edit15, " 1.0  :  2.0");
  screen.SetText(Control::Edit16, " 3.0");
  const std::size_t changes_before = screen.TextChanges().size();
  tessaly.OnDoubleClick(Control::Panel1);
  tessaly.OnDoubleClick(Control::Panel1);
  for (const auto& [control, text] : ChangesSince(screen, changes_before)) {
    EXPECT_TRUE(IsCoordinateField(control) && SideOf(control) == Side::Home)
        << ControlName(control);
  }
  EXPECT_EQ(screen.GetItemIndex(Control::RadioGroup1), kSouth);
  EXPECT_EQ(screen.GetItemIndex(Control::RadioGroup2), kWest);
  EXPECT_EQ(screen.GetItemIndex(Control::RadioGroup3), kNoSelection);
  EXPECT_EQ(screen.GetItemIndex(Control::RadioGroup4), kEast);
  EXPECT_FALSE(tessaly.Destination.DecimalFormat);
  EXPECT_TRUE(ShowsFormatLayout(screen, Side::Destination, false));
}

}  // namespace
}  // namespace tessaly
