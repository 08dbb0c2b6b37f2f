// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/position_argument.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "geo/angles.h"

namespace tessaly {
namespace {

constexpr double kMostLatitude = 90.0, kMostLongitude = 180.0;
constexpr std::string_view kDegreeSign = "\xC2\xB0";  // UTF-8

// A decimal number at the front of `text`, consumed; nothing when none.
// Digits that fit 2^53, over a power of ten a double holds exactly, are
// rounded correctly by one division (Clinger's fast path), at a tenth of
// the cost of std::from_chars, which reads the rest.
std::optional<double> TakeNumber(std::string_view& text) {
  // Signs only in front of the whole coordinate.
  if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
  constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
  constexpr int kMostDigits = 19;  // below 2^64
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  std::uint64_t mantissa = 0;
  std::size_t end = 0;
  const auto take_digits = [&] {
    const std::size_t start = end;
    while (end < text.size() && static_cast<unsigned char>(text[end] - '0') < 10) {
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[end] - '0');
      ++end;
    }
    return static_cast<int>(end - start);
  };
  int digits = take_digits(), decimals = 0;
  if (end < text.size() && text[end] == '.') {
    ++end;
    decimals = take_digits();
    digits += decimals;
  }
  if (digits == 0) return std::nullopt;
  if (digits <= kMostDigits && mantissa < kExactMantissa &&
      decimals < static_cast<int>(std::size(kPowersOfTen))) {
    text.remove_prefix(end);
    return static_cast<double>(mantissa) / kPowersOfTen[decimals];
  }
  double value = 0.0;
  const auto [stop, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc() || stop == text.data() || !std::isfinite(value)) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(stop - text.data()));
  return value;
}

bool TakeAny(std::string_view& text, std::initializer_list<std::string_view> marks) {
  for (const std::string_view mark : marks) {
    if (text.starts_with(mark)) {
      text.remove_prefix(mark.size());
      return true;
    }
  }
  return false;
}

}  // namespace

std::optional<Axis> HemisphereAxis(std::string_view text) {
  if (text.empty()) return std::nullopt;
  switch (text.back()) {
    case 'N':
    case 'n':
    case 'S':
    case 's': return Axis::Latitude;
    case 'E':
    case 'e':
    case 'W':
    case 'w': return Axis::Longitude;
    default: return std::nullopt;
  }
}

std::optional<double> ReadCoordinate(std::string_view text, Axis axis) {
  if (text.empty()) return std::nullopt;
  double sign = 1.0;
  if (text.front() == '-' || text.front() == '+') {
    sign = text.front() == '-' ? -1.0 : 1.0;
    text.remove_prefix(1);
  }
  // The hemisphere letter, if any, ends the text.
  if (const std::optional<Axis> letter_axis = HemisphereAxis(text)) {
    if (*letter_axis != axis || sign < 0) return std::nullopt;
    const char letter = text.back();
    if (letter == 'S' || letter == 's' || letter == 'W' || letter == 'w') sign = -1.0;
    text.remove_suffix(1);
  }
  // Whole degrees and minutes before their marks; the last part may have
  // decimals.
  const std::optional<double> degrees = TakeNumber(text);
  if (!degrees) return std::nullopt;
  double value = *degrees;
  if (!text.empty()) {
    if (!TakeAny(text, {":", "d", "D", kDegreeSign}) || *degrees != std::floor(*degrees)) {
      return std::nullopt;
    }
    const std::optional<double> minutes = TakeNumber(text);
    if (!minutes || *minutes >= kMinutesPerDegree) return std::nullopt;
    value += *minutes / kMinutesPerDegree;
    if (!text.empty()) {
      if (!TakeAny(text, {":", "m", "M", "'"}) || *minutes != std::floor(*minutes)) {
        return std::nullopt;
      }
      if (!text.empty()) {
        const std::optional<double> seconds = TakeNumber(text);
        if (!seconds || *seconds >= kSecondsPerMinute) return std::nullopt;
        value += *seconds / kSecondsPerDegree;
        TakeAny(text, {"s", "S", "\""});
      }
    }
    if (!text.empty()) return std::nullopt;
  }
  if (value > (axis == Axis::Latitude ? kMostLatitude : kMostLongitude)) return std::nullopt;
  return sign * value;
}

std::optional<SignedPosition> ReadPosition(std::string_view first, std::string_view second) {
  if (HemisphereAxis(first) == Axis::Longitude && HemisphereAxis(second) == Axis::Latitude) {
    std::swap(first, second);
  }
  const std::optional<double> lat = ReadCoordinate(first, Axis::Latitude);
  const std::optional<double> lon = ReadCoordinate(second, Axis::Longitude);
  if (!lat || !lon) return std::nullopt;
  return SignedPosition{*lat, *lon};
}

void SplitWords(std::string_view line, std::vector<std::string_view>& words) {
  words.clear();
  // A byte at a time, one look-up each: the standard searches try every
  // separator in turn.
  static constexpr std::array<bool, 256> kSeparators = [] {
    std::array<bool, 256> separators{};
    for (const char c : {' ', '\t', '\r', ','}) separators[static_cast<unsigned char>(c)] = true;
    return separators;
  }();
  const auto separator = [](char c) { return kSeparators[static_cast<unsigned char>(c)]; };
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && separator(line[at])) ++at;
    const std::size_t start = at;
    while (at < line.size() && !separator(line[at])) ++at;
    if (at > start) words.push_back(line.substr(start, at - start));
  }
}

std::optional<DecodedLocator> ReadLocator(std::string_view text) {
  if (!IsLocatorLength(static_cast<int>(text.size()))) return std::nullopt;
  return LocatorToLatLon(text, kMostCharacters);
}

std::string Endpoint::Name() const {
  if (Locator) return LocatorText(Locator->Cell).substr(1);
  std::string name(Latitude);
  return name.append(" ").append(Longitude);
}

std::optional<Endpoint> ReadEndpoint(std::span<const std::string_view>& words) {
  if (words.empty()) return std::nullopt;
  // A locator begins with a letter; a coordinate never does.
  const char first = words.front().front();
  const bool letter = (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z');
  if (letter) {
    if (const std::optional<DecodedLocator> locator = ReadLocator(words.front())) {
      words = words.subspan(1);
      return Endpoint{locator->Centre(), locator, {}, {}};
    }
  }
  if (words.size() < 2) return std::nullopt;
  const std::optional<SignedPosition> position = ReadPosition(words[0], words[1]);
  if (!position) return std::nullopt;
  Endpoint endpoint{*position, std::nullopt, words[0], words[1]};
  words = words.subspan(2);
  return endpoint;
}

}  // namespace tessaly
