// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate fields while the user works in them: which typed characters
// they take, the check when the focus leaves one, and what a click clears.
#include <cstddef>
#include <string>
#include <string_view>

#include "geo/readings.h"
#include "window/tessaly.h"

namespace tessaly {

namespace {

// The digits and backspace: accepted in every format ...
constexpr std::size_t kAlwaysAllowedCount = 11;
// ... and "." too while either location shows decimal degrees.
constexpr std::size_t kDecimalAllowedCount = 12;

// Inclusive maxima: the hemisphere is chosen apart, so there is no lower bound.
constexpr double kMaxLatitudeDegrees = 89.0;
constexpr double kMaxLongitudeDegrees = 179.0;
constexpr std::int32_t kMaxMinutesOrSeconds = 59;

// Degree fields may hold decimal degrees; minutes and seconds are whole.
bool ExceedsBound(Control field, const std::string& text) {
  const LocationControls& location = ControlsOf(SideOf(field));
  if (field == location.LatDegrees) return ReadDecimal(text) > kMaxLatitudeDegrees;
  if (field == location.LonDegrees) return ReadDecimal(text) > kMaxLongitudeDegrees;
  return ReadWholeNumber(text) > kMaxMinutesOrSeconds;
}

}  // namespace

// The text already in the field plays no part: a second "." gets in and is
// caught when the field is left.
char TTessaly1::FilterKey(char key) const {
  const bool decimal_shown = Home.DecimalFormat || Destination.DecimalFormat;
  const std::string_view allowed =
      kAllowedKeys.substr(0, decimal_shown ? kDecimalAllowedCount : kAlwaysAllowedCount);
  return allowed.find(key) == std::string_view::npos ? '\0' : key;
}

// A value above the bound is emptied in place; an accepted one keeps the
// text the user typed ("007" stays "007"). A text that is no number throws.
void TTessaly1::CheckCoordinateField(Control field) {
  const std::string text = window_.GetText(field);
  if (text.empty()) return;
  if (ExceedsBound(field, text)) window_.SetText(field, "");
}

// The location's locator and the results no longer match what is being
// typed, so they go together with the clicked value.
void TTessaly1::ClickCoordinateField(Control field) {
  window_.SetText(field, "");
  window_.SetText(ControlsOf(SideOf(field)).Grid, "");
  window_.SetText(Control::Edit15, "");
  window_.SetText(Control::Edit16, "");
}

}  // namespace tessaly
