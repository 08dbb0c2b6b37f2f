// SPDX-License-Identifier: GPL-3.0-or-later
// "Calc. Dist./Heading" and the distance unit.
#include <algorithm>
#include <string>
#include <string_view>

#include "geo/distance.h"
#include "geo/number_text.h"
#include "window/tessaly.h"

namespace tessaly {
namespace {

constexpr std::string_view kMilesCaption = "Distance (miles)";
constexpr std::string_view kKilometresCaption = "Distance (km)";
constexpr std::string_view kHeadingSeparator = "  : ";

bool AnyCoordinateFieldEmpty(const WindowOperations& window, const LocationControls& fields) {
  const auto coordinates = CoordinateFields(fields);
  return std::any_of(coordinates.begin(), coordinates.end(),
                     [&window](Control field) { return window.GetText(field).empty(); });
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
  // locators of the positions measured below, which "Calc. Grid" reads. A
  // locator that cannot fill in the missing coordinates stops the command:
  // " Error!" stays, and so do the old results.
  if (empty(home.Grid)) CalcGrid(Side::Home);
  if (empty(destination.Grid)) CalcGrid(Side::Destination);
  if (AnyCoordinateFieldEmpty(window_, home) && !CalcLatLon(Side::Home)) return;
  if (AnyCoordinateFieldEmpty(window_, destination) && !CalcLatLon(Side::Destination)) return;
  const SignedPosition from = CalcGrid(Side::Home);
  const SignedPosition to = CalcGrid(Side::Destination);

  const double lat1 = from.Lat * kRadiansPerDegree;
  const double lon1 = from.Lon * kRadiansPerDegree;
  const double lat2 = to.Lat * kRadiansPerDegree;
  const double lon2 = to.Lon * kRadiansPerDegree;
  const Path path = MeasurePath(lat1, lon1, lat2, lon2);
  const double kilometres = path.Kilometres;
  const Headings& headings = path.Directions;

  // Every text is made before either field is written, so a value that
  // cannot be shown leaves both results as they were.
  const std::string heading_text = OneDecimalText(headings.Forward) +
                                   std::string(kHeadingSeparator) +
                                   OneDecimalText(headings.Reverse);
  const std::string distance_text = OneDecimalText(kilometres * DistanceFactor);
  window_.SetText(Control::Edit15, heading_text);
  window_.SetText(Control::Edit16, distance_text);
  measured_path_ = MeasuredPath{
      from, {to, window_.GetText(destination.Grid), heading_text, distance_text}, DistanceFactor};
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
