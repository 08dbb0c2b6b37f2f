// The switch of a location between degrees/minutes/seconds and decimal
// degrees.
#include "app/tessaly.h"
#include "geo/location.h"
#include "geo/number_text.h"

namespace tessaly {
namespace {

// The minute and second fields keep their texts while hidden; a text that is
// not a whole number counts as 0.
void ConvertToDecimal(WindowOperations& window, const LocationControls& fields,
                      Location& location) {
  auto read = [&window](Control field) { return ReadWholeNumberOr(window.GetText(field), 0); };
  location.Lat = {read(fields.LatDegrees), read(fields.LatMinutes), read(fields.LatSeconds)};
  location.LatDegrees = DmsToDegrees(location.Lat);
  window.SetText(fields.LatDegrees, DecimalDegreeText(location.LatDegrees));
  location.Lon = {read(fields.LonDegrees), read(fields.LonMinutes), read(fields.LonSeconds)};
  location.LonDegrees = DmsToDegrees(location.Lon);
  window.SetText(fields.LonDegrees, DecimalDegreeText(location.LonDegrees));
}

void ConvertToDms(WindowOperations& window, const LocationControls& fields, Location& location) {
  // Nothing to convert; the layout still follows the flag, so the fields the
  // user needs next are there, as they were.
  if (window.GetText(fields.LatDegrees).empty() || window.GetText(fields.LonDegrees).empty()) {
    return;
  }
  // A failed reading leaves the texts and the decimal layout; a latitude read
  // before a failing longitude stays stored.
  location.LatDegrees = ReadDecimal(window.GetText(fields.LatDegrees));
  location.LonDegrees = ReadDecimal(window.GetText(fields.LonDegrees));
  // Both splits before any write, so a value beyond the integer range changes
  // no field.
  const DmsAngle lat = SplitDegrees(location.LatDegrees);
  const DmsAngle lon = SplitDegrees(location.LonDegrees);
  location.Lat = lat;
  window.SetText(fields.LatDegrees, WholeNumberText(lat.Degrees));
  window.SetText(fields.LatMinutes, WholeNumberText(lat.Minutes));
  window.SetText(fields.LatSeconds, WholeNumberText(lat.Seconds));
  location.Lon = lon;
  // Degrees before minutes: the check that the Home longitude minutes' change
  // runs must see the new degrees.
  window.SetText(fields.LonDegrees, WholeNumberText(lon.Degrees));
  window.SetText(fields.LonMinutes, WholeNumberText(lon.Minutes));
  window.SetText(fields.LonSeconds, WholeNumberText(lon.Seconds));
}

}  // namespace

void TTessaly1::Panel1DblClick() {
  SwitchFormat(Side::Home);
}
void TTessaly1::Panel2DblClick() {
  SwitchFormat(Side::Destination);
}

// An error in the Home switch leaves the Destination as it is.
void TTessaly1::FormDblClick() {
  Panel1DblClick();
  Panel2DblClick();
}

// A failed reading ends the switch before the layout changes.
void TTessaly1::SwitchFormat(Side side) {
  Location& location = Record(side);
  location.DecimalFormat = !location.DecimalFormat;
  if (location.DecimalFormat) {
    ConvertToDecimal(window_, ControlsOf(side), location);
  } else {
    ConvertToDms(window_, ControlsOf(side), location);
  }
  ShowFormatLayout(side, location.DecimalFormat);
}

// Widths of the degree fields, then the minute and second labels and fields
// hidden or shown, labels first.
void TTessaly1::ShowFormatLayout(Side side, bool decimal) {
  const LocationControls& fields = ControlsOf(side);
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
