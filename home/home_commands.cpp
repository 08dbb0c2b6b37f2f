// The window's handlers for the home file: its path at creation, the recall
// at first show, "Save Home " and "Recall Home".
#include <algorithm>
#include <array>
#include <string>

#include "app/tessaly.h"
#include "geo/distance.h"
#include "geo/number_text.h"
#include "home/home_file.h"

namespace tessaly {

namespace {

// The Home location of a first start, and the fallbacks of a save from
// degrees/minutes/seconds fields that are not whole numbers.
constexpr std::array<std::string_view, 6> kDefaultHomeTexts{" 38", " 00", " 54",
                                                            " 78", " 38", " 15"};
constexpr std::array<std::int32_t, 6> kDefaultHomeValues{38, 0, 54, 78, 38, 15};
constexpr std::int32_t kFlagSet = 1;

// Seconds, then minutes, then degrees: of several unreadable texts the
// seconds are reported. The leading blank of a recalled text is skipped.
double RecalledDegrees(const std::string& degrees, const std::string& minutes,
                       const std::string& seconds) {
  const std::int32_t whole_seconds = ReadWholeNumber(seconds);
  const std::int32_t whole_minutes = ReadWholeNumber(minutes);
  return DmsToDegrees(ReadWholeNumber(degrees), whole_minutes, whole_seconds);
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
  Button1Click();
}

void TTessaly1::SaveHome1Click() {
  const LocationControls& home = kHomeControls;
  const std::array<Control, 6> fields = CoordinateFields(home);
  const bool field_empty = std::any_of(fields.begin(), fields.end(), [this](Control field) {
    return window_.GetText(field).empty();
  });
  // A missing value is taken from the locator rather than from the defaults.
  if (field_empty && !window_.GetText(home.Grid).empty()) Button2Click();

  DmsAngle lat;
  DmsAngle lon;
  if (Home.DecimalFormat) {
    lat = SplitDegrees(ReadDecimal(window_.GetText(home.LatDegrees)));
    lon = SplitDegrees(ReadDecimal(window_.GetText(home.LonDegrees)));
  } else {
    const auto whole = [this, &fields](std::size_t i) {
      return ReadWholeNumberOr(window_.GetText(fields[i]), kDefaultHomeValues[i]);
    };
    lat = {whole(0), whole(1), whole(2)};
    lon = {whole(3), whole(4), whole(5)};
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
  const LocationControls& home = kHomeControls;
  const std::array<Control, 6> fields = CoordinateFields(home);
  // The recall changes the flags. The Destination goes through its switch
  // unless it already shows the recalled format with values in its degree
  // fields: converting those again would read decimal degrees as whole ones.
  const bool destination_was_decimal = Destination.DecimalFormat;
  const auto destination_needs_switch = [&](bool decimal) {
    const LocationControls& destination = kDestinationControls;
    return destination_was_decimal != decimal || window_.GetText(destination.LatDegrees).empty() ||
           window_.GetText(destination.LonDegrees).empty();
  };
  const std::optional<std::string> contents = LoadHomeFile(HomeFilePath);

  if (!contents) {
    Home.DecimalFormat = false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      window_.SetText(fields[i], std::string(kDefaultHomeTexts[i]));
    }
    window_.SetItemIndex(home.LatGroup, kNorth);
    window_.SetItemIndex(home.LonGroup, kWest);
    // Flags, fields and layouts agree, whatever was shown before.
    ShowFormatLayout(Side::Home, false);
    if (destination_was_decimal) {
      // A recall without a file reports nothing: degrees that are no numbers
      // stay as they are, in the layout of the flag.
      try {
        ApplyFormat(Side::Destination, false);
      } catch (const TessalyError&) {
        Destination.DecimalFormat = false;
        ShowFormatLayout(Side::Destination, false);
      }
    }
  } else {
    const HomeFileLines lines = SplitHomeFileLines(*contents);
    const auto field_text = [&lines](std::size_t line) { return " " + lines[line]; };
    const std::array<std::string, 6> texts{field_text(0), field_text(1), field_text(2),
                                           field_text(4), field_text(5), field_text(6)};
    window_.SetItemIndex(home.LatGroup, LineInteger(lines[3]));
    window_.SetItemIndex(home.LonGroup, LineInteger(lines[7]));
    const bool decimal = LineInteger(lines[8]) == kFlagSet;
    Home.DecimalFormat = decimal;
    Destination.DecimalFormat = decimal;
    const bool miles = LineInteger(lines[9]) == kFlagSet;
    SetDistanceUnit(miles ? kMilesPerKilometre : kKilometresPerKilometre);

    if (decimal) {
      // Only the degree fields are written; the hidden ones keep their texts.
      window_.SetText(home.LatDegrees,
                      DecimalDegreeText(RecalledDegrees(texts[0], texts[1], texts[2])));
      window_.SetText(home.LonDegrees,
                      DecimalDegreeText(RecalledDegrees(texts[3], texts[4], texts[5])));
    } else {
      // Put in unread; the change of Edit5 checks Edit4 as typing would.
      for (std::size_t i = 0; i < fields.size(); ++i) window_.SetText(fields[i], texts[i]);
    }
    ShowFormatLayout(Side::Home, decimal);
    if (destination_needs_switch(decimal)) ApplyFormat(Side::Destination, decimal);
  }
  // The old headings and distance no longer apply.
  window_.SetText(Control::Edit15, "");
  window_.SetText(Control::Edit16, "");
}

}  // namespace tessaly
