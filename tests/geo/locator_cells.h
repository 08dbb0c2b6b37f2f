// SPDX-License-Identifier: GPL-3.0-or-later
// Locator cells worked out independently of the encoder, in whole seconds of
// arc, for checking it and the decoder against each other.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly {

inline constexpr std::int64_t kLatitudeLimitSeconds = 90 * 3600;
inline constexpr std::int64_t kLongitudeLimitSeconds = 180 * 3600;

// " " then two field letters A-R, two digits, two sub-square letters a-x.
inline bool IsValidLocatorText(std::string_view text) {
  auto in = [](char c, char first, char last) { return c >= first && c <= last; };
  return text.size() == 7 && text[0] == ' ' && in(text[1], 'A', 'R') && in(text[2], 'A', 'R') &&
         in(text[3], '0', '9') && in(text[4], '0', '9') && in(text[5], 'a', 'x') &&
         in(text[6], 'a', 'x');
}

// The sub-square counted from the south or west edge of the world, each
// 5' of longitude or 2.5' of latitude wide. A point exactly on an edge
// belongs to the cell on the side of its hemisphere.
inline std::int64_t SubSquareFromEdge(std::int64_t magnitude_seconds, bool south_or_west,
                                      std::int64_t limit_seconds, std::int64_t cell_seconds) {
  const std::int64_t from_edge =
      south_or_west ? limit_seconds - magnitude_seconds - 1 : limit_seconds + magnitude_seconds;
  return from_edge / cell_seconds;
}

// The locator of a point given as magnitudes in whole seconds below the
// limits (90 and 180 degrees).
inline std::string ExpectedLocator(std::int64_t lat_seconds, bool south, std::int64_t lon_seconds,
                                   bool west) {
  constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWX";
  constexpr std::int64_t kSubSquaresPerField = 240;
  constexpr std::int64_t kSubSquaresPerSquare = 24;
  const std::int64_t lon = SubSquareFromEdge(lon_seconds, west, kLongitudeLimitSeconds, 300);
  const std::int64_t lat = SubSquareFromEdge(lat_seconds, south, kLatitudeLimitSeconds, 150);
  std::string locator = " ";
  locator += kLetters[lon / kSubSquaresPerField];
  locator += kLetters[lat / kSubSquaresPerField];
  locator += static_cast<char>('0' + lon / kSubSquaresPerSquare % 10);
  locator += static_cast<char>('0' + lat / kSubSquaresPerSquare % 10);
  locator += static_cast<char>('a' + lon % kSubSquaresPerSquare);
  locator += static_cast<char>('a' + lat % kSubSquaresPerSquare);
  return locator;
}

}  // namespace tessaly
