// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <utility>

#include "geo/angles.h"
#include "geo/location.h"
#include "geo/locator.h"

namespace tessaly {

namespace {

constexpr std::size_t kSquareLength = 4;
constexpr std::size_t kSubSquareLength = 6;
constexpr std::int32_t kLastFieldIndex = 17;      // "R"
constexpr std::int32_t kLastSubSquareIndex = 23;  // "X"

constexpr std::int32_t kDegreesPerLongitudeField = 20;
constexpr std::int32_t kDegreesPerLatitudeField = 10;
constexpr std::int32_t kDegreesPerLongitudeSquare = 2;
constexpr std::int32_t kMinutesPerLongitudeSubSquare = 5;
constexpr double kMinutesPerLatitudeSubSquare = 2.5;
constexpr double kSubSquaresPerLongitudeMinute = 0.2;
constexpr std::int32_t kLongitudeOffsetDegrees = 180;
constexpr std::int32_t kLatitudeOffsetDegrees = 90;
constexpr std::int32_t kLastMinute = 59;

// The centre lies 2' 30" into a 5' sub-square and 1' 15" into a 2.5' one:
// the whole minutes are stepped here, the seconds follow from the fraction.
constexpr double kEastCentreMinutes = 2.0;
constexpr double kWestCentreMinutes = 3.0;
constexpr double kLatitudeCentreMinutes = 1.0;
constexpr std::int32_t kHalfMinuteSeconds = 30;
constexpr std::int32_t kQuarterMinuteSeconds = 15;
constexpr std::int32_t kThreeQuarterMinuteSeconds = 45;
// A square's centre: 1 degree into its 2-degree column, 30 minutes into its row.
constexpr std::int32_t kHalfDegreeMinutes = 30;

char ToUpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Position in "ABC...Z" of the letter in either case, -1 for anything else.
std::int32_t LetterIndex(char c) {
  const std::size_t found = kLocatorLetters.find(ToUpperAscii(c));
  return found == std::string_view::npos ? -1 : static_cast<std::int32_t>(found);
}

std::int32_t DigitValue(char c) {
  const std::size_t found = kSquareDigits.find(c);
  return found == std::string_view::npos ? -1 : static_cast<std::int32_t>(found);
}

bool HasFraction(double value) {
  return value != Truncate(value);
}

// The cell a text names, or nothing. One leading blank, as the encoder writes
// it, is dropped; after it at most six characters count.
std::optional<LocatorCell> ReadCell(std::string_view text) {
  if (!text.empty() && text.front() == kBlank) text = text.substr(1);
  text = text.substr(0, std::min(text.size(), kSubSquareLength));
  // A fifth character without a sixth is no locator.
  if (text.size() != kSquareLength && text.size() != kSubSquareLength) return std::nullopt;

  LocatorCell cell{LetterIndex(text[0]), LetterIndex(text[1]), DigitValue(text[2]),
                   DigitValue(text[3])};
  if (cell.SquareLon < 0 || cell.SquareLat < 0) return std::nullopt;
  if (cell.FieldLon < 0 || cell.FieldLon > kLastFieldIndex || cell.FieldLat < 0 ||
      cell.FieldLat > kLastFieldIndex) {
    return std::nullopt;
  }
  if (text.size() == kSubSquareLength) {
    cell.SubSquareLon = LetterIndex(text[4]);
    cell.SubSquareLat = LetterIndex(text[5]);
    if (cell.SubSquareLon < 0 || cell.SubSquareLon > kLastSubSquareIndex || cell.SubSquareLat < 0 ||
        cell.SubSquareLat > kLastSubSquareIndex) {
      return std::nullopt;
    }
  }
  return cell;
}

// The signed whole degrees of the west edge of the cell's 1-degree column,
// with its minutes counted from the edge nearer the prime meridian.
std::pair<std::int32_t, double> ColumnEdge(const LocatorCell& cell) {
  std::int32_t lon =
      kDegreesPerLongitudeField * cell.FieldLon + kDegreesPerLongitudeSquare * cell.SquareLon;
  double minutes = kMinutesPerLongitudeSubSquare * cell.SubSquareLon;
  if (minutes > kLastMinute) {
    ++lon;
    minutes -= kMinutesPerDegree;
  }
  lon -= kLongitudeOffsetDegrees;
  if (lon < 0) minutes = kMinutesPerDegree - minutes;
  minutes = kMinutesPerLongitudeSubSquare * Truncate(minutes * kSubSquaresPerLongitudeMinute);
  return {lon, minutes};
}

// The centre's longitude, counted from the prime meridian.
DmsAngle CentreLongitude(const LocatorCell& cell, std::int32_t& hemisphere) {
  const auto [lon, minutes] = ColumnEdge(cell);
  const bool east = lon >= 0;
  hemisphere = east ? kEast : kWest;
  if (cell.IsSquare()) return {east ? lon + 1 : std::abs(lon + 1), 0, 0};
  if (east) return {lon, Truncate(minutes + kEastCentreMinutes), kHalfMinuteSeconds};
  return {std::abs(lon + 1), Truncate(minutes - kWestCentreMinutes), kHalfMinuteSeconds};
}

// The centre's latitude, counted from the equator.
DmsAngle CentreLatitude(const LocatorCell& cell, std::int32_t& hemisphere) {
  const std::int32_t lat =
      kDegreesPerLatitudeField * cell.FieldLat + cell.SquareLat - kLatitudeOffsetDegrees;
  double minutes = kMinutesPerLatitudeSubSquare * cell.SubSquareLat;
  const bool north = lat >= 0;
  hemisphere = north ? kNorth : kSouth;
  const std::int32_t degrees = north ? lat : std::abs(lat + 1);
  if (cell.IsSquare()) return {degrees, kHalfDegreeMinutes, 0};
  if (north) {
    minutes += kLatitudeCentreMinutes;
    return {degrees, Truncate(minutes),
            HasFraction(minutes) ? kThreeQuarterMinuteSeconds : kQuarterMinuteSeconds};
  }
  minutes = kMinutesPerDegree - minutes - kLatitudeCentreMinutes;
  if (!HasFraction(minutes)) minutes -= 1;
  return {degrees, Truncate(minutes),
          HasFraction(minutes) ? kQuarterMinuteSeconds : kThreeQuarterMinuteSeconds};
}

}  // namespace

std::optional<DecodedLocator> LocatorToLatLon(std::string_view locator) {
  const std::optional<LocatorCell> cell = ReadCell(locator);
  if (!cell) return std::nullopt;
  DecodedLocator decoded;
  decoded.Cell = *cell;
  decoded.Lat = CentreLatitude(*cell, decoded.LatHemisphere);
  decoded.Lon = CentreLongitude(*cell, decoded.LonHemisphere);
  return decoded;
}

}  // namespace tessaly
