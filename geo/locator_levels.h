// SPDX-License-Identifier: GPL-3.0-or-later
// The six pairs of a locator, as the encoder and the decoder count them: each
// pair splits the cell of the pair before it into a grid of its own.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "geo/angles.h"

namespace tessaly::locator_levels {

struct Level {
  ArcUnits LonSize, LatSize;  // of one cell of this pair
  std::int32_t Count;         // cells a side: letters or digits
  char First;                 // the character of index 0 as written
};

inline constexpr std::array<Level, 6> kLevels{{
    {20 * kArcUnitsPerDegree, 10 * kArcUnitsPerDegree, 18, 'A'},  // field
    {2 * kArcUnitsPerDegree, 1 * kArcUnitsPerDegree, 10, '0'},    // square
    {5 * kArcUnitsPerMinute, 150 * kArcUnitsPerSecond, 24, 'a'},  // sub-square, 2.5 minutes
    {30 * kArcUnitsPerSecond, 15 * kArcUnitsPerSecond, 10, '0'},
    {kArcUnitsPerSecond * 5 / 4, kArcUnitsPerSecond * 5 / 8, 24, 'a'},
    {kArcUnitsPerSecond / 8, kArcUnitsPerSecond / 16, 10, '0'},
}};

// Letters in the first, third and fifth pairs, digits between.
inline bool IsLetterPair(std::size_t level) {
  return level % 2 == 0;
}

// The world's extent on each axis, from the south or west edge.
inline constexpr ArcUnits kLatitudeLimit = 90 * kArcUnitsPerDegree;
inline constexpr ArcUnits kLongitudeLimit = 180 * kArcUnitsPerDegree;

}  // namespace tessaly::locator_levels
