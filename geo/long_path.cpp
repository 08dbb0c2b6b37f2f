// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/long_path.h"

#include <cmath>
#include <numbers>

#include "geo/azimuthal_projection.h"
#include "geo/distance.h"

namespace tessaly {
namespace {

constexpr double kFullCircleDegrees = 360.0;
constexpr double kHalfCircleDegrees = 180.0;
constexpr double kPolarRadiusKm = kEquatorialRadiusKm * (1 - kFlattening);
// 1 - e^2 = (1 - f)^2: the ratio of the tangents of geocentric and geodetic
// latitude.
constexpr double kGeocentricTangentRatio = (1 - kFlattening) * (1 - kFlattening);
// Below this length of the cross product the two directions are parallel to
// within a few micrometres on the ground: no plane is told apart.
constexpr double kParallelCross = 1e-12;

// The direction from the earth's centre to a point of the ellipsoid at
// geodetic latitude lat.
UnitVector GeocentricDirection(double lat, double lon) {
  return ToUnitVector(std::atan2(kGeocentricTangentRatio * std::sin(lat), std::cos(lat)), lon);
}

// Ramanujan's second approximation; its relative error grows as h^5, about
// 1e-28 for the earth's ellipses, below a double's resolution.
double EllipseCircumference(double semi_major, double semi_minor) {
  const double h = std::pow((semi_major - semi_minor) / (semi_major + semi_minor), 2);
  return std::numbers::pi * (semi_major + semi_minor) * (1 + 3 * h / (10 + std::sqrt(4 - 3 * h)));
}

}  // namespace

double LongPathHeading(double short_path_heading) {
  const double heading = std::fmod(short_path_heading + kHalfCircleDegrees, kFullCircleDegrees);
  return heading < 0 ? heading + kFullCircleDegrees : heading;
}

double GreatEllipseCircumferenceKm(double lat1, double lon1, double lat2, double lon2) {
  const UnitVector p = GeocentricDirection(lat1, lon1);
  const UnitVector q = GeocentricDirection(lat2, lon2);
  // The plane's normal; its angle with the polar axis is the plane's
  // inclination i to the equator.
  const double nx = p.Y * q.Z - p.Z * q.Y;
  const double ny = p.Z * q.X - p.X * q.Z;
  const double nz = p.X * q.Y - p.Y * q.X;
  const double cross = std::sqrt(nx * nx + ny * ny + nz * nz);
  const double cos_i = cross < kParallelCross ? 0.0 : std::abs(nz) / cross;
  const double sin_i = cross < kParallelCross ? 1.0 : std::hypot(nx, ny) / cross;
  // The plane cuts the equator along a diameter (semi-axis a); at right
  // angles to it, the plane rises at i above the equator, where the
  // ellipsoid's radius is the great ellipse's other semi-axis.
  const double a = kEquatorialRadiusKm, b = kPolarRadiusKm;
  const double semi_minor = a * b / std::hypot(b * cos_i, a * sin_i);
  return EllipseCircumference(a, semi_minor);
}

Path MeasureLongPath(const SignedPosition& from, const SignedPosition& to, const Path& short_path) {
  // Between antipodes the two ways round are one and the same path.
  if (AreAntipodal(from, to)) {
    return {short_path.Kilometres,
            {LongPathHeading(short_path.Directions.Forward),
             LongPathHeading(short_path.Directions.Reverse)}};
  }
  // In the short path's own radians, so that the two add up to the ellipse.
  const double circumference =
      GreatEllipseCircumferenceKm(from.Lat * kRadiansPerDegree, from.Lon * kRadiansPerDegree,
                                  to.Lat * kRadiansPerDegree, to.Lon * kRadiansPerDegree);
  return {circumference - short_path.Kilometres,
          {LongPathHeading(short_path.Directions.Forward),
           LongPathHeading(short_path.Directions.Reverse)}};
}

}  // namespace tessaly
