// SPDX-License-Identifier: GPL-3.0-or-later
// Where the sun is, for the map's gray line and the legend's sunrise and
// sunset: the equations of NOAA's solar calculator, after Jean Meeus,
// "Astronomical Algorithms" (1991), chapters 24 and 27, good to about a
// minute of time and a hundredth of a degree between 1900 and 2100.
#pragma once

#include <cstdint>
#include <optional>

#include "geo/location.h"

namespace tessaly {

// A moment as seconds since 1970-01-01 00:00:00 UTC (leap seconds ignored,
// as the system clock counts).
using UnixSeconds = std::int64_t;

struct SunAt {
  double Declination = 0.0;     // degrees, north positive
  double EquationOfTime = 0.0;  // minutes: apparent solar time less mean solar time
};
SunAt SunAtMoment(UnixSeconds moment);

// The point where the sun stands in the zenith, decimal degrees.
SignedPosition SubsolarPoint(UnixSeconds moment);

// The sun's altitude above the horizon of `place`, degrees, refraction left
// out: the gray line's night begins at 0, and civil twilight ends at -6.
double SunAltitude(const SignedPosition& place, UnixSeconds moment);

// Sunrise and sunset on the UTC day that holds `day` (the upper limb on the
// horizon, with refraction: the centre 0.833 degrees below it), as moments.
// Nothing for a sunrise or a sunset that the day does not have: polar night
// has no sunrise, polar day no sunset.
struct SunriseSunset {
  std::optional<UnixSeconds> Sunrise;
  std::optional<UnixSeconds> Sunset;
  bool PolarDay = false;    // the sun stays up
  bool PolarNight = false;  // it stays down
};
SunriseSunset SunriseAndSunset(const SignedPosition& place, UnixSeconds day);

}  // namespace tessaly
