// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate fields while the user works in them: which typed characters
// they take, and what a click clears. The check when the focus leaves one is
// its panel's.
#include <cstddef>
#include <string_view>

#include "window/tessaly.h"

namespace tessaly {

namespace {

// The characters a coordinate field accepts: the digits and backspace in
// every format ...
constexpr std::string_view kAllowedKeys{"0123456789\b.", 12};
constexpr std::size_t kAlwaysAllowedCount = 11;
// ... and "." too while either location shows decimal degrees.
constexpr std::size_t kDecimalAllowedCount = 12;

}  // namespace

// The text already in the field plays no part: a second "." gets in and is
// caught when the field is left. Seconds with decimals, from 10 locator
// characters on, take "." too.
char TTessaly1::FilterKey(char key) const {
  constexpr int kDecimalSecondsCharacters = 10;
  const bool decimal_shown = home_.DecimalFormat() || destination_.DecimalFormat() ||
                             precision_ >= kDecimalSecondsCharacters;
  const std::string_view allowed =
      kAllowedKeys.substr(0, decimal_shown ? kDecimalAllowedCount : kAlwaysAllowedCount);
  return allowed.find(key) == std::string_view::npos ? '\0' : key;
}

// The location's locator and the results no longer match what is being
// typed, so they go together with the clicked value.
void TTessaly1::ClickCoordinateField(Control field) {
  LocationPanel& panel = Panel(SideOf(field));
  panel.SetField(field, "");
  panel.SetGrid("");
  results_.Clear();
}

}  // namespace tessaly
