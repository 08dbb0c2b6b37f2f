// SPDX-License-Identifier: GPL-3.0-or-later
// "Calc. Dist./Heading" and the distance unit.
#include <sstream>
#include <string>

#include "geo/distance.h"
#include "geo/location.h"
#include "tests/support/screen_fixture.h"

namespace tessaly {
namespace {

// "51 30 0 N": degrees, minutes and seconds as typed, then the hemisphere.
struct Axis {
  std::string degrees, minutes, seconds;
  int item;
};

Axis ParseAxis(const std::string& text) {
  std::istringstream words(text);
  Axis axis;
  char hemisphere = '?';
  words >> axis.degrees >> axis.minutes >> axis.seconds >> hemisphere;
  axis.item = (hemisphere == 'S' || hemisphere == 'E') ? 1 : 0;
  return axis;
}

class DistanceCommandTest : public ScreenFixture {
 protected:
  DistanceCommandTest() { tessaly.DistanceFactor = kMilesPerKilometre; }

  void EnterPosition(Side side, const std::string& latitude, const std::string& longitude) {
    const Axis lat = ParseAxis(latitude), lon = ParseAxis(longitude);
    Enter(side, {lat.degrees, lat.minutes, lat.seconds, lon.degrees, lon.minutes, lon.seconds});
    SelectHemispheres(side, lat.item, lon.item);
  }

  // Two positions typed as a user would, the grid fields holding different
  // texts from earlier work.
  void EnterBoth(const std::string& home_lat, const std::string& home_lon,
                 const std::string& destination_lat, const std::string& destination_lon) {
    EnterPosition(Side::Home, home_lat, home_lon);
    EnterPosition(Side::Destination, destination_lat, destination_lon);
    screen.SetText(Control::Edit7, " AA00aa");
    screen.SetText(Control::Edit14, " RR99xx");
  }

