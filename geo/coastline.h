// SPDX-License-Identifier: GPL-3.0-or-later
// The land the great-circle map draws, as tools/coastline writes it: closed
// outlines on the sphere, each with its smaller side on its right.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "geo/azimuthal_projection.h"

namespace tessaly {

struct Coastline {
  // Each ring has at least three points and is closed without repeating its
  // first point; its edges are great-circle arcs no longer than a few
  // degrees. A point is on land where an odd number of rings enclose it on
  // their smaller side (a lake's ring cancels its island's).
  std::vector<std::vector<UnitVector>> Rings;
};

// The file's bytes: "TLND", version 1, the ring count, then per ring its
// point count and the points as longitude and latitude in microdegrees, all
// 32-bit little-endian. Nothing when the bytes are not such a file.
std::optional<Coastline> ReadCoastline(std::string_view bytes);

}  // namespace tessaly
