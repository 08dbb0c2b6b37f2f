// SPDX-License-Identifier: GPL-3.0-or-later
// The land the great-circle map draws, as tools/coastline writes it: closed
// outlines on the sphere, each with its smaller side on its right; and the
// borders between countries, open lines.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "geo/azimuthal_projection.h"

namespace tessaly {

// A cap of the sphere round a ring's or a line's points, so that a view
// that does not meet it can leave them out unprojected.
struct SphereCap {
  UnitVector Centre;
  double Radius = 0.0;  // radians, from the centre to the farthest point
};
// Round the points' mean direction (the whole sphere for none, or where
// they cancel out): not the smallest, but never too small.
SphereCap CapAround(const std::vector<UnitVector>& points);
// Whether the cap may hold points within `radius` radians of `point`.
bool CapMayMeet(const SphereCap& cap, const UnitVector& point, double radius);

struct Coastline {
  // Each ring has at least three points and is closed without repeating its
  // first point; its edges are great-circle arcs no longer than a few
  // degrees. A point is on land where an odd number of rings enclose it on
  // their smaller side (a lake's ring cancels its island's).
  std::vector<std::vector<UnitVector>> Rings;
  // One a ring, where known (ReadCoastline makes them).
  std::vector<SphereCap> Caps;
};

// The file's bytes: "TLND", version 1, the ring count, then per ring its
// point count and the points as longitude and latitude in microdegrees, all
// 32-bit little-endian. Nothing when the bytes are not such a file.
std::optional<Coastline> ReadCoastline(std::string_view bytes);

// Open lines, the land borders: "TLIN", then as above but with at least two
// points a line, which need not close.
std::optional<std::vector<std::vector<UnitVector>>> ReadLines(std::string_view bytes);

}  // namespace tessaly
