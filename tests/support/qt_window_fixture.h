// SPDX-License-Identifier: GPL-3.0-or-later
// The real window on the offscreen platform, driven by the window driver,
// with errors recorded instead of shown in a box.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "qt/qt_window.h"
#include "tests/support/home_directory.h"
#include "tests/support/window_driver.h"

// Shows a QString in a failure message.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace tessaly {

class QtWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    driver_.Create();
    window_ = &driver_.Window();
  }

  // Shows the window as the program does at start, first show included.
  void Start() { driver_.Start(); }

  QWidget* W(Control control) const { return window_->Widget(control); }
  QWindow* Handle() const { return window_->windowHandle(); }
  std::string Text(Control control) const { return window_->GetText(control); }

  // A point of `control`, in the window's coordinates; its centre by default.
  QPoint At(Control control, std::optional<QPoint> local = std::nullopt) const {
    QWidget* widget = W(control);
    return widget->mapTo(window_, local.value_or(widget->rect().center()));
  }

  void Click(Control control) { driver_.Click(control); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    driver_.Press(key, modifiers);
  }
  void Type(const std::string& text) { driver_.Type(text); }
  void Focus(Control control) { driver_.Focus(control); }
  std::vector<std::string> TakeErrors() { return driver_.TakeErrors(); }
  void WhenModalShows(std::function<void(QWidget*)> inspect) {
    driver_.WhenModalShows(std::move(inspect));
  }

  HomeDirectory home_;
  WindowDriver driver_{home_};
  TQtWindow* window_ = nullptr;
};

}  // namespace tessaly
