// SPDX-License-Identifier: GPL-3.0-or-later
// Andoyer's ellipsoid distance and the headings on the sphere where they need
// care; the worked examples are checked as the distance command shows them.
#include "geo/distance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <string>

#include "geo/location.h"
#include "geo/number_text.h"

namespace tessaly {
namespace {

constexpr double kPi = std::numbers::pi;

struct Dms {
  std::int32_t Degrees, Minutes, Seconds;
  bool SouthOrWest;
};

// As the distance command reads a position: decimal degrees, the window's
// radian factor, then the hemisphere's sign.
double Radians(const Dms& angle) {
  const double radians =
      DmsToDegrees(angle.Degrees, angle.Minutes, angle.Seconds) * kRadiansPerDegree;
  return angle.SouthOrWest ? -radians : radians;
}

constexpr bool N = false, S = true, E = false, W = true;

struct Position {
  double Lat, Lon;
};

// A position in radians as MeasurePath takes it, in decimal degrees.
SignedPosition InDegrees(const Position& p) {
  return {p.Lat / kRadiansPerDegree, p.Lon / kRadiansPerDegree};
}

TEST(DistanceAndHeadings, AreZeroForCoincidingPositions) {
  const Position cases[] = {
      {0, 0},
      {Radians({41, 42, 52, N}), Radians({72, 43, 37, W})},
      {Radians({33, 52, 8, S}), Radians({151, 12, 30, E})},
      {Radians({90, 0, 0, N}), Radians({180, 0, 0, E})},
      {Radians({90, 0, 0, S}), 0},
      {kPi / 2, kPi},
      {-1e-300, 5e-324},
  };
  for (const auto& p : cases) {
    SCOPED_TRACE(std::to_string(p.Lat) + " " + std::to_string(p.Lon));
    EXPECT_EQ(EllipsoidDistance(p.Lat, p.Lon, p.Lat, p.Lon), 0.0);
    const Headings headings = SphereHeadings(p.Lat, p.Lon, p.Lat, p.Lon);
    EXPECT_EQ(OneDecimalText(headings.Forward) + "  : " + OneDecimalText(headings.Reverse),
              " 0.0  :  0.0");
  }
}

// Antipodes, where Andoyer's formula has no value: half the length of a
// meridian of the window's ellipsoid (a = 6378.14 km, f = 1/298.257), the
// pole-to-pole distance 20003.94 km of GeographicLib's
// Geodesic::Inverse(90, 0, -90, 0), either way round, with headings that are
// numbers; as the distance command measures them.
TEST(MeasurePath, GiveTheHalfMeridianAndHeadingsInRangeBetweenAntipodes) {
  const struct {
    const char* Name;
    Position From, To;
    const char* Km;
  } cases[] = {
      {"pole to pole", {Radians({90, 0, 0, N}), 0}, {Radians({90, 0, 0, S}), 0}, " 20003.9"},
      {"pole to pole across 180",
       {Radians({90, 0, 0, N}), Radians({0, 0, 0, E})},
       {Radians({90, 0, 0, S}), Radians({180, 0, 0, W})},
       " 20003.9"},
      {"exact pi/2 poles", {kPi / 2, 0}, {-kPi / 2, 0}, " 20003.9"},
      {"on the equator", {0, 0}, {0, Radians({180, 0, 0, E})}, " 20003.9"},
      {"on the equator, radians", {0, 0}, {0, kPi}, " 20003.9"},
      {"on the equator, across the date line",
       {0, Radians({90, 0, 0, W})},
       {0, Radians({90, 0, 0, E})},
       " 20003.9"},
      {"mid latitudes",
       {Radians({45, 0, 0, N}), Radians({30, 0, 0, W})},
       {Radians({45, 0, 0, S}), Radians({150, 0, 0, E})},
       " 20003.9"},
      {"mid latitudes, radians", {kPi / 4, -kPi / 6}, {-kPi / 4, 5 * kPi / 6}, " 20003.9"},
      // One second of arc short of the antipode the approximation applies
      // again, with its own error there.
      {"a second short on the equator", {0, 0}, {0, Radians({179, 59, 59, E})}, " 20037.5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    for (const bool reversed : {false, true}) {
      const Position& a = reversed ? c.To : c.From;
      const Position& b = reversed ? c.From : c.To;
      const Path path = MeasurePath(InDegrees(a), InDegrees(b));
      EXPECT_EQ(OneDecimalText(path.Kilometres), c.Km);
      const Headings& headings = path.Directions;
      EXPECT_GE(headings.Forward, 0.0);
      EXPECT_LE(headings.Forward, 360.0);
      EXPECT_GE(headings.Reverse, 0.0);
      EXPECT_LE(headings.Reverse, 360.0);
    }
  }
}

// Positions a hair apart, or a hair away from antipodal, where the
// quotients of both formulas come closest to 0/0 and to the edges of the arc
// cosine.
TEST(DistanceAndHeadings, StayFiniteAndInRangeNearTheDegenerateCases) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> latitude(-90, 90);
  std::uniform_real_distribution<double> longitude(-180, 180);
  std::uniform_int_distribution<int> tiny_exponent(-321, -5);
  std::uniform_int_distribution<int> sign(0, 1);
  auto hair = [&] { return (sign(random) ? 1 : -1) * std::pow(10.0, tiny_exponent(random)); };
  for (int i = 0; i < 20000; ++i) {
    const SignedPosition from{latitude(random), longitude(random)};
    const bool antipodal = i % 2 == 1;
    const SignedPosition to{(antipodal ? -from.Lat : from.Lat) + (i % 3 == 0 ? 0.0 : hair()),
                            (antipodal ? from.Lon + 180 : from.Lon) + (i % 5 == 0 ? 0.0 : hair())};
    const double lat1 = from.Lat * kRadiansPerDegree, lon1 = from.Lon * kRadiansPerDegree;
    const double lat2 = to.Lat * kRadiansPerDegree, lon2 = to.Lon * kRadiansPerDegree;
    const double km = EllipsoidDistance(lat1, lon1, lat2, lon2);
    const Headings headings = SphereHeadings(lat1, lon1, lat2, lon2);
    ASSERT_TRUE(std::isfinite(km)) << lat1 << " " << lon1 << " " << lat2 << " " << lon2;
    ASSERT_GE(km, 0.0);
    ASSERT_LE(km, kPi * kEquatorialRadiusKm + 0.1);
    ASSERT_GE(headings.Forward, 0.0);
    ASSERT_LE(headings.Forward, 360.0);
    ASSERT_GE(headings.Reverse, 0.0);
    ASSERT_LE(headings.Reverse, 360.0);
    // The command's shared computation gives the very same figures.
    const Path path = MeasurePath(from, to);
    ASSERT_EQ(path.Kilometres, km);
    ASSERT_EQ(path.Directions.Forward, headings.Forward);
    ASSERT_EQ(path.Directions.Reverse, headings.Reverse);
  }
}

// Positions metres apart or less, or as close to antipodal, where the
// heading's cosine in its arc cosine form is a difference of nearly equal
// terms; the headings as a long double atan2 of well-conditioned terms gives
// them. Only where sin d is 0 in a double are the quotients 0/0, which count
// as -1: both headings read 180.
TEST(MeasurePath, KeepsTheHeadingsOfPositionsAHairApart) {
  const struct {
    const char* What;
    SignedPosition From, To;
    const char* Headings;
  } cases[] = {
      {"4 m, a hair west of south",
       {-14.119862008377694, -93.005119420055095},
       {-14.119897613722518, -93.005119508767606},
       " 180.1  :  0.1"},
      {"0.8 m, a little east of north",
       {-34.485453593066083, 112.58685023373982},
       {-34.485446749027354, 112.58685067476392},
       " 3.0  :  183.0"},
      {"a metre short of the antipode",
       {-10.038846322678438, -33.66379659681877},
       {10.038840767656929, 146.33620341123049},
       " 164.9  :  195.1"},
      {"a picoradian east", {0, 0}, {0, 1e-12 / kRadiansPerDegree}, " 90.0  :  270.0"},
      {"a picoradian north", {0, 0}, {1e-12 / kRadiansPerDegree, 0}, " 360.0  :  180.0"},
      {"too close for sin d", {0, 0}, {0, 1e-170}, " 180.0  :  180.0"},
  };
  for (const auto& c : cases) {
    const Headings headings = MeasurePath(c.From, c.To).Directions;
    EXPECT_EQ(OneDecimalText(headings.Forward) + "  : " + OneDecimalText(headings.Reverse),
              c.Headings)
        << c.What;
  }
}

TEST(EllipsoidDistance, KeepsItsAccuracyForTinySeparations) {
  // Along the equator one radian is a, along a meridian there a(1 - 2f)
  // to first order in f.
  const struct {
    double Dlat, Dlon, KmPerRadian;
  } cases[] = {
      {0, 1e-6, kEquatorialRadiusKm},
      {0, 1e-160, kEquatorialRadiusKm},
      {1e-6, 0, kEquatorialRadiusKm * (1 - 2 * kFlattening)},
      {1e-160, 0, kEquatorialRadiusKm * (1 - 2 * kFlattening)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Dlat + c.Dlon);
    const double expected = (c.Dlat + c.Dlon) * c.KmPerRadian;
    EXPECT_NEAR(EllipsoidDistance(0, 0, c.Dlat, c.Dlon), expected, expected * 1e-5);
  }
}

}  // namespace
}  // namespace tessaly
