// SPDX-License-Identifier: GPL-3.0-or-later
// The great-circle map's legend and its distance rings: what the map says
// in words, in the unit the main window shows.
#pragma once

#include <string>
#include <vector>

#include "geo/map_content.h"

namespace tessaly {

// The rings are 5000 km apart, or 2500 miles when the unit is miles.
double RingSpacingKm(double distance_factor);

// Which path's colour a legend line is marked with.
enum class LegendMark { None, ShortPath, LongPath };

struct LegendLine {
  LegendMark Mark = LegendMark::None;
  std::string Text;  // Latin-1
};

// From the top: Home, the two paths ("Short path 50.5°, 3542.8 miles", the
// short path's figures exactly as the main window shows them), the rings,
// and a note when the coastlines are missing.
std::vector<LegendLine> MapLegend(const MapContent& content, bool coastline_loaded);

}  // namespace tessaly
