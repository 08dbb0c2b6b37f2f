// SPDX-License-Identifier: GPL-3.0-or-later
// The encoder, the distance, the headings and the number texts on arbitrary
// numbers, NaN, infinities and huge values included: texts never show "nan",
// "inf" or a negative zero, headings lie in 0 to 360, a distance between
// positions in their usual ranges is finite and at most half a meridian, and
// the encoder gives " Error!" or a locator whose cell holds the position.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "fuzz/fuzz_check.h"
#include "geo/distance.h"
#include "geo/error.h"
#include "geo/locator.h"
#include "geo/number_text.h"
#include "tests/support/shown_number_checks.h"

namespace {

using tessaly::IsUnfitNumberText;
using tessaly::kAndoyerErrorKm;
using tessaly::kLongestShownPathKm;
using tessaly::fuzz::Require;

using Limits = std::numeric_limits<double>;
// Values a random bit pattern almost never hits: the special ones, one that
// rounds to a negative zero, one that rounds up to a full circle, and one
// just beyond the 32-bit range.
// clang-format off
constexpr std::array kSpecialDoubles{
    Limits::quiet_NaN(), Limits::infinity(), -Limits::infinity(), 0.0, -0.0, Limits::max(),
    Limits::lowest(), Limits::denorm_min(), -Limits::denorm_min(), -0.04, 359.95, 90.0, 180.0,
    2147483648.0};
// clang-format on

constexpr double kFullCircleDegrees = 360.0;
// The two ways may round differently; a millimetre is far below the shown 0.1.
constexpr double kSymmetryToleranceKm = 1e-6;

constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kSecondsPerDegree = 60 * kSecondsPerMinute;
// Half a sub-square, in seconds: 5 by 2.5 minutes.
constexpr double kHalfSubSquareLonSeconds = 150.0;
constexpr double kHalfSubSquareLatSeconds = 75.0;

double AnyDouble(FuzzedDataProvider& input) {
  const std::uint8_t choice = input.ConsumeIntegral<std::uint8_t>();
  if (choice < kSpecialDoubles.size()) return kSpecialDoubles[choice];
  if (choice < 128) return input.ConsumeFloatingPointInRange(-400.0, 400.0);
  return std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>());
}

void CheckTexts(double value) {
  for (const auto text_of : {tessaly::OneDecimalText, tessaly::DecimalDegreeText}) {
    try {
      const std::string text = text_of(value);
      Require(std::isfinite(value), "a number that is not finite gets no text");
      Require(text.size() > 1 && text[0] == ' ', "a number text starts with one blank");
      Require(!IsUnfitNumberText(text), "no text shows nan, inf or a negative zero");
    } catch (const tessaly::TessalyError&) {
      Require(!std::isfinite(value), "a finite number always has a text");
    }
  }
}

void CheckHeadings(const tessaly::Headings& headings) {
  for (const double heading : {headings.Forward, headings.Reverse}) {
    Require(heading >= 0.0 && heading <= kFullCircleDegrees, "headings lie in 0 to 360");
    CheckTexts(heading);
  }
}

// Any four numbers: no crash and headings in range, whatever they are.
void CheckArbitraryPositions(FuzzedDataProvider& input) {
  const double lat1 = AnyDouble(input), lon1 = AnyDouble(input);
  const double lat2 = AnyDouble(input), lon2 = AnyDouble(input);
  CheckTexts(tessaly::EllipsoidDistance(lat1, lon1, lat2, lon2));
  CheckHeadings(tessaly::SphereHeadings(lat1, lon1, lat2, lon2));
}

// Positions as the fields give them: latitudes to 90 and longitudes to 180
// degrees, through the window's degree factor.
void CheckUsualPositions(FuzzedDataProvider& input) {
  auto degrees = [&](double max_degrees) {
    return input.ConsumeFloatingPointInRange(-max_degrees, max_degrees);
  };
  const tessaly::SignedPosition from{degrees(90.0), degrees(180.0)};
  const tessaly::SignedPosition to{degrees(90.0), degrees(180.0)};
  const double lat1 = from.Lat * tessaly::kRadiansPerDegree;
  const double lon1 = from.Lon * tessaly::kRadiansPerDegree;
  const double lat2 = to.Lat * tessaly::kRadiansPerDegree;
  const double lon2 = to.Lon * tessaly::kRadiansPerDegree;
  const double km = tessaly::EllipsoidDistance(lat1, lon1, lat2, lon2);
  Require(std::isfinite(km) && km >= 0.0 && km <= kLongestShownPathKm + kAndoyerErrorKm,
          "a distance is finite and at most half a meridian");
  Require(std::abs(km - tessaly::EllipsoidDistance(lat2, lon2, lat1, lon1)) <= kSymmetryToleranceKm,
          "the distance is the same both ways");
  Require(tessaly::EllipsoidDistance(lat1, lon1, lat1, lon1) == 0.0,
          "a position is 0 km from itself");
  CheckTexts(km * tessaly::kMilesPerKilometre);
  const tessaly::Headings headings = tessaly::SphereHeadings(lat1, lon1, lat2, lon2);
  CheckHeadings(headings);
  // The distance command takes both at once, from shared sines and cosines.
  const tessaly::Path path = tessaly::MeasurePath(from, to);
  Require(path.Kilometres == km && path.Directions.Forward == headings.Forward &&
              path.Directions.Reverse == headings.Reverse,
          "the path measured at once is the distance and the headings measured apart");
}

