// The real window on the offscreen platform, driven through its QWindow the
// way a person's keys and mouse reach it, with errors recorded instead of
// shown in a box.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/qt_window.h"

// Shows a QString in a failure message.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace tessaly {

class QtWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    window_ = std::make_unique<TQtWindow>(
        QFile::encodeName(home_.path()).toStdString(),
        [this](QWidget*, const std::string& text) { errors_.push_back(text); });
  }

  // Shows the window as the program does at start, first show included.
  void Start() {
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  QWidget* W(Control control) const { return window_->Widget(control); }
  QWindow* Handle() const { return window_->windowHandle(); }
  std::string Text(Control control) const { return window_->GetText(control); }

  // A point of `control`, in the window's coordinates; its centre by default.
  QPoint At(Control control, std::optional<QPoint> local = std::nullopt) const {
    QWidget* widget = W(control);
    return widget->mapTo(window_.get(), local.value_or(widget->rect().center()));
  }

  void Click(Control control) { QTest::mouseClick(Handle(), Qt::LeftButton, {}, At(control)); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Handle(), key, modifiers);
  }
  void Type(const std::string& text) {
    for (char each : text) QTest::keyClick(Handle(), each);
  }
  // Moves the focus as Tab would, without a click; into a radio group's
  // first item.
  void Focus(Control control) {
    QWidget* target =
        IsRadioGroup(control) ? W(control)->findChildren<QRadioButton*>().front() : W(control);
    target->setFocus(Qt::TabFocusReason);
  }

  std::vector<std::string> TakeErrors() { return std::exchange(errors_, {}); }

  // Once a modal window shows, hands it to `inspect`, then presses its
  // (only) button unless `inspect` closed it; sets modal_seen_.
  void WhenModalShows(std::function<void(QWidget*)> inspect) {
    modal_seen_ = false;
    modal_timer_ = std::make_unique<QTimer>();
    modal_timer_->setInterval(kModalPollMilliseconds);
    QObject::connect(modal_timer_.get(), &QTimer::timeout, [this, inspect] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      modal_timer_->stop();
      modal_seen_ = true;
      inspect(modal);
      if (modal->isVisible()) modal->findChild<QAbstractButton*>()->click();
    });
    modal_timer_->start();
  }
  void CloseModalWithOk() {
    WhenModalShows([](QWidget*) {});
  }

  static constexpr int kModalPollMilliseconds = 10;
  std::unique_ptr<QTimer> modal_timer_;
  bool modal_seen_ = false;
  QTemporaryDir home_;
  std::vector<std::string> errors_;
  std::unique_ptr<TQtWindow> window_;
};

}  // namespace tessaly
