// SPDX-License-Identifier: GPL-3.0-or-later
// "Calc. Lat/Lon" of both locations.
#include <string>
#include <utility>
#include <vector>

#include "tests/support/screen_fixture.h"

namespace tessaly {
namespace {

using CalcLatLonTest = ScreenFixture;

struct DecodeCase {
  Side side;
  std::string grid;
  CoordinateTexts fields;
  int lat_index, lon_index;
  std::string grid_after;
};

TEST_F(CalcLatLonTest, LocatorFillsTheFieldsAndHemispheres) {
  const CoordinateTexts kEmpty{"", "", "", "", "", ""};
  // clang-format off
  const DecodeCase cases[] = {
      {Side::Home, " FN31pr", {" 41", " 43", " 45", " 72", " 42", " 30"}, kNorth, kWest, " FN31pr"},
      {Side::Home, "FN31", {" 41", " 30", " 00", " 73", " 00", " 00"}, kNorth, kWest, " FN31"},
      {Side::Destination, "JJ00aa", {" 0", " 1", " 15", " 0", " 2", " 30"}, kNorth, kEast,
       " JJ00aa"},
      // Not a locator: the fields are emptied and "N" and "W" selected.
      {Side::Home, " Error!", kEmpty, kNorth, kWest, " Error!"},
      {Side::Destination, "", kEmpty, kNorth, kWest, " Error!"},
  };
  // clang-format on
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.grid);
    Enter(c.side, {"1", "2", "3", "4", "5", "6"});
    SelectHemispheres(c.side, kSouth, kEast);
    screen.SetText(ControlsOf(c.side).Grid, c.grid);
    tessaly.OnClick(ControlsOf(c.side).CalcLatLonButton);
    EXPECT_EQ(Shown(c.side), c.fields);
    EXPECT_EQ(screen.GetItemIndex(ControlsOf(c.side).LatGroup), c.lat_index);
    EXPECT_EQ(screen.GetItemIndex(ControlsOf(c.side).LonGroup), c.lon_index);
    EXPECT_EQ(screen.GetText(ControlsOf(c.side).Grid), c.grid_after);
  }
}

// The Home longitude minutes change only after the longitude degrees, so the
// check their change runs finds the new degrees and empties nothing.
TEST_F(CalcLatLonTest, FieldsAreWrittenDegreesThenMinutesThenSeconds) {
  Enter(Side::Home, {"1", "2", "3", "4", "5", "6"});
  screen.SetText(Control::Edit4, "200");  // typed, the field never left
  screen.SetText(Control::Edit7, "fn31pr");
  const std::size_t changes_before = screen.TextChanges().size();
  tessaly.OnClick(Control::Button2);
  const std::vector<TextChange> expected{{Control::Edit1, " 41"},    {Control::Edit4, " 72"},
                                         {Control::Edit2, " 43"},    {Control::Edit5, " 42"},
                                         {Control::Edit3, " 45"},    {Control::Edit6, " 30"},
                                         {Control::Edit7, " FN31pr"}};
  EXPECT_EQ(ChangesSince(screen, changes_before), expected);
}

TEST_F(CalcLatLonTest, DecimalFormatShowsTheCellCentreInDecimalDegrees) {
  struct Case {
    Side side;
    std::string grid;
    std::string lat_text, lon_text;
    int lat_index, lon_index;
  };
  const Case cases[] = {
      {Side::Home, "FN31pr", " 41.7291667", " 72.7083333", kNorth, kWest},
      {Side::Destination, "QF56od", " 33.8541667", " 151.2083333", kSouth, kEast},
      {Side::Destination, "FN3", " 0.0000000", " 0.0000000", kNorth, kWest},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.grid);
    const LocationControls& fields = ControlsOf(c.side);
    Location& location = Record(c.side);
    tessaly.OnDoubleClick(fields.Frame);
    ASSERT_TRUE(location.DecimalFormat);
    screen.SetText(fields.Grid, c.grid);
    tessaly.OnClick(ControlsOf(c.side).CalcLatLonButton);
    EXPECT_TRUE(location.DecimalFormat);
    EXPECT_EQ(screen.GetText(fields.LatDegrees), c.lat_text);
    EXPECT_EQ(screen.GetText(fields.LonDegrees), c.lon_text);
    EXPECT_EQ(screen.Width(fields.LatDegrees), kDecimalDegreesWidth);
    EXPECT_FALSE(screen.IsVisible(fields.LonSeconds));
    EXPECT_EQ(screen.GetItemIndex(fields.LatGroup), c.lat_index);
    EXPECT_EQ(screen.GetItemIndex(fields.LonGroup), c.lon_index);
    // Back in degrees/minutes/seconds for the next case.
    tessaly.OnDoubleClick(fields.Frame);
  }
}

}  // namespace
}  // namespace tessaly
