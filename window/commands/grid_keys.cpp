// SPDX-License-Identifier: GPL-3.0-or-later
// The grid fields' clearing commands and the window's Enter command.
#include <algorithm>
#include <string_view>

#include "window/tessaly.h"

namespace tessaly {

namespace {

// Blanks and control characters; bytes above 127 are text, not blanks.
bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

bool IsBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsBlankOrControl);
}

}  // namespace

// The grid field goes first and the degrees before the minutes, so the check
// that a change of Edit5 runs finds Edit4 already empty.
void TTessaly1::ClearLocation(Side side) {
  const LocationControls& controls = ControlsOf(side);
  window_.SetText(controls.Grid, "");
  window_.SetText(Control::Edit15, "");
  window_.SetText(Control::Edit16, "");
  for (Control field : CoordinateFields(controls)) window_.SetText(field, "");
  window_.SetItemIndex(controls.LatGroup, kNoSelection);
  window_.SetItemIndex(controls.LonGroup, kNoSelection);
}

// Enter recomputes both locations from their locators, then the distance.
// The trimmed texts only decide whether to go on; the fields keep theirs. An
// error in one command ends the sequence there, and so does a grid text that
// is no locator: its emptied fields are no position to measure from.
void TTessaly1::FormKeyDown(KeyCode key) {
  if (key != kKeyEnter) return;
  if (IsBlank(window_.GetText(Control::Edit7))) return;
  if (IsBlank(window_.GetText(Control::Edit14))) return;
  const bool home_decoded = CalcLatLon(Side::Home);
  const bool destination_decoded = CalcLatLon(Side::Destination);
  if (home_decoded && destination_decoded) Button5Click();
}

}  // namespace tessaly
