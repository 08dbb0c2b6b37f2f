// SPDX-License-Identifier: GPL-3.0-or-later
// The switch of both locations between degrees/minutes/seconds and decimal
// degrees; each location's own switch is its panel's.
#include "window/tessaly.h"

namespace tessaly {

// An error in the Home switch leaves the Destination as it is.
void TTessaly1::FormDblClick() {
  home_.SwitchFormat();
  destination_.SwitchFormat();
}

}  // namespace tessaly
