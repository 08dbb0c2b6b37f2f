// SPDX-License-Identifier: GPL-3.0-or-later
// Which handler runs for which user event. The per-field and per-location
// handlers are found by the control's role and side; the comments name the
// bindings they stand for.
#include "window/tessaly.h"

namespace tessaly {

void TTessaly1::OnCreate() {
  FormCreate();
}

void TTessaly1::OnFirstShow() {
  FormShow();
}

// Modifiers do not matter: Shift+Delete and Ctrl+Delete clear as Delete does.
void TTessaly1::OnKeyDown(Control focused, KeyCode key) {
  FormKeyDown(key);
  // Edit7KeyDown, Edit14KeyDown.
  if (IsGridField(focused) && (key == kKeyControl || key == kKeyDelete)) {
    ClearLocation(SideOf(focused));
  }
}

// Edit1KeyPress .. Edit13KeyPress.
char TTessaly1::OnKeyTyped(Control focused, char key) {
  return IsCoordinateField(focused) ? FilterKey(key) : key;
}

// Edit1Exit .. Edit13Exit.
void TTessaly1::OnFocusLeft(Control control) {
  if (IsCoordinateField(control)) Panel(SideOf(control)).CheckField(control);
}

void TTessaly1::OnClick(Control control) {
  // Edit1Click .. Edit13Click.
  if (IsCoordinateField(control)) return ClickCoordinateField(control);
  for (Side side : kSides) {
    const LocationControls& location = ControlsOf(side);
    // Edit7Click, Edit14Click; Button1Click, Button3Click; Button2Click,
    // Button4Click.
    if (control == location.Grid) return ClearLocation(side);
    if (control == location.CalcGridButton) {
      CalcGrid(side);
      return;
    }
    if (control == location.CalcLatLonButton) {
      CalcLatLon(side);
      return;
    }
  }
  if (control == Control::Button5) return Button5Click();
  if (control == Control::Label24) return Label24Click();
}

void TTessaly1::OnDoubleClick(Control control) {
  if (control == Control::Window) return FormDblClick();
  // Panel1DblClick, Panel2DblClick.
  for (Side side : kSides) {
    if (control == ControlsOf(side).Frame) return Panel(side).SwitchFormat();
  }
}

// Edit5's change runs Edit4Exit: the Home panel's rule.
void TTessaly1::OnTextChanged(Control control) {
  if (IsCoordinateField(control)) Panel(SideOf(control)).OnTextChanged(control);
}

void TTessaly1::OnMenu(MenuItem item) {
  switch (item) {
    case MenuItem::Exit: return Exit1Click();
    case MenuItem::SaveHome: return SaveHome1Click();
    case MenuItem::RecallHome: return RecallHome1Click();
    case MenuItem::About: return About1Click();
    // The View items run what the mouse runs: Panel1DblClick, Panel2DblClick
    // and Label24Click.
    case MenuItem::HomeDecimal: return home_.SwitchFormat();
    case MenuItem::DestinationDecimal: return destination_.SwitchFormat();
    case MenuItem::Kilometres: return Label24Click();
    default: break;
  }
  if (const std::optional<int> characters = PrecisionOf(item)) SetPrecision(*characters);
}

bool TTessaly1::IsChecked(MenuItem item) const {
  switch (item) {
    case MenuItem::HomeDecimal: return home_.DecimalFormat();
    case MenuItem::DestinationDecimal: return destination_.DecimalFormat();
    case MenuItem::Kilometres: return results_.Unit() == DistanceUnit::Kilometres;
    default: return PrecisionOf(item) == precision_;
  }
}

}  // namespace tessaly
