// SPDX-License-Identifier: GPL-3.0-or-later
// Everything a handler may do to the screen. The Qt window and the in-memory
// test screen both implement it, so every handler runs unchanged on either.
#pragma once

#include <optional>
#include <string>

#include "window/controls.h"

namespace tessaly {

class WindowOperations {
 public:
  virtual ~WindowOperations() = default;

  // Text of an edit field, or caption of a label; 8-bit, Latin-1.
  virtual std::string GetText(Control control) const = 0;
  // Replaces the text; when the text really changes the window's
  // text-changed event runs (and may throw through this call).
  virtual void SetText(Control control, const std::string& text) = 0;

  // 0 or 1 for the selected item, -1 when none is selected.
  virtual int GetItemIndex(Control radio_group) const = 0;
  // -1 or below selects nothing, 1 or above selects item 1.
  virtual void SetItemIndex(Control radio_group, int index) = 0;

  virtual void SetVisible(Control control, bool visible) = 0;
  virtual void SetWidth(Control control, int pixels) = 0;
  // Moves a control within its parent, in pixels.
  virtual void SetPosition(Control control, int left, int top) = 0;
  // Moves the keyboard focus as a program does, not as the user leaves a
  // field: no leave check runs. An edit field gets its caret at the end,
  // nothing selected.
  virtual void SetFocus(Control control) = 0;
  // The control that holds the keyboard focus, if one of the window's does.
  virtual std::optional<Control> FocusedControl() const = 0;

  // Modal: returns when the about box has been closed.
  virtual void ShowAboutBox() = 0;
  virtual void CloseWindow() = 0;
  // The message as the error box shows it (see ErrorBoxText).
  virtual void ShowError(const std::string& message) = 0;
};

// The item index the radio group keeps for a requested one.
inline int ClampItemIndex(int index) {
  return index < -1 ? -1 : (index > 1 ? 1 : index);
}

}  // namespace tessaly
