// SPDX-License-Identifier: GPL-3.0-or-later
// What the great-circle map is given: the measured path while its results
// show, else Home alone where its fields put it.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "geo/distance.h"
#include "geo/locator.h"
#include "geo/number_text.h"
#include "tests/support/screen_fixture.h"

namespace tessaly {
namespace {

class MapViewTest : public ScreenFixture {
 protected:
  MapViewTest() { tessaly_.OnFirstShow(); }  // Home at 38 0 54 N, 78 38 15 W
  void Enter(const std::string& home, const std::string& destination) {
    screen_.SetText(Control::Edit7, home);
    screen_.SetText(Control::Edit14, destination);
    tessaly_.OnKeyDown(Control::Edit14, kKeyEnter);
  }
};

TEST_F(MapViewTest, FollowsTheResultsWhileTheyShowAndHomeOtherwise) {
  constexpr SignedPosition kStartHome{38.015, -(78.0 + 38.0 / 60 + 15.0 / 3600)};
  std::optional<MapContent> view = tessaly_.MapView();
  ASSERT_TRUE(view.has_value());
  EXPECT_NEAR(view->Home.Lat, kStartHome.Lat, 1e-12);
  EXPECT_NEAR(view->Home.Lon, kStartHome.Lon, 1e-12);
  EXPECT_EQ(view->HomeLocator, " FM08qa");
  EXPECT_FALSE(view->Destination.has_value());

  // Measured: the cell centres, and the texts exactly as the fields show them.
  Enter("FN31pr", "QF56od");
  view = tessaly_.MapView();
  ASSERT_TRUE(view && view->Destination);
  EXPECT_NEAR(view->Home.Lat, 41.0 + 43.0 / 60 + 45.0 / 3600, 1e-9);
  EXPECT_NEAR(view->Destination->Position.Lat, -(33.0 + 51.0 / 60 + 15.0 / 3600), 1e-9);
  EXPECT_NEAR(view->Destination->Position.Lon, 151.0 + 12.0 / 60 + 30.0 / 3600, 1e-9);
  EXPECT_EQ(view->Destination->Locator, " QF56od");
  EXPECT_EQ(OneDecimalText(view->Destination->ShortPath.Kilometres * kMilesPerKilometre),
            screen_.GetText(Control::Edit16));
  EXPECT_EQ(view->Unit, DistanceUnit::Miles);

  // The same locator typed into both grid fields stops the unit switch's
  // distance command: the distance shown stays in miles, and so does the map.
  screen_.SetText(Control::Edit14, " FN31pr");
  tessaly_.OnClick(Control::Label24);
  ASSERT_TRUE(InKilometres());
  EXPECT_EQ(tessaly_.MapView()->Unit, DistanceUnit::Miles);

  // A click in a field empties the results: Home alone, in the current unit.
  tessaly_.OnClick(Control::Edit3);
  view = tessaly_.MapView();
  ASSERT_TRUE(view.has_value());
  EXPECT_FALSE(view->Destination.has_value());
  EXPECT_NEAR(view->Home.Lat, 41.0 + 43.0 / 60, 1e-9);  // the emptied seconds count as 0
  EXPECT_EQ(view->Unit, DistanceUnit::Kilometres);

  // An emptied Home has no position: the map is told so, and says so.
  tessaly_.OnKeyDown(Control::Edit7, kKeyDelete);
  view = tessaly_.MapView();
  ASSERT_TRUE(view.has_value());
  EXPECT_FALSE(view->HomeKnown);
  EXPECT_EQ(MapLegend(*view, true).front().Text, "No Home location");
  EXPECT_FALSE(ReadoutAt(*view, {10.0, 10.0}).has_value());
  tessaly_.OnMenu(MenuItem::RecallHome);

  // Decimal degrees that are no number give no position: the map stays.
  tessaly_.OnDoubleClick(Control::Panel1);
  screen_.SetText(Control::Edit1, " 1.2.3");
  EXPECT_FALSE(tessaly_.MapView().has_value());
}

}  // namespace
}  // namespace tessaly

