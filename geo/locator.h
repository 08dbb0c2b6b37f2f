// SPDX-License-Identifier: GPL-3.0-or-later
// The Maidenhead locator, " FN31pr": one blank, then longitude before
// latitude at each level: field letters "A" to "R" (20 by 10 degrees),
// square digits (2 by 1 degrees) and sub-square letters "a" to "x" (5 by 2.5
// minutes). Encoder and decoder are pure functions of numbers and texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "geo/angles.h"

namespace tessaly {

inline constexpr std::string_view kLocatorErrorText = " Error!";

// The field and sub-square letters are taken by index from these, the
// square digits from those.
inline constexpr std::string_view kLocatorLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr std::string_view kSquareDigits = "0123456789";

// One cell: its indexes, longitude first at each level.
struct LocatorCell {
  std::int32_t FieldLon = 0, FieldLat = 0;            // 0 to 17
  std::int32_t SquareLon = 0, SquareLat = 0;          // 0 to 9
  std::int32_t SubSquareLon = -1, SubSquareLat = -1;  // 0 to 23; -1 in a four-character locator
  bool IsSquare() const { return SubSquareLon < 0; }
  friend bool operator==(const LocatorCell&, const LocatorCell&) = default;
};

// " FN31pr", or " FN31" for a square.
std::string LocatorText(const LocatorCell& cell);

// The locator of the given magnitudes and radio group item indexes (latitude
// 1 = south, longitude 0 = west; anything else north and east). Parts out of
// their usual range are carried first (10 59 60 is 11 0 0); 90 degrees of
// latitude or 180 of longitude encode as the edge cell on the hemisphere's
// side; anything beyond gives kLocatorErrorText.
std::string LatLonToLocator(std::int32_t lat_degrees, std::int32_t lat_minutes,
                            std::int32_t lat_seconds, std::int32_t lat_hemisphere,
                            std::int32_t lon_degrees, std::int32_t lon_minutes,
                            std::int32_t lon_seconds, std::int32_t lon_hemisphere);

// The centre of a locator's cell: magnitudes and hemisphere item indexes.
// Seconds are always 0, 15, 30 or 45; a square's centre lies on whole
// minutes (0 and 30).
struct DecodedLocator {
  LocatorCell Cell;
  DmsAngle Lat;
  std::int32_t LatHemisphere = 0;  // kNorth or kSouth
  DmsAngle Lon;
  std::int32_t LonHemisphere = 0;  // kWest or kEast
};

// Accepts 4 characters, or 6 and more of which the first 6 count, in either
// case, after at most one leading blank; nothing for any other text.
std::optional<DecodedLocator> LocatorToLatLon(std::string_view locator);

}  // namespace tessaly
