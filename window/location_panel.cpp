// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/location_panel.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "geo/number_text.h"
#include "geo/readings.h"

namespace tessaly {
namespace {

// Inclusive maxima: the hemisphere is chosen apart, so there is no lower bound.
constexpr double kMaxLatitudeDegrees = 89.0;
constexpr double kMaxLongitudeDegrees = 179.0;
constexpr std::int32_t kMaxMinutesOrSeconds = 59;

// Degrees, minutes and seconds as a decoded locator shows them: seconds
// always with two digits, and a square's whole minutes too (" 41", " 30",
// " 00").
std::array<std::string, 3> DecodedTexts(const DmsAngle& angle, bool square) {
  return {WholeNumberText(angle.Degrees),
          square ? TwoDigitText(angle.Minutes) : WholeNumberText(angle.Minutes),
          TwoDigitText(angle.Seconds)};
}

}  // namespace

LocationPanel::LocationPanel(WindowOperations& window, Side side)
    : window_(window),
      controls_(ControlsOf(side)),
      rechecks_longitude_degrees_(side == Side::Home) {}

std::string LocationPanel::Grid() const {
  return window_.GetText(controls_.Grid);
}

void LocationPanel::SetGrid(const std::string& text) {
  window_.SetText(controls_.Grid, text);
}

bool LocationPanel::HasSomething() const {
  return !window_.GetText(controls_.LatDegrees).empty() || !Grid().empty();
}

bool LocationPanel::AnyCoordinateFieldEmpty() const {
  const auto fields = CoordinateFields(controls_);
  return std::any_of(fields.begin(), fields.end(),
                     [this](Control field) { return window_.GetText(field).empty(); });
}

FieldPosition LocationPanel::Read(const DmsAngle& lat_fallback,
                                  const DmsAngle& lon_fallback) const {
  return record_.DecimalFormat ? ReadDecimalDegrees() : ReadWholeParts(lat_fallback, lon_fallback);
}

FieldPosition LocationPanel::ReadWholeParts(const DmsAngle& lat_fallback,
                                            const DmsAngle& lon_fallback) const {
  auto whole = [this](Control field, std::int32_t fallback) {
    return ReadWholeNumberOr(window_.GetText(field), fallback);
  };
  FieldPosition position;
  position.Lat = {whole(controls_.LatDegrees, lat_fallback.Degrees),
                  whole(controls_.LatMinutes, lat_fallback.Minutes),
                  whole(controls_.LatSeconds, lat_fallback.Seconds)};
  position.Lon = {whole(controls_.LonDegrees, lon_fallback.Degrees),
                  whole(controls_.LonMinutes, lon_fallback.Minutes),
                  whole(controls_.LonSeconds, lon_fallback.Seconds)};
  position.LatDegrees = DmsToDegrees(position.Lat);
  position.LonDegrees = DmsToDegrees(position.Lon);
  ReadHemispheres(position);
  return position;
}

FieldPosition LocationPanel::ReadDecimalDegrees() const {
  FieldPosition position;
  position.LatDegrees = ReadDecimal(window_.GetText(controls_.LatDegrees));
  position.LonDegrees = ReadDecimal(window_.GetText(controls_.LonDegrees));
  // Both splits after both readings: a value beyond the integer range
  // fails only once both are numbers.
  position.Lat = SplitDegrees(position.LatDegrees);
  position.Lon = SplitDegrees(position.LonDegrees);
  ReadHemispheres(position);
  return position;
}

void LocationPanel::ReadHemispheres(FieldPosition& position) const {
  position.LatHemisphere = window_.GetItemIndex(controls_.LatGroup);
  position.LonHemisphere = window_.GetItemIndex(controls_.LonGroup);
}

FieldPosition LocationPanel::ReadAndStore() {
  const FieldPosition position = Read();
  record_.Lat = position.Lat;
  record_.Lon = position.Lon;
  if (record_.DecimalFormat) {
    record_.LatDegrees = position.LatDegrees;
    record_.LonDegrees = position.LonDegrees;
  }
  return position;
}

std::optional<SignedPosition> LocationPanel::ShownPosition() const {
  if (record_.DecimalFormat) {
    const std::optional<double> lat = ReadDecimalOr(window_.GetText(controls_.LatDegrees));
    const std::optional<double> lon = ReadDecimalOr(window_.GetText(controls_.LonDegrees));
    if (!lat || !lon) return std::nullopt;
    return SignedByHemispheres(*lat, *lon, window_.GetItemIndex(controls_.LatGroup),
                               window_.GetItemIndex(controls_.LonGroup));
  }
  return Read().Signed();
}

void LocationPanel::WriteCoordinates(const CoordinateTexts& texts) {
  const auto fields = CoordinateFields(controls_);
  for (std::size_t i = 0; i < fields.size(); ++i) window_.SetText(fields[i], texts[i]);
}

void LocationPanel::ClearCoordinates() {
  WriteCoordinates({});
  SetHemispheres(kNoSelection, kNoSelection);
}

void LocationPanel::SetField(Control field, const std::string& text) {
  window_.SetText(field, text);
}

void LocationPanel::SetHemispheres(int latitude_index, int longitude_index) {
  window_.SetItemIndex(controls_.LatGroup, latitude_index);
  window_.SetItemIndex(controls_.LonGroup, longitude_index);
}

void LocationPanel::ShowDecoded(const std::optional<DecodedLocator>& decoded) {
  // A text that is no locator empties the coordinates and selects "N" and
  // "W": only a decoded south or east selects the second item.
  const DecodedLocator centre = decoded.value_or(DecodedLocator{{}, {}, kNorth, {}, kWest});
  std::array<std::string, 3> lat_texts;
  std::array<std::string, 3> lon_texts;
  if (decoded) {
    lat_texts = DecodedTexts(centre.Lat, centre.Cell.IsSquare());
    lon_texts = DecodedTexts(centre.Lon, centre.Cell.IsSquare());
  }
  // Degrees of both axes first, then minutes, then seconds.
  const auto fields = CoordinateFields(controls_);
  for (std::size_t part = 0; part < lat_texts.size(); ++part) {
    window_.SetText(fields[part], lat_texts[part]);
    window_.SetText(fields[part + lat_texts.size()], lon_texts[part]);
  }
  // In decimal degrees the location shows the new position converted, as if
  // switched to degrees/minutes/seconds and back: the texts just written are
  // exactly these numbers, and the check of a decoded longitude never empties
  // it. Fields emptied for a text that is no locator stay empty.
  if (record_.DecimalFormat) {
    if (decoded) ShowDecimalDegrees(centre.Lat, centre.Lon);
    ShowLayout(true);
  }
  SetHemispheres(centre.LatHemisphere, centre.LonHemisphere);
  SetGrid(decoded ? LocatorText(centre.Cell) : std::string(kLocatorErrorText));
}

void LocationPanel::SwitchFormat() {
  ApplyFormat(!record_.DecimalFormat);
}

// Every text is made before anything changes: a reading that fails leaves
// the flag, the fields and the layout as they were. An empty degree field
// stays empty, either way: an axis with nothing in it has no value to show.
void LocationPanel::ApplyFormat(bool decimal) {
  const std::string lat_degrees = window_.GetText(controls_.LatDegrees);
  const std::string lon_degrees = window_.GetText(controls_.LonDegrees);
  if (decimal) {
    // The minute and second fields keep their texts while hidden; a text
    // that is not a whole number counts as 0.
    const FieldPosition whole = ReadWholeParts({}, {});
    record_.DecimalFormat = true;
    ShowDecimalDegrees(lat_degrees.empty() ? std::nullopt : std::optional(whole.Lat),
                       lon_degrees.empty() ? std::nullopt : std::optional(whole.Lon));
  } else {
    std::optional<DmsAngle> lat, lon;
    if (!lat_degrees.empty()) lat = SplitDegrees(ReadDecimal(lat_degrees));
    if (!lon_degrees.empty()) lon = SplitDegrees(ReadDecimal(lon_degrees));
    record_.DecimalFormat = false;
    // Degrees before minutes: the check the Home longitude minutes' change
    // runs must see the new degrees.
    const auto fields = CoordinateFields(controls_);
    for (const auto& [angle, first] : {std::pair{lat, 0}, std::pair{lon, 3}}) {
      if (!angle) continue;
      window_.SetText(fields[first], WholeNumberText(angle->Degrees));
      window_.SetText(fields[first + 1], WholeNumberText(angle->Minutes));
      window_.SetText(fields[first + 2], WholeNumberText(angle->Seconds));
    }
    if (lat) record_.Lat = *lat;
    if (lon) record_.Lon = *lon;
  }
  ShowLayout(decimal);
}

void LocationPanel::ShowDecimalDegrees(const std::optional<DmsAngle>& lat,
                                       const std::optional<DmsAngle>& lon) {
  if (lat) {
    record_.Lat = *lat;
    record_.LatDegrees = DmsToDegrees(*lat);
    window_.SetText(controls_.LatDegrees, DecimalDegreeText(record_.LatDegrees));
  }
  if (lon) {
    record_.Lon = *lon;
    record_.LonDegrees = DmsToDegrees(*lon);
    window_.SetText(controls_.LonDegrees, DecimalDegreeText(record_.LonDegrees));
  }
}

void LocationPanel::ShowLayout(bool decimal) {
  if (const std::optional<Control> focused = window_.FocusedControl(); decimal && focused) {
    if (*focused == controls_.LatMinutes || *focused == controls_.LatSeconds) {
      window_.SetFocus(controls_.LatDegrees);
    } else if (*focused == controls_.LonMinutes || *focused == controls_.LonSeconds) {
      window_.SetFocus(controls_.LonDegrees);
    }
  }
  window_.SetWidth(controls_.LatDegrees, decimal ? kDecimalDegreesWidth : kDmsLatitudeDegreesWidth);
  window_.SetWidth(controls_.LonDegrees,
                   decimal ? kDecimalDegreesWidth : kDmsLongitudeDegreesWidth);
  // Labels first, then the fields.
  for (Control control :
       {controls_.LatMinutesLabel, controls_.LatSecondsLabel, controls_.LonMinutesLabel,
        controls_.LonSecondsLabel, controls_.LatMinutes, controls_.LatSeconds, controls_.LonMinutes,
        controls_.LonSeconds}) {
    window_.SetVisible(control, !decimal);
  }
}

void LocationPanel::CheckField(Control field) {
  const std::string text = window_.GetText(field);
  if (text.empty()) return;
  // Degree fields may hold decimal degrees; minutes and seconds are whole.
  const bool exceeds = field == controls_.LatDegrees ? ReadDecimal(text) > kMaxLatitudeDegrees
                       : field == controls_.LonDegrees
                           ? ReadDecimal(text) > kMaxLongitudeDegrees
                           : ReadWholeNumber(text) > kMaxMinutesOrSeconds;
  if (exceeds) window_.SetText(field, "");
}

void LocationPanel::OnTextChanged(Control field) {
  if (rechecks_longitude_degrees_ && field == controls_.LonMinutes) {
    CheckField(controls_.LonDegrees);
  }
}

}  // namespace tessaly
