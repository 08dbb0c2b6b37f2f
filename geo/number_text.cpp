// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <system_error>

#include "geo/error.h"
#include "geo/location.h"

namespace tessaly {

namespace {

constexpr int kDegreeDecimals = 7;
constexpr int kDegreeSignificantDigits = 10;

// Every finite double is a binary fraction whose last bit is worth
// 2^(exponent - 53), so that many decimals write it exactly (one decimal
// digit per fractional bit); subnormals stop at 2^-1074.
constexpr int kMantissaBits = 53;
constexpr int kSmallestBitExponent = -1074;
// The 309 whole digits of the largest double, and the point.
constexpr std::size_t kLongestWholePart = 309 + 1;

int ExactDecimals(double magnitude) {
  int exponent = 0;
  std::frexp(magnitude, &exponent);
  return std::clamp(kMantissaBits - exponent, 0, -kSmallestBitExponent);
}

// The digits of `magnitude` (not negative) in fixed notation with `decimals`
// decimals, without the point, and how many of them are whole.
struct FixedDigits {
  FixedDigits(double magnitude, int decimals) {
    std::string text(kLongestWholePart + static_cast<std::size_t>(decimals), '\0');
    const auto written = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                       std::chars_format::fixed, decimals);
    text.resize(static_cast<std::size_t>(written.ptr - text.data()));
    Whole = text.find('.');
    Digits = text.erase(Whole, 1);
  }
  std::string Digits;
  std::size_t Whole = 0;
};

// How many leading digits the text keeps: at most 7 decimals and at most 10
// significant digits. 0 when every digit is zero.
std::size_t KeptDigits(const FixedDigits& fixed) {
  const std::size_t first_nonzero = fixed.Digits.find_first_not_of('0');
  if (first_nonzero == std::string::npos) return 0;
  return std::min(fixed.Whole + kDegreeDecimals, first_nonzero + kDegreeSignificantDigits);
}

void ThrowUnlessFinite(double value) {
  if (!std::isfinite(value)) throw TessalyError(std::string(kInvalidFloatingPointOperation));
}

// Adds one unit at the last digit of `digits`, carrying leftwards; a carry out
// of the first digit becomes a new leading "1".
void IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::string WholeNumberText(std::int64_t value) {
  std::array<char, 24> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return kBlank + std::string(buffer.data(), result.ptr);
}

std::string TwoDigitText(std::int32_t value) {
  if (value >= 0 && value <= 9) return {kBlank, '0', static_cast<char>('0' + value)};
  return WholeNumberText(value);
}

std::string SecondsText(std::int64_t steps, int decimals, bool two_whole_digits) {
  std::string digits = std::to_string(steps < 0 ? -steps : steps);
  const std::size_t least = static_cast<std::size_t>(decimals) + (two_whole_digits ? 2 : 1);
  if (digits.size() < least) digits.insert(0, least - digits.size(), '0');
  if (decimals > 0) digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
  return kBlank + std::string(steps < 0 ? "-" : "") + digits;
}

std::string DecimalDegreeText(double degrees) {
  ThrowUnlessFinite(degrees);
  const double magnitude = std::abs(degrees);
  if (magnitude == 0.0) return " 0.0000000";

  // A half is decided on the double's true value, never on a rounded image
  // of it. At least one decimal more than the text keeps, so that there is a
  // digit to decide by.
  FixedDigits fixed(magnitude, std::max(ExactDecimals(magnitude), kDegreeDecimals + 1));
  const std::size_t kept = KeptDigits(fixed);
  std::string& digits = fixed.Digits;
  std::size_t whole_digits = fixed.Whole;
  if (kept == 0) return " 0.0000000";

  const bool round_up = digits[kept] >= '5';
  digits.resize(kept);
  if (round_up) {
    const std::size_t before = digits.size();
    IncrementDigits(digits);
    whole_digits += digits.size() - before;
  }
  // Digits beyond the significant ones inside the whole part become zeros.
  digits.resize(whole_digits + kDegreeDecimals, '0');

  std::string_view whole = std::string_view(digits).substr(0, whole_digits);
  whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size() - 1));
  const std::string_view fraction = std::string_view(digits).substr(whole_digits);

  const bool rounds_to_zero = digits.find_first_not_of('0') == std::string::npos;
  std::string text(1, kBlank);
  if (degrees < 0 && !rounds_to_zero) text += '-';
  text.append(whole);
  text += '.';
  text.append(fraction);
  return text;
}

