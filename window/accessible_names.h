// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader calls the controls. The captions repeat from one frame
// to the other ("Degs", "Calc. Grid") and the fields have none, so each name
// says the control's side and role. The visible texts stay as they are.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "window/layout.h"

namespace tessaly {

// The name of the control in `row`; empty where its caption names it well
// (labels, "Calc. Dist./Heading") or where it follows the state (Edit16, see
// DistanceFieldName).
std::string AccessibleName(const ControlLayout& row);

// The same for a control by itself ("Home latitude degrees"), as messages
// name a field too.
std::string FieldName(Control control);

// Edit16 names the unit of the distance it shows.
std::string DistanceFieldName(bool kilometres);

// "North" for the item "N", and so on for "S", "W" and "E".
std::string HemisphereItemName(std::string_view item);

// The field a caption names, if it names one.
std::optional<Control> FieldLabelledBy(Control label);

}  // namespace tessaly
