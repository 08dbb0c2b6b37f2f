// SPDX-License-Identifier: GPL-3.0-or-later
// What the great-circle map is given: the measured path while its results
// show, else Home alone where its fields put it.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "geo/distance.h"
#include "tests/support/screen_fixture.h"

namespace tessaly {
namespace {

class MapViewTest : public ScreenFixture {
 protected:
  MapViewTest() {
    tessaly.OnCreate();
    tessaly.OnFirstShow();  // Home at 38 0 54 N, 78 38 15 W
  }
  void Enter(const std::string& home, const std::string& destination) {
    screen.SetText(Control::Edit7, home);
    screen.SetText(Control::Edit14, destination);
    tessaly.OnKeyDown(Control::Edit14, kKeyEnter);
  }
};

TEST_F(MapViewTest, FollowsTheResultsWhileTheyShowAndHomeOtherwise) {
  constexpr SignedPosition kStartHome{38.015, -(78.0 + 38.0 / 60 + 15.0 / 3600)};
  std::optional<MapContent> view = tessaly.MapView();
  ASSERT_TRUE(view.has_value());
  EXPECT_NEAR(view->Home.Lat, kStartHome.Lat, 1e-12);
  EXPECT_NEAR(view->Home.Lon, kStartHome.Lon, 1e-12);
  EXPECT_EQ(view->HomeLocator, " FM08qa");
  EXPECT_FALSE(view->Destination.has_value());

  // Measured: the cell centres, and the texts exactly as the fields show them.
  Enter("FN31pr", "QF56od");
  view = tessaly.MapView();
  ASSERT_TRUE(view && view->Destination);
  EXPECT_NEAR(view->Home.Lat, 41.0 + 43.0 / 60 + 45.0 / 3600, 1e-9);
  EXPECT_NEAR(view->Destination->Position.Lat, -(33.0 + 51.0 / 60 + 15.0 / 3600), 1e-9);
  EXPECT_NEAR(view->Destination->Position.Lon, 151.0 + 12.0 / 60 + 30.0 / 3600, 1e-9);
  EXPECT_EQ(view->Destination->Locator, " QF56od");
  EXPECT_EQ(view->Destination->HeadingsText, screen.GetText(Control::Edit15));
  EXPECT_EQ(view->Destination->DistanceText, screen.GetText(Control::Edit16));
  EXPECT_EQ(view->DistanceFactor, kMilesPerKilometre);

  // The same locator typed into both grid fields stops the unit switch's
  // distance command: the distance shown stays in miles, and so does the map.
  screen.SetText(Control::Edit14, " FN31pr");
  tessaly.OnClick(Control::Label24);
  ASSERT_EQ(tessaly.DistanceFactor, kKilometresPerKilometre);
  EXPECT_EQ(tessaly.MapView()->DistanceFactor, kMilesPerKilometre);

  // A click in a field empties the results: Home alone, in the current unit.
  tessaly.OnClick(Control::Edit3);
  view = tessaly.MapView();
  ASSERT_TRUE(view.has_value());
  EXPECT_FALSE(view->Destination.has_value());
  EXPECT_NEAR(view->Home.Lat, 41.0 + 43.0 / 60, 1e-9);  // the emptied seconds count as 0
  EXPECT_EQ(view->DistanceFactor, kKilometresPerKilometre);

  // Decimal degrees that are no number give no position: the map stays.
  tessaly.OnDoubleClick(Control::Panel1);
  screen.SetText(Control::Edit1, " 1.2.3");
  EXPECT_FALSE(tessaly.MapView().has_value());
}

}  // namespace
}  // namespace tessaly
