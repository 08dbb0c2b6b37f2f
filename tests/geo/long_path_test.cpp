// SPDX-License-Identifier: GPL-3.0-or-later
// The long path's length against GeographicLib: the geodesic from Home
// followed the other way round, on the same ellipsoid, until it passes
// closest to the Destination.
#include "geo/long_path.h"

#include <gtest/gtest.h>
#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>

#include <cmath>

#include "geo/distance.h"

namespace tessaly {
namespace {

constexpr double kMetresPerKm = 1000.0;
constexpr double kAllowedRelativeDifference = 0.001;
// Every closed path round the earth is between the meridian's and the
// equator's length; the search looks a little beyond both.
constexpr double kShortestRoundKm = 40007.0, kLongestRoundKm = 40076.0;
constexpr double kSearchStepKm = 1.0;

struct Pair {
  const char* Name;
  double Lat1, Lon1, Lat2, Lon2;  // degrees
};

// How far along the geodesic leaving (lat1, lon1) at `azimuth` it comes
// closest to (lat2, lon2), searched between `from` and `to` metres.
double ClosestApproachMetres(const GeographicLib::Geodesic& earth, const Pair& pair, double azimuth,
                             double from, double to) {
  const GeographicLib::GeodesicLine line = earth.Line(pair.Lat1, pair.Lon1, azimuth);
  auto miss = [&](double along) {
    double lat = 0.0, lon = 0.0, metres = 0.0;
    line.Position(along, lat, lon);
    earth.Inverse(lat, lon, pair.Lat2, pair.Lon2, metres);
    return metres;
  };
  double best = from;
  for (double along = from; along <= to; along += kSearchStepKm * kMetresPerKm) {
    if (miss(along) < miss(best)) best = along;
  }
  // Golden-section search within a step either side.
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  double low = best - kSearchStepKm * kMetresPerKm, high = best + kSearchStepKm * kMetresPerKm;
  while (high - low > 1.0) {
    const double left = high - ratio * (high - low), right = low + ratio * (high - low);
    if (miss(left) < miss(right)) {
      high = right;
    } else {
      low = left;
    }
  }
  return (low + high) / 2;
}

TEST(LongPath, IsTheGeodesicTheOtherWayRoundToWithinATenthOfAPercent) {
  const GeographicLib::Geodesic earth(kEquatorialRadiusKm * kMetresPerKm, kFlattening);
  const Pair pairs[] = {
      {"FN31pr to London", 41.729, -72.708, 51.5, -0.117},
      {"Sydney to Tokyo", -33.867, 151.2, 35.683, 139.683},
      {"Sydney to Buenos Aires", -33.867, 151.2, -34.6, -58.4},
      {"along the equator", 0.0, 0.0, 0.0, 90.0},
      {"along a meridian", 10.0, 20.0, 30.0, 20.0},
      {"over the pole", 60.0, 0.0, 60.0, 180.0},
      {"neighbours", 52.0, 0.0, 52.1, 0.1},
      {"most of the way round", 40.0, -75.0, -35.0, 100.0},
  };
  for (const Pair& pair : pairs) {
    SCOPED_TRACE(pair.Name);
    double short_metres = 0.0, azimuth = 0.0, back_azimuth = 0.0;
    earth.Inverse(pair.Lat1, pair.Lon1, pair.Lat2, pair.Lon2, short_metres, azimuth, back_azimuth);
    const double expected_km =
        ClosestApproachMetres(earth, pair, azimuth + 180.0,
                              (kShortestRoundKm - kSearchStepKm) * kMetresPerKm - short_metres,
                              (kLongestRoundKm + kSearchStepKm) * kMetresPerKm - short_metres) /
        kMetresPerKm;
    const SignedPosition from{pair.Lat1, pair.Lon1}, to{pair.Lat2, pair.Lon2};
    const double long_km = MeasureLongPath(from, to, MeasurePath(from, to)).Kilometres;
    EXPECT_NEAR(long_km, expected_km, kAllowedRelativeDifference * expected_km);
  }
}

// Between antipodes every way round is as long as the other: the long
// path is the short one, not the longer great-ellipse figure.
TEST(LongPath, IsTheShortPathBetweenAntipodes) {
  const SignedPosition pairs[][2] = {
      {{41.729, -72.708}, {-41.729, 107.292}},
      {{0.0, 0.0}, {0.0, 180.0}},
      {{-33.867, 151.2}, {33.867, -28.8}},
  };
  for (const auto& [from, to] : pairs) {
    const Path short_path = MeasurePath(from, to);
    const Path long_path = MeasureLongPath(from, to, short_path);
    EXPECT_DOUBLE_EQ(long_path.Kilometres, short_path.Kilometres) << from.Lat << ", " << from.Lon;
  }
  // A kilometre from the antipode the long path is the longer again.
  const SignedPosition from{41.729, -72.708}, near{-41.72, 107.292};
  EXPECT_GT(MeasureLongPath(from, near, MeasurePath(from, near)).Kilometres,
            MeasurePath(from, near).Kilometres);
}

}  // namespace
}  // namespace tessaly
