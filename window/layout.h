// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it is laid out at start: one row a control. The Qt
// window builds its widgets from this table and the test screen takes its
// start state from it.
#pragma once

#include <span>
#include <string_view>

#include "window/controls.h"

namespace tessaly {

enum class ControlKind { Panel, Label, Edit, ReadOnlyEdit, RadioGroup, Button };

struct ControlLayout {
  Control Id;
  Control Parent;  // Control::Window or a panel
  ControlKind Category;
  int Left, Top, Width, Height;  // pixels in the Parent; labels size themselves (0, 0)
  std::string_view Text;         // caption or start Text; radio groups: both items
  std::string_view Hint;         // empty: the parent's hint shows through
  bool HintShown;                // false: no hint at all over the control
  int PointSize;
};

inline constexpr int kClientWidth = 419;
inline constexpr int kClientHeight = 316;
inline constexpr int kDefaultPointSize = 8;
inline constexpr std::string_view kWindowHint =
    "Dbl-L-Click Edge to change Lat/Lon format for both locations. ";

// Every control but the window, parents before their children.
std::span<const ControlLayout> WindowLayout();
// The row of one control.
const ControlLayout& LayoutOf(Control control);

// The order in which Tab visits the controls.
std::span<const Control> TabOrder();

}  // namespace tessaly
