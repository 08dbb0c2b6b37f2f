// SPDX-License-Identifier: GPL-3.0-or-later
// How a fuzz target reports a broken property: the abort counts as a crash
// to libFuzzer, which keeps the input that caused it for a replay.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tessaly::fuzz {

inline void Require(bool holds, std::string_view property) {
  if (holds) return;
  std::fprintf(stderr, "Property broken: %.*s\n", static_cast<int>(property.size()),
               property.data());
  std::abort();
}

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

}  // namespace tessaly::fuzz
