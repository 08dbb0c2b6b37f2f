// The state of one location, the conversions between degrees/minutes/seconds
// and decimal degrees, and the three ways a field text is read as a number.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tessaly {

// A failed reading or an invalid operation: ends the running handler, and the
// window shows the message.
class TessalyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Shown for arithmetic that has no valid result (a value beyond the 32-bit
// range, a result that is not a finite number).
inline constexpr std::string_view kInvalidFloatingPointOperation =
    "Invalid floating point operation";

inline constexpr std::string_view kLocatorLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// The characters a coordinate field accepts; the first ten are also the
// locator's square digits.
inline constexpr std::string_view kAllowedKeys{"0123456789\b.", 12};

// A magnitude; the hemisphere lives in the radio groups.
struct DmsAngle {
  std::int32_t Degrees = 0;
  std::int32_t Minutes = 0;
  std::int32_t Seconds = 0;
  friend bool operator==(const DmsAngle&, const DmsAngle&) = default;
};

struct Location {
  DmsAngle Lat;
  DmsAngle Lon;
  double LatDegrees = 0.0;
  double LonDegrees = 0.0;
  bool DecimalFormat = false;
};

// Radio group item indexes: -1 (no selection) counts as north and east.
// The hemisphere radio groups' item indexes.
inline constexpr std::int32_t kNorth = 0, kSouth = 1;  // latitude group
inline constexpr std::int32_t kWest = 0, kEast = 1;    // longitude group
inline constexpr std::int32_t kNoSelection = -1;

inline bool IsSouth(int latitude_index) {
  return latitude_index == kSouth;
}
inline bool IsWest(int longitude_index) {
  return longitude_index == kWest;
}

double DmsToDegrees(std::int32_t degrees, std::int32_t minutes, std::int32_t seconds);
inline double DmsToDegrees(const DmsAngle& angle) {
  return DmsToDegrees(angle.Degrees, angle.Minutes, angle.Seconds);
}

// Truncation toward zero; a value outside the 32-bit range (or not a number)
// throws TessalyError(kInvalidFloatingPointOperation).
std::int32_t Truncate(double x);

std::int32_t WholeDegrees(double x);
std::int32_t WholeMinutes(double x);
// Rounded, and never carried: 10.9999 gives 60 seconds.
std::int32_t RoundedSeconds(double x);
DmsAngle SplitDegrees(double x);

// "45", " 38.5000000", "5.", ".", "1e3"; throws
// "'<text>' is not a valid floating point value" for anything else.
double ReadDecimal(std::string_view text);
// " 57", "-3"; throws "'<text>' is not a valid integer value".
std::int32_t ReadWholeNumber(std::string_view text);
// ReadWholeNumber, with `fallback` for a text that is not a whole number.
std::int32_t ReadWholeNumberOr(std::string_view text, std::int32_t fallback);

}  // namespace tessaly
