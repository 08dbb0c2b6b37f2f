// Drives the real Tessaly window the way a person does: keys and clicks go
// through the window system to the focused control or the control under the
// pointer, so key preview, the controls' own handlers and Qt's behaviour all
// run as they would at a desk. Every problem ends the case (CaseFailure).
#pragma once

#include <QPointer>
#include <deque>
#include <string>

#include "app/controls.h"
#include "app/qt_window.h"
#include "tools/scenario/home_directory.h"
#include "tools/scenario/key_input.h"

class QAction;
class QPoint;
class QRadioButton;

namespace scenario {

class WindowDriver {
 public:
  // Errors the window shows are appended to `errors`.
  WindowDriver(const HomeDirectory& home, std::deque<std::string>& errors);
  ~WindowDriver();
  WindowDriver(const WindowDriver&) = delete;
  WindowDriver& operator=(const WindowDriver&) = delete;

  // Creates and shows the window as at program start.
  void Start();
  // Closes and deletes the window, then starts a new one.
  void Restart();
  // Starts the window if this case has none yet.
  void EnsureStarted();
  // The same, and fails once the window was closed.
  void EnsureRunning();
  bool Closed() const;

  void Focus(tessaly::Control control);
  void Type(const std::string& bytes);
  void Press(const KeyStroke& stroke);
  void Click(tessaly::Control control);
  void DoubleClick(tessaly::Control control);
  void Choose(tessaly::Control radio_group, int index);
  void Menu(const std::string& text);
  // As a program write: an error it raises is shown like any handler's.
  void Set(tessaly::Control control, const std::string& text);

  std::string Text(tessaly::Control control);
  int ItemIndex(tessaly::Control radio_group);
  bool Visible(tessaly::Control control);
  int Width(tessaly::Control control);
  // The control that has the keyboard focus, by name.
  std::string FocusedControl();

 private:
  tessaly::TQtWindow& Window();
  QWidget& Widget(tessaly::Control control);
  QRadioButton& Item(tessaly::Control radio_group, int index);
  // Actions need the window active, or keys go nowhere.
  void Activate();
  void Close();
  // A point in window coordinates where a click reaches `control`.
  QPoint ClickPoint(tessaly::Control control);
  QPoint BareSurfacePoint(tessaly::Control control);
  void ChooseAbout(QAction& about);

  const HomeDirectory& home_;
  std::deque<std::string>& errors_;
  QPointer<tessaly::TQtWindow> window_;
  bool started_ = false;
};

}  // namespace scenario
