#include "geo/distance.h"

#include <cmath>
#include <numbers>

namespace tessaly {

namespace {

constexpr double kHalf = 0.5;
constexpr double kFullCircleDegrees = 360.0;

// Below this C the two positions are antipodal to within a fifth of a second
// of arc (C is about the square of the angle they miss it by), which covers
// antipodes as the fields give them: 180 degrees through the window's degree
// factor is not exactly pi.
constexpr double kAntipodalC = 1e-12;
// The geodesic between antipodes runs over a pole: half a meridian.
constexpr double kHalfMeridianKm = std::numbers::pi * kEquatorialRadiusKm * (1 - kFlattening / 2);

double Squared(double x) {
  return x * x;
}

// Rounding can push a cosine just past +-1, and 0/0 gives NaN; either would
// make the arc cosine undefined. NaN counts as -1.
double ClampedCosine(double x) {
  if (x > 1.0) return 1.0;
  if (!(x >= -1.0)) return -1.0;
  return x;
}

// The heading towards `to_lat` from `from_lat`, given the central angle and
// the sine of the longitude step; due north reads 360, not 0.
double Heading(double from_lat, double to_lat, double central_angle, double sin_longitude_step) {
  const double cosine = (std::sin(to_lat) - std::cos(central_angle) * std::sin(from_lat)) /
                        (std::sin(central_angle) * std::cos(from_lat));
  const double degrees = std::acos(ClampedCosine(cosine)) * kDegreesPerRadian;
  return sin_longitude_step > 0 ? degrees : kFullCircleDegrees - degrees;
}

}  // namespace

double EllipsoidDistance(double lat1, double lon1, double lat2, double lon2) {
  const double f = (lat2 + lat1) * kHalf;
  const double g = (lat2 - lat1) * kHalf;
  const double l = (lon2 - lon1) * kHalf;
  const double sin2_f = Squared(std::sin(f));
  const double cos2_f = Squared(std::cos(f));
  const double sin2_g = Squared(std::sin(g));
  const double cos2_g = Squared(std::cos(g));
  const double sin2_l = Squared(std::sin(l));
  const double cos2_l = Squared(std::cos(l));

  const double s = sin2_g * cos2_l + cos2_f * sin2_l;
  const double c = cos2_g * cos2_l + sin2_f * sin2_l;
  // At the antipodes C goes to 0 and H1 = (3R - 1) / 2C without bound.
  if (c < kAntipodalC) return kHalfMeridianKm;
  const double w = std::atan(std::sqrt(s / c));
  // Coinciding positions (s == 0), or ones closer than a double resolves:
  // the quotients below would be 0/0.
  if (w == 0.0) return 0.0;

  const double r = std::sqrt(s * c) / w;
  const double d = 2 * w * kEquatorialRadiusKm;
  const double h1 = (3 * r - 1) / (2 * c);
  // H2 is taken with its factor sin²G: s holds sin²G·cos²L, so sin²G/s stays
  // bounded and the product finite even where 1/s alone would overflow.
  const double h2_sin2_g = (3 * r + 1) / 2 * (sin2_g / s);
  return d * (1 + kFlattening * h1 * sin2_f * cos2_g - kFlattening * h2_sin2_g * cos2_f);
}

Headings SphereHeadings(double lat1, double lon1, double lat2, double lon2) {
  // There is no direction from a position to itself; the formulas below
  // would divide 0 by 0.
  if (lat1 == lat2 && lon1 == lon2) return {};
  const double central_angle = std::acos(ClampedCosine(
      std::sin(lat1) * std::sin(lat2) + std::cos(lat1) * std::cos(lat2) * std::cos(lon2 - lon1)));
  return {Heading(lat1, lat2, central_angle, std::sin(lon2 - lon1)),
          Heading(lat2, lat1, central_angle, std::sin(lon1 - lon2))};
}

}  // namespace tessaly
