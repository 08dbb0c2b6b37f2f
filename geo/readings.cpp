// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/readings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "geo/error.h"
#include "geo/location.h"

namespace tessaly {

namespace {

// Beyond any exponent a double can use; keeps the order-of-magnitude sum of an
// absurdly long exponent from overflowing.
constexpr std::int64_t kExponentCap = 1'000'000'000;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && text[pos] == kBlank) ++pos;
  return pos;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos;
}

// The decimal order of magnitude of a mantissa (digits with an optional '.')
// times ten to `exponent`: positive means the value is at least 1. Only its
// sign is used, to tell an overflow from an underflow; the two are orders of
// magnitude apart, so no precision is needed.
std::int64_t DecimalOrder(std::string_view mantissa, std::int64_t exponent) {
  const std::size_t point = mantissa.find('.');
  const std::string_view whole = mantissa.substr(0, point);
  const std::size_t first_nonzero_whole = whole.find_first_not_of('0');
  if (first_nonzero_whole != std::string_view::npos) {
    return static_cast<std::int64_t>(whole.size() - first_nonzero_whole) + exponent;
  }
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : mantissa.substr(point + 1);
  return -static_cast<std::int64_t>(fraction.find_first_not_of('0')) + exponent;
}

std::optional<double> ParseDecimal(std::string_view text) {
  std::size_t pos = SkipBlanks(text, 0);
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const std::size_t mantissa_start = pos;
  pos = SkipDigits(text, pos);
  if (pos < text.size() && text[pos] == '.') pos = SkipDigits(text, pos + 1);
  const std::string_view mantissa = text.substr(mantissa_start, pos - mantissa_start);
  if (mantissa.empty()) return std::nullopt;

  std::int64_t exponent = 0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    bool negative_exponent = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      negative_exponent = text[pos] == '-';
      ++pos;
    }
    const std::size_t exponent_digits = pos;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
      exponent = std::min(exponent * 10 + (text[pos] - '0'), kExponentCap);
    }
    if (pos == exponent_digits) return std::nullopt;
    if (negative_exponent) exponent = -exponent;
  }
  const std::size_t number_end = pos;
  if (SkipBlanks(text, pos) != text.size()) return std::nullopt;

  // "." alone, with or without an exponent, has no digit to convert.
  if (mantissa == ".") return negative ? -0.0 : 0.0;

  // from_chars never consults the locale, so "." is the decimal point even
  // where the user's settings say ",".
  double magnitude = 0.0;
  const char* first = text.data() + mantissa_start;
  const char* last = text.data() + number_end;
  const auto [end, error] = std::from_chars(first, last, magnitude, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    if (DecimalOrder(mantissa, exponent) > 0) return std::nullopt;
    magnitude = 0.0;
  } else if (error != std::errc{} || end != last) {
    return std::nullopt;
  }
  return negative ? -magnitude : magnitude;
}

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
  std::size_t pos = SkipBlanks(text, 0);
  const bool negative = pos < text.size() && text[pos] == '-';
  if (pos < text.size() && (text[pos] == '+' || negative)) ++pos;
  const std::size_t digits = pos;
  if (digits == text.size() || SkipDigits(text, digits) != text.size()) return std::nullopt;

  // Parsed with the sign so that -2147483648 fits.
  const char* first = text.data() + (negative ? digits - 1 : digits);
  const char* last = text.data() + text.size();
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc{} || end != last) return std::nullopt;
  return value;
}

TessalyError NotAValue(std::string_view text, std::string_view kind) {
  std::string message = "'";
  message.append(text);
  message.append("' is not a valid ");
  message.append(kind);
  message.append(" value");
  return TessalyError(message);
}

}  // namespace

double ReadDecimal(std::string_view text) {
  if (const auto value = ParseDecimal(text)) return *value;
  throw NotAValue(text, "floating point");
}

std::optional<double> ReadDecimalOr(std::string_view text) {
  return ParseDecimal(text);
}

std::int32_t ReadWholeNumber(std::string_view text) {
  if (const auto value = ParseWholeNumber(text)) return *value;
  throw NotAValue(text, "integer");
}

std::int32_t ReadWholeNumberOr(std::string_view text, std::int32_t fallback) {
  return ParseWholeNumber(text).value_or(fallback);
}

}  // namespace tessaly
