// SPDX-License-Identifier: GPL-3.0-or-later
// The great-circle map's projection against the spherical direct problem.
#include "geo/azimuthal_projection.h"

#include <gtest/gtest.h>

#include "geo/angles.h"

#include <cmath>
#include <numbers>

namespace tessaly {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTolerance = 1e-9;  // disc radii: 2 cm on the ground

struct Case {
  const char* Name;
  double CentreLat, CentreLon;  // degrees
  double Azimuth;               // degrees, clockwise from north
  double Distance;              // central angle, degrees
};

// The point at `distance` along `azimuth` from the centre (the direct
// problem on the sphere) must land at distance / 180 disc radii in that
// direction, north up.
TEST(AzimuthalEquidistant, PutsEachPointAtItsHeadingAndDistance) {
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
    const PlanePoint point = AzimuthalEquidistant(lat0, lon0).Project(lat, lon);
    EXPECT_NEAR(point.X, c.Distance / 180.0 * std::sin(azimuth), kTolerance);
    EXPECT_NEAR(point.Y, c.Distance / 180.0 * std::cos(azimuth), kTolerance);
  }
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
