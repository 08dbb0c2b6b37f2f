#include "geo/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>
#include <system_error>

#include "geo/error.h"
#include "geo/location.h"

namespace tessaly {

namespace {

constexpr int kDegreeDecimals = 7;
constexpr int kDegreeSignificantDigits = 10;

// Every finite double is a finite binary fraction; the smallest subnormal needs
// 1074 decimals, so fixed notation with that many is its exact value.
constexpr int kExactFractionDigits = 1074;
// Sign, 309 whole digits of the largest double, point, exact fraction.
constexpr std::size_t kExactTextCapacity = 1 + 309 + 1 + kExactFractionDigits;

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

std::string DecimalDegreeText(double degrees) {
  ThrowUnlessFinite(degrees);
  std::string exact(kExactTextCapacity, '\0');
  const auto written = std::to_chars(exact.data(), exact.data() + exact.size(), std::abs(degrees),
                                     std::chars_format::fixed, kExactFractionDigits);
  exact.resize(static_cast<std::size_t>(written.ptr - exact.data()));

  // Round the exact digit string, so that a half is decided on the double's
  // true value and never on a rounded image of it.
  const std::size_t point = exact.find('.');
  std::string digits = exact.substr(0, point) + exact.substr(point + 1);
  std::size_t whole_digits = point;
  const std::size_t first_nonzero = digits.find_first_not_of('0');
  if (first_nonzero == std::string::npos) return " 0.0000000";

  const std::size_t kept =
      std::min(whole_digits + kDegreeDecimals, first_nonzero + kDegreeSignificantDigits);
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

std::string OneDecimalText(double value) {
  ThrowUnlessFinite(value);
  constexpr int kOneDecimal = 1;
  // 309 whole digits of the largest double, sign, point, one decimal.
  std::array<char, 320> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, kOneDecimal);
  std::string_view number(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  if (number == "-0.0") number.remove_prefix(1);
  return kBlank + std::string(number);
}

}  // namespace tessaly
