// "Calc. Dist./Heading" and the distance unit.
#include <algorithm>
#include <string>
#include <string_view>

#include "app/tessaly.h"
#include "geo/distance.h"
#include "geo/location.h"
#include "geo/number_text.h"

namespace tessaly {
namespace {

constexpr std::string_view kMilesCaption = "Distance (miles)";
constexpr std::string_view kKilometresCaption = "Distance (km)";
constexpr std::string_view kHeadingSeparator = "  : ";

struct Position {
  double Lat = 0.0;  // radians, north positive
  double Lon = 0.0;  // radians, east positive
};

bool AnyCoordinateFieldEmpty(const WindowOperations& window, const LocationControls& fields) {
  const auto coordinates = CoordinateFields(fields);
  return std::any_of(coordinates.begin(), coordinates.end(),
                     [&window](Control field) { return window.GetText(field).empty(); });
}

// The signed position a location's fields show. In degrees/minutes/seconds
// the whole numbers read are kept in the record; a text that is not a whole
// number counts as 0.
Position ReadPosition(const WindowOperations& window, const LocationControls& fields,
                      Location& location) {
  Position position;
  if (location.DecimalFormat) {
    position.Lat = ReadDecimal(window.GetText(fields.LatDegrees));
    position.Lon = ReadDecimal(window.GetText(fields.LonDegrees));
  } else {
    auto read = [&window](Control field) { return ReadWholeNumberOr(window.GetText(field), 0); };
    location.Lat = {read(fields.LatDegrees), read(fields.LatMinutes), read(fields.LatSeconds)};
    location.Lon = {read(fields.LonDegrees), read(fields.LonMinutes), read(fields.LonSeconds)};
    position.Lat = DmsToDegrees(location.Lat);
    position.Lon = DmsToDegrees(location.Lon);
  }
  position.Lat *= kRadiansPerDegree;
  position.Lon *= kRadiansPerDegree;
  // The hemisphere flips whatever the field gave, its sign included.
  if (IsSouth(window.GetItemIndex(fields.LatGroup))) position.Lat = -position.Lat;
  if (IsWest(window.GetItemIndex(fields.LonGroup))) position.Lon = -position.Lon;
  return position;
}

}  // namespace

void TTessaly1::Button5Click() {
  const LocationControls& home = ControlsOf(Side::Home);
  const LocationControls& destination = ControlsOf(Side::Destination);
  auto empty = [this](Control field) { return window_.GetText(field).empty(); };

  // Nothing to measure without both locations, nor between two equal grid
  // texts (two empty grid fields included).
  if (empty(home.LatDegrees) && empty(home.Grid)) return;
  if (empty(destination.LatDegrees) && empty(destination.Grid)) return;
  if (window_.GetText(home.Grid) == window_.GetText(destination.Grid)) return;

  // Complete each side from what it has, then let both grid fields show the
  // locators of the coordinates measured below.
  if (empty(home.Grid)) Button1Click();
  if (empty(destination.Grid)) Button3Click();
  if (AnyCoordinateFieldEmpty(window_, home)) Button2Click();
  if (AnyCoordinateFieldEmpty(window_, destination)) Button4Click();
  Button1Click();
  Button3Click();

  const Position from = ReadPosition(window_, home, Home);
  const Position to = ReadPosition(window_, destination, Destination);
  const double kilometres = EllipsoidDistance(from.Lat, from.Lon, to.Lat, to.Lon);
  const Headings headings = SphereHeadings(from.Lat, from.Lon, to.Lat, to.Lon);

  // Every text is made before either field is written, so a value that
  // cannot be shown leaves both results as they were.
  const std::string heading_text = OneDecimalText(headings.Forward) +
                                   std::string(kHeadingSeparator) +
                                   OneDecimalText(headings.Reverse);
  const std::string distance_text = OneDecimalText(kilometres * DistanceFactor);
  window_.SetText(Control::Edit15, heading_text);
  window_.SetText(Control::Edit16, distance_text);
}

void TTessaly1::SetDistanceUnit(double factor) {
  DistanceFactor = factor;
  window_.SetText(
      Control::Label24,
      std::string(factor == kKilometresPerKilometre ? kKilometresCaption : kMilesCaption));
}

void TTessaly1::Label24Click() {
  SetDistanceUnit(DistanceFactor != kKilometresPerKilometre ? kKilometresPerKilometre
                                                            : kMilesPerKilometre);
  Button5Click();
}

}  // namespace tessaly
