// SPDX-License-Identifier: GPL-3.0-or-later
// "Calc. Grid" and "Calc. Lat/Lon" of either location.
#include <array>
#include <optional>
#include <string>

#include "geo/locator.h"
#include "geo/number_text.h"
#include "geo/readings.h"
#include "window/tessaly.h"

namespace tessaly {

namespace {

// Degrees, minutes and seconds as a decoded locator shows them: seconds
// always with two digits, and a square's whole minutes too (" 41", " 30",
// " 00").
std::array<std::string, 3> DecodedTexts(const DmsAngle& angle, bool square) {
  return {WholeNumberText(angle.Degrees),
          square ? TwoDigitText(angle.Minutes) : WholeNumberText(angle.Minutes),
          TwoDigitText(angle.Seconds)};
}

}  // namespace

SignedPosition TTessaly1::CalcGrid(Side side) {
  const LocationControls& fields = ControlsOf(side);
  Location& location = Record(side);
  SignedPosition position;
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
    position = {location.LatDegrees, location.LonDegrees};
  } else {
    auto read = [this](Control field) { return ReadWholeNumberOr(window_.GetText(field), 0); };
    location.Lat = {read(fields.LatDegrees), read(fields.LatMinutes), read(fields.LatSeconds)};
    location.Lon = {read(fields.LonDegrees), read(fields.LonMinutes), read(fields.LonSeconds)};
    position = {DmsToDegrees(location.Lat), DmsToDegrees(location.Lon)};
  }
  const int lat_index = window_.GetItemIndex(fields.LatGroup);
  const int lon_index = window_.GetItemIndex(fields.LonGroup);
  window_.SetText(
      fields.Grid,
      LatLonToLocator(location.Lat.Degrees, location.Lat.Minutes, location.Lat.Seconds, lat_index,
                      location.Lon.Degrees, location.Lon.Minutes, location.Lon.Seconds, lon_index));
  // The hemisphere flips whatever the field gave, its sign included.
  if (IsSouth(lat_index)) position.Lat = -position.Lat;
  if (IsWest(lon_index)) position.Lon = -position.Lon;
  return position;
}

bool TTessaly1::CalcLatLon(Side side) {
  const LocationControls& fields = ControlsOf(side);
  // A text that is no locator empties the coordinates and selects "N" and
  // "W": only a decoded south or east selects the second item.
  const std::optional<DecodedLocator> decoded = LocatorToLatLon(window_.GetText(fields.Grid));
  const DecodedLocator centre = decoded.value_or(DecodedLocator{{}, {}, kNorth, {}, kWest});
  std::array<std::string, 3> lat_texts;
  std::array<std::string, 3> lon_texts;
  if (decoded) {
    lat_texts = DecodedTexts(centre.Lat, centre.Cell.IsSquare());
    lon_texts = DecodedTexts(centre.Lon, centre.Cell.IsSquare());
  }
  // Degrees first, then minutes, then seconds: the Home longitude minutes are
  // written after the longitude degrees, so the check their change runs sees
  // the new degrees.
  const std::array<Control, 6> coordinates = CoordinateFields(fields);
  for (std::size_t part = 0; part < lat_texts.size(); ++part) {
    window_.SetText(coordinates[part], lat_texts[part]);
    window_.SetText(coordinates[part + lat_texts.size()], lon_texts[part]);
  }
  // In decimal degrees the location shows the new position converted, as if
  // switched to degrees/minutes/seconds and back: the texts just written are
  // exactly these numbers (empty ones 0), and the check of a decoded
  // longitude never empties it.
  if (Record(side).DecimalFormat) {
    ShowDecimalDegrees(side, centre.Lat, centre.Lon);
    ShowFormatLayout(side, true);
  }
  window_.SetItemIndex(fields.LatGroup, centre.LatHemisphere);
  window_.SetItemIndex(fields.LonGroup, centre.LonHemisphere);
  window_.SetText(fields.Grid, decoded ? LocatorText(centre.Cell) : std::string(kLocatorErrorText));
  return decoded.has_value();
}

}  // namespace tessaly
