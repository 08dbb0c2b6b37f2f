// SPDX-License-Identifier: GPL-3.0-or-later
// "Calc. Grid" of both locations, in both formats.
#include <string>

#include "tests/support/screen_fixture.h"

namespace tessaly {
namespace {

using CalcGridTest = ScreenFixture;

struct DmsCase {
  Side side;
  CoordinateTexts typed;
  int lat_index, lon_index;
  DmsAngle lat, lon;
  std::string locator;
};

TEST_F(CalcGridTest, DmsFieldsGiveTheLocatorAndAreStored) {
  // clang-format off
  const DmsCase cases[] = {
      {Side::Destination, {"33", "52", "8", "151", "12", "30"}, kSouth, kEast,
       {33, 52, 8}, {151, 12, 30}, " QF56od"},
      // Leading blanks are read; empty, blank-only, trailing-blank and
      // decimal texts count as 0.
      {Side::Home, {" 41", "42", " 52", "72", "43 ", "37.5"}, kNorth, kWest,
       {41, 42, 52}, {72, 0, 0}, " FN31xr"},
      {Side::Home, {"", " ", "", "", "", ""}, kNorth, kWest,
       {0, 0, 0}, {0, 0, 0}, " IJ90xa"},
  };
  // clang-format on
  for (const DmsCase& c : cases) {
    SCOPED_TRACE(c.locator);
    const LocationControls& fields = ControlsOf(c.side);
    Enter(c.side, c.typed);
    SelectHemispheres(c.side, c.lat_index, c.lon_index);
    screen.SetText(fields.Grid, "old");
    tessaly.OnClick(fields.CalcGridButton);
    const Location& location = Record(c.side);
    EXPECT_EQ(screen.GetText(fields.Grid), c.locator);
    EXPECT_EQ(location.Lat, c.lat);
    EXPECT_EQ(location.Lon, c.lon);
  }
}

TEST_F(CalcGridTest, DecimalDegreesAreSplitAndTheHiddenFieldsIgnored) {
  tessaly.Home.DecimalFormat = true;
  Enter(Side::Home, {"41.71444", "59", "59", " 72.72694", "", "x"});
  SelectHemispheres(Side::Home, kNorth, kWest);
  tessaly.OnClick(Control::Button1);
  EXPECT_EQ(screen.GetText(Control::Edit7), " FN31pr");
  EXPECT_DOUBLE_EQ(tessaly.Home.LatDegrees, 41.71444);
  EXPECT_DOUBLE_EQ(tessaly.Home.LonDegrees, 72.72694);
  EXPECT_EQ(tessaly.Home.Lat, (DmsAngle{41, 42, 52}));
  EXPECT_EQ(tessaly.Home.Lon, (DmsAngle{72, 43, 37}));
}

// What was stored before the failing reading stays; the split values and the
// grid field keep their old state. A number beyond the whole-number range is
// read, but cannot be split.
TEST_F(CalcGridTest, DecimalFieldThatIsNotANumberStopsWithTheReadingsSoFarKept) {
  struct Case {
    std::string lat_text, lon_text, message;
    double lat_degrees_after, lon_degrees_after;
  };
  const Case cases[] = {
      {"abc", "72.5", "'abc' is not a valid floating point value", 1.25, 2.5},
      {"", "72.5", "'' is not a valid floating point value", 1.25, 2.5},
      {"41.5", "7.2.5", "'7.2.5' is not a valid floating point value", 41.5, 2.5},
      {"41.5", " ", "' ' is not a valid floating point value", 41.5, 2.5},
      {"41.5", "1e300", "Invalid floating point operation", 41.5, 1e300},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Location& destination = tessaly.Destination;
    destination = {{1, 15, 0}, {2, 30, 0}, 1.25, 2.5, true};
    screen.SetText(Control::Edit8, c.lat_text);
    screen.SetText(Control::Edit11, c.lon_text);
    screen.SetText(Control::Edit14, " JJ00aa");
    EXPECT_EQ(ErrorMessageOf([&] { tessaly.OnClick(Control::Button3); }), c.message);
    EXPECT_DOUBLE_EQ(destination.LatDegrees, c.lat_degrees_after);
    EXPECT_DOUBLE_EQ(destination.LonDegrees, c.lon_degrees_after);
    EXPECT_EQ(destination.Lat, (DmsAngle{1, 15, 0}));
    EXPECT_EQ(destination.Lon, (DmsAngle{2, 30, 0}));
    EXPECT_EQ(screen.GetText(Control::Edit14), " JJ00aa");
  }
}

}  // namespace
}  // namespace tessaly
