// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/long_path.h"

#include <cmath>
#include <numbers>

#include "geo/azimuthal_projection.h"
#include "geo/distance.h"
#include "geo/sine_cosine.h"

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

// A vector from the earth's centre towards the point of the ellipsoid at
// geodetic latitude lat: (cos lat, (1 - e^2) sin lat) points along the
// geocentric latitude. Not of unit length: only the plane it spans counts.
UnitVector GeocentricDirection(double lat, double lon) {
  const SineCosine latitude = SinCos(lat), longitude = SinCos(lon);
  return {latitude.Cos * longitude.Cos, latitude.Cos * longitude.Sin,
          kGeocentricTangentRatio * latitude.Sin};
}

// Ramanujan's second approximation; its relative error grows as h^5, about
// 1e-28 for the earth's ellipses, below a double's resolution.
double EllipseCircumference(double semi_major, double semi_minor) {
  const double ratio = (semi_major - semi_minor) / (semi_major + semi_minor);
  const double h = ratio * ratio;
  return std::numbers::pi * (semi_major + semi_minor) * (1 + 3 * h / (10 + std::sqrt(4 - 3 * h)));
}

}  // namespace

double LongPathHeading(double short_path_heading) {
  const double turned = short_path_heading + kHalfCircleDegrees;
  // A heading of 0 to 360 needs at most one full circle off, which is
  // exact there (Sterbenz): what std::fmod gives, a tenth of its cost.
  if (turned >= 0 && turned < 2 * kFullCircleDegrees) {
    return turned >= kFullCircleDegrees ? turned - kFullCircleDegrees : turned;
  }
  const double heading = std::fmod(turned, kFullCircleDegrees);
  return heading < 0 ? heading + kFullCircleDegrees : heading;
}

double GreatEllipseCircumferenceKm(double lat1, double lon1, double lat2, double lon2) {
  // Turned about the axis so that the first point lies on the zero
  // meridian: the plane's inclination stays.
  const UnitVector p = GeocentricDirection(lat1, 0.0);
  const UnitVector q = GeocentricDirection(lat2, lon2 - lon1);
  // The plane's normal; its angle with the polar axis is the plane's
  // inclination i to the equator.
  const double nx = p.Y * q.Z - p.Z * q.Y;
  const double ny = p.Z * q.X - p.X * q.Z;
  const double nz = p.X * q.Y - p.Y * q.X;
  const double cross = std::sqrt(nx * nx + ny * ny + nz * nz);
  const double cos_i = cross < kParallelCross ? 0.0 : std::abs(nz) / cross;
  // Lengths of unit-sized vectors: no overflow for std::hypot to guard.
  const double sin_i = cross < kParallelCross ? 1.0 : std::sqrt(nx * nx + ny * ny) / cross;
  // The plane cuts the equator along a diameter (semi-axis a); at right
  // angles to it, the plane rises at i above the equator, where the
  // ellipsoid's radius is the great ellipse's other semi-axis.
  const double a = kEquatorialRadiusKm, b = kPolarRadiusKm;
  const double semi_minor = a * b / std::sqrt(b * cos_i * b * cos_i + a * sin_i * a * sin_i);
  return EllipseCircumference(a, semi_minor);
}

Path MeasureLongPath(const SignedPosition& from, const SignedPosition& to, const Path& short_path) {
  // Between antipodes the two ways round are one and the same path. The
  // distance command gives them exactly the half meridian: only then is the
  // dearer test worth making.
  if (short_path.Kilometres == kHalfMeridianKm && AreAntipodal(from, to)) {
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
