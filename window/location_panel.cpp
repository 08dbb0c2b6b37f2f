// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/location_panel.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "geo/number_text.h"
#include "geo/readings.h"
#include "window/layout.h"

namespace tessaly {
namespace {

// Inclusive maxima: the hemisphere is chosen apart, so there is no lower bound.
constexpr double kMaxLatitudeDegrees = 89.0;
constexpr double kMaxLongitudeDegrees = 179.0;
constexpr std::int32_t kMaxMinutesOrSeconds = 59;
// Seconds with decimals must stay below a whole minute.
constexpr double kSecondsPerMinuteLimit = 60.0;

// Steps of a second with 0, 1 and 2 decimals.
constexpr std::int64_t kStepsPerSecond[] = {1, 10, 100};

// Degrees, minutes and seconds of a decoded centre as the fields show them:
// seconds with two whole digits (and the precision's decimals, rounded half
// up), a square's whole minutes with two digits too (" 41", " 30", " 00").
std::array<std::string, 3> DecodedTexts(ArcUnits centre, bool square, int decimals) {
  const ArcUnits step = kArcUnitsPerSecond / kStepsPerSecond[decimals];
  const ArcUnits steps = (centre + step / 2) / step;  // the centre never rounds up a minute
  const std::int64_t steps_per_minute = kSecondsPerMinute * kStepsPerSecond[decimals];
  const auto minutes = static_cast<std::int32_t>(steps / steps_per_minute % kMinutesPerDegree);
  const auto degrees = static_cast<std::int32_t>(steps / steps_per_minute / kMinutesPerDegree);
  return {WholeNumberText(degrees), square ? TwoDigitText(minutes) : WholeNumberText(minutes),
          SecondsText(steps % steps_per_minute, decimals, true)};
}

}  // namespace

LocationPanel::LocationPanel(WindowOperations& window, Side side)
    : window_(window),
      controls_(ControlsOf(side)),
      rechecks_longitude_degrees_(side == Side::Home) {}

void LocationPanel::SetCharacters(int characters) {
  characters_ = characters;
  const bool wide = characters > kDefaultCharacters;
  const ControlLayout& grid = LayoutOf(controls_.Grid);
  const ControlLayout& calc_grid = LayoutOf(controls_.CalcGridButton);
  window_.SetWidth(controls_.Grid, wide ? kWideGridWidth : grid.Width);
  window_.SetPosition(controls_.CalcGridButton, wide ? kCalcGridBelowLeft : calc_grid.Left,
                      wide ? kCalcGridBelowTop : calc_grid.Top);
  for (Control seconds : {controls_.LatSeconds, controls_.LonSeconds}) {
    window_.SetWidth(seconds,
                     SecondDecimals() > 0 ? kDecimalSecondsWidth : LayoutOf(seconds).Width);
  }
}

int LocationPanel::SecondDecimals() const {
  return SecondDecimalsFor(characters_);
}

std::string LocationPanel::Grid() const {
  return window_.GetText(controls_.Grid);
}

void LocationPanel::SetGrid(const std::string& text) {
  window_.SetText(controls_.Grid, text);
}

bool LocationPanel::HasSomething() const {
  return !window_.GetText(controls_.LatDegrees).empty() || !Grid().empty();
}

bool LocationPanel::HasPosition() const {
  return !window_.GetText(controls_.LatDegrees).empty() &&
         !window_.GetText(controls_.LonDegrees).empty();
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
  // Seconds with decimals, where the precision shows them; whole ones are
  // read exactly as whole numbers.
  auto seconds = [&](Control field, std::int32_t fallback) -> double {
    if (SecondDecimals() == 0) return whole(field, fallback);
    return ReadDecimalOr(window_.GetText(field)).value_or(fallback);
  };
  FieldPosition position;
  const double lat_seconds = seconds(controls_.LatSeconds, lat_fallback.Seconds);
  const double lon_seconds = seconds(controls_.LonSeconds, lon_fallback.Seconds);
  position.Lat = {whole(controls_.LatDegrees, lat_fallback.Degrees),
                  whole(controls_.LatMinutes, lat_fallback.Minutes), 0};
  position.Lon = {whole(controls_.LonDegrees, lon_fallback.Degrees),
                  whole(controls_.LonMinutes, lon_fallback.Minutes), 0};
  position.LatDegrees = DmsToDegrees(position.Lat.Degrees, position.Lat.Minutes, lat_seconds);
  position.LonDegrees = DmsToDegrees(position.Lon.Degrees, position.Lon.Minutes, lon_seconds);
  position.LatArc = ArcUnitsOf(position.Lat.Degrees, position.Lat.Minutes, lat_seconds);
  position.LonArc = ArcUnitsOf(position.Lon.Degrees, position.Lon.Minutes, lon_seconds);
  // The home file keeps whole seconds: decimals are rounded half up.
  position.Lat.Seconds = Truncate(lat_seconds + 0.5 * (lat_seconds >= 0 ? 1 : -1));
  position.Lon.Seconds = Truncate(lon_seconds + 0.5 * (lon_seconds >= 0 ? 1 : -1));
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
  position.LatArc = ArcUnitsOfDegrees(position.LatDegrees);
  position.LonArc = ArcUnitsOfDegrees(position.LonDegrees);
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

void LocationPanel::ShowLocatorOf(const FieldPosition& position) {
  // At 6 characters from the whole seconds, as the window always has; from
  // 8 on from the position exactly, decimal degrees or seconds' decimals.
  if (characters_ == kDefaultCharacters) {
    SetGrid(LatLonToLocator(position.Lat.Degrees, position.Lat.Minutes, position.Lat.Seconds,
                            position.LatHemisphere, position.Lon.Degrees, position.Lon.Minutes,
                            position.Lon.Seconds, position.LonHemisphere));
    return;
  }
  const std::optional<LocatorCell> cell =
      CellOf(position.LatArc, IsSouth(position.LatHemisphere), position.LonArc,
             IsWest(position.LonHemisphere), characters_);
  SetGrid(cell ? LocatorText(*cell) : std::string(kLocatorErrorText));
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
  std::array<std::string, 3> lat_texts;
  std::array<std::string, 3> lon_texts;
  if (decoded) {
    lat_texts = DecodedTexts(decoded->Lat, decoded->Cell.IsSquare(), SecondDecimals());
    lon_texts = DecodedTexts(decoded->Lon, decoded->Cell.IsSquare(), SecondDecimals());
  }
  // Degrees of both axes first, then minutes, then seconds.
  const auto fields = CoordinateFields(controls_);
  for (std::size_t part = 0; part < lat_texts.size(); ++part) {
    window_.SetText(fields[part], lat_texts[part]);
    window_.SetText(fields[part + lat_texts.size()], lon_texts[part]);
  }
  // In decimal degrees the location shows the centre, exactly as its
  // degrees, minutes and seconds give it up to 6 characters (as if switched
  // there and back), and the check of a decoded longitude never empties it.
  // Fields emptied for a text that is no locator stay empty.
  if (record_.DecimalFormat) {
    if (decoded) ShowDecimalDegrees(DegreesOf(decoded->Lat), DegreesOf(decoded->Lon));
    ShowLayout(true);
  }
  SetHemispheres(decoded ? decoded->LatHemisphere : kNorth,
                 decoded ? decoded->LonHemisphere : kWest);
  SetGrid(decoded ? LocatorText(decoded->Cell) : std::string(kLocatorErrorText));
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
    ShowDecimalDegrees(lat_degrees.empty() ? std::nullopt : std::optional(whole.LatDegrees),
                       lon_degrees.empty() ? std::nullopt : std::optional(whole.LonDegrees));
  } else {
    // Seconds rounded to the precision's decimals, and not carried.
    struct Parts {
      std::int32_t Degrees, Minutes, SecondSteps;
    };
    auto split = [this](const std::string& text) {
      const double degrees = ReadDecimal(text);
      return Parts{WholeDegrees(degrees), WholeMinutes(degrees),
                   RoundedSecondSteps(degrees, SecondDecimals())};
    };
    std::optional<Parts> lat, lon;
    if (!lat_degrees.empty()) lat = split(lat_degrees);
    if (!lon_degrees.empty()) lon = split(lon_degrees);
    record_.DecimalFormat = false;
    // Degrees before minutes: the check the Home longitude minutes' change
    // runs must see the new degrees.
    const auto fields = CoordinateFields(controls_);
    for (const auto& [parts, first] : {std::pair{lat, 0}, std::pair{lon, 3}}) {
      if (!parts) continue;
      window_.SetText(fields[first], WholeNumberText(parts->Degrees));
      window_.SetText(fields[first + 1], WholeNumberText(parts->Minutes));
      window_.SetText(fields[first + 2], SecondsText(parts->SecondSteps, SecondDecimals(), false));
    }
  }
  ShowLayout(decimal);
}

void LocationPanel::ShowDecimalDegrees(std::optional<double> lat, std::optional<double> lon) {
  if (lat) {
    record_.LatDegrees = *lat;
    window_.SetText(controls_.LatDegrees, DecimalDegreeText(*lat));
  }
  if (lon) {
    record_.LonDegrees = *lon;
    window_.SetText(controls_.LonDegrees, DecimalDegreeText(*lon));
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
  // Degree fields may hold decimal degrees, and seconds their decimals where
  // the precision shows them; minutes are whole.
  const bool decimal_seconds =
      SecondDecimals() > 0 && (field == controls_.LatSeconds || field == controls_.LonSeconds);
  const bool exceeds = field == controls_.LatDegrees   ? ReadDecimal(text) > kMaxLatitudeDegrees
                       : field == controls_.LonDegrees ? ReadDecimal(text) > kMaxLongitudeDegrees
                       : decimal_seconds               ? ReadDecimal(text) >= kSecondsPerMinuteLimit
                                         : ReadWholeNumber(text) > kMaxMinutesOrSeconds;
  if (exceeds) window_.SetText(field, "");
}

void LocationPanel::OnTextChanged(Control field) {
  if (rechecks_longitude_degrees_ && field == controls_.LonMinutes) {
    CheckField(controls_.LonDegrees);
  }
}

}  // namespace tessaly
