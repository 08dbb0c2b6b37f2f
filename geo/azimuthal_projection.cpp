// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/azimuthal_projection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geo/angles.h"

namespace tessaly {
namespace {

double Dot(const UnitVector& a, const UnitVector& b) {
  return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

}  // namespace

UnitVector ToUnitVector(double lat, double lon) {
  return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

double LatitudeOf(const UnitVector& point) {
  return std::atan2(point.Z, std::hypot(point.X, point.Y));
}

double LongitudeOf(const UnitVector& point) {
  return point.X == 0.0 && point.Y == 0.0 ? 0.0 : std::atan2(point.Y, point.X);
}

SignedPosition PositionOf(const UnitVector& point) {
  return {Degrees(LatitudeOf(point)), Degrees(LongitudeOf(point))};
}

AzimuthalEquidistant::AzimuthalEquidistant(double centre_lat, double centre_lon)
    : east_{-std::sin(centre_lon), std::cos(centre_lon), 0.0},
      north_{-std::sin(centre_lat) * std::cos(centre_lon),
             -std::sin(centre_lat) * std::sin(centre_lon), std::cos(centre_lat)},
      up_(ToUnitVector(centre_lat, centre_lon)) {}

PlanePoint AzimuthalEquidistant::Project(const UnitVector& point) const {
  const double east = Dot(point, east_);
  const double north = Dot(point, north_);
  // Not std::hypot: both are at most 1, and this runs for every point drawn.
  const double sideways = std::sqrt(east * east + north * north);
  // The central angle from its sine and cosine: accurate at every distance,
  // where an arc cosine loses half the digits near the centre and the
  // antipode.
  const double fraction = std::atan2(sideways, Dot(point, up_)) / std::numbers::pi;
  if (sideways == 0.0) return {0.0, fraction == 0.0 ? 0.0 : -1.0};
  return {fraction * east / sideways, fraction * north / sideways};
}

namespace {

// atan2(y, x) for y >= 0, within 1.2e-5: Abramowitz and Stegun, "Handbook
// of Mathematical Functions" (1964), 4.4.49, on the octant the arguments
// fall in.
double DrawingAtan2(double y, double x) {
  constexpr double kA1 = 0.9998660, kA3 = -0.3302995, kA5 = 0.1801410, kA7 = -0.0851330,
                   kA9 = 0.0208351;
  const double across = std::abs(x);
  const double larger = std::max(across, y);
  if (larger == 0.0) return 0.0;
  const double ratio = std::min(across, y) / larger;
  const double square = ratio * ratio;
  double angle = ratio * (kA1 + square * (kA3 + square * (kA5 + square * (kA7 + square * kA9))));
  if (y > across) angle = std::numbers::pi / 2 - angle;
  return x < 0.0 ? std::numbers::pi - angle : angle;
}

}  // namespace

PlanePoint AzimuthalEquidistant::ProjectForDrawing(const UnitVector& point) const {
  const double east = Dot(point, east_);
  const double north = Dot(point, north_);
  const double sideways = std::sqrt(east * east + north * north);
  const double fraction = DrawingAtan2(sideways, Dot(point, up_)) / std::numbers::pi;
  if (sideways == 0.0) return {0.0, fraction == 0.0 ? 0.0 : -1.0};
  return {fraction * east / sideways, fraction * north / sideways};
}

std::optional<UnitVector> AzimuthalEquidistant::Unproject(const PlanePoint& point) const {
  const double fraction = std::hypot(point.X, point.Y);
  if (fraction > 1.0) return std::nullopt;
  if (fraction == 0.0) return up_;
  // Out from the centre along the heading, by the central angle.
  const double angle = fraction * std::numbers::pi;
  const double east = point.X / fraction, north = point.Y / fraction;
  const double along = std::sin(angle), up = std::cos(angle);
  return UnitVector{up * up_.X + along * (east * east_.X + north * north_.X),
                    up * up_.Y + along * (east * east_.Y + north * north_.Y),
                    up * up_.Z + along * (east * east_.Z + north * north_.Z)};
}

}  // namespace tessaly
