// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real Tessaly window the way a person does: keys and clicks go
// through the window system to the focused control or the control under the
// pointer, so key preview, the controls' own handlers and Qt's behaviour all
// run as they would at a desk. Errors the window would show in a box are
// recorded instead. Every problem with an action ends it with DriverFailure.
// The Qt tests and the scenario runner both drive the window through it.
#pragma once

#include <QPointer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "qt/qt_window.h"
#include "tests/support/driver_failure.h"
#include "tests/support/home_directory.h"
#include "tests/support/key_input.h"
#include "window/controls.h"

class QAction;
class QPoint;
class QRadioButton;
class QTimer;

namespace tessaly {

// A menu item's text as the menu shows it: without the "&" before its
// underlined letter ("&&" shows one "&").
std::string ShownMenuText(const QAction& action);

class WindowDriver {
 public:
  explicit WindowDriver(const HomeDirectory& home);
  ~WindowDriver();
  WindowDriver(const WindowDriver&) = delete;
  WindowDriver& operator=(const WindowDriver&) = delete;

  // Builds the window as the program does before showing it.
  void Create();
  // Shows it as at program start, first show included; builds it first if
  // need be.
  void Start();
  // Closes and deletes the window, then starts a new one.
  void Restart();
  // Starts the window if there is none yet.
  void EnsureStarted();
  bool Closed() const;
  TQtWindow& Window();

  void Focus(Control control);
  void Type(const std::string& bytes);
  void Press(const KeyStroke& stroke);
  // A key as Qt's test events word it (Ctrl+V carries "v").
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void Click(Control control);
  void DoubleClick(Control control);
  void Choose(Control radio_group, int index);
  // Chooses the menu item that shows `text`, in whichever menu.
  void Menu(const std::string& text);
  // As a program write: an error it raises is shown like any handler's.
  void Set(Control control, const std::string& text);

  // Once a modal window shows, hands it to `inspect`, then presses its OK
  // button unless `inspect` closed it. Returns at once; the next action that
  // opens a modal window sets it off.
  void WhenModalShows(std::function<void(QWidget*)> inspect);
  bool ModalSeen() const { return modal_seen_; }

  std::string Text(Control control);
  int ItemIndex(Control radio_group);
  bool Visible(Control control);
  int Width(Control control);
  // The control that has the keyboard focus, by name.
  std::string FocusedControl();

  // The error texts shown so far, oldest first.
  std::deque<std::string>& Errors() { return errors_; }
  std::vector<std::string> TakeErrors();

  QWidget& Widget(Control control);
  QRadioButton& Item(Control radio_group, int index);

 private:
  // Actions need the window active, or keys go nowhere.
  void Activate();
  void Close();
  // A point in window coordinates where a click reaches `control`.
  QPoint ClickPoint(Control control);
  QPoint BareSurfacePoint(Control control);
  // A click, or a double click, at a point in window coordinates.
  void ClickAt(const QPoint& point, bool twice);
  void ChooseAbout(QAction& about);

  const HomeDirectory& home_;
  std::deque<std::string> errors_;
  QPointer<TQtWindow> window_;
  bool started_ = false;
  std::unique_ptr<QTimer> modal_timer_;
  bool modal_seen_ = false;
  bool modal_stayed_open_ = false;
};

}  // namespace tessaly
