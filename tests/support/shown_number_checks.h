// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets and the random-event test hold every shown number
// to: no text a user could not read as a number, no distance beyond half
// round the earth.
#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace tessaly {

// Half the meridian of the ellipsoid a = 6378.14 km, f = 1/298.257, worked
// out by hand (the longest distance shown), and the
// largest error of Andoyer's approximation, which comes near antipodes.
inline constexpr double kLongestShownPathKm = 20003.94;
inline constexpr double kAndoyerErrorKm = 35.0;

// A number text the window must never show: "nan", "inf" (in any case) or a
// negative zero such as " -0.0", which %.1f-style formatting makes of -0.04.
inline bool IsUnfitNumberText(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos) {
    return true;
  }
  const bool negative = text.find('-') != std::string_view::npos;
  return negative && text.find_first_of("123456789") == std::string_view::npos;
}

}  // namespace tessaly
