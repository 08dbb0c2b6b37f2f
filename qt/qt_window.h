// SPDX-License-Identifier: GPL-3.0-or-later
// The main window in Qt Widgets: builds the controls from the layout table,
// routes every user event to TTessaly1's event table, and implements the
// window operations on the widgets.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "qt/preferences.h"
#include "window/error_display.h"
#include "window/layout.h"
#include "window/menu.h"
#include "window/tessaly.h"
#include "window/window_operations.h"

class QAction;
class QKeyEvent;
class QMenu;
class QMouseEvent;

namespace tessaly {

class TAboutWin;
class TMapWindow;

// Shows one error, already worded as the box shows it. The program's own
// display opens a message box; tests and the scenario runner record instead.
using ErrorDisplay = std::function<void(QWidget* parent, const std::string& text)>;
// The message box titled "Tessaly" with an error icon.
void ShowErrorBox(QWidget* parent, const std::string& text);

class TQtWindow : public QMainWindow, public WindowOperations {
  Q_OBJECT

 public:
  // Builds every control and runs FormCreate; the home file lives in
  // `home_directory`. FormShow runs at the first show.
  explicit TQtWindow(std::string home_directory, ErrorDisplay show_error = ShowErrorBox);
  ~TQtWindow() override;

  // The widget behind a control; Control::Window gives the bare client area
  // (the central widget). Every control widget's objectName is its control
  // name ("Edit7").
  QWidget* Widget(Control control) const;
  QAction* MenuAction(MenuItem item) const;
  TAboutWin& AboutBox();
  TTessaly1& Tessaly() { return tessaly_; }

  // WindowOperations.
  std::string GetText(Control control) const override;
  void SetText(Control control, const std::string& text) override;
  int GetItemIndex(Control radio_group) const override;
  void SetItemIndex(Control radio_group, int index) override;
  void SetVisible(Control control, bool visible) override;
  void SetWidth(Control control, int pixels) override;
  void SetPosition(Control control, int left, int top) override;
  void SetFocus(Control control) override;
  std::optional<Control> FocusedControl() const override;
  void ShowAboutBox() override;
  void CloseWindow() override;
  void ShowError(const std::string& message) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Widgets;

  void BuildMenu();
  // The items of `which`, and its submenus, into `menu`.
  void FillMenu(QMenu& menu, Menu which);
  void BuildControls();
  QWidget* AddControl(const ControlLayout& row);
  // One builder a kind of control; each returns the control's widget.
  QWidget* AddPanel(const ControlLayout& row, QWidget* parent);
  QWidget* AddLabel(const ControlLayout& row, QWidget* parent);
  QWidget* AddEdit(const ControlLayout& row, QWidget* parent);
  QWidget* AddRadioGroup(const ControlLayout& row, QWidget* parent);
  QWidget* AddButton(const ControlLayout& row, QWidget* parent);
  void BuildTabOrder();
  void CentreOnScreen();

  // The control a widget shows (a radio item counts as its group).
  std::optional<Control> ControlOf(const QWidget* widget) const;
  // Runs one event's handler (see RunGuarded), then shows the state it may
  // have changed that no window operation shows.
  template <typename Handler>
  bool Run(Handler&& handler) {
    const bool done = RunGuarded(*this, std::forward<Handler>(handler));
    ShowViewState();
    return done;
  }
  // The View menu's check marks, the unit in the distance field's name, and
  // the great-circle map while it is open.
  void ShowViewState();
  // View → Great-circle map: the map's window, made when first opened.
  void OpenMap();
  void OnUserTextChanged(Control control);
  // The routes that may use up their event say so by returning true.
  bool RouteKeyPress(QWidget* receiver, const QKeyEvent* event);
  void RouteFocusIn(QWidget* widget);
  void RouteMouseButton(QWidget* widget, const QMouseEvent* event);
  bool RouteDoubleClick(QWidget* widget, const QMouseEvent* event);

  std::unique_ptr<Widgets> widgets_;
  Preferences preferences_;
  TTessaly1 tessaly_;
  ErrorDisplay show_error_;
  bool shown_before_ = false;
  int saved_precision_ = 0;
};

}  // namespace tessaly
