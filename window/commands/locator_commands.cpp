// SPDX-License-Identifier: GPL-3.0-or-later
// "Calc. Grid" and "Calc. Lat/Lon" of either location.
#include "geo/locator.h"
#include "window/tessaly.h"

namespace tessaly {

SignedPosition TTessaly1::CalcGrid(Side side) {
  LocationPanel& panel = Panel(side);
  const FieldPosition read = panel.ReadAndStore();
  panel.SetGrid(LatLonToLocator(read.Lat.Degrees, read.Lat.Minutes, read.Lat.Seconds,
                                read.LatHemisphere, read.Lon.Degrees, read.Lon.Minutes,
                                read.Lon.Seconds, read.LonHemisphere));
  return read.Signed();
}

bool TTessaly1::CalcLatLon(Side side) {
  LocationPanel& panel = Panel(side);
  const std::optional<DecodedLocator> decoded = LocatorToLatLon(panel.Grid());
  panel.ShowDecoded(decoded);
  return decoded.has_value();
}

}  // namespace tessaly
