// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/layout.h"

#include <stdexcept>

namespace tessaly {
namespace {

using C = Control;
using K = ControlKind;

constexpr std::string_view kClearsHint = " <Cntrl> or <Del> clears values. ";

constexpr ControlLayout kLayout[] = {
    {C::Panel1, C::Window, K::Panel, 16, 8, 185, 225, "",
     "Dbl-L-Click Frame to switch Lat/Lon format for home.  ", true, 8},
    {C::Label1, C::Panel1, K::Label, 16, 8, 0, 0, "Home Latitude", "", true, 8},
    {C::Label3, C::Panel1, K::Label, 16, 24, 0, 0, "Degs", "", true, 8},
    {C::Label4, C::Panel1, K::Label, 48, 24, 0, 0, "Min", "", true, 8},
    {C::Label5, C::Panel1, K::Label, 80, 24, 0, 0, "Sec", "", true, 8},
    {C::Edit1, C::Panel1, K::Edit, 16, 40, 25, 21, "", "", false, 8},
    {C::Edit2, C::Panel1, K::Edit, 48, 40, 25, 21, " ", "", false, 8},
    {C::Edit3, C::Panel1, K::Edit, 80, 40, 25, 21, "", "", false, 8},
    {C::RadioGroup1, C::Panel1, K::RadioGroup, 120, 16, 49, 57, "NS", "", false, 8},
    {C::Label6, C::Panel1, K::Label, 8, 72, 0, 0, "Home Longtitude", "", true, 8},
    {C::Label7, C::Panel1, K::Label, 8, 88, 0, 0, "Degs", "", true, 8},
    {C::Label8, C::Panel1, K::Label, 48, 88, 0, 0, "Min", "", true, 8},
    {C::Label9, C::Panel1, K::Label, 80, 88, 0, 0, "Sec", "", true, 8},
    {C::Edit4, C::Panel1, K::Edit, 8, 104, 33, 21, "", "", false, 8},
    {C::Edit5, C::Panel1, K::Edit, 48, 104, 25, 21, "", "", false, 8},
    {C::Edit6, C::Panel1, K::Edit, 80, 104, 25, 21, "", "", false, 8},
    {C::RadioGroup2, C::Panel1, K::RadioGroup, 120, 80, 49, 57, "WE", "", false, 8},
    {C::Label10, C::Panel1, K::Label, 16, 136, 0, 0, "Home Grid ", "", true, 8},
    {C::Edit7, C::Panel1, K::Edit, 16, 152, 65, 24, "", kClearsHint, true, 10},
    {C::Button1, C::Panel1, K::Button, 88, 152, 81, 25, "Calc. Grid ", "", false, 8},
    {C::Button2, C::Panel1, K::Button, 88, 184, 81, 25, " Calc. Lat/Lon", "", false, 8},

    {C::Panel2, C::Window, K::Panel, 216, 8, 185, 225, "",
     "Dbl-L-Click Frame to switch Lat/Lon format for Destination. ", true, 8},
    {C::Label2, C::Panel2, K::Label, 16, 8, 0, 0, "Destination Latitude", "", true, 8},
    {C::Label11, C::Panel2, K::Label, 16, 24, 0, 0, "Degs", "", true, 8},
    {C::Label12, C::Panel2, K::Label, 48, 24, 0, 0, "Min", "", true, 8},
    {C::Label13, C::Panel2, K::Label, 80, 24, 0, 0, "Sec", "", true, 8},
    {C::Label18, C::Panel2, K::Label, 8, 72, 0, 0, "Destination Longitude", "", true, 8},
    {C::Label19, C::Panel2, K::Label, 8, 88, 0, 0, "Degs", "", true, 8},
    {C::Label20, C::Panel2, K::Label, 48, 88, 0, 0, "Min", "", true, 8},
    {C::Label21, C::Panel2, K::Label, 80, 88, 0, 0, "Sec", "", true, 8},
    {C::Edit11, C::Panel2, K::Edit, 8, 104, 33, 21, "", "", false, 8},
    {C::Edit12, C::Panel2, K::Edit, 48, 104, 25, 21, "", "", false, 8},
    {C::Edit13, C::Panel2, K::Edit, 80, 104, 25, 21, "", "", false, 8},
    {C::RadioGroup4, C::Panel2, K::RadioGroup, 120, 80, 49, 57, "WE", "", false, 8},
    {C::Label22, C::Panel2, K::Label, 16, 136, 0, 0, "Destination Grid", "", true, 8},
    {C::Edit14, C::Panel2, K::Edit, 16, 152, 65, 24, "", kClearsHint, true, 10},
    {C::Button3, C::Panel2, K::Button, 88, 152, 81, 25, "Calc. Grid", "", false, 8},
    {C::Button4, C::Panel2, K::Button, 88, 184, 81, 25, "Calc. Lat/Lon", "", false, 8},

    // Children of the window laid over the Destination frame, where their
    // Home twins sit in the Home frame.
    {C::Edit8, C::Window, K::Edit, 232, 48, 25, 21, "", "", false, 8},
    {C::Edit9, C::Window, K::Edit, 264, 48, 25, 21, "", "", false, 8},
    {C::Edit10, C::Window, K::Edit, 296, 48, 25, 21, "", "", false, 8},
    {C::RadioGroup3, C::Window, K::RadioGroup, 336, 24, 49, 57, "NS", "", false, 8},

    {C::Panel3, C::Window, K::Panel, 16, 240, 385, 65, "", "", true, 8},
    {C::Label23, C::Panel3, K::Label, 8, 8, 0, 0, "Heading (forward : reverse)", "", true, 8},
    {C::Label24, C::Panel3, K::Label, 160, 8, 0, 0, "Distance (miles)",
     " L-Click to switch from miles to kilometers. ", true, 8},
    {C::Edit15, C::Panel3, K::ReadOnlyEdit, 32, 24, 89, 24, "", "", true, 10},
    {C::Edit16, C::Panel3, K::ReadOnlyEdit, 160, 24, 73, 24, "", "", true, 10},
    {C::Button5, C::Panel3, K::Button, 256, 24, 113, 25, "Calc. Dist./Heading", "", true, 8},
};

constexpr Control kTabOrder[] = {
    C::Edit1,       C::Edit2,  C::Edit3,   C::Edit4,       C::Edit5,  C::Edit6,  C::RadioGroup1,
    C::RadioGroup2, C::Edit7,  C::Button1, C::Button2,     C::Edit11, C::Edit12, C::Edit13,
    C::RadioGroup4, C::Edit14, C::Button3, C::Button4,     C::Edit15, C::Edit16, C::Button5,
    C::Edit8,       C::Edit9,  C::Edit10,  C::RadioGroup3,
};

}  // namespace

std::span<const ControlLayout> WindowLayout() {
  return kLayout;
}

const ControlLayout& LayoutOf(Control control) {
  for (const ControlLayout& row : kLayout) {
    if (row.Id == control) return row;
  }
  throw std::logic_error("a control without a layout row");
}

std::span<const Control> TabOrder() {
  return kTabOrder;
}

}  // namespace tessaly