// One decimal of a value below this in magnitude is worked out in whole
// tenths, which a 64-bit integer and a double both hold exactly.
constexpr double kLargestTenthsFast = 9e14;

char* WriteOneDecimal(char* at, double value) {
  ThrowUnlessFinite(value);
  constexpr int kOneDecimal = 1;
  if (std::abs(value) < kLargestTenthsFast) {
    // The nearest whole number of tenths, decided on the double's exact
    // value as std::to_chars decides it: x * 10 may round, but its floor is
    // the right candidate or one above a value just below it, and the fused
    // multiply-add gives the exact side of the half. A tie, exact in
    // binary, goes to the even tenth.
    // The floor through a whole number: exact at this size, and without
    // SSE4.1 std::floor is a call.
    const double tenths = value * 10;
    auto whole = static_cast<std::int64_t>(tenths);
    if (static_cast<double>(whole) > tenths) --whole;
    const double beyond_half = std::fma(value, 10.0, -(static_cast<double>(whole) + 0.5));
    if (beyond_half > 0 || (beyond_half == 0 && whole % 2 != 0)) ++whole;
    // Written from the tenth leftwards, then appended at once.
    const bool negative = whole < 0;
    auto magnitude = static_cast<std::uint64_t>(negative ? -whole : whole);
    std::array<char, 24> figure;
    char* start = figure.data() + figure.size();
    *--start = static_cast<char>('0' + magnitude % 10);
    *--start = '.';
    magnitude /= 10;
    // Two digits a step, from a table of "00" to "99".
    static constexpr std::array<char, 200> kDigitPairs = [] {
      std::array<char, 200> pairs{};
      for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
      }
      return pairs;
    }();
    while (magnitude >= 10) {
      const std::size_t pair = 2 * static_cast<std::size_t>(magnitude % 100);
      start -= 2;
      start[0] = kDigitPairs[pair];
      start[1] = kDigitPairs[pair + 1];
      magnitude /= 100;
    }
    if (magnitude != 0 || *start == '.') *--start = static_cast<char>('0' + magnitude);
    if (negative) *--start = '-';
    const auto length = static_cast<std::size_t>(figure.data() + figure.size() - start);
    std::memcpy(at, start, length);
    return at + length;
  }
  return std::to_chars(at, at + kLongestOneDecimal, value, std::chars_format::fixed, kOneDecimal)
      .ptr;
}

void AppendOneDecimal(std::string& text, double value) {
  std::array<char, kLongestOneDecimal> figure;
  text.append(figure.data(), WriteOneDecimal(figure.data(), value));
}

std::string OneDecimalText(double value) {
  std::string text(1, kBlank);
  AppendOneDecimal(text, value);
  return text;
}

char* WriteCompassHeading(char* at, double degrees) {
  char* const end = WriteOneDecimal(at, degrees);
  constexpr std::string_view kFullCircle = "360.0", kNorth = "0.0";
  if (std::string_view(at, static_cast<std::size_t>(end - at)) != kFullCircle) return end;
  return std::copy(kNorth.begin(), kNorth.end(), at);
}

std::string CompassHeadingText(double degrees) {
  std::array<char, kLongestOneDecimal> figure;
  return std::string(figure.data(), WriteCompassHeading(figure.data(), degrees));
}

}  // namespace tessaly
