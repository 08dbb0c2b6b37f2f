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

// The grid field first, then the results, then the coordinates and both
// hemisphere choices.
void TTessaly1::ClearLocation(Side side) {
  LocationPanel& panel = Panel(side);
  panel.SetGrid("");
  results_.Clear();
  panel.ClearCoordinates();
}

// Enter recomputes both locations from their locators, then the distance.
// The trimmed texts only decide whether to go on; the fields keep theirs. An
// error in one command ends the sequence there, and so does a grid text that
// is no locator: its emptied fields are no position to measure from.
void TTessaly1::FormKeyDown(KeyCode key) {
  if (key != kKeyEnter) return;
  if (IsBlank(home_.Grid()) || IsBlank(destination_.Grid())) return;
  const bool home_decoded = CalcLatLon(Side::Home);
  const bool destination_decoded = CalcLatLon(Side::Destination);
  if (home_decoded && destination_decoded) Button5Click();
}

}  // namespace tessaly
