// SPDX-License-Identifier: GPL-3.0-or-later
// The three readings on any text: each gives a finite number or fails with
// the one error type quoting the whole text, and the number texts the
// commands write read back to the number.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "geo/error.h"
#include "geo/number_text.h"
#include "geo/readings.h"

namespace {

using tessaly::fuzz::Require;

// Neither a likely reading nor a limit, so a fallback cannot pass for one.
constexpr std::int32_t kFallback = -424242;
// DecimalDegreeText keeps at most 10 significant digits and 7 decimals.
constexpr double kDegreeTextAbsoluteError = 0.5e-7;
constexpr double kDegreeTextRelativeError = 0.5e-9;
constexpr double kOneDecimalTextError = 0.05;
constexpr double kDoubleRelativeError = std::numeric_limits<double>::epsilon();

template <typename Reading>
auto ReadOrFail(std::string_view text, std::string_view kind, Reading reading)
    -> std::optional<decltype(reading(text))> {
  try {
    return reading(text);
  } catch (const tessaly::TessalyError& error) {
    const std::string expected =
        "'" + std::string(text) + "' is not a valid " + std::string(kind) + " value";
    Require(error.Message() == expected, "the error message quotes the whole text");
    return std::nullopt;
  }
}

bool Near(double read, double value, double absolute_error, double relative_error) {
  return std::abs(read - value) <= absolute_error + relative_error * std::abs(value);
}

void CheckDecimalTexts(double value) {
  Require(std::isfinite(value), "a decimal reading is finite");
  char shortest[32];
  const auto written = std::to_chars(shortest, shortest + sizeof shortest, value);
  Require(tessaly::ReadDecimal(std::string_view(shortest, written.ptr - shortest)) == value,
          "the shortest text of a number reads back to it exactly");
  const double degrees = tessaly::ReadDecimal(tessaly::DecimalDegreeText(value));
  Require(Near(degrees, value, kDegreeTextAbsoluteError,
               kDegreeTextRelativeError + kDoubleRelativeError),
          "a decimal degree text reads back to its number");
  const double one_decimal = tessaly::ReadDecimal(tessaly::OneDecimalText(value));
  Require(Near(one_decimal, value, kOneDecimalTextError, kDoubleRelativeError),
          "a one-decimal text reads back to its number");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const auto decimal = ReadOrFail(text, "floating point", tessaly::ReadDecimal);
  if (decimal) CheckDecimalTexts(*decimal);

  const auto whole = ReadOrFail(text, "integer", tessaly::ReadWholeNumber);
  Require(tessaly::ReadWholeNumberOr(text, kFallback) == whole.value_or(kFallback),
          "the reading with fallback agrees with the whole-number reading");
  if (!whole) return 0;
  Require(decimal == static_cast<double>(*whole), "a whole number reads as the same decimal");
  Require(tessaly::ReadWholeNumber(tessaly::WholeNumberText(*whole)) == *whole,
          "a whole number text reads back to its number");
  return 0;
}
