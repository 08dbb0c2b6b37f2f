// SPDX-License-Identifier: GPL-3.0-or-later
// "Calc. Dist./Heading" and the distance unit.
#include "geo/distance.h"
#include "window/tessaly.h"

namespace tessaly {

void TTessaly1::Button5Click() {
  // Nothing to measure without both locations, nor between two equal grid
  // texts (two empty grid fields included).
  if (!home_.HasSomething() || !destination_.HasSomething()) return;
  if (home_.Grid() == destination_.Grid()) return;

  // Complete each side from what it has, then let both grid fields show the
  // locators of the positions measured below, which "Calc. Grid" reads. A
  // locator that cannot fill in the missing coordinates stops the command:
  // " Error!" stays, and so do the old results.
  if (home_.Grid().empty()) CalcGrid(Side::Home);
  if (destination_.Grid().empty()) CalcGrid(Side::Destination);
  if (home_.AnyCoordinateFieldEmpty() && !CalcLatLon(Side::Home)) return;
  if (destination_.AnyCoordinateFieldEmpty() && !CalcLatLon(Side::Destination)) return;
  const SignedPosition from = CalcGrid(Side::Home);
  const SignedPosition to = CalcGrid(Side::Destination);
  results_.Show(from, to, destination_.Grid(), MeasurePath(from, to));
}

void TTessaly1::Label24Click() {
  results_.SetUnit(OtherUnit(results_.Unit()));
  Button5Click();
}

}  // namespace tessaly
