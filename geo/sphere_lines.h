// SPDX-License-Identifier: GPL-3.0-or-later
// Lines on the sphere that the great-circle map draws besides the land: the
// graticule and the locator grid (meridians and parallels), and circles round
// a point (the gray line).
#pragma once

#include <vector>

#include "geo/azimuthal_projection.h"
#include "geo/location.h"

namespace tessaly {

using SphereLine = std::vector<UnitVector>;

// A part of the sphere between two parallels and two meridians, degrees;
// East may pass 180 (West below it), the whole sphere by default.
struct SphereBox {
  double South = -90.0, North = 90.0;
  double West = -180.0, East = 180.0;
};

// The box round every point within `radius` degrees of `centre`: the whole
// band of longitudes where that reaches a pole.
SphereBox BoxAround(const SignedPosition& centre, double radius);

// Meridians at the multiples of `lon_step` degrees and parallels at those of
// `lat_step` (the poles themselves left out) that cross `box`, within it,
// each as points no more than `point_step` degrees apart.
std::vector<SphereLine> MeridiansAndParallels(double lon_step, double lat_step, double point_step,
                                              const SphereBox& box = {});

// The circle of `radius` (radians, below pi) round `centre`, as a closed
// ring of points no more than `point_step` radians apart, clockwise seen from
// outside the sphere: its inside, the smaller side, on its right.
SphereLine CircleAround(const UnitVector& centre, double radius, double point_step);

}  // namespace tessaly
