#include "geo/locator.h"

#include <cstdlib>
#include <optional>

#include "geo/location.h"
#include "geo/number_text.h"

namespace tessaly {

namespace {

constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kSecondsPerDegree = 3600;
constexpr std::int64_t kMaxLatitudeSeconds = 90 * kSecondsPerDegree;
constexpr std::int64_t kMaxLongitudeSeconds = 180 * kSecondsPerDegree;

constexpr std::string_view kSquareDigits = kAllowedKeys.substr(0, 10);

constexpr char kBlank = ' ';
constexpr char kLowerCaseOffset = 'a' - 'A';

char ToLowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + kLowerCaseOffset) : c;
}
char ToUpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - kLowerCaseOffset) : c;
}

// ---- Encoder ----

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
constexpr double kMinutesPerDegree = 60.0;
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

std::string EncodeInRange(const DmsAngle& lat_angle, bool south, const DmsAngle& lon_angle,
                          bool west) {
  double lat = lat_angle.Degrees + kEdgeNudge;
  if (south) lat = -lat;
  double lat_minutes = (lat_angle.Minutes + lat_angle.Seconds / kMinutesPerDegree) + kEdgeNudge;
  double lon = lon_angle.Degrees + kEdgeNudge;
  if (west) lon = -lon;
  double lon_minutes = (lon_angle.Minutes + lon_angle.Seconds / kMinutesPerDegree) + kEdgeNudge;

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

  std::string locator(1, kBlank);
  locator += kLocatorLetters[field_lon];
  locator += kLocatorLetters[field_lat];
  locator += kSquareDigits[square_lon];
  locator += kSquareDigits[square_lat];
  locator += ToLowerAscii(kLocatorLetters[sub_lon]);
  locator += ToLowerAscii(kLocatorLetters[sub_lat]);
  return locator;
}

// ---- Decoder ----

constexpr std::size_t kShortLength = 4;
constexpr std::size_t kFullLength = 6;
constexpr std::int32_t kLastFieldIndex = 17;      // "R"
constexpr std::int32_t kLastSubSquareIndex = 23;  // "X"

constexpr std::int32_t kDegreesPerLongitudeField = 20;
constexpr std::int32_t kDegreesPerLatitudeField = 10;
constexpr std::int32_t kDegreesPerLongitudeSquare = 2;
constexpr std::int32_t kMinutesPerLongitudeSubSquare = 5;
constexpr double kMinutesPerLatitudeSubSquare = 2.5;
constexpr std::int32_t kLongitudeOffsetDegrees = 180;
constexpr std::int32_t kLatitudeOffsetDegrees = 90;
constexpr std::int32_t kLastMinute = 59;
constexpr std::int32_t kMinutesPerDegreeWhole = 60;

// The centre lies 2' 30" into a 5' sub-square and 1' 15" into a 2.5' one; the
// whole minutes are stepped here, the seconds are written as fixed texts.
constexpr double kEastCentreMinutes = 2.0;
constexpr double kWestCentreMinutes = 3.0;
constexpr double kLatitudeCentreMinutes = 1.0;

constexpr std::string_view kHalfMinuteSeconds = " 30";
constexpr std::string_view kQuarterMinuteSeconds = " 15";
constexpr std::string_view kThreeQuarterMinuteSeconds = " 45";
constexpr std::string_view kNoSeconds = " 00";
constexpr std::string_view kNoMinutes = " 00";
constexpr std::string_view kHalfDegreeMinutes = " 30";

std::int32_t LetterIndex(char c) {
  const std::size_t found = kLocatorLetters.find(c);
  return found == std::string_view::npos ? -1 : static_cast<std::int32_t>(found);
}

std::int32_t DigitValue(char c) {
  const std::size_t found = kSquareDigits.find(c);
  return found == std::string_view::npos ? -1 : static_cast<std::int32_t>(found);
}

bool HasFraction(double value) {
  return value != Truncate(value);
}

DecodedLocator Invalid() {
  DecodedLocator decoded;
  decoded.Locator = kLocatorErrorText;
  return decoded;
}

}  // namespace

std::string LatLonToLocator(std::int32_t lat_degrees, std::int32_t lat_minutes,
                            std::int32_t lat_seconds, std::int32_t lat_hemisphere,
                            std::int32_t lon_degrees, std::int32_t lon_minutes,
                            std::int32_t lon_seconds, std::int32_t lon_hemisphere) {
  const auto lat = Normalised(lat_degrees, lat_minutes, lat_seconds, kMaxLatitudeSeconds);
  const auto lon = Normalised(lon_degrees, lon_minutes, lon_seconds, kMaxLongitudeSeconds);
  if (!lat || !lon) return std::string(kLocatorErrorText);
  return EncodeInRange(*lat, IsSouth(lat_hemisphere), *lon, IsWest(lon_hemisphere));
}

