// SPDX-License-Identifier: GPL-3.0-or-later
// What the great-circle map shows, computed here once from the main
// window's positions and measurement: the map window only draws it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geo/distance.h"
#include "geo/location.h"
#include "window/distance_unit.h"

namespace tessaly {

struct MapDestination {
  SignedPosition Position;  // as the distance command measured it
  std::string Locator;      // " JO01aa", as the Destination's grid field shows it
  Path ShortPath;           // as the distance command measured it, in kilometres
  Path LongPath;            // the other way round the same great circle
  friend bool operator==(const MapDestination&, const MapDestination&) = default;
};

struct MapContent {
  SignedPosition Home;      // decimal degrees, north and east positive; the map's centre
  std::string HomeLocator;  // " FN31pr"; may be empty
  // Set while the distance command's results show; without it the map
  // shows Home alone.
  std::optional<MapDestination> Destination;
  DistanceUnit Unit = DistanceUnit::Miles;  // of every figure the map shows
  friend bool operator==(const MapContent&, const MapContent&) = default;
};

// The distance rings' spacing: 5000 km, or 2500 miles when the unit is miles.
double RingSpacingKm(DistanceUnit unit);
// The same, in the unit: 5000 or 2500.
int RingSpacing(DistanceUnit unit);

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
