// SPDX-License-Identifier: GPL-3.0-or-later
// What the great-circle map shows: read from the window, never written to it.
#include "geo/locator.h"
#include "geo/long_path.h"
#include "window/tessaly.h"

namespace tessaly {

std::optional<MapContent> TTessaly1::MapView() const {
  MapContent content;
  content.HomeLocator = home_.Grid();
  content.LocatorCharacters = precision_;
  content.DecimalDegrees = destination_.DecimalFormat();
  // The results still shown belong to the last measurement, in its unit.
  if (const std::optional<Measurement> shown = results_.Shown()) {
    content.Home = shown->Home;
    content.Destination =
        MapDestination{shown->Destination, shown->DestinationLocator, shown->ShortPath,
                       MeasureLongPath(shown->Home, shown->Destination, shown->ShortPath)};
    content.Unit = shown->Unit;
    return content;
  }
  content.Unit = results_.Unit();
  // An emptied Home has no position: the map keeps its centre, and no Home.
  content.HomeKnown = home_.HasPosition();
  if (!content.HomeKnown) return content;
  const std::optional<SignedPosition> home = home_.ShownPosition();
  if (!home) return std::nullopt;
  content.Home = *home;
  return content;
}

// The Destination's locator of the point at the chosen precision, then, as
// if typed and Enter pressed, both locations decoded and the distance. With
// no Home locator Enter would do nothing: the Destination is decoded and
// the distance measured from Home's fields instead.
void TTessaly1::SetDestinationAt(const SignedPosition& point) {
  const std::optional<LocatorCell> cell = CellOfPosition(point, precision_);
  if (!cell) return;
  destination_.SetGrid(LocatorText(*cell));
  if (home_.Grid().find_first_not_of(" \t") != std::string::npos) {
    FormKeyDown(kKeyEnter);
  } else if (CalcLatLon(Side::Destination)) {
    Button5Click();
  }
}

}  // namespace tessaly
