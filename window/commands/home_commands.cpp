// SPDX-License-Identifier: GPL-3.0-or-later
// The window's handlers for the home file: its path at creation, the recall
// at first show, "Save Home " and "Recall Home".
#include <array>
#include <string>
#include <utility>

#include "geo/error.h"
#include "geo/number_text.h"
#include "geo/readings.h"
#include "home/home_file.h"
#include "window/accessible_names.h"
#include "window/tessaly.h"

namespace tessaly {

namespace {

// The Home location of a first start, and the fallbacks of a save from
// degrees/minutes/seconds fields that are not whole numbers.
const CoordinateTexts kDefaultHomeTexts{" 38", " 00", " 54", " 78", " 38", " 15"};
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
  results_.SetUnit(DistanceUnit::Miles);
  home_file_path_ = HomeFilePathIn(home_directory_);
}

// An error in the recall leaves the focus and the Home locator alone.
void TTessaly1::FormShow() {
  Recall();
  window_.SetFocus(destination_.Controls().Grid);
  CalcGrid(Side::Home);
}

void TTessaly1::SaveHome1Click() {
  // A missing value is taken from the locator rather than from the defaults.
  if (home_.AnyCoordinateFieldEmpty() && !home_.Grid().empty()) CalcLatLon(Side::Home);

  const FieldPosition home = home_.Read(kDefaultHomeLatitude, kDefaultHomeLongitude);
  HomeFileValues values;
  values.LatDegrees = home.Lat.Degrees;
  values.LatMinutes = home.Lat.Minutes;
  values.LatSeconds = home.Lat.Seconds;
  values.LonDegrees = home.Lon.Degrees;
  values.LonMinutes = home.Lon.Minutes;
  values.LonSeconds = home.Lon.Seconds;
  // No selection is north and east everywhere else, so it is saved that way.
  values.LatHemisphere = IsSouth(home.LatHemisphere) ? kSouth : kNorth;
  values.LonHemisphere = IsWest(home.LonHemisphere) ? kWest : kEast;
  values.Format = home_.DecimalFormat() && destination_.DecimalFormat() ? kFlagSet : 0;
  values.Unit = results_.Unit() == DistanceUnit::Miles ? kFlagSet : 0;

  // A value of more characters than a line keeps would come back cut: it is
  // refused, and the file stays as it was.
  const LocationControls& fields = home_.Controls();
  const std::pair<Control, std::int32_t> coordinates[] = {
      {fields.LatDegrees, values.LatDegrees}, {fields.LatMinutes, values.LatMinutes},
      {fields.LatSeconds, values.LatSeconds}, {fields.LonDegrees, values.LonDegrees},
      {fields.LonMinutes, values.LonMinutes}, {fields.LonSeconds, values.LonSeconds}};
  for (const auto& [field, value] : coordinates) {
    if (FitsAHomeFileLine(value)) continue;
    throw TessalyError("Cannot save the home file " + home_file_path_ + ": " + FieldName(field) +
                       WholeNumberText(value) + " has more than " +
                       std::to_string(kHomeFileLineCharacters) + " characters");
  }

  SaveHomeFile(home_file_path_, HomeFileText(values));
}

// The Home grid shows the recalled Home's locator, as after the first show:
// the locator typed before belongs to another place, and the next Enter
// would decode it.
void TTessaly1::RecallHome1Click() {
  Recall();
  CalcGrid(Side::Home);
}

void TTessaly1::Recall() {
  if (const std::optional<std::string> contents = LoadHomeFile(home_file_path_)) {
    RecallHome(ParseHomeFile(*contents));
  } else {
    RecallDefaultHome();
  }
  // The old headings and distance no longer apply.
  results_.Clear();
}

void TTessaly1::RecallHome(const RecalledHome& recalled) {
  const bool destination_was_decimal = destination_.DecimalFormat();
  home_.SetHemispheres(recalled.LatHemisphere, recalled.LonHemisphere);
  home_.SetDecimalFormat(recalled.DecimalFormat);
  destination_.SetDecimalFormat(recalled.DecimalFormat);
  results_.SetUnit(recalled.Miles ? DistanceUnit::Miles : DistanceUnit::Kilometres);

  const std::array<std::string, 3> lat_texts = FieldTexts(recalled.Latitude);
  const std::array<std::string, 3> lon_texts = FieldTexts(recalled.Longitude);
  if (recalled.DecimalFormat) {
    // Only the degree fields are written, each as soon as it is read; the
    // hidden ones keep their texts.
    const LocationControls& fields = home_.Controls();
    home_.SetField(fields.LatDegrees, DecimalDegreeText(RecalledDegrees(lat_texts)));
    home_.SetField(fields.LonDegrees, DecimalDegreeText(RecalledDegrees(lon_texts)));
  } else {
    // Put in unread; the longitude minutes' change checks the longitude
    // degrees as typing would.
    home_.WriteCoordinates(
        {lat_texts[0], lat_texts[1], lat_texts[2], lon_texts[0], lon_texts[1], lon_texts[2]});
  }
  home_.ShowLayout(recalled.DecimalFormat);
  BringDestinationInto(recalled.DecimalFormat, destination_was_decimal);
}

// The Destination is converted only from the other format: converting a
// Destination that already shows the recalled format would read decimal
// degrees as whole ones, or whole ones as decimal.
void TTessaly1::BringDestinationInto(bool decimal, bool was_decimal) {
  if (was_decimal != decimal) destination_.ApplyFormat(decimal);
}

void TTessaly1::RecallDefaultHome() {
  const bool destination_was_decimal = destination_.DecimalFormat();
  home_.SetDecimalFormat(false);
  home_.WriteCoordinates(kDefaultHomeTexts);
  home_.SetHemispheres(kNorth, kWest);
  // Flags, fields and layouts agree, whatever was shown before.
  home_.ShowLayout(false);
  if (!destination_was_decimal) return;
  // A recall without a file reports nothing: degrees that are no numbers
  // stay as they are, in the layout of the flag.
  try {
    destination_.ApplyFormat(false);
  } catch (const TessalyError&) {
    destination_.SetDecimalFormat(false);
    destination_.ShowLayout(false);
  }
}

}  // namespace tessaly
