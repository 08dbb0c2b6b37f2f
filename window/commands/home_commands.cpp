// SPDX-License-Identifier: GPL-3.0-or-later
// The window's handlers for the home file: its path at creation, the recall
// at first show, "Save Home " and "Recall Home".
#include <algorithm>
#include <array>
#include <string>

#include "geo/distance.h"
#include "geo/error.h"
#include "geo/number_text.h"
#include "geo/readings.h"
#include "home/home_file.h"
#include "window/tessaly.h"

namespace tessaly {

namespace {

// The Home location of a first start, and the fallbacks of a save from
// degrees/minutes/seconds fields that are not whole numbers.
constexpr std::array<std::string_view, 6> kDefaultHomeTexts{" 38", " 00", " 54",
                                                            " 78", " 38", " 15"};
constexpr DmsAngle kDefaultHomeLatitude{38, 0, 54};
constexpr DmsAngle kDefaultHomeLongitude{78, 38, 15};
constexpr std::int32_t kFlagSet = 1;

// Seconds, then minutes, then degrees: of several unreadable texts the
// seconds are reported. The leading blank of a recalled text is skipped.
double RecalledDegrees(const std::array<std::string, 3>& texts) {
  const std::int32_t seconds = ReadWholeNumber(texts[2]);
  const std::int32_t minutes = ReadWholeNumber(texts[1]);
  return DmsToDegrees(ReadWholeNumber(texts[0]), minutes, seconds);
}

// A recalled line as a field shows it: behind one blank, unread.
std::array<std::string, 3> FieldTexts(const std::array<std::string, 3>& lines) {
  return {kBlank + lines[0], kBlank + lines[1], kBlank + lines[2]};
}

}  // namespace

void TTessaly1::FormCreate() {
  DistanceFactor = kMilesPerKilometre;
  HomeFilePath = HomeFilePathIn(home_directory_);
}

// An error in the recall leaves the focus and the Home locator alone.
void TTessaly1::FormShow() {
  RecallHome1Click();
  window_.SetFocus(Control::Edit14);
  CalcGrid(Side::Home);
}

void TTessaly1::SaveHome1Click() {
  const LocationControls& home = kHomeControls;
  const std::array<Control, 6> fields = CoordinateFields(home);
  const bool field_empty = std::any_of(fields.begin(), fields.end(), [this](Control field) {
    return window_.GetText(field).empty();
  });
  // A missing value is taken from the locator rather than from the defaults.
  if (field_empty && !window_.GetText(home.Grid).empty()) CalcLatLon(Side::Home);

  DmsAngle lat;
  DmsAngle lon;
  if (Home.DecimalFormat) {
    lat = SplitDegrees(ReadDecimal(window_.GetText(home.LatDegrees)));
    lon = SplitDegrees(ReadDecimal(window_.GetText(home.LonDegrees)));
  } else {
    auto whole = [this](Control field, std::int32_t fallback) {
      return ReadWholeNumberOr(window_.GetText(field), fallback);
    };
    lat = {whole(home.LatDegrees, kDefaultHomeLatitude.Degrees),
           whole(home.LatMinutes, kDefaultHomeLatitude.Minutes),
           whole(home.LatSeconds, kDefaultHomeLatitude.Seconds)};
    lon = {whole(home.LonDegrees, kDefaultHomeLongitude.Degrees),
           whole(home.LonMinutes, kDefaultHomeLongitude.Minutes),
           whole(home.LonSeconds, kDefaultHomeLongitude.Seconds)};
  }
  HomeFileValues values;
  values.LatDegrees = lat.Degrees;
  values.LatMinutes = lat.Minutes;
  values.LatSeconds = lat.Seconds;
  values.LonDegrees = lon.Degrees;
  values.LonMinutes = lon.Minutes;
  values.LonSeconds = lon.Seconds;
  // No selection is north and east everywhere else, so it is saved that way.
  values.LatHemisphere = IsSouth(window_.GetItemIndex(home.LatGroup)) ? kSouth : kNorth;
  values.LonHemisphere = IsWest(window_.GetItemIndex(home.LonGroup)) ? kWest : kEast;
  values.Format = Home.DecimalFormat && Destination.DecimalFormat ? kFlagSet : 0;
  values.Unit = DistanceFactor != kKilometresPerKilometre ? kFlagSet : 0;

  SaveHomeFile(HomeFilePath, HomeFileText(values));
}

void TTessaly1::RecallHome1Click() {
  if (const std::optional<std::string> contents = LoadHomeFile(HomeFilePath)) {
    RecallHome(ParseHomeFile(*contents));
  } else {
    RecallDefaultHome();
  }
  // The old headings and distance no longer apply.
  window_.SetText(Control::Edit15, "");
  window_.SetText(Control::Edit16, "");
}

void TTessaly1::RecallHome(const RecalledHome& recalled) {
  const LocationControls& home = kHomeControls;
  const bool destination_was_decimal = Destination.DecimalFormat;
  window_.SetItemIndex(home.LatGroup, recalled.LatHemisphere);
  window_.SetItemIndex(home.LonGroup, recalled.LonHemisphere);
  Home.DecimalFormat = recalled.DecimalFormat;
  Destination.DecimalFormat = recalled.DecimalFormat;
  SetDistanceUnit(recalled.Miles ? kMilesPerKilometre : kKilometresPerKilometre);

  const std::array<std::string, 3> lat_texts = FieldTexts(recalled.Latitude);
  const std::array<std::string, 3> lon_texts = FieldTexts(recalled.Longitude);
  if (recalled.DecimalFormat) {
    // Only the degree fields are written; the hidden ones keep their texts.
    window_.SetText(home.LatDegrees, DecimalDegreeText(RecalledDegrees(lat_texts)));
    window_.SetText(home.LonDegrees, DecimalDegreeText(RecalledDegrees(lon_texts)));
  } else {
    // Put in unread; the change of Edit5 checks Edit4 as typing would.
    const std::array<Control, 6> fields = CoordinateFields(home);
    for (std::size_t part = 0; part < lat_texts.size(); ++part) {
      window_.SetText(fields[part], lat_texts[part]);
    }
    for (std::size_t part = 0; part < lon_texts.size(); ++part) {
      window_.SetText(fields[part + lat_texts.size()], lon_texts[part]);
    }
  }
  ShowFormatLayout(Side::Home, recalled.DecimalFormat);
  BringDestinationInto(recalled.DecimalFormat, destination_was_decimal);
}

// The Destination goes through its switch unless it already shows the
// recalled format with values in its degree fields: converting those again
// would read decimal degrees as whole ones.
void TTessaly1::BringDestinationInto(bool decimal, bool was_decimal) {
  const LocationControls& destination = kDestinationControls;
  if (was_decimal == decimal && !window_.GetText(destination.LatDegrees).empty() &&
      !window_.GetText(destination.LonDegrees).empty()) {
    return;
  }
  ApplyFormat(Side::Destination, decimal);
}

void TTessaly1::RecallDefaultHome() {
  const LocationControls& home = kHomeControls;
  const bool destination_was_decimal = Destination.DecimalFormat;
  Home.DecimalFormat = false;
  const std::array<Control, 6> fields = CoordinateFields(home);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    window_.SetText(fields[i], std::string(kDefaultHomeTexts[i]));
  }
  window_.SetItemIndex(home.LatGroup, kNorth);
  window_.SetItemIndex(home.LonGroup, kWest);
  // Flags, fields and layouts agree, whatever was shown before.
  ShowFormatLayout(Side::Home, false);
  if (!destination_was_decimal) return;
  // A recall without a file reports nothing: degrees that are no numbers
  // stay as they are, in the layout of the flag.
  try {
    ApplyFormat(Side::Destination, false);
  } catch (const TessalyError&) {
    Destination.DecimalFormat = false;
    ShowFormatLayout(Side::Destination, false);
  }
}

}  // namespace tessaly
