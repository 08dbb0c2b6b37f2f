// SPDX-License-Identifier: GPL-3.0-or-later
// What the great-circle map shows: read from the window, never written to it.
#include "geo/long_path.h"
#include "window/tessaly.h"

namespace tessaly {

std::optional<MapContent> TTessaly1::MapView() const {
  // The results still shown belong to the last measurement, in its unit.
  if (const std::optional<Measurement> shown = results_.Shown()) {
    return MapContent{
        shown->Home, home_.Grid(),
        MapDestination{shown->Destination, shown->DestinationLocator, shown->ShortPath,
                       MeasureLongPath(shown->Home, shown->Destination, shown->ShortPath)},
        shown->Unit};
  }
  const std::optional<SignedPosition> home = home_.ShownPosition();
  if (!home) return std::nullopt;
  return MapContent{*home, home_.Grid(), std::nullopt, results_.Unit()};
}

}  // namespace tessaly
