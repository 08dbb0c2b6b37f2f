// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/accessible_names.h"

#include <utility>

#include "window/location_controls.h"

namespace tessaly {
namespace {

using C = Control;

std::string_view SideName(Side side) {
  return side == Side::Home ? "Home" : "Destination";
}

// A caption without the blanks it carries for its own layout.
std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Each caption and the field it stands over or beside.
constexpr std::pair<Control, Control> kCaptionedFields[] = {
    {C::Label1, C::Edit1},   {C::Label3, C::Edit1},   {C::Label4, C::Edit2},
    {C::Label5, C::Edit3},   {C::Label6, C::Edit4},   {C::Label7, C::Edit4},
    {C::Label8, C::Edit5},   {C::Label9, C::Edit6},   {C::Label10, C::Edit7},
    {C::Label2, C::Edit8},   {C::Label11, C::Edit8},  {C::Label12, C::Edit9},
    {C::Label13, C::Edit10}, {C::Label18, C::Edit11}, {C::Label19, C::Edit11},
    {C::Label20, C::Edit12}, {C::Label21, C::Edit13}, {C::Label22, C::Edit14},
    {C::Label23, C::Edit15}, {C::Label24, C::Edit16},
};

}  // namespace

std::string AccessibleName(const ControlLayout& row) {
  for (Side side : kSides) {
    const LocationControls& c = ControlsOf(side);
    const std::pair<Control, std::string_view> roles[] = {
        {c.LatDegrees, " latitude degrees"},
        {c.LatMinutes, " latitude minutes"},
        {c.LatSeconds, " latitude seconds"},
        {c.LonDegrees, " longitude degrees"},
        {c.LonMinutes, " longitude minutes"},
        {c.LonSeconds, " longitude seconds"},
        {c.LatGroup, " latitude hemisphere"},
        {c.LonGroup, " longitude hemisphere"},
        {c.Grid, " grid locator"},
        {c.Frame, " location"},
    };
    for (const auto& [control, role] : roles) {
      if (control == row.Id) return std::string(SideName(side)).append(role);
    }
    // Both sides' buttons have the same captions.
    if (row.Id == c.CalcGridButton || row.Id == c.CalcLatLonButton) {
      return std::string(SideName(side)).append(": ").append(Trimmed(row.Text));
    }
  }
  switch (row.Id) {
    case C::Panel3: return "Heading and distance";
    case C::Edit15: return "Headings, forward and reverse";
    default: return {};
  }
}

std::string FieldName(Control control) {
  for (const ControlLayout& row : WindowLayout()) {
    if (row.Id == control) return AccessibleName(row);
  }
  return ControlName(control);
}

std::string DistanceFieldName(bool kilometres) {
  return kilometres ? "Distance in kilometres" : "Distance in miles";
}

std::string HemisphereItemName(std::string_view item) {
  if (item == "N") return "North";
  if (item == "S") return "South";
  if (item == "W") return "West";
  if (item == "E") return "East";
  return std::string(item);
}

std::optional<Control> FieldLabelledBy(Control label) {
  for (const auto& [caption, field] : kCaptionedFields) {
    if (caption == label) return field;
  }
  return std::nullopt;
}

}  // namespace tessaly
