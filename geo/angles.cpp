// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/angles.h"

#include <limits>
#include <string>

#include "geo/error.h"

namespace tessaly {

namespace {

constexpr double kDegreesPerMinute = 1.0 / kMinutesPerDegree;
constexpr double kDegreesPerSecond = 1.0 / kSecondsPerDegree;
constexpr double kHalfSecond = 0.5;

}  // namespace

double DmsToDegrees(std::int32_t degrees, std::int32_t minutes, std::int32_t seconds) {
  return degrees + minutes * kDegreesPerMinute + seconds * kDegreesPerSecond;
}

std::int32_t Truncate(double x) {
  // Exactly the doubles whose truncation fits: the open interval between the
  // next integers beyond each end of the 32-bit range. NaN fails both tests.
  constexpr double kBelowRange = static_cast<double>(std::numeric_limits<std::int32_t>::min()) - 1;
  constexpr double kAboveRange = static_cast<double>(std::numeric_limits<std::int32_t>::max()) + 1;
  if (!(x > kBelowRange && x < kAboveRange)) {
    throw TessalyError(std::string(kInvalidFloatingPointOperation));
  }
  return static_cast<std::int32_t>(x);
}

std::int32_t WholeDegrees(double x) {
  return Truncate(x);
}

std::int32_t WholeMinutes(double x) {
  const double minutes = (x - Truncate(x)) * kMinutesPerDegree;
  return Truncate(minutes);
}

std::int32_t RoundedSeconds(double x) {
  const double minutes = (x - Truncate(x)) * kMinutesPerDegree;
  return Truncate((minutes - Truncate(minutes)) * kSecondsPerMinute + kHalfSecond);
}

DmsAngle SplitDegrees(double x) {
  return {WholeDegrees(x), WholeMinutes(x), RoundedSeconds(x)};
}

}  // namespace tessaly
