// SPDX-License-Identifier: GPL-3.0-or-later
// The great-circle map as drawn: land and sea where they belong (the
// antipode's side included) at every view, the night, the locator grid,
// the markers, and colours that read on light and dark palettes.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "geo/angles.h"
#include "geo/azimuthal_projection.h"
#include "geo/distance.h"
#include "geo/solar_position.h"
#include "qt/map_data.h"
#include "qt/map_renderer.h"

namespace tessaly {
namespace {

struct Place {
  const char* Name;
  double Lat, Lon;  // degrees, well inside the land or sea at 1:110 million, off the lines
  bool Land;
};

// The application's palette, light here.
MapColours Colours() {
  return MapColoursFor(QGuiApplication::palette());
}

QColor PixelAt(const QImage& image, const QPointF& at) {
  const double ratio = image.devicePixelRatio();
  return image.pixelColor(static_cast<int>(at.x() * ratio), static_cast<int>(at.y() * ratio));
}

double ColourDistance(const QColor& a, const QColor& b) {
  return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

// Whether the pixel at the place is nearer the land's colour than the sea's.
bool DrawnAsLand(const QImage& image, const MapDisc& disc, const Place& place) {
  const QColor colour = PixelAt(image, disc.PixelOf(SignedPosition{place.Lat, place.Lon}));
  return ColourDistance(colour, Colours().Land) < ColourDistance(colour, Colours().Sea);
}

MapDisc Render(QImage& image, const MapScene& scene, const MapData& data = BuiltInMapData()) {
  QPainter painter(&image);
  return RenderMap(painter, QRectF(0, 0, image.width(), image.height()), scene, data);
}

MapScene SceneOf(const MapContent& content, const MapSettings& settings = {}) {
  return {content, settings, Colours()};
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
    const MapDisc disc = Render(image, SceneOf({c.Home, "", std::nullopt, c.Unit}));
    for (const Place& place : c.Places) {
      EXPECT_EQ(DrawnAsLand(image, disc, place), place.Land) << c.Name << ": " << place.Name;
    }
  }
}

TEST(MapRender, WithoutCoastlinesDrawsNoLand) {
  const MapContent content{{41.729, -72.708}, "", std::nullopt, DistanceUnit::Miles};
  QImage image(600, 660, QImage::Format_ARGB32_Premultiplied);
  const MapDisc disc = Render(image, SceneOf(content), MapData{});
  EXPECT_FALSE(DrawnAsLand(image, disc, {"Spain", 40.0, -3.5, true}));
}

TEST(MapRender, DrawsAtTheScreensPixelRatio) {
  const MapScene scene = SceneOf({{41.729, -72.708}, " FN31pr", std::nullopt, DistanceUnit::Miles});
  const QSize size(500, 550);
  const QImage sharp = RenderMapImage(scene, BuiltInMapData(), size, 2.0);
  ASSERT_EQ(sharp.size(), size * 2);
  QImage logical(size, QImage::Format_ARGB32_Premultiplied);
  const MapDisc disc = Render(logical, scene);
  EXPECT_TRUE(DrawnAsLand(sharp, disc, {"Spain", 40.0, -3.5, true}));
  EXPECT_FALSE(DrawnAsLand(sharp, disc, {"the Atlantic", 45.0, -40.0, false}));
}

// At the closest view, the detailed coastlines, the antipode's land seen
// from its far side too.
TEST(MapRender, DrawsTheDetailedLandWhenZoomedIn) {
  struct Case {
    const char* Name;
    SignedPosition Home;
    std::vector<Place> Places;
  };
  const Case cases[] = {
      {"Hartford",
       {41.76, -72.68},
       {{"Long Island", 40.8, -73.1, true},
        {"Long Island Sound", 41.1, -72.9, false},
        {"Cape Cod", 41.7, -70.1, true},
        {"the Gulf of Maine", 42.6, -69.8, false}}},
      {"Hawaii, Botswana at the antipode",
       {19.6, -155.5},
       {{"Maui", 20.75, -156.3, true}, {"west of the Big Island", 19.3, -156.4, false}}},
  };
  QImage image(800, 880, QImage::Format_ARGB32_Premultiplied);
  for (const Case& c : cases) {
    MapSettings closest;
    closest.ViewKm = kClosestViewKm;
    const MapDisc disc =
        Render(image, SceneOf({c.Home, "", std::nullopt, DistanceUnit::Miles}, closest));
    for (const Place& place : c.Places) {
      EXPECT_EQ(DrawnAsLand(image, disc, place), place.Land) << c.Name << ": " << place.Name;
    }
  }
}

// Over a sea without land: the night (the sun more than 6 degrees down) is
// the sea under both shades, the twilight under one, the day unshaded.
TEST(MapRender, ShadesTheNightAndTheTwilightWhereTheSunIsDown) {
  constexpr UnixSeconds kSolsticeNoon = 1750507200;  // 2025-06-21 12:00 UTC
  MapSettings settings;
  settings.GrayLine = true;
  settings.Moment = kSolsticeNoon;
  QImage image(800, 900, QImage::Format_ARGB32_Premultiplied);
  const MapContent content{{10.0, 0.0}, "", std::nullopt, DistanceUnit::Kilometres};
  const MapDisc disc = Render(image, SceneOf(content, settings), MapData{});
  const auto over = [](const QColor& ground, const QColor& shade) {
    const double a = shade.alphaF();
    return QColor::fromRgbF(ground.redF() * (1 - a) + shade.redF() * a,
                            ground.greenF() * (1 - a) + shade.greenF() * a,
                            ground.blueF() * (1 - a) + shade.blueF() * a);
  };
  const QColor twilight = over(Colours().Sea, Colours().Twilight);
  const QColor night = over(twilight, Colours().Night);
  int counted[3] = {};
  // Between the graticule's lines, and off the rings round Home.
  for (int lat = -50; lat <= 50; lat += 10) {
    for (int lon = -175; lon <= 175; lon += 5) {
      if (lat % 30 == 0 || lon % 30 == 0 || (lon + 5) % 30 == 0 || (lon - 5) % 30 == 0) continue;
      const SignedPosition place{double(lat), double(lon)};
      const double ring = std::fmod(MeasurePath(content.Home, place).Kilometres, 5000.0);
      if (ring < 400.0 || ring > 4600.0) continue;
      const double altitude = SunAltitude(place, kSolsticeNoon);
      if (std::abs(altitude) < 1.0 || std::abs(altitude + 6.0) < 1.0) continue;
      const int kind = altitude > 0 ? 0 : (altitude > -6 ? 1 : 2);
      const QColor expected = kind == 0 ? Colours().Sea : (kind == 1 ? twilight : night);
      EXPECT_LT(ColourDistance(PixelAt(image, disc.PixelOf(place)), expected), 4.0)
          << lat << ", " << lon << ": sun at " << altitude;
      ++counted[kind];
    }
  }
  for (const int count : counted) EXPECT_GT(count, 5);
}

// The grid draws Home's field round the centre, its four edges, and the
// names of the fields beside it (Home's own gives way to Home's label);
// zoomed in, the squares and their names. Without Home, no Home marker.
TEST(MapRender, DrawsTheLocatorGridAndHomeOnlyWhereKnown) {
  QImage image(800, 880, QImage::Format_ARGB32_Premultiplied);
  MapContent content{{41.729, -72.708}, " FN31pr", std::nullopt, DistanceUnit::Miles};
  // The largest difference from the sea within a pixel of the point.
  const auto mark = [&image](const QPointF& at) {
    double most = 0.0;
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) {
        most = std::max(most, ColourDistance(PixelAt(image, at + QPointF(dx, dy)), Colours().Sea));
      }
    }
    return most;
  };
  MapSettings grid;
  grid.LocatorGrid = true;
  MapDisc disc = Render(image, SceneOf(content, grid), MapData{});
  for (const SignedPosition edge : {SignedPosition{45, -80}, SignedPosition{45, -60},
                                    SignedPosition{40, -66}, SignedPosition{50, -66}}) {
    EXPECT_GT(mark(disc.PixelOf(edge)), 15.0) << edge.Lat << ", " << edge.Lon;
  }
  EXPECT_LT(mark(disc.PixelOf(SignedPosition{47, -66})), 1.0);   // inside, off the label
  EXPECT_GT(mark(disc.PixelOf(SignedPosition{45, -90})), 60.0);  // "EN"
  EXPECT_GT(mark(disc.Centre()), 150.0);                         // the Home marker

