// SPDX-License-Identifier: GPL-3.0-or-later
// Distance on the ellipsoid and headings on the sphere between two positions.
#pragma once

#include "geo/location.h"

namespace tessaly {

// The distance's own degree-radian factors, as the window has always
// measured with them; deliberately not pi/180 (geometry uses Radians()).
inline constexpr double kDegreesPerRadian = 57.29578;
inline constexpr double kRadiansPerDegree = 1.0 / kDegreesPerRadian;

inline constexpr double kEquatorialRadiusKm = 6378.14;
inline constexpr double kFlattening = 1.0 / 298.257;

inline constexpr double kMilesPerKilometre = 0.6213693;
inline constexpr double kKilometresPerKilometre = 1.0;

// Andoyer's approximation, in kilometres; positions in radians, north and
// east positive. Coinciding positions give 0 and antipodes the half
// meridian, where the approximation itself has no value.
double EllipsoidDistance(double lat1, double lon1, double lat2, double lon2);

struct Headings {
  double Forward = 0.0;  // degrees, 0 to 360; due north reads 360
  double Reverse = 0.0;
  friend bool operator==(const Headings&, const Headings&) = default;
};

// Initial headings on the sphere from position 1 to 2 and back. Coinciding
// positions give 0 and 0.
Headings SphereHeadings(double lat1, double lon1, double lat2, double lon2);

// Both at once, sharing the sines and cosines they have in common: what the
// distance command shows. Positions in decimal degrees, north and east
// positive, turned into radians by kRadiansPerDegree.
struct Path {
  double Kilometres = 0.0;
  Headings Directions;  // forward and reverse headings
  friend bool operator==(const Path&, const Path&) = default;
};
Path MeasurePath(const SignedPosition& from, const SignedPosition& to);

// The geodesic between antipodes runs over a pole: half a meridian, the
// distance MeasurePath gives every pair of antipodes.
inline constexpr double kHalfMeridianKm =
    3.14159265358979323846 * kEquatorialRadiusKm * (1 - kFlattening / 2);

// Whether the two positions are antipodes to within a fifth of a second of
// arc, where the distance is the half meridian and every way round is as
// long as the other.
bool AreAntipodal(const SignedPosition& from, const SignedPosition& to);

}  // namespace tessaly
