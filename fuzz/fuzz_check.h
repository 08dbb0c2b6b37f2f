// SPDX-License-Identifier: GPL-3.0-or-later
// How a fuzz target reports a broken property: the abort counts as a crash
// to libFuzzer, which keeps the input that caused it for a replay.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tessaly::fuzz {

inline void Require(bool holds, std::string_view property) {
  if (holds) return;
  std::fprintf(stderr, "Property broken: %.*s\n", static_cast<int>(property.size()),
               property.data());
  std::abort();
}

}  // namespace tessaly::fuzz
