// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/controls.h"

#include <algorithm>
#include <utility>

namespace tessaly {
namespace {

constexpr std::pair<Control, std::string_view> kNames[] = {
    {Control::Window, "Window"},
    {Control::Panel1, "Panel1"},
    {Control::Panel2, "Panel2"},
    {Control::Panel3, "Panel3"},
    {Control::Edit1, "Edit1"},
    {Control::Edit2, "Edit2"},
    {Control::Edit3, "Edit3"},
    {Control::Edit4, "Edit4"},
    {Control::Edit5, "Edit5"},
    {Control::Edit6, "Edit6"},
    {Control::Edit7, "Edit7"},
    {Control::Edit8, "Edit8"},
    {Control::Edit9, "Edit9"},
    {Control::Edit10, "Edit10"},
    {Control::Edit11, "Edit11"},
    {Control::Edit12, "Edit12"},
    {Control::Edit13, "Edit13"},
    {Control::Edit14, "Edit14"},
    {Control::Edit15, "Edit15"},
    {Control::Edit16, "Edit16"},
    {Control::Label1, "Label1"},
    {Control::Label2, "Label2"},
    {Control::Label3, "Label3"},
    {Control::Label4, "Label4"},
    {Control::Label5, "Label5"},
    {Control::Label6, "Label6"},
    {Control::Label7, "Label7"},
    {Control::Label8, "Label8"},
    {Control::Label9, "Label9"},
    {Control::Label10, "Label10"},
    {Control::Label11, "Label11"},
    {Control::Label12, "Label12"},
    {Control::Label13, "Label13"},
    {Control::Label18, "Label18"},
    {Control::Label19, "Label19"},
    {Control::Label20, "Label20"},
    {Control::Label21, "Label21"},
    {Control::Label22, "Label22"},
    {Control::Label23, "Label23"},
    {Control::Label24, "Label24"},
    {Control::RadioGroup1, "RadioGroup1"},
    {Control::RadioGroup2, "RadioGroup2"},
    {Control::RadioGroup3, "RadioGroup3"},
    {Control::RadioGroup4, "RadioGroup4"},
    {Control::Button1, "Button1"},
    {Control::Button2, "Button2"},
    {Control::Button3, "Button3"},
    {Control::Button4, "Button4"},
    {Control::Button5, "Button5"},
};

bool Between(Control control, Control first, Control last) {
  return control >= first && control <= last;
}

}  // namespace

const std::array<Control, kControlCount>& AllControls() {
  static const std::array<Control, kControlCount> all = [] {
    std::array<Control, kControlCount> controls{};
    static_assert(std::size(kNames) == kControlCount);
    std::transform(std::begin(kNames), std::end(kNames), controls.begin(),
                   [](const auto& entry) { return entry.first; });
    return controls;
  }();
  return all;
}

std::string ControlName(Control control) {
  for (const auto& [each, name] : kNames) {
    if (each == control) return std::string(name);
  }
  return "?";
}

std::optional<Control> ControlByName(std::string_view name) {
  for (const auto& [each, each_name] : kNames) {
    if (each_name == name) return each;
  }
  return std::nullopt;
}

bool IsEdit(Control control) {
  return Between(control, Control::Edit1, Control::Edit16);
}
bool IsLabel(Control control) {
  return Between(control, Control::Label1, Control::Label24);
}
bool IsRadioGroup(Control control) {
  return Between(control, Control::RadioGroup1, Control::RadioGroup4);
}
bool IsButton(Control control) {
  return Between(control, Control::Button1, Control::Button5);
}
bool IsPanel(Control control) {
  return Between(control, Control::Panel1, Control::Panel3);
}

bool IsCoordinateField(Control control) {
  return Between(control, Control::Edit1, Control::Edit6) ||
         Between(control, Control::Edit8, Control::Edit13);
}

bool IsGridField(Control control) {
  return control == Control::Edit7 || control == Control::Edit14;
}

}  // namespace tessaly
