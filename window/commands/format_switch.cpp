// SPDX-License-Identifier: GPL-3.0-or-later
// The switch of a location between degrees/minutes/seconds and decimal
// degrees.
#include "geo/number_text.h"
#include "geo/readings.h"
#include "window/tessaly.h"

namespace tessaly {

// An error in the Home switch leaves the Destination as it is.
void TTessaly1::FormDblClick() {
  SwitchFormat(Side::Home);
  SwitchFormat(Side::Destination);
}

// A failed reading ends the switch before the layout changes.
void TTessaly1::SwitchFormat(Side side) {
  Location& location = Record(side);
  location.DecimalFormat = !location.DecimalFormat;
  if (location.DecimalFormat) {
    // The minute and second fields keep their texts while hidden; a text
    // that is not a whole number counts as 0.
    const LocationControls& fields = ControlsOf(side);
    auto read = [this](Control field) { return ReadWholeNumberOr(window_.GetText(field), 0); };
    ShowDecimalDegrees(side,
                       {read(fields.LatDegrees), read(fields.LatMinutes), read(fields.LatSeconds)},
                       {read(fields.LonDegrees), read(fields.LonMinutes), read(fields.LonSeconds)});
  } else {
    ConvertToDms(side);
  }
  ShowFormatLayout(side, location.DecimalFormat);
}

void TTessaly1::ShowDecimalDegrees(Side side, const DmsAngle& lat, const DmsAngle& lon) {
  const LocationControls& fields = ControlsOf(side);
  Location& location = Record(side);
  location.Lat = lat;
  location.LatDegrees = DmsToDegrees(lat);
  window_.SetText(fields.LatDegrees, DecimalDegreeText(location.LatDegrees));
  location.Lon = lon;
  location.LonDegrees = DmsToDegrees(lon);
  window_.SetText(fields.LonDegrees, DecimalDegreeText(location.LonDegrees));
}

void TTessaly1::ConvertToDms(Side side) {
  const LocationControls& fields = ControlsOf(side);
  Location& location = Record(side);
  // Nothing to convert; the layout still follows the flag, so the fields the
  // user needs next are there, as they were.
  if (window_.GetText(fields.LatDegrees).empty() || window_.GetText(fields.LonDegrees).empty()) {
    return;
  }
  // A failed reading leaves the texts and the decimal layout; a latitude read
  // before a failing longitude stays stored.
  location.LatDegrees = ReadDecimal(window_.GetText(fields.LatDegrees));
  location.LonDegrees = ReadDecimal(window_.GetText(fields.LonDegrees));
  // Both splits before any write, so a value beyond the integer range changes
  // no field.
  const DmsAngle lat = SplitDegrees(location.LatDegrees);
  const DmsAngle lon = SplitDegrees(location.LonDegrees);
  location.Lat = lat;
  window_.SetText(fields.LatDegrees, WholeNumberText(lat.Degrees));
  window_.SetText(fields.LatMinutes, WholeNumberText(lat.Minutes));
  window_.SetText(fields.LatSeconds, WholeNumberText(lat.Seconds));
  location.Lon = lon;
  // Degrees before minutes: the check that the Home longitude minutes' change
  // runs must see the new degrees.
  window_.SetText(fields.LonDegrees, WholeNumberText(lon.Degrees));
  window_.SetText(fields.LonMinutes, WholeNumberText(lon.Minutes));
  window_.SetText(fields.LonSeconds, WholeNumberText(lon.Seconds));
}

// Widths of the degree fields, then the minute and second labels and fields
// hidden or shown, labels first. A hidden field that held the focus hands it
// to the field that now shows its coordinate, so the next key typed goes on
// where the user was.
void TTessaly1::ShowFormatLayout(Side side, bool decimal) {
  const LocationControls& fields = ControlsOf(side);
  if (const std::optional<Control> focused = window_.FocusedControl(); decimal && focused) {
    if (*focused == fields.LatMinutes || *focused == fields.LatSeconds) {
      window_.SetFocus(fields.LatDegrees);
    } else if (*focused == fields.LonMinutes || *focused == fields.LonSeconds) {
      window_.SetFocus(fields.LonDegrees);
    }
  }
  window_.SetWidth(fields.LatDegrees, decimal ? kDecimalDegreesWidth : kDmsLatitudeDegreesWidth);
  window_.SetWidth(fields.LonDegrees, decimal ? kDecimalDegreesWidth : kDmsLongitudeDegreesWidth);
  for (Control control : {fields.LatMinutesLabel, fields.LatSecondsLabel, fields.LonMinutesLabel,
                          fields.LonSecondsLabel, fields.LatMinutes, fields.LatSeconds,
                          fields.LonMinutes, fields.LonSeconds}) {
    window_.SetVisible(control, !decimal);
  }
}

void TTessaly1::ApplyFormat(Side side, bool decimal) {
  Record(side).DecimalFormat = !decimal;
  SwitchFormat(side);
}

}  // namespace tessaly
