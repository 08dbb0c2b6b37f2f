// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <utility>

#include "geo/angles.h"
#include "geo/location.h"
#include "geo/locator.h"
#include "geo/locator_levels.h"

namespace tessaly {

using locator_levels::kLatitudeLimit;
using locator_levels::kLevels;
using locator_levels::kLongitudeLimit;

namespace {

// The index of a pair's character: a letter in either case or a digit, as
// the pair takes it; the pair's count or more for anything else (bytes above
// 127 included).
template <int kLevel>
std::uint32_t IndexAt(char c) {
  constexpr char kCaseBit = 'a' - 'A';
  return locator_levels::IsLetterPair(kLevel)
             ? static_cast<std::uint32_t>(static_cast<unsigned char>(c | kCaseBit)) - 'a'
             : static_cast<std::uint32_t>(static_cast<unsigned char>(c)) - '0';
}

// The pairs of `text` read into `cell`; false when a character is none of
// its pair's. The pairs are known when this is compiled, so that the loop
// unrolls and no check waits for another.
template <int kPairs, int kLevel = 0>
bool ReadPairs(std::string_view text, LocatorCell& cell) {
  if constexpr (kLevel == kPairs) {
    return true;
  } else {
    const std::uint32_t lon = IndexAt<kLevel>(text[2 * kLevel]);
    const std::uint32_t lat = IndexAt<kLevel>(text[2 * kLevel + 1]);
    cell.Lon[kLevel] = static_cast<std::uint8_t>(lon);
    cell.Lat[kLevel] = static_cast<std::uint8_t>(lat);
    constexpr auto kCount = static_cast<std::uint32_t>(kLevels[kLevel].Count);
    return (lon < kCount) & (lat < kCount) & ReadPairs<kPairs, kLevel + 1>(text, cell);
  }
}

// The cell's south or west edge from the world's, and its size.
template <bool kLongitude, int kPairs>
std::pair<ArcUnits, ArcUnits> EdgeAndSize(const std::array<std::uint8_t, kMostPairs>& indexes) {
  ArcUnits from_edge = 0;
  for (int level = 0; level < kPairs; ++level) {
    from_edge +=
        ArcUnits{indexes[level]} * (kLongitude ? kLevels[level].LonSize : kLevels[level].LatSize);
  }
  return {from_edge, kLongitude ? kLevels[kPairs - 1].LonSize : kLevels[kPairs - 1].LatSize};
}

// Built where it is returned (one object, one return): the window and the
// command line decode a locator at nearly every command.
template <int kPairs>
std::optional<DecodedLocator> Decode(std::string_view text) {
  std::optional<DecodedLocator> result(std::in_place);
  DecodedLocator& decoded = *result;
  decoded.Cell.Characters = 2 * kPairs;
  if (ReadPairs<kPairs>(text, decoded.Cell)) {
    // A centre lies half a cell from an edge, never on the equator or the
    // prime meridian.
    const auto [lat_edge, lat_size] = EdgeAndSize<false, kPairs>(decoded.Cell.Lat);
    const auto [lon_edge, lon_size] = EdgeAndSize<true, kPairs>(decoded.Cell.Lon);
    const ArcUnits lat = lat_edge + lat_size / 2 - kLatitudeLimit;
    const ArcUnits lon = lon_edge + lon_size / 2 - kLongitudeLimit;
    decoded.Lat = std::abs(lat);
    decoded.LatHemisphere = lat > 0 ? kNorth : kSouth;
    decoded.Lon = std::abs(lon);
    decoded.LonHemisphere = lon > 0 ? kEast : kWest;
  } else {
    result.reset();
  }
  return result;
}

template <bool kLongitude>
std::pair<ArcUnits, ArcUnits> EdgeAndSize(const LocatorCell& cell) {
  const auto& indexes = kLongitude ? cell.Lon : cell.Lat;
  switch (cell.Characters) {
    case 4: return EdgeAndSize<kLongitude, 2>(indexes);
    case 6: return EdgeAndSize<kLongitude, 3>(indexes);
    case 8: return EdgeAndSize<kLongitude, 4>(indexes);
    case 10: return EdgeAndSize<kLongitude, 5>(indexes);
    default: return EdgeAndSize<kLongitude, 6>(indexes);
  }
}

}  // namespace

SignedPosition DecodedLocator::Centre() const {
  return {IsSouth(LatHemisphere) ? -DegreesOf(Lat) : DegreesOf(Lat),
          IsWest(LonHemisphere) ? -DegreesOf(Lon) : DegreesOf(Lon)};
}

// One leading blank, as the encoder writes it, is dropped; of the rest at
// most `characters` count.
std::optional<DecodedLocator> LocatorToLatLon(std::string_view locator, int characters) {
  if (!locator.empty() && locator.front() == kBlank) locator.remove_prefix(1);
  const std::size_t read = std::min(locator.size(), static_cast<std::size_t>(characters));
  // A fifth character without a sixth is no locator.
  switch (read) {
    case 4: return Decode<2>(locator);
    case 6:
    case 7: return Decode<3>(locator);
    case 8:
    case 9: return Decode<4>(locator);
    case 10:
    case 11: return Decode<5>(locator);
    case 12: return Decode<6>(locator);
    default: return std::nullopt;
  }
}

CellBounds BoundsOf(const LocatorCell& cell) {
  const auto [lat_edge, lat_size] = EdgeAndSize<false>(cell);
  const auto [lon_edge, lon_size] = EdgeAndSize<true>(cell);
  const ArcUnits south = lat_edge - kLatitudeLimit;
  const ArcUnits west = lon_edge - kLongitudeLimit;
  return {{DegreesOf(south), DegreesOf(west)},
          {DegreesOf(south + lat_size), DegreesOf(west + lon_size)}};
}

}  // namespace tessaly
