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

#include "geo/azimuthal_projection.h"
#include "geo/distance.h"
#include "geo/long_path.h"
#include "geo/number_text.h"
#include "qt/map_coastline.h"
#include "qt/map_legend.h"
#include "qt/map_renderer.h"
#include "qt/map_window.h"
#include "tests/support/qt_window_fixture.h"

namespace tessaly {
namespace {

MapContent WithDestination(SignedPosition home, SignedPosition destination, std::string headings,
                           std::string distance, double factor) {
  return {home, " FN31pr", MapDestination{destination, " JO01aa", headings, distance}, factor};
}

// The long path's distance as the legend should show it.
std::string LongFigure(SignedPosition home, SignedPosition destination, double factor) {
  const double km =
      LongPathDistanceKm(home.Lat * kRadiansPerDegree, home.Lon * kRadiansPerDegree,
                         destination.Lat * kRadiansPerDegree, destination.Lon * kRadiansPerDegree);
  return OneDecimalText(km * factor).substr(1);
}

TEST(MapLegend, ShowsBothPathsInTheWindowsUnitAndSaysWhatIsMissing) {
  const SignedPosition fn31{40.0, -75.0}, london{51.5, -7.0 / 60}, sydney{-33.0 - 52.0 / 60, 151.2},
      tokyo{35.0 + 41.0 / 60, 139.0 + 41.0 / 60}, north{30.0, 20.0}, south{10.0, 20.0};
  struct Case {
    const char* name;
    MapContent content;
    bool coastline_loaded;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"miles",
       WithDestination(fn31, london, " 50.5  :  288.2", " 3542.8", kMilesPerKilometre),
       true,
       {"Home FN31pr", "Short path 50.5\xB0, 3542.8 miles",
        "Long path 230.5\xB0, " + LongFigure(fn31, london, kMilesPerKilometre) + " miles",
        "Rings every 2500 miles"}},
      {"kilometres",
       WithDestination(sydney, tokyo, " 350.1  :  169.9", " 7792.0", kKilometresPerKilometre),
       true,
       {"Home FN31pr", "Short path 350.1\xB0, 7792.0 km",
        "Long path 170.1\xB0, " + LongFigure(sydney, tokyo, kKilometresPerKilometre) + " km",
        "Rings every 5000 km"}},
      // Due south: the long path leaves due north, shown 0.0, never 360.0.
      {"due south",
       WithDestination(north, south, " 180.0  :  360.0", " 2214.3", kKilometresPerKilometre),
       true,
       {"Home FN31pr", "Short path 180.0\xB0, 2214.3 km",
        "Long path 0.0\xB0, " + LongFigure(north, south, kKilometresPerKilometre) + " km",
        "Rings every 5000 km"}},
      {"Home alone, no coastlines",
       {fn31, "", std::nullopt, kMilesPerKilometre},
       false,
       {"Home", "Rings every 2500 miles", "Coastlines missing: land is not drawn"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> texts;
    std::vector<LegendMark> marks;
    for (const LegendLine& line : MapLegend(c.content, c.coastline_loaded)) {
      texts.push_back(line.Text);
      marks.push_back(line.Mark);
    }
    EXPECT_EQ(texts, c.lines);
    if (c.content.Destination) {
      EXPECT_EQ(marks, (std::vector{LegendMark::None, LegendMark::ShortPath, LegendMark::LongPath,
                                    LegendMark::None}));
    }
  }
}

struct Place {
  const char* name;
  double lat, lon;  // degrees, well inside the land or sea at 1:110 million, off the lines
  bool land;
};

// Whether the pixel at the place is nearer the land's colour than the sea's.
bool DrawnAsLand(const QImage& image, const MapDisc& disc, const MapContent& content,
                 const Place& place) {
  constexpr double kRadiansPerTrueDegree = std::numbers::pi / 180.0;
  const PlanePoint point =
      AzimuthalEquidistant(content.Home.Lat * kRadiansPerDegree,
                           content.Home.Lon * kRadiansPerDegree)
          .Project(place.lat * kRadiansPerTrueDegree, place.lon * kRadiansPerTrueDegree);
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
    const char* name;
    SignedPosition home;
    double distance_factor;
    std::vector<Place> places;
  };
  const Case cases[] = {
      {"Home FN31pr: Europe near heading 50 degrees",
       {41.729, -72.708},
       kMilesPerKilometre,
       {{"Scotland", 57.0, -4.3, true},
        {"Ireland", 53.2, -7.9, true},
        {"Spain", 40.0, -3.5, true},
        {"Greenland", 72.0, -40.0, true},
        {"the Atlantic", 45.0, -40.0, false},
        {"the North Sea", 56.0, 3.0, false}}},
      {"Home in Sydney, southern hemisphere",
       {-33.867, 151.2},
       kKilometresPerKilometre,
       {{"Australia", -25.0, 135.0, true},
        {"the Sahara", 25.0, 10.0, true},
        {"the Tasman Sea", -38.0, 160.0, false},
        {"the Atlantic beside the antipode", 38.0, -25.0, false}}},
      // The antipode is in Botswana: Africa reaches round the rim.
      {"Home in Hawaii, land at the antipode",
       {20.0, -157.0},
       kKilometresPerKilometre,
       {{"Angola", -10.0, 20.0, true},
        {"Botswana, beside the antipode", -21.0, 24.0, true},
        {"the Central African Republic", 5.0, 20.0, true},
        {"the South Atlantic", -20.0, 8.0, false},
        {"the Indian Ocean", -25.0, 80.0, false},
        {"the Pacific round Home", 10.0, -145.0, false}}},
  };
  QImage image(1000, 1100, QImage::Format_ARGB32_Premultiplied);
  for (const Case& c : cases) {
    const MapContent content{c.home, "", std::nullopt, c.distance_factor};
    const MapDisc disc = Render(image, content, BuiltInCoastline());
    for (const Place& place : c.places) {
      EXPECT_EQ(DrawnAsLand(image, disc, content, place), place.land)
          << c.name << ": " << place.name;
    }
  }
}

TEST(MapRender, WithoutCoastlinesDrawsNoLand) {
  const MapContent content{{41.729, -72.708}, "", std::nullopt, kMilesPerKilometre};
  QImage image(600, 660, QImage::Format_ARGB32_Premultiplied);
  const MapDisc disc = Render(image, content, Coastline{});
  EXPECT_FALSE(DrawnAsLand(image, disc, content, {"Spain", 40.0, -3.5, true}));
}

TEST(MapRender, SavesThePictureAsPngAtTheScreensPixelRatio) {
  const QTemporaryDir directory;
  const QString path = directory.filePath("map.png");
  const MapContent content{{41.729, -72.708}, " FN31pr", std::nullopt, kMilesPerKilometre};
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
  const MapContent content{{-33.867, 151.2}, " QF56od", std::nullopt, kKilometresPerKilometre};
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
