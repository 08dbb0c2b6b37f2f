// SPDX-License-Identifier: GPL-3.0-or-later
// The unit the distance is shown in. The factor the distance command
// multiplies kilometres by follows from it; it is never compared itself.
#pragma once

#include <string_view>

#include "geo/distance.h"

namespace tessaly {

enum class DistanceUnit { Miles, Kilometres };

// Kilometres to the unit: 0.6213693 for miles, exactly 1 for kilometres.
constexpr double DistanceFactor(DistanceUnit unit) {
  return unit == DistanceUnit::Kilometres ? kKilometresPerKilometre : kMilesPerKilometre;
}

// As the map's legend and rings name it.
constexpr std::string_view UnitName(DistanceUnit unit) {
  return unit == DistanceUnit::Kilometres ? "km" : "miles";
}

constexpr DistanceUnit OtherUnit(DistanceUnit unit) {
  return unit == DistanceUnit::Kilometres ? DistanceUnit::Miles : DistanceUnit::Kilometres;
}

}  // namespace tessaly
