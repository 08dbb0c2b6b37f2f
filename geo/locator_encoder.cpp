// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>

#include "geo/angles.h"
#include "geo/location.h"
#include "geo/locator.h"
#include "geo/locator_levels.h"

namespace tessaly {

using locator_levels::kLatitudeLimit;
using locator_levels::kLevels;
using locator_levels::kLongitudeLimit;

namespace {

// How far into the world, from its south or west edge, the cell lies that
// holds the point of `magnitude` on its hemisphere's side. A point on an
// edge counts as farther from the equator or the prime meridian: to the
// south and west that is one unit short of the edge, so that truncation
// takes the cell beyond it. Exactly the limit is the last unit before it.
ArcUnits FromEdge(ArcUnits magnitude, bool south_or_west, ArcUnits limit) {
  if (magnitude == limit) --magnitude;
  return south_or_west ? limit - magnitude - 1 : limit + magnitude;
}

// The index of a pair: how many of its cells fit into the distance, counted
// within the cell of the pair before. Every pair truncates the same distance,
// so a shorter locator is always the prefix of a longer one; each index is
// worked out apart, by constants, so that none waits for another.
template <bool kLongitude, int kLevel>
std::int32_t IndexOf(ArcUnits from_edge) {
  constexpr auto& level = kLevels[kLevel];
  constexpr ArcUnits kSize = kLongitude ? level.LonSize : level.LatSize;
  // At most 10,368,000 cells of the finest pair across the world.
  const auto cells = static_cast<std::uint32_t>(from_edge / kSize);
  return static_cast<std::int32_t>(kLevel == 0 ? cells : cells % level.Count);
}

template <int kPairs, int kLevel = 0>
void FillCell(ArcUnits lat_from_edge, ArcUnits lon_from_edge, LocatorCell& cell) {
  if constexpr (kLevel < kPairs) {
    cell.Lon[kLevel] = static_cast<std::uint8_t>(IndexOf<true, kLevel>(lon_from_edge));
    cell.Lat[kLevel] = static_cast<std::uint8_t>(IndexOf<false, kLevel>(lat_from_edge));
    FillCell<kPairs, kLevel + 1>(lat_from_edge, lon_from_edge, cell);
  }
}

// The text of the cell straight from the distances: the window writes one
// at every command.
template <int kPairs, int kLevel = 0>
void WriteText(ArcUnits lat_from_edge, ArcUnits lon_from_edge, char* text) {
  if constexpr (kLevel < kPairs) {
    text[2 * kLevel] =
        static_cast<char>(kLevels[kLevel].First + IndexOf<true, kLevel>(lon_from_edge));
    text[2 * kLevel + 1] =
        static_cast<char>(kLevels[kLevel].First + IndexOf<false, kLevel>(lat_from_edge));
    WriteText<kPairs, kLevel + 1>(lat_from_edge, lon_from_edge, text);
  }
}

template <int kPairs>
void CellFromEdges(ArcUnits lat_from_edge, ArcUnits lon_from_edge, LocatorCell& cell) {
  cell.Characters = 2 * kPairs;
  FillCell<kPairs>(lat_from_edge, lon_from_edge, cell);
}

template <int kPairs>
std::string TextFromEdges(ArcUnits lat_from_edge, ArcUnits lon_from_edge) {
  std::array<char, 2 * kPairs + 1> text;
  text[0] = kBlank;
  WriteText<kPairs>(lat_from_edge, lon_from_edge, text.data() + 1);
  return std::string(text.data(), text.size());
}

}  // namespace

bool IsLocatorLength(int characters) {
  return characters >= kSquareCharacters && characters <= kMostCharacters && characters % 2 == 0;
}

int SecondDecimalsFor(int characters) {
  return characters >= 12 ? 2 : (characters >= 10 ? 1 : 0);
}

std::string LocatorText(const LocatorCell& cell) {
  std::array<char, kMostCharacters + 1> text{kBlank};
  std::size_t length = 1;
  for (int level = 0; level < cell.Characters / 2; ++level) {
    text[length++] = static_cast<char>(kLevels[level].First + cell.Lon[level]);
    text[length++] = static_cast<char>(kLevels[level].First + cell.Lat[level]);
  }
  return std::string(text.data(), length);
}

// Built where it is returned (one object, one return), as the decoder's.
std::optional<LocatorCell> CellOf(ArcUnits lat, bool south, ArcUnits lon, bool west,
                                  int characters) {
  std::optional<LocatorCell> result;
  if (lat >= 0 && lat <= kLatitudeLimit && lon >= 0 && lon <= kLongitudeLimit &&
      IsLocatorLength(characters)) {
    const ArcUnits lat_from_edge = FromEdge(lat, south, kLatitudeLimit);
    const ArcUnits lon_from_edge = FromEdge(lon, west, kLongitudeLimit);
    LocatorCell& cell = result.emplace();
    switch (characters) {
      case 4: CellFromEdges<2>(lat_from_edge, lon_from_edge, cell); break;
      case 6: CellFromEdges<3>(lat_from_edge, lon_from_edge, cell); break;
      case 8: CellFromEdges<4>(lat_from_edge, lon_from_edge, cell); break;
      case 10: CellFromEdges<5>(lat_from_edge, lon_from_edge, cell); break;
      default: CellFromEdges<6>(lat_from_edge, lon_from_edge, cell); break;
    }
  }
  return result;
}

std::string LatLonToLocator(std::int32_t lat_degrees, std::int32_t lat_minutes,
                            std::int32_t lat_seconds, std::int32_t lat_hemisphere,
                            std::int32_t lon_degrees, std::int32_t lon_minutes,
                            std::int32_t lon_seconds, std::int32_t lon_hemisphere, int characters) {
  const ArcUnits lat = ArcUnitsOf(lat_degrees, lat_minutes, lat_seconds);
  const ArcUnits lon = ArcUnitsOf(lon_degrees, lon_minutes, lon_seconds);
  if (lat < 0 || lat > kLatitudeLimit || lon < 0 || lon > kLongitudeLimit) {
    return std::string(kLocatorErrorText);
  }
  const ArcUnits lat_from_edge = FromEdge(lat, IsSouth(lat_hemisphere), kLatitudeLimit);
  const ArcUnits lon_from_edge = FromEdge(lon, IsWest(lon_hemisphere), kLongitudeLimit);
  switch (characters) {
    case 4: return TextFromEdges<2>(lat_from_edge, lon_from_edge);
    case 6: return TextFromEdges<3>(lat_from_edge, lon_from_edge);
    case 8: return TextFromEdges<4>(lat_from_edge, lon_from_edge);
    case 10: return TextFromEdges<5>(lat_from_edge, lon_from_edge);
    case 12: return TextFromEdges<6>(lat_from_edge, lon_from_edge);
    default: return std::string(kLocatorErrorText);
  }
}

std::optional<LocatorCell> CellOfPosition(const SignedPosition& position, int characters) {
  const ArcUnits lat = ArcUnitsOfDegrees(std::abs(position.Lat));
  const ArcUnits lon = ArcUnitsOfDegrees(std::abs(position.Lon));
  if (lat == kNoArcUnits || lon == kNoArcUnits) return std::nullopt;
  return CellOf(lat, position.Lat < 0, lon, position.Lon < 0, characters);
}

}  // namespace tessaly
