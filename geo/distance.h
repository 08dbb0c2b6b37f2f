// SPDX-License-Identifier: GPL-3.0-or-later
// Distance on the ellipsoid and headings on the sphere between two positions.
#pragma once

namespace tessaly {

// The window's degree-radian factors; deliberately not pi/180.
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
};

// Initial headings on the sphere from position 1 to 2 and back. Coinciding
// positions give 0 and 0.
Headings SphereHeadings(double lat1, double lon1, double lat2, double lon2);

// Both at once, sharing the sines and cosines they have in common: what the
// distance command shows. Arguments as for EllipsoidDistance.
struct Path {
  double Kilometres = 0.0;
  Headings Directions;  // forward and reverse headings
};
Path MeasurePath(double lat1, double lon1, double lat2, double lon2);

}  // namespace tessaly
