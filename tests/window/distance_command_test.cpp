// SPDX-License-Identifier: GPL-3.0-or-later
// "Calc. Dist./Heading" and the distance unit.
#include <sstream>
#include <string>
#include <vector>

#include "geo/location.h"
#include "tests/support/screen_fixture.h"
#include "tests/support/worked_paths.h"

namespace tessaly {
namespace {

// "51 30 0 N": degrees, minutes and seconds as typed, then the hemisphere.
struct Axis {
  std::string Degrees, Minutes, Seconds;
  int Item;
};

Axis ParseAxis(const std::string& text) {
  std::istringstream words(text);
  Axis axis;
  char hemisphere = '?';
  words >> axis.Degrees >> axis.Minutes >> axis.Seconds >> hemisphere;
  axis.Item = (hemisphere == 'S' || hemisphere == 'E') ? 1 : 0;
  return axis;
}

class DistanceCommandTest : public ScreenFixture {
 protected:
  void EnterPosition(Side side, const std::string& latitude, const std::string& longitude) {
    const Axis lat = ParseAxis(latitude), lon = ParseAxis(longitude);
    Enter(side, {lat.Degrees, lat.Minutes, lat.Seconds, lon.Degrees, lon.Minutes, lon.Seconds});
    SelectHemispheres(side, lat.Item, lon.Item);
  }

  // Two positions typed as a user would, the grid fields holding different
  // texts from earlier work.
  void EnterBoth(const std::string& home_lat, const std::string& home_lon,
                 const std::string& destination_lat, const std::string& destination_lon) {
    EnterPosition(Side::Home, home_lat, home_lon);
    EnterPosition(Side::Destination, destination_lat, destination_lon);
    screen_.SetText(Control::Edit7, " AA00aa");
    screen_.SetText(Control::Edit14, " RR99xx");
  }

  std::string Headings() const { return screen_.GetText(Control::Edit15); }
  std::string Distance() const { return screen_.GetText(Control::Edit16); }
};

TEST_F(DistanceCommandTest, WorkedExamplesInMilesThenKilometresThenMilesAgain) {
  struct Example {
    std::string HomeLat, HomeLon, DestinationLat, DestinationLon;
    std::string HeadingsText, Miles, Kilometres;
  };
  std::vector<Example> examples;
  for (const WorkedPath& path : kWorkedPaths) {
    examples.push_back({path.FromLat, path.FromLon, path.ToLat, path.ToLon, path.HeadingsText,
                        path.Miles, path.Kilometres});
  }
  // "12.5" is not a whole number: it counts as 0, not as 12.
  examples.push_back(
      {"12.5 0 0 N", "10 0 0 E", "0 0 0 N", "0 0 0 E", " 270.0  :  90.0", " 691.7", " 1113.2"});
  for (const Example& e : examples) {
    SCOPED_TRACE(e.HeadingsText);
    EnterBoth(e.HomeLat, e.HomeLon, e.DestinationLat, e.DestinationLon);
    tessaly_.OnClick(Control::Button5);
    EXPECT_EQ(Headings(), e.HeadingsText);
    EXPECT_EQ(Distance(), e.Miles);
    tessaly_.OnClick(Control::Label24);
    EXPECT_EQ(screen_.GetText(Control::Label24), "Distance (km)");
    EXPECT_EQ(Distance(), e.Kilometres);
    tessaly_.OnClick(Control::Label24);
    EXPECT_EQ(screen_.GetText(Control::Label24), "Distance (miles)");
    EXPECT_EQ(Distance(), e.Miles);
    EXPECT_EQ(Headings(), e.HeadingsText);
  }
}

TEST_F(DistanceCommandTest, GateStopsWithoutChangingAnything) {
  struct Case {
    const char* Name;
    std::string HomeLatDegrees, HomeGrid, DestinationLatDegrees, DestinationGrid;
  };
  const Case cases[] = {
      {"both grid fields empty", "40", "", "51", ""},
      {"same locator, different coordinates", "40", " FN31pr", "51", " FN31pr"},
      {"no Home latitude, no Home grid", "", "", "51", " IO91wm"},
      {"no Destination latitude, no Destination grid", "40", " FN20xa", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Enter(Side::Home, {c.HomeLatDegrees, "0", "0", "75", "0", "0"});
    Enter(Side::Destination, {c.DestinationLatDegrees, "30", "0", "0", "7", "0"});
    screen_.SetText(Control::Edit7, c.HomeGrid);
    screen_.SetText(Control::Edit14, c.DestinationGrid);
    screen_.SetText(Control::Edit15, " 1.0  :  2.0");
    screen_.SetText(Control::Edit16, " 3.0");
    const std::size_t changes_before = screen_.TextChanges().size();
    tessaly_.OnClick(Control::Button5);
    EXPECT_EQ(screen_.TextChanges().size(), changes_before);
  }
}

// A locator that cannot fill in the missing coordinates is no position: the
// command stops with " Error!" shown and the old results kept, before it
// completes the Destination.
TEST_F(DistanceCommandTest, ALocatorThatIsNoLocatorStopsTheCommand) {
  for (const bool decimal : {false, true}) {
    SCOPED_TRACE(decimal ? "decimal degrees" : "degrees, minutes, seconds");
    ShowFormat(Side::Home, decimal);
    Enter(Side::Home, {"", "", "", "", "", ""});
    screen_.SetText(Control::Edit7, "FN31py");
    Enter(Side::Destination, {"51", "30", "", "0", "7", "0"});
    screen_.SetText(Control::Edit14, " JO62qm");
    screen_.SetText(Control::Edit15, " 1.0  :  2.0");
    screen_.SetText(Control::Edit16, " 3.0");
    tessaly_.OnClick(Control::Button5);
    EXPECT_EQ(screen_.GetText(Control::Edit7), " Error!");
    EXPECT_EQ(screen_.GetText(Control::Edit10), "") << "the Destination was not completed";
    EXPECT_EQ(Headings(), " 1.0  :  2.0");
    EXPECT_EQ(Distance(), " 3.0");
  }
}

TEST_F(DistanceCommandTest, DecimalDegreeFieldThatIsNotANumberLeavesTheResults) {
  EnterBoth("0 0 0 N", "0 0 0 W", "51 30 0 N", "0 7 0 W");
  ShowFormat(Side::Home, true);
  screen_.SetText(Control::Edit1, "40.5");
  screen_.SetText(Control::Edit4, "7..5");
  screen_.SetText(Control::Edit15, " 1.0  :  2.0");
  screen_.SetText(Control::Edit16, " 3.0");
  EXPECT_EQ(ErrorMessageOf([&] { tessaly_.OnClick(Control::Button5); }),
            "'7..5' is not a valid floating point value");
  EXPECT_EQ(Headings(), " 1.0  :  2.0");
  EXPECT_EQ(Distance(), " 3.0");
}

}  // namespace
}  // namespace tessaly