// " " and `characters`: field letters "A" to "R", then digits and letters
// "a" to "x" in turn.
bool IsValidLocatorText(const std::string& text, int characters) {
  auto in = [](char c, char first, char last) { return c >= first && c <= last; };
  if (text.size() != static_cast<std::size_t>(characters) + 1 || text[0] != ' ') return false;
  for (std::size_t i = 1; i < text.size(); ++i) {
    const std::size_t pair = (i - 1) / 2;
    const bool fits = pair == 0 ? in(text[i], 'A', 'R')
                                : (pair % 2 == 1 ? in(text[i], '0', '9') : in(text[i], 'a', 'x'));
    if (!fits) return false;
  }
  return true;
}

// A magnitude in seconds as the encoder reads it: the degrees' sign ignored,
// minutes and seconds carried.
std::int64_t TotalSeconds(std::int32_t degrees, std::int32_t minutes, std::int32_t seconds) {
  return std::abs(static_cast<std::int64_t>(degrees)) * kSecondsPerDegree +
         static_cast<std::int64_t>(minutes) * kSecondsPerMinute + seconds;
}

double SignedSeconds(tessaly::ArcUnits magnitude, bool negative) {
  const double seconds = static_cast<double>(magnitude) / tessaly::kArcUnitsPerSecond;
  return negative ? -seconds : seconds;
}

void CheckEncoder(FuzzedDataProvider& input) {
  std::array<std::int32_t, 8> parts{};
  for (std::int32_t& part : parts) {
    // Mostly field-sized numbers, where the cells are; any 32-bit value too.
    part = input.ConsumeBool() ? input.ConsumeIntegralInRange<std::int32_t>(-10, 200)
                               : input.ConsumeIntegral<std::int32_t>();
  }
  const auto [lat_d, lat_m, lat_s, lat_h, lon_d, lon_m, lon_s, lon_h] = parts;
  const int characters = tessaly::kSquareCharacters + 2 * input.ConsumeIntegralInRange(0, 4);
  const std::string longest = tessaly::LatLonToLocator(lat_d, lat_m, lat_s, lat_h, lon_d, lon_m,
                                                       lon_s, lon_h, tessaly::kMostCharacters);
  const std::string chosen =
      tessaly::LatLonToLocator(lat_d, lat_m, lat_s, lat_h, lon_d, lon_m, lon_s, lon_h, characters);
  Require(chosen == tessaly::kLocatorErrorText || (IsValidLocatorText(chosen, characters) &&
                                                   longest.substr(0, chosen.size()) == chosen),
          "the encoder gives \" Error!\" or a valid locator, the prefix of the longest");
  const std::string text =
      tessaly::LatLonToLocator(lat_d, lat_m, lat_s, lat_h, lon_d, lon_m, lon_s, lon_h);
  Require(text == tessaly::kLocatorErrorText || IsValidLocatorText(text, 6),
          "the encoder gives \" Error!\" or a valid locator");

  const std::int64_t lat = TotalSeconds(lat_d, lat_m, lat_s);
  const std::int64_t lon = TotalSeconds(lon_d, lon_m, lon_s);
  const bool in_range =
      lat >= 0 && lat <= 90 * kSecondsPerDegree && lon >= 0 && lon <= 180 * kSecondsPerDegree;
  Require(in_range == (text != tessaly::kLocatorErrorText),
          "exactly the positions within 90 and 180 degrees get a locator");
  if (!in_range) return;

  const std::optional<tessaly::DecodedLocator> cell = tessaly::LocatorToLatLon(text);
  Require(cell.has_value(), "an encoded locator decodes");
  const bool south = lat_h == 1, west = lon_h == 0;
  const double lat_error =
      SignedSeconds(cell->Lat, cell->LatHemisphere == 1) - static_cast<double>(south ? -lat : lat);
  const double lon_error =
      SignedSeconds(cell->Lon, cell->LonHemisphere == 0) - static_cast<double>(west ? -lon : lon);
  Require(std::abs(lat_error) <= kHalfSubSquareLatSeconds &&
              std::abs(lon_error) <= kHalfSubSquareLonSeconds,
          "the locator's cell holds the position");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  CheckTexts(AnyDouble(input));
  CheckArbitraryPositions(input);
  CheckUsualPositions(input);
  CheckEncoder(input);
  CheckTexts(static_cast<double>(input.ConsumeIntegral<std::int64_t>()));
  Require(!IsUnfitNumberText(tessaly::WholeNumberText(input.ConsumeIntegral<std::int64_t>())),
          "a whole number text shows no nan, inf or negative zero");
  return 0;
}
