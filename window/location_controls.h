// SPDX-License-Identifier: GPL-3.0-or-later
// Which controls show which location: the handlers of both locations are the
// same but for this table.
#pragma once

#include <array>
#include <cstddef>

#include "window/controls.h"

namespace tessaly {

enum class Side { Home, Destination };
inline constexpr std::array<Side, 2> kSides{Side::Home, Side::Destination};

struct LocationControls {
  Control LatDegrees, LatMinutes, LatSeconds;
  Control LonDegrees, LonMinutes, LonSeconds;
  Control LatGroup, LonGroup;  // hemisphere radio groups
  Control Grid;
  Control LatMinutesLabel, LatSecondsLabel, LonMinutesLabel, LonSecondsLabel;
  Control Frame;
  Control CalcGridButton, CalcLatLonButton;
};

inline constexpr LocationControls kHomeControls{
    Control::Edit1,  Control::Edit2,  Control::Edit3,       Control::Edit4,
    Control::Edit5,  Control::Edit6,  Control::RadioGroup1, Control::RadioGroup2,
    Control::Edit7,  Control::Label4, Control::Label5,      Control::Label8,
    Control::Label9, Control::Panel1, Control::Button1,     Control::Button2};

inline constexpr LocationControls kDestinationControls{
    Control::Edit8,   Control::Edit9,   Control::Edit10,      Control::Edit11,
    Control::Edit12,  Control::Edit13,  Control::RadioGroup3, Control::RadioGroup4,
    Control::Edit14,  Control::Label12, Control::Label13,     Control::Label20,
    Control::Label21, Control::Panel2,  Control::Button3,     Control::Button4};

inline const LocationControls& ControlsOf(Side side) {
  return side == Side::Home ? kHomeControls : kDestinationControls;
}

// The location a coordinate or grid field belongs to.
inline Side SideOf(Control field) {
  return field <= Control::Edit7 ? Side::Home : Side::Destination;
}

// Degree, minute, second fields in reading order: latitude, then longitude.
constexpr std::array<Control, 6> CoordinateFields(const LocationControls& c) {
  return {c.LatDegrees, c.LatMinutes, c.LatSeconds, c.LonDegrees, c.LonMinutes, c.LonSeconds};
}

// Both locations' coordinate fields, Home's first.
inline constexpr std::array<Control, 12> kCoordinateFieldsOfBoth = [] {
  std::array<Control, 12> both{};
  const auto home = CoordinateFields(kHomeControls);
  const auto destination = CoordinateFields(kDestinationControls);
  for (std::size_t i = 0; i < home.size(); ++i) {
    both[i] = home[i];
    both[i + home.size()] = destination[i];
  }
  return both;
}();

// The widths of the degree fields in each layout, in pixels.
inline constexpr int kDmsLatitudeDegreesWidth = 25;
inline constexpr int kDmsLongitudeDegreesWidth = 33;
inline constexpr int kDecimalDegreesWidth = 80;

// While the locator has more than 6 characters the grid field spans its row
// and the Calc. Grid button moves below it, beside Calc. Lat/Lon; while the
// seconds show decimals their fields widen.
inline constexpr int kWideGridWidth = 153;
inline constexpr int kCalcGridBelowLeft = 6;
inline constexpr int kCalcGridBelowTop = 184;
inline constexpr int kDecimalSecondsWidth = 38;

}  // namespace tessaly