namespace tessaly {
namespace {

// The short path as the distance command measures the worked examples, the
// long one with round figures whose texts are worked out by hand.
TEST(MapLegend, ShowsBothPathsInTheWindowsUnitAndSaysWhatIsMissing) {
  const SignedPosition fn20{40.0, -75.0}, london{51.5, -7.0 / 60};
  const SignedPosition north{30.0, 20.0}, south{10.0, 20.0};
  const Path long_path{30000.0, {230.44, 50.0}};
  struct Case {
    const char* Name;
    MapContent Content;
    bool CoastlineLoaded;
    std::vector<std::string> Lines;
  };
  const Case cases[] = {
      {"miles",
       {fn20, " FN20la", MapDestination{london, " IO91wm", MeasurePath(fn20, london), long_path},
        DistanceUnit::Miles},
       true,
       {"Home FN20la", "Short path 50.5\xB0, 3542.8 miles", "Long path 230.4\xB0, 18641.1 miles",
        "Rings every 2500 miles"}},
      // Due south: the short path reads 180.0 as the main window shows it;
      // a long path due north reads 0.0, never 360.0.
      {"kilometres",
       {north, " KL00aa",
        MapDestination{south, " KK00aa", MeasurePath(north, south), Path{37793.6, {359.96, 0.0}}},
        DistanceUnit::Kilometres},
       true,
       {"Home KL00aa", "Short path 180.0\xB0, 2214.3 km", "Long path 0.0\xB0, 37793.6 km",
        "Rings every 5000 km"}},
      {"Home alone, no coastlines",
       {fn20, "", std::nullopt, DistanceUnit::Miles},
       false,
       {"Home", "Rings every 2500 miles", "Coastlines missing: land is not drawn"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    std::vector<std::string> texts;
    std::vector<LegendMark> marks;
    for (const LegendLine& line : MapLegend(c.Content, c.CoastlineLoaded)) {
      texts.push_back(line.Text);
      marks.push_back(line.Mark);
    }
    EXPECT_EQ(texts, c.Lines);
    if (c.Content.Destination) {
      EXPECT_EQ(marks, (std::vector{LegendMark::None, LegendMark::ShortPath, LegendMark::LongPath,
                                    LegendMark::None}));
    }
  }
}

// The readout's position typed back into the Destination's fields, each
// figure as it reads: "52° 31' 15\" N  13° 22' 30\" E", or in decimal
// degrees "52.5208333° N  13.375° E" into the degree fields alone.
void TypeBack(MemoryScreen& screen, const std::string& position, bool decimal) {
  std::string words = position;
  for (char& c : words) {
    if (c == '\xB0' || c == '\'' || c == '"') c = ' ';
  }
  std::istringstream in(words);
  std::array<std::string, 6> texts;
  char lat_hemisphere = 0, lon_hemisphere = 0;
  if (decimal) {
    in >> texts[0] >> lat_hemisphere >> texts[3] >> lon_hemisphere;
  } else {
    in >> texts[0] >> texts[1] >> texts[2] >> lat_hemisphere >> texts[3] >> texts[4] >> texts[5] >>
        lon_hemisphere;
  }
  const auto fields = CoordinateFields(ControlsOf(Side::Destination));
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!decimal || i % 3 == 0) screen.SetText(fields[i], texts[i]);
  }
  screen.SetItemIndex(ControlsOf(Side::Destination).LatGroup, lat_hemisphere == 'S' ? 1 : 0);
  screen.SetItemIndex(ControlsOf(Side::Destination).LonGroup, lon_hemisphere == 'E' ? 1 : 0);
}

// What the map says of a point is what the main window shows for that
// point typed in: the locator, the distance and the forward heading.
TEST_F(MapViewTest, ReadoutGivesTheWindowsFiguresForThePointAsShown) {
  struct Case {
    const char* Name;
    SignedPosition Point;
    bool Decimal;
    int Precision;
    bool Kilometres;
  };
  const Case cases[] = {
      {"Berlin in miles", {52.520833, 13.409722}, false, 6, false},
      {"Sydney in decimal degrees and km", {-33.8688, 151.2093}, true, 8, true},
      {"a tenth of a second in Rio", {-22.906847, -43.172896}, false, 10, false},
      {"near Home's antipode", {-38.0, 101.4}, false, 12, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    tessaly_.SetPrecision(c.Precision);
    ShowFormat(Side::Destination, c.Decimal);
    if (InKilometres() != c.Kilometres) tessaly_.OnClick(Control::Label24);
    const std::optional<MapContent> view = tessaly_.MapView();
    ASSERT_TRUE(view.has_value());
    const std::optional<MapReadout> readout = ReadoutAt(*view, c.Point);
    ASSERT_TRUE(readout.has_value());

    TypeBack(screen_, readout->Position, c.Decimal);
    tessaly_.OnClick(Control::Button5);

    EXPECT_EQ(screen_.GetText(Control::Edit14), readout->Locator);
    EXPECT_EQ(screen_.GetText(Control::Edit16), readout->Distance);
    EXPECT_EQ(screen_.GetText(Control::Edit15).substr(0, readout->Heading.size() + 2),
              readout->Heading + "  ");
  }
  // Seconds that round up to a whole minute carry: 48 7 59.9999 reads 48 8 0.
  tessaly_.SetPrecision(6);
  ShowFormat(Side::Destination, false);
  EXPECT_EQ(ReadoutAt(*tessaly_.MapView(), {48.0 + 8.0 / 60 - 1e-9, 11.0})->Position,
            "48\xB0 8' 0\" N  11\xB0 0' 0\" E");
}

// A point chosen on the map leaves the window as its locator typed into the
// Destination grid field and Enter pressed would; with no Home locator,
// where Enter does nothing, the distance is measured from Home's fields.
TEST_F(MapViewTest, ChoosingAPointIsTypingItsLocatorAndPressingEnter) {
  const auto texts = [](const MemoryScreen& screen) {
    std::vector<std::string> shown;
    for (const Side side : {Side::Home, Side::Destination}) {
      for (const Control field : CoordinateFields(ControlsOf(side))) {
        shown.push_back(screen.GetText(field));
      }
    }
    for (const Control field :
         {Control::Edit7, Control::Edit14, Control::Edit15, Control::Edit16}) {
      shown.push_back(screen.GetText(field));
    }
    return shown;
  };
  const SignedPosition berlin{52.520833, 13.409722};
  for (const int precision : {6, 10}) {
    SCOPED_TRACE(precision);
    MemoryWindow typed(home_.Path());
    typed.Tessaly.OnFirstShow();
    typed.Tessaly.SetPrecision(precision);
    typed.Screen.SetText(Control::Edit7, " FN31pr");
    typed.Screen.SetText(Control::Edit14, LocatorText(*CellOfPosition(berlin, precision)));
    typed.Tessaly.OnKeyDown(Control::Edit14, kKeyEnter);

    tessaly_.SetPrecision(precision);
    screen_.SetText(Control::Edit7, " FN31pr");
    tessaly_.SetDestinationAt(berlin);
    EXPECT_EQ(texts(screen_), texts(typed.Screen));
    EXPECT_NE(screen_.GetText(Control::Edit16), "");
  }

  screen_.SetText(Control::Edit7, "");
  tessaly_.SetDestinationAt({-33.8688, 151.2093});
  EXPECT_EQ(screen_.GetText(Control::Edit14), " QF56od51cl");  // still at 10 characters
  EXPECT_NE(screen_.GetText(Control::Edit16), "");
}

TEST(MapView, ZoomRingsAndImageNamesFollowTheirRules) {
  // The view from the whole earth to 500 km, a square root of 2 a step.
  EXPECT_DOUBLE_EQ(ZoomedViewKm(kWholeEarthViewKm, -1), kWholeEarthViewKm);
  EXPECT_NEAR(ZoomedViewKm(2000.0, 2), 1000.0, 1e-9);
  EXPECT_DOUBLE_EQ(ZoomedViewKm(600.0, 3), kClosestViewKm);
  // Three to six rings from the whole earth to the closest view.
  for (const DistanceUnit unit : {DistanceUnit::Miles, DistanceUnit::Kilometres}) {
    for (double view = kWholeEarthViewKm; view >= kClosestViewKm; view = ZoomedViewKm(view, 1)) {
      const double rings = view / RingSpacingKm(unit, view);
      EXPECT_GE(rings, 2.0) << view;
      EXPECT_LE(rings, 6.0) << view;
      if (view == kClosestViewKm) break;
    }
  }
  EXPECT_EQ(RingSpacing(DistanceUnit::Kilometres, 1000.0), 250);
  EXPECT_EQ(RingSpacing(DistanceUnit::Miles, kClosestViewKm), 100);

  struct Name {
    std::string Home, Destination;
    bool HomeKnown;
    std::string File;
  };
  const Name names[] = {
      {" FN31pr", " JO62qm", true, "FN31pr-JO62qm.png"},
      {" fn31PR", "", true, "FN31pr.png"},
      {" JO62qm45ab12", " QF56od", true, "JO62qm45ab12-QF56od.png"},
      {" ../../x", " JO62qm", true, "tessaly-map.png"},
      {" FN31pr", " JO62qm", false, "tessaly-map.png"},
  };
  for (const Name& name : names) {
    MapContent content{{}, name.Home, std::nullopt, DistanceUnit::Miles};
    if (!name.Destination.empty())
      content.Destination = MapDestination{{}, name.Destination, {}, {}};
    content.HomeKnown = name.HomeKnown;
    EXPECT_EQ(MapImageName(content), name.File) << name.Home;
  }
}

// With the gray line, sunrise and sunset at both ends on the moment's UTC
// day, or what polar day and night lack.
TEST(MapLegend, GivesSunriseAndSunsetWithTheGrayLine) {
  constexpr UnixSeconds kMidwinterNoon = 1703246400;  // 2023-12-22 12:00 UTC
  const SignedPosition london{51.5, -0.12}, tromso{69.65, 18.96}, south_pole_station{-89.0, 0.0};
  MapContent content{london, " IO91wm",
                     MapDestination{tromso, " JP99ap", MeasurePath(london, tromso), {}},
                     DistanceUnit::Kilometres};
  MapSettings settings{kWholeEarthViewKm, false, true, kMidwinterNoon};
  std::vector<LegendLine> legend = MapLegend(content, true, settings);
  ASSERT_EQ(legend.size(), 6u);
  EXPECT_TRUE(
      std::regex_match(legend[4].Text, std::regex("Home: sunrise 08:0[3-6], sunset 15:5[2-5] UTC")))
      << legend[4].Text;
  EXPECT_EQ(legend[5].Text, "Destination: no sunrise (polar night)");
  content.Destination->Position = south_pole_station;
  EXPECT_EQ(MapLegend(content, true, settings)[5].Text, "Destination: no sunset (polar day)");
  settings.GrayLine = false;
  EXPECT_EQ(MapLegend(content, true, settings).size(), 4u);
}

}  // namespace
}  // namespace tessaly
