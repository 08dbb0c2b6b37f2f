// SPDX-License-Identifier: GPL-3.0-or-later
// What the great-circle map shows: the main window's positions and results,
// handed over as one value.
#pragma once

#include <optional>
#include <string>

#include "geo/distance.h"
#include "geo/location.h"

namespace tessaly {

struct MapDestination {
  SignedPosition Position;  // as the distance command measured it
  std::string Locator;      // " JO01aa", as the Destination's grid field shows it
  // The distance command's results as its fields show them, verbatim: the
  // forward and reverse headings " 50.5  :  288.2" and the distance
  // " 3542.8", in the unit of DistanceFactor.
  std::string HeadingsText;
  std::string DistanceText;
  friend bool operator==(const MapDestination&, const MapDestination&) = default;
};

struct MapContent {
  SignedPosition Home;      // decimal degrees, north and east positive; the map's centre
  std::string HomeLocator;  // " FN31pr"; may be empty
  // Set once the distance command has written its results; without it the
  // map shows Home alone.
  std::optional<MapDestination> Destination;
  // The window's factor from kilometres to the unit shown:
  // kMilesPerKilometre or kKilometresPerKilometre.
  double DistanceFactor = kMilesPerKilometre;
  friend bool operator==(const MapContent&, const MapContent&) = default;
};

}  // namespace tessaly
