// SPDX-License-Identifier: GPL-3.0-or-later
// What the great-circle map is given: the measured path while its results
// show, else Home alone where its fields put it.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "geo/distance.h"
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

}  // namespace
}  // namespace tessaly
