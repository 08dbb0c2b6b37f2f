// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>
#include <optional>

#include "geo/angles.h"
#include "geo/location.h"
#include "geo/locator.h"

namespace tessaly {

namespace {

constexpr std::int64_t kMaxLatitudeSeconds = std::int64_t{90} * kSecondsPerDegree;
constexpr std::int64_t kMaxLongitudeSeconds = std::int64_t{180} * kSecondsPerDegree;

constexpr char kLowerCaseOffset = 'a' - 'A';

char ToLowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + kLowerCaseOffset) : c;
}

// Nudges a point that lies exactly on a cell edge into the cell on the side of
// its hemisphere; also keeps every product clear of a whole number.
constexpr double kEdgeNudge = 0.0001;

constexpr double kLongitudeOffset = 180.0;
constexpr double kLatitudeOffset = 90.0;
constexpr double kFieldsPerLongitudeDegree = 0.05;     // 20-degree fields
constexpr double kFieldsPerLatitudeDegree = 0.1;       // 10-degree fields
constexpr double kSquaresPerLongitudeDegree = 0.5;     // 2-degree squares
constexpr double kSubSquaresPerLongitudeMinute = 0.2;  // 5-minute sub-squares
constexpr double kSubSquaresPerLatitudeMinute = 0.4;   // 2.5-minute sub-squares
constexpr std::int32_t kSquaresPerField = 10;
constexpr std::int32_t kSubSquaresPerLongitudeDegree = 12;

// The magnitude with every part carried into range (10 59 60 is 11 0 0; a
// negative minute counts back from the degrees), or nothing when it is
// negative or beyond `max_seconds`. Exactly the limit becomes the last second
// before it, so 90 degrees north stays in the top row of cells.
std::optional<DmsAngle> Normalised(std::int32_t degrees, std::int32_t minutes, std::int32_t seconds,
                                   std::int64_t max_seconds) {
  std::int64_t total = std::abs(static_cast<std::int64_t>(degrees)) * kSecondsPerDegree +
                       static_cast<std::int64_t>(minutes) * kSecondsPerMinute + seconds;
  if (total < 0 || total > max_seconds) return std::nullopt;
  if (total == max_seconds) --total;
  return DmsAngle{static_cast<std::int32_t>(total / kSecondsPerDegree),
                  static_cast<std::int32_t>(total % kSecondsPerDegree / kSecondsPerMinute),
                  static_cast<std::int32_t>(total % kSecondsPerMinute)};
}

// The minutes of an angle with its seconds as their fraction.
double MinutesWithSeconds(const DmsAngle& angle) {
  return angle.Minutes + angle.Seconds / static_cast<double>(kSecondsPerMinute);
}

LocatorCell EncodeInRange(const DmsAngle& lat_angle, bool south, const DmsAngle& lon_angle,
                          bool west) {
  double lat = lat_angle.Degrees + kEdgeNudge;
  if (south) lat = -lat;
  double lat_minutes = MinutesWithSeconds(lat_angle) + kEdgeNudge;
  double lon = lon_angle.Degrees + kEdgeNudge;
  if (west) lon = -lon;
  double lon_minutes = MinutesWithSeconds(lon_angle) + kEdgeNudge;

  const double x = lon + kLongitudeOffset;
  const double y = lat + kLatitudeOffset;
  const std::int32_t field_lon = Truncate(x * kFieldsPerLongitudeDegree);
  const std::int32_t field_lat = Truncate(y * kFieldsPerLatitudeDegree);
  const std::int32_t square_lon =
      Truncate(x * kSquaresPerLongitudeDegree) - kSquaresPerField * field_lon;
  const std::int32_t square_lat = Truncate(y) - kSquaresPerField * field_lat;

  // The given minutes count away from the prime meridian and the equator;
  // the sub-square counts from the west and south edges of the degree.
  if (west) lon_minutes = kMinutesPerDegree - lon_minutes;
  if (south) lat_minutes = kMinutesPerDegree - lat_minutes;
  // 1 in the eastern degree column of a 2-degree square, 0 in the western.
  const std::int32_t column_in_square = Truncate(x - 2 * Truncate(x * kSquaresPerLongitudeDegree));
  const std::int32_t sub_lon = Truncate(lon_minutes * kSubSquaresPerLongitudeMinute) +
                               kSubSquaresPerLongitudeDegree * column_in_square;
  const std::int32_t sub_lat = Truncate(lat_minutes * kSubSquaresPerLatitudeMinute);

  return {field_lon, field_lat, square_lon, square_lat, sub_lon, sub_lat};
}

}  // namespace

std::string LocatorText(const LocatorCell& cell) {
  std::string text(1, kBlank);
  text += kLocatorLetters[cell.FieldLon];
  text += kLocatorLetters[cell.FieldLat];
  text += kSquareDigits[cell.SquareLon];
  text += kSquareDigits[cell.SquareLat];
  if (!cell.IsSquare()) {
    text += ToLowerAscii(kLocatorLetters[cell.SubSquareLon]);
    text += ToLowerAscii(kLocatorLetters[cell.SubSquareLat]);
  }
  return text;
}

std::string LatLonToLocator(std::int32_t lat_degrees, std::int32_t lat_minutes,
                            std::int32_t lat_seconds, std::int32_t lat_hemisphere,
                            std::int32_t lon_degrees, std::int32_t lon_minutes,
                            std::int32_t lon_seconds, std::int32_t lon_hemisphere) {
  const auto lat = Normalised(lat_degrees, lat_minutes, lat_seconds, kMaxLatitudeSeconds);
  const auto lon = Normalised(lon_degrees, lon_minutes, lon_seconds, kMaxLongitudeSeconds);
  if (!lat || !lon) return std::string(kLocatorErrorText);
  return LocatorText(EncodeInRange(*lat, IsSouth(lat_hemisphere), *lon, IsWest(lon_hemisphere)));
}

}  // namespace tessaly