  grid.ViewKm = 1000.0;
  disc = Render(image, SceneOf(content, grid), MapData{});
  EXPECT_GT(mark(disc.PixelOf(SignedPosition{41.5, -72})), 8.0);   // FN31's east edge
  EXPECT_GT(mark(disc.PixelOf(SignedPosition{41.5, -73})), 60.0);  // "FN31"

  content.HomeKnown = false;
  disc = Render(image, SceneOf(content), MapData{});
  EXPECT_LT(mark(disc.Centre()), 1.0);
}

// A marker's label stays on the map, beside its marker on the side towards
// the centre where it can.
TEST(LabelBoxBeside, KeepsTheLabelInsideTowardsTheCentre) {
  const QRectF bounds(0, 0, 400, 400);
  const QPointF centre(200, 200);
  const QSizeF size(60, 16);
  struct Case {
    const char* Name;
    QPointF Marker;
    QPointF TopLeft;
  };
  const Case cases[] = {
      {"at the centre: to the right", centre, {208, 192}},
      {"at the rim on the right: to its left", {390, 200}, {322, 192}},
      {"at the left edge: to its right", {4, 100}, {12, 92}},
      {"in the bottom right corner: to its left, moved up inside", {398, 398}, {330, 384}},
  };
  for (const Case& c : cases) {
    const QRectF box = LabelBoxBeside(c.Marker, 8, size, centre, bounds);
    EXPECT_TRUE(bounds.contains(box)) << c.Name;
    EXPECT_EQ(box.topLeft(), c.TopLeft) << c.Name;
  }
}

// WCAG's contrast ratio of two colours.
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](double v) {
      return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(MapColoursFor, ReadOnLightAndDarkPalettes) {
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(40, 40, 44));
  dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
  for (const QPalette& palette : {QGuiApplication::palette(), dark}) {
    const MapColours colours = MapColoursFor(palette);
    SCOPED_TRACE(palette.color(QPalette::Window).name().toStdString());
    EXPECT_EQ(colours.Background, palette.color(QPalette::Window));
    EXPECT_GE(Contrast(colours.Text, colours.Background), 4.5);
    for (const QColor& ground : {colours.Sea, colours.Land}) {
      EXPECT_GE(Contrast(colours.ShortPath, ground), 2.5);
      EXPECT_GE(Contrast(colours.LongPath, ground), 2.5);
      EXPECT_GE(Contrast(colours.Home, ground), 4.5);
    }
    EXPECT_LT(Contrast(colours.Sea, colours.Land), 1.6);  // neither shouts
  }
  EXPECT_LT(MapColoursFor(dark).Sea.lightness(), 80);
}

}  // namespace
}  // namespace tessaly
