// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/distance.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "geo/arc_tangent.h"
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

// Andoyer's S and C are the squared sine and cosine of half the central
// angle d on the sphere (S is the haversine of d), so that sin d is
// 2 sqrt(SC) and cos d is C - S: the distance and the headings share them.
struct HalfCentralAngle {
  explicit HalfCentralAngle(const HalfAngles& half)
      : S(Squared(half.G.Sin) * Squared(half.L.Cos) + Squared(half.F.Cos) * Squared(half.L.Sin)),
        C(Squared(half.G.Cos) * Squared(half.L.Cos) + Squared(half.F.Sin) * Squared(half.L.Sin)),
        SinCosProduct(std::sqrt(S * C)) {}
  double S;              // sin² w
  double C;              // cos² w, 0 between antipodes
  double SinCosProduct;  // sin w cos w = sqrt(SC)
};

// a where `first`, b otherwise, without a branch: which one it is follows
// from the positions, which no predictor learns.
double Choose(bool first, double a, double b) {
  const std::uint64_t mask = -static_cast<std::uint64_t>(first);
  return std::bit_cast<double>((std::bit_cast<std::uint64_t>(a) & mask) |
                               (std::bit_cast<std::uint64_t>(b) & ~mask));
}

// w, from its tangent sqrt(S/C) = sqrt(SC)/C or its cotangent sqrt(SC)/S,
// whichever is at most 1.
double HalfCentralAngleRadians(const HalfCentralAngle& arc) {
  const double angle = ArcTangentOfRatio(arc.SinCosProduct, std::max(arc.S, arc.C));
  return Choose(arc.S < arc.C, angle, std::numbers::pi / 2 - angle);
}

// D(1 + f H1 sin²F cos²G - f H2 cos²F sin²G) with D = 2wa, R = sqrt(SC)/w,
// H1 = (3R - 1)/2C and H2 = (3R + 1)/2S multiplied out: a(wK + M) with
// K = 2 - f sin²F cos²G / C - f cos²F sin²G / S and
// M = 3 sqrt(SC)(f sin²F cos²G / C - f cos²F sin²G / S). Nothing waits for w
// but the last product and sum, and sin²G/S stays bounded where 1/S alone
// would overflow.
double AndoyerDistance(const HalfAngles& half, const HalfCentralAngle& arc) {
  // At the antipodes C goes to 0 and H1 = (3R - 1) / 2C without bound.
  if (arc.C < kAntipodalC) return kHalfMeridianKm;
  const double w = HalfCentralAngleRadians(arc);
  // Coinciding positions (S == 0), or ones closer than a double resolves:
  // the quotients below would be 0/0.
  if (w == 0.0) return 0.0;
  const double term1 = kFlattening * Squared(half.F.Sin) * Squared(half.G.Cos) / arc.C;
  const double term2 = kFlattening * Squared(half.F.Cos) * (Squared(half.G.Sin) / arc.S);
  return kEquatorialRadiusKm * (w * (2 - term1 - term2) + 3 * arc.SinCosProduct * (term1 - term2));
}

// The heading whose cosine is `cosine`, east of north when `eastwards`, west
// of it otherwise; due north reads 360, not 0.
double Heading(double cosine, bool eastwards) {
  const double degrees = std::acos(ClampedCosine(cosine)) * kDegreesPerRadian;
  return Choose(eastwards, degrees, kFullCircleDegrees - degrees);
}

// The heading's cosine (sin lat2 - cos d sin lat1) / (sin d cos lat1) is, with
// cos lat1 taken out of it, (cos lat1 sin lat2 - sin lat1 cos lat2 cos 2L) /
// sin d = (sin 2G cos²L + sin 2F sin²L) / sin d; the way back swaps lat1 and
// lat2, which turns G round. In this form no difference of nearly equal terms
// is left, so that the headings hold their precision down to positions
// millimetres apart or from antipodal; the quotients become 0/0, counted as
// -1, only where sin d is 0 in a double.
Headings HeadingsFrom(const HalfAngles& half, const HalfCentralAngle& arc) {
  const auto [f, g, l] = half;
  const double along = g.Sin * g.Cos * Squared(l.Cos);   // sin 2G cos²L / 2
  const double across = f.Sin * f.Cos * Squared(l.Sin);  // sin 2F sin²L / 2
  const double sin_step = l.Sin * l.Cos;                 // sin 2L / 2
  return {Heading((across + along) / arc.SinCosProduct, sin_step > 0),
          Heading((across - along) / arc.SinCosProduct, sin_step < 0)};
}

// There is no direction from a position to itself; the formulas would divide
// 0 by 0.
bool Coincide(double lat1, double lon1, double lat2, double lon2) {
  return lat1 == lat2 && lon1 == lon2;
}

}  // namespace

double EllipsoidDistance(double lat1, double lon1, double lat2, double lon2) {
  const HalfAngles half(lat1, lon1, lat2, lon2);
  return AndoyerDistance(half, HalfCentralAngle(half));
}

Headings SphereHeadings(double lat1, double lon1, double lat2, double lon2) {
  if (Coincide(lat1, lon1, lat2, lon2)) return {};
  const HalfAngles half(lat1, lon1, lat2, lon2);
  return HeadingsFrom(half, HalfCentralAngle(half));
}

bool AreAntipodal(const SignedPosition& from, const SignedPosition& to) {
  const HalfAngles half(from.Lat * kRadiansPerDegree, from.Lon * kRadiansPerDegree,
                        to.Lat * kRadiansPerDegree, to.Lon * kRadiansPerDegree);
  return HalfCentralAngle(half).C < kAntipodalC;
}

Path MeasurePath(const SignedPosition& from, const SignedPosition& to) {
  const double lat1 = from.Lat * kRadiansPerDegree, lon1 = from.Lon * kRadiansPerDegree;
  const double lat2 = to.Lat * kRadiansPerDegree, lon2 = to.Lon * kRadiansPerDegree;
  const HalfAngles half(lat1, lon1, lat2, lon2);
  const HalfCentralAngle arc(half);
  return {AndoyerDistance(half, arc),
          Coincide(lat1, lon1, lat2, lon2) ? Headings{} : HeadingsFrom(half, arc)};
}

}  // namespace tessaly
