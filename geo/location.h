// SPDX-License-Identifier: GPL-3.0-or-later
// The state of one location and how its hemispheres are told.
#pragma once

#include <cstdint>

#include "geo/angles.h"

namespace tessaly {

// What the fields showed at the last command that read them: a cache, not
// kept in step with the fields.
struct Location {
  DmsAngle Lat;
  DmsAngle Lon;
  double LatDegrees = 0.0;  // magnitudes in decimal degrees
  double LonDegrees = 0.0;
  bool DecimalFormat = false;  // the degree fields show decimal degrees
};

// A position in decimal degrees, north and east positive.
struct SignedPosition {
  double Lat = 0.0;
  double Lon = 0.0;
  friend bool operator==(const SignedPosition&, const SignedPosition&) = default;
};

// The hemisphere radio groups' item indexes. -1 (no selection) counts as
// north and east: a latitude is south only at 1, a longitude west only at 0.
inline constexpr std::int32_t kNorth = 0, kSouth = 1;  // latitude group
inline constexpr std::int32_t kWest = 0, kEast = 1;    // longitude group
inline constexpr std::int32_t kNoSelection = -1;

inline bool IsSouth(int latitude_index) {
  return latitude_index == kSouth;
}
inline bool IsWest(int longitude_index) {
  return longitude_index == kWest;
}

// The one sign rule: magnitudes in decimal degrees signed by the item indexes
// of the hemisphere groups. A sign the magnitudes already carry is flipped
// too, as the fields give it.
inline SignedPosition SignedByHemispheres(double lat, double lon, int latitude_index,
                                          int longitude_index) {
  return {IsSouth(latitude_index) ? -lat : lat, IsWest(longitude_index) ? -lon : lon};
}

// Every number and locator a command writes begins with one; readings skip
// leading ones.
inline constexpr char kBlank = ' ';

}  // namespace tessaly