DecodedLocator LocatorToLatLon(std::string_view locator) {
  // One leading blank, as the encoder writes it, is dropped with everything
  // after the sixth character that follows it.
  if (!locator.empty() && locator.front() == kBlank) locator = locator.substr(1, kFullLength);

  std::string c;
  for (std::size_t i = 0; i < kFullLength && i < locator.size(); ++i) {
    c += ToUpperAscii(locator[i]);
  }
  const bool is_short = c.size() <= kShortLength;
  if (c.size() < kShortLength) return Invalid();

  const std::int32_t i1 = LetterIndex(c[0]);
  const std::int32_t i2 = LetterIndex(c[1]);
  const std::int32_t i3 = DigitValue(c[2]);
  const std::int32_t i4 = DigitValue(c[3]);
  const std::int32_t i5 = c.size() > 4 ? LetterIndex(c[4]) : -1;
  const std::int32_t i6 = c.size() > 5 ? LetterIndex(c[5]) : -1;
  if (i3 < 0 || i4 < 0) return Invalid();
  if (i1 < 0 || i1 > kLastFieldIndex || i2 < 0 || i2 > kLastFieldIndex) return Invalid();
  if (!is_short && (i5 < 0 || i5 > kLastSubSquareIndex || i6 < 0 || i6 > kLastSubSquareIndex)) {
    return Invalid();
  }

  // The cell: signed whole degrees of the column's west and the row's south
  // edge, and minutes counted from the edge nearer the prime meridian or the
  // equator.
  std::int32_t lon = kDegreesPerLongitudeField * i1 + kDegreesPerLongitudeSquare * i3;
  std::int32_t lat = kDegreesPerLatitudeField * i2 + i4;
  double lon_minutes = kMinutesPerLongitudeSubSquare * i5;
  if (lon_minutes > kLastMinute) {
    ++lon;
    lon_minutes -= kMinutesPerDegreeWhole;
  }
  double lat_minutes = kMinutesPerLatitudeSubSquare * i6;
  lon -= kLongitudeOffsetDegrees;
  if (lon < 0) lon_minutes = kMinutesPerDegreeWhole - lon_minutes;
  lon_minutes =
      kMinutesPerLongitudeSubSquare * Truncate(lon_minutes * kSubSquaresPerLongitudeMinute);
  lat -= kLatitudeOffsetDegrees;
  if (lat < 0) lat_minutes = kMinutesPerDegreeWhole - lat_minutes;

  DecodedLocator decoded;
  if (lon >= 0) {
    decoded.LonDegrees = WholeNumberText(is_short ? lon + 1 : lon);
    decoded.LonMinutes = is_short ? std::string(kNoMinutes)
                                  : WholeNumberText(Truncate(lon_minutes + kEastCentreMinutes));
    decoded.LonHemisphere = kEast;
  } else {
    decoded.LonDegrees = WholeNumberText(std::abs(lon + 1));
    decoded.LonMinutes = is_short ? std::string(kNoMinutes)
                                  : WholeNumberText(Truncate(lon_minutes - kWestCentreMinutes));
    decoded.LonHemisphere = kWest;
  }
  decoded.LonSeconds = is_short ? kNoSeconds : kHalfMinuteSeconds;

  if (lat >= 0) {
    decoded.LatDegrees = WholeNumberText(lat);
    lat_minutes += kLatitudeCentreMinutes;
    decoded.LatSeconds =
        HasFraction(lat_minutes) ? kThreeQuarterMinuteSeconds : kQuarterMinuteSeconds;
    decoded.LatHemisphere = kNorth;
  } else {
    decoded.LatDegrees = WholeNumberText(std::abs(lat + 1));
    lat_minutes -= kLatitudeCentreMinutes;
    if (!HasFraction(lat_minutes)) lat_minutes -= 1;
    decoded.LatSeconds =
        HasFraction(lat_minutes) ? kQuarterMinuteSeconds : kThreeQuarterMinuteSeconds;
    decoded.LatHemisphere = kSouth;
  }
  decoded.LatMinutes = WholeNumberText(Truncate(lat_minutes));
  if (is_short) {
    decoded.LatMinutes = kHalfDegreeMinutes;
    decoded.LatSeconds = kNoSeconds;
  }

  decoded.Locator = kBlank + c.substr(0, kShortLength);
  for (std::size_t i = kShortLength; i < c.size(); ++i) decoded.Locator += ToLowerAscii(c[i]);
  return decoded;
}

}  // namespace tessaly
