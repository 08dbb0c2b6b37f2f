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
  Control control;
  Control parent;  // Control::Window or a panel
  ControlKind kind;
  int left, top, width, height;  // pixels in the parent; labels size themselves (0, 0)
  std::string_view text;         // caption or start text; radio groups: both items
  std::string_view hint;         // empty: the parent's hint shows through
  bool hint_shown;               // false: no hint at all over the control
  int point_size;
};

inline constexpr int kClientWidth = 419;
inline constexpr int kClientHeight = 316;
inline constexpr int kDefaultPointSize = 8;
inline constexpr std::string_view kWindowHint =
    "Dbl-L-Click Edge to change Lat/Lon format for both locations. ";
inline constexpr std::string_view kMainMenuTitle = "Main";
inline constexpr std::string_view kMenuExit = "Exit";
inline constexpr std::string_view kMenuSaveHome = "Save Home ";
inline constexpr std::string_view kMenuRecallHome = "Recall Home";
inline constexpr std::string_view kMenuAbout = "About";
inline constexpr std::string_view kViewMenuTitle = "View";
inline constexpr std::string_view kMenuHomeDecimal = "Home in decimal degrees";
inline constexpr std::string_view kMenuDestinationDecimal = "Destination in decimal degrees";
inline constexpr std::string_view kMenuKilometres = "Distance in kilometres";

// Every control but the window, parents before their children.
std::span<const ControlLayout> WindowLayout();

// The order in which Tab visits the controls.
std::span<const Control> TabOrder();

}  // namespace tessaly
