// SPDX-License-Identifier: GPL-3.0-or-later
// The great-circle map's projection against the spherical direct problem.
#include "geo/azimuthal_projection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace tessaly {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTolerance = 1e-9;  // disc radii: 2 cm on the ground

double Radians(double degrees) {
  return degrees * kPi / 180.0;
}

struct Case {
  const char* name;
  double centre_lat, centre_lon;  // degrees
  double azimuth;                 // degrees, clockwise from north
  double distance;                // central angle, degrees
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
    SCOPED_TRACE(c.name);
    const double lat0 = Radians(c.centre_lat), lon0 = Radians(c.centre_lon);
    const double azimuth = Radians(c.azimuth), delta = Radians(c.distance);
    const double lat = std::asin(std::sin(lat0) * std::cos(delta) +
                                 std::cos(lat0) * std::sin(delta) * std::cos(azimuth));
    const double lon = lon0 + std::atan2(std::sin(azimuth) * std::sin(delta) * std::cos(lat0),
                                         std::cos(delta) - std::sin(lat0) * std::sin(lat));
    const PlanePoint point = AzimuthalEquidistant(lat0, lon0).Project(lat, lon);
    EXPECT_NEAR(point.X, c.distance / 180.0 * std::sin(azimuth), kTolerance);
    EXPECT_NEAR(point.Y, c.distance / 180.0 * std::cos(azimuth), kTolerance);
  }
}

struct Fixed {
  const char* name;
  double centre_lat, centre_lon, lat, lon;  // degrees
  PlanePoint expected;
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
    SCOPED_TRACE(c.name);
    const PlanePoint point = AzimuthalEquidistant(Radians(c.centre_lat), Radians(c.centre_lon))
                                 .Project(Radians(c.lat), Radians(c.lon));
    EXPECT_NEAR(point.X, c.expected.X, kTolerance);
    EXPECT_NEAR(point.Y, c.expected.Y, kTolerance);
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
