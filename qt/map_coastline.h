// SPDX-License-Identifier: GPL-3.0-or-later
// The coastlines compiled into the program (data/land-110m.bin, Natural
// Earth's land at 1:110 million, made by tools/coastline).
#pragma once

#include "geo/coastline.h"

namespace tessaly {

// Read on the first call and kept; no rings when the data is missing or
// damaged, and the map then says so.
const Coastline& BuiltInCoastline();

}  // namespace tessaly
