// SPDX-License-Identifier: GPL-3.0-or-later
// The Maidenhead locator, " FN31pr45ab12": one blank, then longitude before
// latitude in each pair: field letters "A" to "R" (20 by 10 degrees), square
// digits (2 by 1 degrees), sub-square letters "a" to "x" (5 by 2.5 minutes),
// then digits (30 by 15 seconds), letters "a" to "x" (1.25 by 0.625 seconds)
// and digits (0.125 by 0.0625 seconds). A shorter locator is the prefix of a
// longer one. Encoder and decoder are pure functions of numbers and texts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "geo/angles.h"
#include "geo/location.h"

namespace tessaly {

inline constexpr std::string_view kLocatorErrorText = " Error!";

// Locator lengths, in characters after the blank: 4 (a square), 6 (the
// window's own), 8, 10 and 12.
inline constexpr int kSquareCharacters = 4;
inline constexpr int kDefaultCharacters = 6;
inline constexpr int kMostCharacters = 12;
inline constexpr int kMostPairs = kMostCharacters / 2;
// 4, 6, 8, 10 or 12.
bool IsLocatorLength(int characters);

// The decimals a cell's centre needs in seconds of arc: none up to 8
// characters, one at 10 (a cell 0.625 seconds high), two at 12 (0.026), so
// that the rounded centre stays well inside its cell.
int SecondDecimalsFor(int characters);

// One cell: its index in each pair, longitude and latitude, from the field
// down; only the first Characters / 2 count.
struct LocatorCell {
  int Characters = kDefaultCharacters;
  std::array<std::uint8_t, kMostPairs> Lon{};  // 0 to 23
  std::array<std::uint8_t, kMostPairs> Lat{};
  bool IsSquare() const { return Characters == kSquareCharacters; }
  friend bool operator==(const LocatorCell&, const LocatorCell&) = default;
};

// " FN31pr", " FN31" for a square, " JO62qm45ab12".
std::string LocatorText(const LocatorCell& cell);

// The cell of `characters` (4 to 12) that holds the point of the magnitudes
// with their hemispheres. A point on an edge belongs to the cell farther from
// the equator and the prime meridian, at every length, so that every locator
// of a point is the prefix of its longer ones; exactly 90 or 180 degrees is
// the edge cell. Nothing below zero or beyond those limits.
std::optional<LocatorCell> CellOf(ArcUnits lat, bool south, ArcUnits lon, bool west,
                                  int characters);

// The locator of the given magnitudes and radio group item indexes (latitude
// 1 = south, longitude 0 = west; anything else north and east), of
// `characters` characters. Parts out of their usual range are carried first
// (10 59 60 is 11 0 0); anything beyond 90 and 180 degrees gives
// kLocatorErrorText.
std::string LatLonToLocator(std::int32_t lat_degrees, std::int32_t lat_minutes,
                            std::int32_t lat_seconds, std::int32_t lat_hemisphere,
                            std::int32_t lon_degrees, std::int32_t lon_minutes,
                            std::int32_t lon_seconds, std::int32_t lon_hemisphere,
                            int characters = kDefaultCharacters);

// The locator of a position in decimal degrees, north and east positive (0
// counts as north and east): nothing beyond 90 and 180 degrees.
std::optional<LocatorCell> CellOfPosition(const SignedPosition& position, int characters);

// The centre of a locator's cell: magnitudes, exact, and hemisphere item
// indexes. At 6 characters and fewer it lies on whole seconds (0, 15, 30 or
// 45; a square's on whole minutes, 0 and 30).
struct DecodedLocator {
  LocatorCell Cell;
  ArcUnits Lat = 0;
  std::int32_t LatHemisphere = kNorth;  // kNorth or kSouth
  ArcUnits Lon = 0;
  std::int32_t LonHemisphere = kWest;  // kWest or kEast
  SignedPosition Centre() const;
};

// After at most one leading blank, in either case: 4 characters are a square;
// from 6 on, the first min(length, `characters`) characters, cut down to an
// even count, are the locator. Nothing for any other text, or where the
// characters read are no locator.
std::optional<DecodedLocator> LocatorToLatLon(std::string_view locator,
                                              int characters = kDefaultCharacters);

// A cell's south-west and north-east corners, in decimal degrees.
struct CellBounds {
  SignedPosition SouthWest;
  SignedPosition NorthEast;
};
CellBounds BoundsOf(const LocatorCell& cell);

}  // namespace tessaly
