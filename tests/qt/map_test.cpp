// SPDX-License-Identifier: GPL-3.0-or-later
// The great-circle map: its legend, land and sea where they belong (the
// antipode's side included), the picture it saves, and its window's keys.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "geo/angles.h"
#include "geo/azimuthal_projection.h"
#include "qt/map_coastline.h"
#include "qt/map_renderer.h"
#include "qt/map_window.h"
#include "tests/support/qt_window_fixture.h"

namespace tessaly {
namespace {

struct Place {
  const char* Name;
  double Lat, Lon;  // degrees, well inside the land or sea at 1:110 million, off the lines
  bool Land;
};

// Whether the pixel at the place is nearer the land's colour than the sea's.
bool DrawnAsLand(const QImage& image, const MapDisc& disc, const MapContent& content,
                 const Place& place) {
  const PlanePoint point =
      AzimuthalEquidistant(Radians(content.Home.Lat), Radians(content.Home.Lon))
          .Project(Radians(place.Lat), Radians(place.Lon));
  const double ratio = image.devicePixelRatio();
  const QColor colour =
      image.pixelColor(static_cast<int>((disc.Centre.x() + disc.Radius * point.X) * ratio),
                       static_cast<int>((disc.Centre.y() - disc.Radius * point.Y) * ratio));
  auto distance = [&colour](const QColor& to) {
    return std::hypot(colour.red() - to.red(), colour.green() - to.green(),
                      colour.blue() - to.blue());
  };
  return distance(kMapLandColour) < distance(kMapSeaColour);
}

MapDisc Render(QImage& image, const MapContent& content, const Coastline& coastline) {
  QPainter painter(&image);
  return RenderMap(painter, QRectF(0, 0, image.width(), image.height()), content, coastline);
}

TEST(MapRender, DrawsKnownLandAsLandAndTheSeaAsSea) {
  // Each in the unit whose distance rings miss its places.
  struct Case {
    const char* Name;
    SignedPosition Home;
    DistanceUnit Unit;
    std::vector<Place> Places;
  };
  const Case cases[] = {
      {"Home FN31pr: Europe near heading 50 degrees",
       {41.729, -72.708},
       DistanceUnit::Miles,
       {{"Scotland", 57.0, -4.3, true},
        {"Ireland", 53.2, -7.9, true},
        {"Spain", 40.0, -3.5, true},
        {"Greenland", 72.0, -40.0, true},
        {"the Atlantic", 45.0, -40.0, false},
        {"the North Sea", 56.0, 3.0, false}}},
      {"Home in Sydney, southern hemisphere",
       {-33.867, 151.2},
       DistanceUnit::Kilometres,
       {{"Australia", -25.0, 135.0, true},
        {"the Sahara", 25.0, 10.0, true},
        {"the Tasman Sea", -38.0, 160.0, false},
        {"the Atlantic beside the antipode", 38.0, -25.0, false}}},
      // The antipode is in Botswana: Africa reaches round the rim.
      {"Home in Hawaii, land at the antipode",
       {20.0, -157.0},
       DistanceUnit::Kilometres,
       {{"Angola", -10.0, 20.0, true},
        {"Botswana, beside the antipode", -21.0, 24.0, true},
        {"the Central African Republic", 5.0, 20.0, true},
        {"the South Atlantic", -20.0, 8.0, false},
        {"the Indian Ocean", -25.0, 80.0, false},
        {"the Pacific round Home", 10.0, -145.0, false}}},
  };
  QImage image(1000, 1100, QImage::Format_ARGB32_Premultiplied);
  for (const Case& c : cases) {
    const MapContent content{c.Home, "", std::nullopt, c.Unit};
    const MapDisc disc = Render(image, content, BuiltInCoastline());
    for (const Place& place : c.Places) {
      EXPECT_EQ(DrawnAsLand(image, disc, content, place), place.Land)
          << c.Name << ": " << place.Name;
    }
  }
}

TEST(MapRender, WithoutCoastlinesDrawsNoLand) {
  const MapContent content{{41.729, -72.708}, "", std::nullopt, DistanceUnit::Miles};
  QImage image(600, 660, QImage::Format_ARGB32_Premultiplied);
  const MapDisc disc = Render(image, content, Coastline{});
  EXPECT_FALSE(DrawnAsLand(image, disc, content, {"Spain", 40.0, -3.5, true}));
}

TEST(MapRender, SavesThePictureAsPngAtTheScreensPixelRatio) {
  const QTemporaryDir directory;
  const QString path = directory.filePath("map.png");
  const MapContent content{{41.729, -72.708}, " FN31pr", std::nullopt, DistanceUnit::Miles};
  const QSize size(500, 550);
  ASSERT_TRUE(SaveMapImage(path, content, BuiltInCoastline(), size, 2.0));
  EXPECT_FALSE(
      SaveMapImage(directory.filePath("missing/map.png"), content, BuiltInCoastline(), size, 2.0));

  QImage saved(path, "PNG");
  ASSERT_EQ(saved.size(), size * 2);
  saved.setDevicePixelRatio(2.0);
  QImage logical(size, QImage::Format_ARGB32_Premultiplied);
  const MapDisc disc = Render(logical, content, BuiltInCoastline());
  EXPECT_TRUE(DrawnAsLand(saved, disc, content, {"Spain", 40.0, -3.5, true}));
  EXPECT_FALSE(DrawnAsLand(saved, disc, content, {"the Atlantic", 45.0, -40.0, false}));
}

TEST(MapWindow, EscapeAndControlWCloseIt) {
  TMapWindow window;
  const MapContent content{{-33.867, 151.2}, " QF56od", std::nullopt, DistanceUnit::Kilometres};
  window.SetContent(content);
  EXPECT_EQ(window.windowTitle(), "Tessaly map");
  for (const QKeyCombination key :
       {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::ControlModifier, Qt::Key_W)}) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.windowHandle(), key.key(), key.keyboardModifiers());
    EXPECT_FALSE(window.isVisible()) << QKeySequence(key).toString().toStdString();
  }
}

// View → Great-circle map from the keyboard opens the map, which follows the
// window's results and unit; closing it changes nothing in the window.
TEST_F(QtWindowTest, TheMapOpensFromTheViewMenuAndFollowsTheWindow) {
  Start();
  Click(Control::Edit14);
  Type("JO62qm");
  Key(Qt::Key_Return);
  Key(Qt::Key_F6);
  auto* map = window_->findChild<TMapWindow*>();
  ASSERT_NE(map, nullptr);
  EXPECT_TRUE(map->isVisible());
  // The canvas describes itself by the legend's lines.
  auto legend = [map] { return map->centralWidget()->accessibleDescription(); };
  EXPECT_TRUE(legend().contains(QString::fromLatin1("Short path 43.6\xB0, 4283.2 miles")))
      << legend().toStdString();

  Key(Qt::Key_F4);  // back in the main window: the unit switch runs the distance again
  EXPECT_TRUE(legend().contains(QString::fromLatin1("Short path 43.6\xB0, 6893.1 km")))
      << legend().toStdString();

  const std::string results = Text(Control::Edit15) + Text(Control::Edit16);
  map->close();
  EXPECT_EQ(Text(Control::Edit15) + Text(Control::Edit16), results);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

}  // namespace
}  // namespace tessaly
