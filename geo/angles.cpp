// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/angles.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "geo/error.h"

namespace tessaly {

namespace {

constexpr double kDegreesPerMinute = 1.0 / kMinutesPerDegree;
constexpr double kDegreesPerSecond = 1.0 / kSecondsPerDegree;
constexpr double kHalfSecond = 0.5;
// Steps of a second with 0, 1 and 2 decimals.
constexpr double kStepsPerSecond[] = {1.0, 10.0, 100.0};

}  // namespace

double DmsToDegrees(std::int32_t degrees, std::int32_t minutes, double seconds) {
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
  return RoundedSecondSteps(x, 0);
}

DmsAngle SplitDegrees(double x) {
  return {WholeDegrees(x), WholeMinutes(x), RoundedSeconds(x)};
}

std::int32_t RoundedSecondSteps(double x, int decimals) {
  const double minutes = (x - Truncate(x)) * kMinutesPerDegree;
  return Truncate((minutes - Truncate(minutes)) * kSecondsPerMinute * kStepsPerSecond[decimals] +
                  kHalfSecond);
}

ArcUnits ArcUnitsOf(std::int32_t degrees, std::int32_t minutes, double seconds) {
  // Whole seconds are exact in 64 bits whatever the parts; beyond this many
  // seconds no part can bring a total back into range.
  constexpr double kFarBeyondSeconds = 1e12;
  if (!(std::abs(seconds) < kFarBeyondSeconds)) return kNoArcUnits;
  const std::int64_t whole = std::abs(static_cast<std::int64_t>(degrees)) * kSecondsPerDegree +
                             static_cast<std::int64_t>(minutes) * kSecondsPerMinute;
  if (whole > kFarBeyondSeconds || whole < -kFarBeyondSeconds) return kNoArcUnits;
  const ArcUnits total = whole * kArcUnitsPerSecond + std::llround(seconds * kArcUnitsPerSecond);
  return total < 0 ? kNoArcUnits : total;
}

ArcUnits ArcUnitsOf(std::int32_t degrees, std::int32_t minutes, std::int32_t seconds) {
  // At most 2^31 * 3600 seconds: no product below overflows.
  const std::int64_t total = std::abs(static_cast<std::int64_t>(degrees)) * kSecondsPerDegree +
                             static_cast<std::int64_t>(minutes) * kSecondsPerMinute + seconds;
  constexpr std::int64_t kFarBeyondSeconds = 1'000'000'000'000;
  if (total < 0 || total > kFarBeyondSeconds) return kNoArcUnits;
  return total * kArcUnitsPerSecond;
}

ArcUnits ArcUnitsOfDegrees(double degrees) {
  constexpr double kFarBeyondDegrees = 1e6;
  if (!(std::abs(degrees) < kFarBeyondDegrees)) return kNoArcUnits;
  const double whole = std::trunc(degrees);
  const ArcUnits total = static_cast<ArcUnits>(std::abs(whole)) * kArcUnitsPerDegree +
                         std::llround((degrees - whole) * kArcUnitsPerDegree);
  return total < 0 ? kNoArcUnits : total;
}

double DegreesOf(ArcUnits magnitude) {
  return static_cast<double>(magnitude) / kArcUnitsPerDegree;
}

}  // namespace tessaly
