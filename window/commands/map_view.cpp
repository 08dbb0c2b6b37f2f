// SPDX-License-Identifier: GPL-3.0-or-later
// What the great-circle map shows: read from the window, never written to it.
#include "geo/readings.h"
#include "window/tessaly.h"

namespace tessaly {

std::optional<MapContent> TTessaly1::MapView() const {
  const std::string home_locator = window_.GetText(kHomeControls.Grid);
  // The results still shown belong to the last measurement, in its unit.
  if (measured_path_ &&
      window_.GetText(Control::Edit15) == measured_path_->Destination.HeadingsText &&
      window_.GetText(Control::Edit16) == measured_path_->Destination.DistanceText) {
    return MapContent{measured_path_->Home, home_locator, measured_path_->Destination,
                      measured_path_->DistanceFactor};
  }
  const std::optional<SignedPosition> home = ShownPosition(Side::Home);
  if (!home) return std::nullopt;
  return MapContent{*home, home_locator, std::nullopt, DistanceFactor};
}

std::optional<SignedPosition> TTessaly1::ShownPosition(Side side) const {
  const LocationControls& fields = ControlsOf(side);
  const bool decimal = (side == Side::Home ? Home : Destination).DecimalFormat;
  SignedPosition position;
  if (decimal) {
    const std::optional<double> lat = ReadDecimalOr(window_.GetText(fields.LatDegrees));
    const std::optional<double> lon = ReadDecimalOr(window_.GetText(fields.LonDegrees));
    if (!lat || !lon) return std::nullopt;
    position = {*lat, *lon};
  } else {
    auto read = [this](Control field) { return ReadWholeNumberOr(window_.GetText(field), 0); };
    position = {
        DmsToDegrees(read(fields.LatDegrees), read(fields.LatMinutes), read(fields.LatSeconds)),
        DmsToDegrees(read(fields.LonDegrees), read(fields.LonMinutes), read(fields.LonSeconds))};
  }
  if (IsSouth(window_.GetItemIndex(fields.LatGroup))) position.Lat = -position.Lat;
  if (IsWest(window_.GetItemIndex(fields.LonGroup))) position.Lon = -position.Lon;
  return position;
}

}  // namespace tessaly
