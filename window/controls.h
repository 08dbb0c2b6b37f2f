// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window, by the numbered names the whole program
// uses for them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// One row a kind of control.
// clang-format off
enum class Control {
  Window,
  Panel1, Panel2, Panel3,
  Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8,
  Edit9, Edit10, Edit11, Edit12, Edit13, Edit14, Edit15, Edit16,
  // The window has no labels 14 to 17.
  Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9,
  Label10, Label11, Label12, Label13, Label18, Label19, Label20, Label21,
  Label22, Label23, Label24,
  RadioGroup1, RadioGroup2, RadioGroup3, RadioGroup4,
  Button1, Button2, Button3, Button4, Button5,
};
// clang-format on

inline constexpr std::size_t kControlCount = 49;

// Every control, window first, in declaration order.
const std::array<Control, kControlCount>& AllControls();

// "Edit7", "Window", ...
std::string ControlName(Control control);
std::optional<Control> ControlByName(std::string_view name);

bool IsEdit(Control control);
bool IsLabel(Control control);
bool IsRadioGroup(Control control);
bool IsButton(Control control);
bool IsPanel(Control control);

// The twelve coordinate fields: Edit1..Edit6 and Edit8..Edit13.
bool IsCoordinateField(Control control);
// Edit7 and Edit14.
bool IsGridField(Control control);

}  // namespace tessaly
