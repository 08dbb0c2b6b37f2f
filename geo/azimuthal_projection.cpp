// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/azimuthal_projection.h"

#include <cmath>
#include <numbers>

namespace tessaly {
namespace {

double Dot(const UnitVector& a, const UnitVector& b) {
  return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

}  // namespace

UnitVector ToUnitVector(double lat, double lon) {
  return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
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

}  // namespace tessaly