  std::string Headings() const { return screen.GetText(Control::Edit15); }
  std::string Distance() const { return screen.GetText(Control::Edit16); }
};

TEST_F(DistanceCommandTest, WorkedExamplesInMilesThenKilometresThenMilesAgain) {
  struct Example {
    std::string home_lat, home_lon, destination_lat, destination_lon;
    std::string headings, miles, kilometres;
  };
  const Example examples[] = {
      {"0 0 0 N", "0 0 0 E", "0 0 0 N", "90 0 0 E", " 90.0  :  270.0", " 6225.3", " 10018.8"},
      {"0 0 0 N", "10 0 0 E", "0 0 0 N", "0 0 0 E", " 270.0  :  90.0", " 691.7", " 1113.2"},
      {"10 0 0 N", "20 0 0 E", "30 0 0 N", "20 0 0 E", " 360.0  :  180.0", " 1375.9", " 2214.3"},
      {"30 0 0 N", "20 0 0 E", "10 0 0 N", "20 0 0 E", " 180.0  :  360.0", " 1375.9", " 2214.3"},
      {"33 52 0 S", "151 12 0 E", "35 41 0 N", "139 41 0 E", " 350.1  :  169.9", " 4841.7",
       " 7792.0"},
      {"48 50 11 N", "2 20 14 E", "38 55 17 N", "77 3 56 W", " 291.8  :  51.8", " 3841.1",
       " 6181.6"},
      // "12.5" is not a whole number: it counts as 0, not as 12.
      {"12.5 0 0 N", "10 0 0 E", "0 0 0 N", "0 0 0 E", " 270.0  :  90.0", " 691.7", " 1113.2"},
  };
  for (const Example& e : examples) {
    SCOPED_TRACE(e.headings);
    EnterBoth(e.home_lat, e.home_lon, e.destination_lat, e.destination_lon);
    tessaly.Button5Click();
    EXPECT_EQ(Headings(), e.headings);
    EXPECT_EQ(Distance(), e.miles);
    tessaly.Label24Click();
    EXPECT_EQ(screen.GetText(Control::Label24), "Distance (km)");
    EXPECT_EQ(tessaly.DistanceFactor, 1.0);
    EXPECT_EQ(Distance(), e.kilometres);
    tessaly.Label24Click();
    EXPECT_EQ(screen.GetText(Control::Label24), "Distance (miles)");
    EXPECT_EQ(tessaly.DistanceFactor, kMilesPerKilometre);
    EXPECT_EQ(Distance(), e.miles);
    EXPECT_EQ(Headings(), e.headings);
  }
}

// The grid fields are recomputed from the coordinates measured.
TEST_F(DistanceCommandTest, GridFieldsShowTheLocatorsOfTheMeasuredPositions) {
  EnterBoth("41 42 52 N", "72 43 37 W", "33 52 8 S", "151 12 30 E");
  tessaly.Button5Click();
  EXPECT_EQ(screen.GetText(Control::Edit7), " FN31pr");
  EXPECT_EQ(screen.GetText(Control::Edit14), " QF56od");
  EXPECT_EQ(tessaly.Home.Lat, (DmsAngle{41, 42, 52}));
  EXPECT_EQ(tessaly.Destination.Lon, (DmsAngle{151, 12, 30}));
}

TEST_F(DistanceCommandTest, GateStopsWithoutChangingAnything) {
  struct Case {
    const char* name;
    std::string home_lat_degrees, home_grid, destination_lat_degrees, destination_grid;
  };
  const Case cases[] = {
      {"both grid fields empty", "40", "", "51", ""},
      {"same locator, different coordinates", "40", " FN31pr", "51", " FN31pr"},
      {"no Home latitude, no Home grid", "", "", "51", " IO91wm"},
      {"no Destination latitude, no Destination grid", "40", " FN20xa", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Enter(Side::Home, {c.home_lat_degrees, "0", "0", "75", "0", "0"});
    Enter(Side::Destination, {c.destination_lat_degrees, "30", "0", "0", "7", "0"});
    screen.SetText(Control::Edit7, c.home_grid);
    screen.SetText(Control::Edit14, c.destination_grid);
    screen.SetText(Control::Edit15, " 1.0  :  2.0");
    screen.SetText(Control::Edit16, " 3.0");
    const std::size_t changes_before = screen.TextChanges().size();
    tessaly.Button5Click();
    EXPECT_EQ(screen.TextChanges().size(), changes_before);
  }
}

// A side with a locator and an empty coordinate field is filled from the
// locator; the result is the one for the cell centre typed in.
TEST_F(DistanceCommandTest, MissingCoordinatesAreFilledFromTheLocator) {
  Enter(Side::Home, {"", "", "", "", "", ""});
  screen.SetText(Control::Edit7, "FN31pr");
  EnterPosition(Side::Destination, "51 30 0 N", "0 7 0 W");
  tessaly.Button5Click();
  EXPECT_EQ(Shown(Side::Home), (CoordinateTexts{" 41", " 43", " 45", " 72", " 42", " 30"}));
  EXPECT_EQ(screen.GetText(Control::Edit7), " FN31pr");
  EXPECT_NE(screen.GetText(Control::Edit14), "");
  const std::string completed_headings = Headings();
  const std::string completed_distance = Distance();

  EnterBoth("41 43 45 N", "72 42 30 W", "51 30 0 N", "0 7 0 W");
  tessaly.Button5Click();
  EXPECT_EQ(completed_headings, Headings());
  EXPECT_EQ(completed_distance, Distance());
}

// A locator that cannot fill in the missing coordinates is no position: the
// command stops with " Error!" shown and the old results kept, before it
// completes the Destination.
TEST_F(DistanceCommandTest, ALocatorThatIsNoLocatorStopsTheCommand) {
  for (const bool decimal : {false, true}) {
    SCOPED_TRACE(decimal ? "decimal degrees" : "degrees, minutes, seconds");
    tessaly.Home.DecimalFormat = decimal;
    Enter(Side::Home, {"", "", "", "", "", ""});
    screen.SetText(Control::Edit7, "FN31py");
    Enter(Side::Destination, {"51", "30", "", "0", "7", "0"});
    screen.SetText(Control::Edit14, " JO62qm");
    screen.SetText(Control::Edit15, " 1.0  :  2.0");
    screen.SetText(Control::Edit16, " 3.0");
    tessaly.Button5Click();
    EXPECT_EQ(screen.GetText(Control::Edit7), " Error!");
    EXPECT_EQ(screen.GetText(Control::Edit10), "") << "the Destination was not completed";
    EXPECT_EQ(Headings(), " 1.0  :  2.0");
    EXPECT_EQ(Distance(), " 3.0");
  }
}

TEST_F(DistanceCommandTest, DecimalDegreeFieldThatIsNotANumberLeavesTheResults) {
  EnterBoth("0 0 0 N", "0 0 0 W", "51 30 0 N", "0 7 0 W");
  tessaly.Home.DecimalFormat = true;
  screen.SetText(Control::Edit1, "40.5");
  screen.SetText(Control::Edit4, "7..5");
  screen.SetText(Control::Edit15, " 1.0  :  2.0");
  screen.SetText(Control::Edit16, " 3.0");
  EXPECT_EQ(ErrorMessageOf([&] { tessaly.Button5Click(); }),
            "'7..5' is not a valid floating point value");
  EXPECT_EQ(Headings(), " 1.0  :  2.0");
  EXPECT_EQ(Distance(), " 3.0");
}

}  // namespace
}  // namespace tessaly
