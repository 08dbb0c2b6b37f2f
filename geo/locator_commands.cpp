// "Calc. Grid" and "Calc. Lat/Lon" of both locations.
#include "app/tessaly.h"
#include "geo/location.h"
#include "geo/locator.h"

namespace tessaly {

void TTessaly1::Button1Click() {
  CalcGrid(Side::Home);
}
void TTessaly1::Button3Click() {
  CalcGrid(Side::Destination);
}
void TTessaly1::Button2Click() {
  CalcLatLon(Side::Home);
}
void TTessaly1::Button4Click() {
  CalcLatLon(Side::Destination);
}

void TTessaly1::CalcGrid(Side side) {
  const LocationControls& fields = ControlsOf(side);
  Location& location = Record(side);
  if (location.DecimalFormat) {
    // Each reading is stored as soon as it succeeds, so a longitude that is
    // not a number leaves the new latitude behind; the hidden minute and
    // second fields are not read.
    location.LatDegrees = ReadDecimal(window_.GetText(fields.LatDegrees));
    location.LonDegrees = ReadDecimal(window_.GetText(fields.LonDegrees));
    // Both splits before either is stored: a value beyond the integer range
    // leaves Lat and Lon as they were.
    const DmsAngle lat = SplitDegrees(location.LatDegrees);
    const DmsAngle lon = SplitDegrees(location.LonDegrees);
    location.Lat = lat;
    location.Lon = lon;
  } else {
    auto read = [this](Control field) { return ReadWholeNumberOr(window_.GetText(field), 0); };
    location.Lat = {read(fields.LatDegrees), read(fields.LatMinutes), read(fields.LatSeconds)};
    location.Lon = {read(fields.LonDegrees), read(fields.LonMinutes), read(fields.LonSeconds)};
  }
  const int lat_index = window_.GetItemIndex(fields.LatGroup);
  const int lon_index = window_.GetItemIndex(fields.LonGroup);
  window_.SetText(
      fields.Grid,
      LatLonToLocator(location.Lat.Degrees, location.Lat.Minutes, location.Lat.Seconds, lat_index,
                      location.Lon.Degrees, location.Lon.Minutes, location.Lon.Seconds, lon_index));
}

void TTessaly1::CalcLatLon(Side side) {
  const LocationControls& fields = ControlsOf(side);
  const DecodedLocator decoded = LocatorToLatLon(window_.GetText(fields.Grid));
  // Degrees first, then minutes, then seconds: the Home longitude minutes are
  // written after the longitude degrees, so the check their change runs sees
  // the new degrees.
  window_.SetText(fields.LatDegrees, decoded.LatDegrees);
  window_.SetText(fields.LonDegrees, decoded.LonDegrees);
  window_.SetText(fields.LatMinutes, decoded.LatMinutes);
  window_.SetText(fields.LonMinutes, decoded.LonMinutes);
  window_.SetText(fields.LatSeconds, decoded.LatSeconds);
  window_.SetText(fields.LonSeconds, decoded.LonSeconds);
  if (Record(side).DecimalFormat) ApplyFormat(side, true);
  // An invalid locator selects "N" and "W": only a decoded south or east
  // selects the second item.
  window_.SetItemIndex(fields.LatGroup, decoded.LatHemisphere == kSouth ? kSouth : kNorth);
  window_.SetItemIndex(fields.LonGroup, decoded.LonHemisphere == kEast ? kEast : kWest);
  window_.SetText(fields.Grid, decoded.Locator);
}

}  // namespace tessaly
