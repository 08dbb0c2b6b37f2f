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
double DmsToDegrees(std::int32_t degrees, std::int32_t minutes, std::int32_t seconds);
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

// Degrees to radians and back for geometry: the map's projection, its lines
// and the sun. The distance and headings keep their own factor (distance.h).
constexpr double Radians(double degrees) {
  return degrees * (std::numbers::pi / 180.0);
}
constexpr double Degrees(double radians) {
  return radians * (180.0 / std::numbers::pi);
}

}  // namespace tessaly
