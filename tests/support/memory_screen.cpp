// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/memory_screen.h"

#include "geo/error.h"
#include "window/layout.h"
#include "window/tessaly.h"

namespace tessaly {

MemoryScreen::MemoryScreen() : focus_(Control::Button3) {
  for (const ControlLayout& row : WindowLayout()) {
    if (row.Category == ControlKind::RadioGroup) {
      item_indexes_[row.Id] = -1;
    } else {
      texts_[row.Id] = std::string(row.Text);
    }
    visible_[row.Id] = true;
    widths_[row.Id] = row.Width;
    positions_[row.Id] = {row.Left, row.Top};
  }
  texts_[Control::Window] = std::string(kWindowCaption);
}

std::string MemoryScreen::GetText(Control control) const {
  return texts_.at(control);
}

void MemoryScreen::SetText(Control control, const std::string& text) {
  if (refused_ == control) throw TessalyError("write refused");
  std::string& current = texts_.at(control);
  if (current == text) return;
  current = text;
  text_changes_.emplace_back(control, text);
  if (tessaly_ != nullptr) tessaly_->OnTextChanged(control);
}

int MemoryScreen::GetItemIndex(Control radio_group) const {
  return item_indexes_.at(radio_group);
}

void MemoryScreen::SetItemIndex(Control radio_group, int index) {
  item_indexes_.at(radio_group) = ClampItemIndex(index);
}

void MemoryScreen::SetVisible(Control control, bool visible) {
  visible_.at(control) = visible;
}

void MemoryScreen::SetWidth(Control control, int pixels) {
  widths_.at(control) = pixels;
}

void MemoryScreen::SetPosition(Control control, int left, int top) {
  positions_.at(control) = {left, top};
}

void MemoryScreen::SetFocus(Control control) {
  focus_ = control;
}

bool MemoryScreen::IsVisible(Control control) const {
  return visible_.at(control);
}

int MemoryScreen::Width(Control control) const {
  return widths_.at(control);
}

}  // namespace tessaly
