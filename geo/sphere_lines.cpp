// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/sphere_lines.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "geo/angles.h"

namespace tessaly {

SphereBox BoxAround(const SignedPosition& centre, double radius) {
  SphereBox box{std::max(-90.0, centre.Lat - radius), std::min(90.0, centre.Lat + radius)};
  // Off the poles, the widest reach east and west is on the great circle
  // that meets the centre's meridian at right angles.
  const double reach = std::sin(Radians(radius)) / std::cos(Radians(centre.Lat));
  if (box.South > -90.0 && box.North < 90.0 && reach < 1.0) {
    const double half_width = Degrees(std::asin(reach));
    box.West = centre.Lon - half_width;
    box.East = centre.Lon + half_width;
  }
  return box;
}

namespace {

// The points of a line from `start` to `end` degrees, no more than `step`
// apart, both ends included.
std::vector<double> Steps(double start, double end, double step) {
  const int count = std::max(1, static_cast<int>(std::ceil((end - start) / step)));
  std::vector<double> steps;
  steps.reserve(static_cast<std::size_t>(count) + 1);
  for (int i = 0; i <= count; ++i) steps.push_back(start + (end - start) * i / count);
  return steps;
}

}  // namespace

std::vector<SphereLine> MeridiansAndParallels(double lon_step, double lat_step, double point_step,
                                              const SphereBox& box) {
  std::vector<SphereLine> lines;
  // Round the whole sphere, 180 W is 180 E.
  const bool round = box.East - box.West >= 360.0;
  const std::vector<double> lats = Steps(box.South, box.North, point_step);
  for (double lon = std::ceil(box.West / lon_step) * lon_step;
       round ? lon < box.East - 1e-9 : lon <= box.East + 1e-9; lon += lon_step) {
    SphereLine& meridian = lines.emplace_back();
    for (const double lat : lats) meridian.push_back(ToUnitVector(Radians(lat), Radians(lon)));
  }
  const std::vector<double> lons = Steps(box.West, box.East, point_step);
  for (double lat = std::ceil(box.South / lat_step) * lat_step; lat <= box.North + 1e-9;
       lat += lat_step) {
    if (std::abs(lat) >= 90.0 - 1e-9) continue;
    SphereLine& parallel = lines.emplace_back();
    for (const double lon : lons) parallel.push_back(ToUnitVector(Radians(lat), Radians(lon)));
  }
  return lines;
}

SphereLine CircleAround(const UnitVector& centre, double radius, double point_step) {
  // A frame at the centre: two directions at right angles to it and to each
  // other.
  const UnitVector helper = std::abs(centre.Z) < 0.9 ? UnitVector{0, 0, 1} : UnitVector{1, 0, 0};
  UnitVector first{helper.Y * centre.Z - helper.Z * centre.Y,
                   helper.Z * centre.X - helper.X * centre.Z,
                   helper.X * centre.Y - helper.Y * centre.X};
  const double length = std::sqrt(first.X * first.X + first.Y * first.Y + first.Z * first.Z);
  first = {first.X / length, first.Y / length, first.Z / length};
  const UnitVector second{centre.Y * first.Z - centre.Z * first.Y,
                          centre.Z * first.X - centre.X * first.Z,
                          centre.X * first.Y - centre.Y * first.X};
  // The circle's own circumference, in steps no longer than point_step.
  const int steps = std::max(
      3, static_cast<int>(std::ceil(2 * std::numbers::pi * std::sin(radius) / point_step)));
  SphereLine ring;
  ring.reserve(static_cast<std::size_t>(steps));
  const double up = std::cos(radius), out = std::sin(radius);
  for (int step = 0; step < steps; ++step) {
    // Turning from `second` towards `first`: clockwise seen from outside.
    const double angle = 2 * std::numbers::pi * step / steps;
    const double a = out * std::sin(angle), b = out * std::cos(angle);
    ring.push_back({up * centre.X + a * first.X + b * second.X,
                    up * centre.Y + a * first.Y + b * second.Y,
                    up * centre.Z + a * first.Z + b * second.Z});
  }
  return ring;
}

}  // namespace tessaly
