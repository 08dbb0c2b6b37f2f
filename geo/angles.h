// SPDX-License-Identifier: GPL-3.0-or-later
// Angles in degrees, minutes and seconds, and the conversions to and from
// decimal degrees. Minutes are truncated and seconds rounded, and nothing
// carries between the parts: 10.9999 degrees splits into 10 59 60.
#pragma once

#include <cstdint>
#include <numbers>

namespace tessaly {

inline constexpr std::int32_t kMinutesPerDegree = 60;
inline constexpr std::int32_t kSecondsPerMinute = 60;
inline constexpr std::int32_t kSecondsPerDegree = kMinutesPerDegree * kSecondsPerMinute;

// A magnitude; the hemisphere lives in the radio groups.
struct DmsAngle {
  std::int32_t Degrees = 0;
  std::int32_t Minutes = 0;  // normally 0 to 59
  std::int32_t Seconds = 0;  // normally 0 to 59; 60 after a split that rounds up
  friend bool operator==(const DmsAngle&, const DmsAngle&) = default;
};

// Degrees + minutes/60 + seconds/3600, the products added left to right.
// Seconds may have decimals (finer locators); whole ones give the same double.
double DmsToDegrees(std::int32_t degrees, std::int32_t minutes, double seconds);
inline double DmsToDegrees(const DmsAngle& angle) {
  return DmsToDegrees(angle.Degrees, angle.Minutes, angle.Seconds);
}

// Truncation toward zero; a value outside the 32-bit range (or not a number)
// throws TessalyError(kInvalidFloatingPointOperation).
std::int32_t Truncate(double x);

// The three parts of x, in decimal degrees; each may throw as Truncate does.
std::int32_t WholeDegrees(double x);
std::int32_t WholeMinutes(double x);
std::int32_t RoundedSeconds(double x);  // rounded half up, never carried
DmsAngle SplitDegrees(double x);
// RoundedSeconds to `decimals` decimals (0 to 2): the seconds of the
// fraction of x, rounded half up, as a whole number of hundredths, tenths or
// seconds (10.9999 gives 5996 hundredths, not carried).
std::int32_t RoundedSecondSteps(double x, int decimals);

// An angle's magnitude, exactly: whole degrees and minutes, seconds with up
// to five decimals and decimal degrees with up to seven are whole numbers of
// these units, so that a point on a locator cell's edge is told exactly.
using ArcUnits = std::int64_t;
inline constexpr ArcUnits kArcUnitsPerSecond = 3'200'000;
inline constexpr ArcUnits kArcUnitsPerMinute = kArcUnitsPerSecond * kSecondsPerMinute;
inline constexpr ArcUnits kArcUnitsPerDegree = kArcUnitsPerSecond * kSecondsPerDegree;
// What no magnitude of a position reaches: the error value of the
// conversions below.
inline constexpr ArcUnits kNoArcUnits = -1;

// The magnitude of degrees (their sign dropped), minutes and seconds; a
// negative minute or second counts back from the degrees (5 -30 0 is 4 30 0),
// as the encoder has always taken them. kNoArcUnits below zero, for a part
// that is not a number, and far beyond a full circle.
ArcUnits ArcUnitsOf(std::int32_t degrees, std::int32_t minutes, double seconds);
// The same for whole seconds, the fields' own, without rounding anything.
ArcUnits ArcUnitsOf(std::int32_t degrees, std::int32_t minutes, std::int32_t seconds);
// Decimal degrees the same way: the whole degrees' magnitude, and the
// fraction as it stands.
ArcUnits ArcUnitsOfDegrees(double degrees);
double DegreesOf(ArcUnits magnitude);

// Degrees to radians and back for geometry: the map's projection, its lines
// and the sun. The distance and headings keep their own factor (distance.h).
constexpr double Radians(double degrees) {
  return degrees * (std::numbers::pi / 180.0);
}
constexpr double Degrees(double radians) {
  return radians * (180.0 / std::numbers::pi);
}

}  // namespace tessaly
