// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/distance.h"

#include <cmath>
#include <numbers>

#include "geo/sine_cosine.h"

namespace tessaly {

namespace {

constexpr double kHalf = 0.5;
constexpr double kFullCircleDegrees = 360.0;

// Below this C the two positions are antipodal to within a fifth of a second
// of arc (C is about the square of the angle they miss it by), which covers
// antipodes as the fields give them: 180 degrees through the window's degree
// factor is not exactly pi.
constexpr double kAntipodalC = 1e-12;

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

// The half sum of the latitudes and the half differences of the latitudes
// and the longitudes, F, G and L, with their sines and cosines: Andoyer's
// formula starts from them, and the headings take the latitudes and the
// longitude step from them too (lat1 = F - G, lat2 = F + G, the step 2L).
struct HalfAngles {
  HalfAngles(double lat1, double lon1, double lat2, double lon2)
      : F(SinCos((lat2 + lat1) * kHalf)),
        G(SinCos((lat2 - lat1) * kHalf)),
        L(SinCos((lon2 - lon1) * kHalf)) {}
  SineCosine F;
  SineCosine G;
  SineCosine L;
};

// Andoyer's C: the squared cosine of the half central angle, 0 between
// antipodes.
double AndoyerC(const HalfAngles& half) {
  return Squared(half.G.Cos) * Squared(half.L.Cos) + Squared(half.F.Sin) * Squared(half.L.Sin);
}

double AndoyerDistance(const HalfAngles& half) {
  const double sin2_f = Squared(half.F.Sin);
  const double cos2_f = Squared(half.F.Cos);
  const double sin2_g = Squared(half.G.Sin);
  const double cos2_g = Squared(half.G.Cos);
  const double sin2_l = Squared(half.L.Sin);
  const double cos2_l = Squared(half.L.Cos);

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

// The heading towards `to` from `from`, given the central angle and the sine
// of the longitude step; due north reads 360, not 0.
double Heading(const SineCosine& from, const SineCosine& to, const SineCosine& central_angle,
               double sin_longitude_step) {
  const double cosine = (to.Sin - central_angle.Cos * from.Sin) / (central_angle.Sin * from.Cos);
  const double degrees = std::acos(ClampedCosine(cosine)) * kDegreesPerRadian;
  return sin_longitude_step > 0 ? degrees : kFullCircleDegrees - degrees;
}

Headings HeadingsFrom(const HalfAngles& half) {
  const auto [f, g, l] = half;
  SineCosine from;  // lat1 = F - G
  from.Sin = f.Sin * g.Cos - f.Cos * g.Sin;
  from.Cos = f.Cos * g.Cos + f.Sin * g.Sin;
  SineCosine to;  // lat2 = F + G
  to.Sin = f.Sin * g.Cos + f.Cos * g.Sin;
  to.Cos = f.Cos * g.Cos - f.Sin * g.Sin;
  SineCosine step;  // lon2 - lon1 = 2L
  step.Sin = 2 * l.Sin * l.Cos;
  step.Cos = l.Cos * l.Cos - l.Sin * l.Sin;
  // The headings need only the central angle's cosine and sine, not the angle:
  // no arc cosine, and the sine as the square root of (1 - cos)(1 + cos),
  // which keeps its precision for close positions. At the antipode the sine
  // is 0, and the headings' quotients 0/0 count as -1, as any other that is
  // not a number.
  SineCosine central_angle;
  central_angle.Cos = ClampedCosine(from.Sin * to.Sin + from.Cos * to.Cos * step.Cos);
  central_angle.Sin = std::sqrt((1 - central_angle.Cos) * (1 + central_angle.Cos));
  // The step back is the negated step, and the sine is odd: its sign is the
  // opposite.
  return {Heading(from, to, central_angle, step.Sin), Heading(to, from, central_angle, -step.Sin)};
}

// There is no direction from a position to itself; the formulas would divide
// 0 by 0.
bool Coincide(double lat1, double lon1, double lat2, double lon2) {
  return lat1 == lat2 && lon1 == lon2;
}

}  // namespace

double EllipsoidDistance(double lat1, double lon1, double lat2, double lon2) {
  return AndoyerDistance(HalfAngles(lat1, lon1, lat2, lon2));
}

Headings SphereHeadings(double lat1, double lon1, double lat2, double lon2) {
  if (Coincide(lat1, lon1, lat2, lon2)) return {};
  return HeadingsFrom(HalfAngles(lat1, lon1, lat2, lon2));
}

bool AreAntipodal(const SignedPosition& from, const SignedPosition& to) {
  return AndoyerC(HalfAngles(from.Lat * kRadiansPerDegree, from.Lon * kRadiansPerDegree,
                             to.Lat * kRadiansPerDegree, to.Lon * kRadiansPerDegree)) < kAntipodalC;
}

Path MeasurePath(const SignedPosition& from, const SignedPosition& to) {
  const double lat1 = from.Lat * kRadiansPerDegree, lon1 = from.Lon * kRadiansPerDegree;
  const double lat2 = to.Lat * kRadiansPerDegree, lon2 = to.Lon * kRadiansPerDegree;
  const HalfAngles half(lat1, lon1, lat2, lon2);
  return {AndoyerDistance(half),
          Coincide(lat1, lon1, lat2, lon2) ? Headings{} : HeadingsFrom(half)};
}

}  // namespace tessaly
