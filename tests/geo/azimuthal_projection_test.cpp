// SPDX-License-Identifier: GPL-3.0-or-later
// The great-circle map's projection against the spherical direct problem.
#include "geo/azimuthal_projection.h"

#include <gtest/gtest.h>

#include "geo/angles.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace tessaly {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTolerance = 1e-9;                 // disc radii: 2 cm on the ground
constexpr double kDrawingTolerance = 1.2e-5 / kPi;  // disc radii

struct Case {
  const char* Name;
  double CentreLat, CentreLon;  // degrees
  double Azimuth;               // degrees, clockwise from north
  double Distance;              // central angle, degrees
};

// The point at `distance` along `azimuth` from the centre (the direct
// problem on the sphere) must land at distance / 180 disc radii in that
// direction, north up; that map point must show it again, and the drawing's
// quicker projection put it within its bound.
TEST(AzimuthalEquidistant, PutsEachPointAtItsHeadingAndDistanceAndBack) {
  const Case cases[] = {
      {"the centre itself", 41.7, -72.7, 0.0, 0.0},
      {"east along the equator", 0.0, 0.0, 90.0, 90.0},
      {"west along the equator", 0.0, 0.0, 270.0, 90.0},
      {"the north pole from the equator", 0.0, 0.0, 0.0, 90.0},
      {"the south pole from the equator", 0.0, 30.0, 180.0, 90.0},
      {"Home FN31pr towards Europe", 41.7, -72.7, 50.0, 50.0},
      {"Sydney towards Tokyo", -33.9, 151.2, 350.0, 70.0},
      {"beside the pole, across it", 89.0, 10.0, 20.0, 150.0},
      {"a kilometre short of the antipode", 41.7, -72.7, 123.0, 180.0 - 0.009},
      {"beside the south pole", -89.5, 40.0, 200.0, 120.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const double lat0 = Radians(c.CentreLat), lon0 = Radians(c.CentreLon);
    const double azimuth = Radians(c.Azimuth), delta = Radians(c.Distance);
    const double lat = std::asin(std::sin(lat0) * std::cos(delta) +
                                 std::cos(lat0) * std::sin(delta) * std::cos(azimuth));
    const double lon = lon0 + std::atan2(std::sin(azimuth) * std::sin(delta) * std::cos(lat0),
                                         std::cos(delta) - std::sin(lat0) * std::sin(lat));
    const AzimuthalEquidistant projection(lat0, lon0);
    const PlanePoint point = projection.Project(lat, lon);
    EXPECT_NEAR(point.X, c.Distance / 180.0 * std::sin(azimuth), kTolerance);
    EXPECT_NEAR(point.Y, c.Distance / 180.0 * std::cos(azimuth), kTolerance);

    const std::optional<UnitVector> back = projection.Unproject(point);
    ASSERT_TRUE(back.has_value());
    const UnitVector expected = ToUnitVector(lat, lon);
    EXPECT_NEAR(back->X, expected.X, kTolerance);
    EXPECT_NEAR(back->Y, expected.Y, kTolerance);
    EXPECT_NEAR(back->Z, expected.Z, kTolerance);

    const PlanePoint drawn = projection.ProjectForDrawing(expected);
    EXPECT_LE(std::hypot(drawn.X - point.X, drawn.Y - point.Y), kDrawingTolerance);
  }
}

// Beyond the rim the map shows nothing; on it, the antipode in any direction.
TEST(AzimuthalEquidistant, ShowsTheAntipodeOnTheRimAndNothingBeyond) {
  const AzimuthalEquidistant projection(Radians(41.7), Radians(-72.7));
  const UnitVector antipode = ToUnitVector(Radians(-41.7), Radians(107.3));
  for (const PlanePoint rim :
       {PlanePoint{1.0, 0.0}, PlanePoint{0.0, -1.0}, PlanePoint{-0.6, 0.8}}) {
    const std::optional<UnitVector> shown = projection.Unproject(rim);
    ASSERT_TRUE(shown.has_value());
    EXPECT_NEAR(shown->X * antipode.X + shown->Y * antipode.Y + shown->Z * antipode.Z, 1.0, 1e-12);
  }
  EXPECT_FALSE(projection.Unproject({0.8, 0.61}).has_value());
  EXPECT_NEAR(Degrees(LatitudeOf(antipode)), -41.7, 1e-12);
  EXPECT_NEAR(Degrees(LongitudeOf(antipode)), 107.3, 1e-12);
}

struct Fixed {
  const char* Name;
  double CentreLat, CentreLon, Lat, Lon;  // degrees
  PlanePoint Expected;
};

// At the north pole the centre's meridian runs down, as it does just south of
// the pole; at the south pole it runs up.
TEST(AzimuthalEquidistant, TurnsAMapCentredOnAPoleLikeItsNeighbours) {
  const Fixed cases[] = {
      {"north pole: its own meridian", 90.0, 0.0, 0.0, 0.0, {0.0, -0.5}},
      {"north pole: 90 E", 90.0, 0.0, 0.0, 90.0, {0.5, 0.0}},
      {"north pole: the meridian beyond", 90.0, 0.0, 0.0, 180.0, {0.0, 0.5}},
      {"south pole: its own meridian", -90.0, 0.0, 0.0, 0.0, {0.0, 0.5}},
      {"south pole: 90 E", -90.0, 0.0, 0.0, 90.0, {0.5, 0.0}},
  };
  for (const Fixed& c : cases) {
    SCOPED_TRACE(c.Name);
    const PlanePoint point = AzimuthalEquidistant(Radians(c.CentreLat), Radians(c.CentreLon))
                                 .Project(Radians(c.Lat), Radians(c.Lon));
    EXPECT_NEAR(point.X, c.Expected.X, kTolerance);
    EXPECT_NEAR(point.Y, c.Expected.Y, kTolerance);
  }
}

TEST(AzimuthalEquidistant, PutsTheAntipodeOnTheRim) {
  const double centres[][2] = {{41.7, -72.7}, {-33.9, 151.2}, {0.0, 0.0}, {90.0, 0.0}};
  for (const auto& [lat, lon] : centres) {
    const PlanePoint point = AzimuthalEquidistant(Radians(lat), Radians(lon))
                                 .Project(Radians(-lat), Radians(lon + 180.0));
    EXPECT_NEAR(std::hypot(point.X, point.Y), 1.0, kTolerance) << lat << ", " << lon;
  }
}

}  // namespace
}  // namespace tessaly
