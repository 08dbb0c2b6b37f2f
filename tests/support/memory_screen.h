// SPDX-License-Identifier: GPL-3.0-or-later
// The window in memory: what the handler tests run against. It behaves like
// the Qt window where handlers can tell: a text-changed event only on a real
// change, radio group indexes clamped.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "window/tessaly.h"
#include "window/window_operations.h"

namespace tessaly {

class MemoryScreen : public WindowOperations {
 public:
  MemoryScreen();  // every control as the window starts

  // Text-changed events go to `tessaly`'s event table.
  void Attach(TTessaly1& tessaly) { tessaly_ = &tessaly; }

  std::string GetText(Control control) const override;
  void SetText(Control control, const std::string& text) override;
  int GetItemIndex(Control radio_group) const override;
  void SetItemIndex(Control radio_group, int index) override;
  void SetVisible(Control control, bool visible) override;
  void SetWidth(Control control, int pixels) override;
  void SetPosition(Control control, int left, int top) override;
  void SetFocus(Control control) override;
  void ShowAboutBox() override {}
  void CloseWindow() override {}
  void ShowError(const std::string& message) override { errors_.push_back(message); }

  bool IsVisible(Control control) const;
  int Width(Control control) const;
  std::pair<int, int> Position(Control control) const { return positions_.at(control); }
  std::optional<Control> FocusedControl() const override { return focus_; }
  const std::vector<std::string>& Errors() const { return errors_; }
  // From now on a write into `control` throws, to stop a command midway.
  void RefuseWritesTo(Control control) { refused_ = control; }
  // Every real text change, in order: for tests of write order.
  const std::vector<std::pair<Control, std::string>>& TextChanges() const { return text_changes_; }

 private:
  TTessaly1* tessaly_ = nullptr;
  std::map<Control, std::string> texts_;
  std::map<Control, int> item_indexes_;
  std::map<Control, bool> visible_;
  std::map<Control, int> widths_;
  std::map<Control, std::pair<int, int>> positions_;
  std::optional<Control> focus_;
  std::optional<Control> refused_;
  std::vector<std::string> errors_;
  std::vector<std::pair<Control, std::string>> text_changes_;
};

// One start of the program in memory: the screen with the handlers attached,
// created as the program creates it, its home file in `home_directory`.
struct MemoryWindow {
  explicit MemoryWindow(const std::string& home_directory) : Tessaly(Screen, home_directory) {
    Screen.Attach(Tessaly);
    Tessaly.OnCreate();
  }
  MemoryScreen Screen;
  TTessaly1 Tessaly;
};

}  // namespace tessaly
