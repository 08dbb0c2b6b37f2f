// SPDX-License-Identifier: GPL-3.0-or-later
// "Calc. Grid" and "Calc. Lat/Lon" of either location.
#include "geo/locator.h"
#include "window/tessaly.h"

namespace tessaly {

void TTessaly1::SetPrecision(int characters) {
  if (!IsLocatorLength(characters) || characters < kDefaultCharacters) return;
  precision_ = characters;
  home_.SetCharacters(characters);
  destination_.SetCharacters(characters);
}

SignedPosition TTessaly1::CalcGrid(Side side) {
  LocationPanel& panel = Panel(side);
  const FieldPosition read = panel.ReadAndStore();
  panel.ShowLocatorOf(read);
  return read.Signed();
}

bool TTessaly1::CalcLatLon(Side side) {
  LocationPanel& panel = Panel(side);
  const std::optional<DecodedLocator> decoded = LocatorToLatLon(panel.Grid(), precision_);
  panel.ShowDecoded(decoded);
  return decoded.has_value();
}

}  // namespace tessaly
