// SPDX-License-Identifier: GPL-3.0-or-later
// The great-circle map's data compiled into the program (data/, made by
// tools/coastline from Natural Earth).
#pragma once

#include <vector>

#include "geo/coastline.h"
#include "geo/sphere_lines.h"

namespace tessaly {

struct MapData {
  Coastline Land;                     // 1:110 million, for the whole earth
  Coastline DetailedLand;             // 1:50 million, for a closer view
  std::vector<SphereLine> Borders;    // between countries, 1:50 million
  std::vector<SphereCap> BorderCaps;  // one a border
};

// Read on the first call and kept. A file missing or damaged leaves its
// part empty: the land is then not drawn, and the map says so.
const MapData& BuiltInMapData();

}  // namespace tessaly
