// SPDX-License-Identifier: GPL-3.0-or-later
// Routes the user's events to the event table, in the order the window's
// handlers expect: the key preview before the focused control, the key-down
// handlers before a typed character, a leave check only when the focus moves
// on to another control of the window.
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>
#include <utility>

#include "qt/qt_keys.h"
#include "qt/qt_window.h"
#include "qt/qt_window_widgets.h"
#include "window/error_display.h"

namespace tessaly {

bool TQtWindow::eventFilter(QObject* watched, QEvent* event) {
  // The filter is the application's: it sees every object's events.
  if (!watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (widget->window() != this) return false;
  switch (event->type()) {
    case QEvent::KeyPress: return RouteKeyPress(widget, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn: RouteFocusIn(widget); return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
      RouteMouseButton(widget, static_cast<QMouseEvent*>(event));
      return false;
    case QEvent::MouseButtonDblClick:
      return RouteDoubleClick(widget, static_cast<QMouseEvent*>(event));
    case QEvent::ToolTip:
      // Over these controls no hint shows, not even their parent's.
      if (!widgets_->Hintless.contains(widget)) return false;
      QToolTip::hideText();
      event->accept();
      return true;
    default: return false;
  }
}

bool TQtWindow::RouteKeyPress(QWidget* receiver, const QKeyEvent* event) {
  // A key the focused widget ignores goes on to its parents: act only once.
  if (receiver != focusWidget()) return false;
  const std::optional<Control> focused = ControlOf(receiver);
  if (!focused) return false;

  const int key = event->key();
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return false;
  if (IsButton(*focused) && IsButtonPressKey(key, modifiers)) {
    static_cast<QPushButton*>(receiver)->click();
    return true;
  }

  const bool key_down_done = Run([&] { tessaly_.OnKeyDown(*focused, KeyCodeOf(key)); });
  if (!key_down_done) return true;
  if (!IsCoordinateField(*focused)) return false;

  const std::optional<char> typed = TypedCharacter(key, modifiers, event->text());
  if (!typed) return false;
  char kept = '\0';
  const bool key_typed_done = Run([&] { kept = tessaly_.OnKeyTyped(*focused, *typed); });
  if (!key_typed_done || kept == '\0') return true;
  // The field acts on the character: a backspace typed as Ctrl+H deletes as
  // the Backspace key does.
  if (kept == '\b' && key != Qt::Key_Backspace) {
    static_cast<QLineEdit*>(receiver)->backspace();
    return true;
  }
  return false;
}

// A field is left when the focus arrives at another control of the window.
// A menu, the menu bar, a message box or another program may hold the
// keyboard meanwhile: the focus then comes back to the same field, or goes
// on from there to another control, and only that counts.
void TQtWindow::RouteFocusIn(QWidget* widget) {
  const std::optional<Control> control = ControlOf(widget);
  if (!control) return;
  const std::optional<Control> left = std::exchange(widgets_->Focused, control);
  if (!left || *left == *control || !IsCoordinateField(*left)) return;
  Run([&] { tessaly_.OnFocusLeft(*left); });
}

void TQtWindow::RouteMouseButton(QWidget* widget, const QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const std::optional<Control> control = ControlOf(widget);
  // Press and release propagate to the parents of a label: only the control
  // itself counts.
  if (!control || !(IsEdit(*control) || IsLabel(*control))) return;
  if (event->type() == QEvent::MouseButtonPress) {
    widgets_->Pressed = widget;
    return;
  }
  if (widgets_->Pressed != widget) return;
  widgets_->Pressed = nullptr;
  // A click is a press and a release inside the control.
  if (!widget->rect().contains(event->position().toPoint())) return;
  Run([&] { tessaly_.OnClick(*control); });
}

bool TQtWindow::RouteDoubleClick(QWidget* widget, const QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return false;
  const std::optional<Control> control = ControlOf(widget);
  if (!control) return false;
  if (*control != Control::Panel1 && *control != Control::Panel2 && *control != Control::Window) {
    return false;
  }
  // Only the bare surface counts: a double-click on a label or other child
  // may arrive here passed on from the child.
  if (widget->childAt(event->position().toPoint()) != nullptr) return false;
  Run([&] { tessaly_.OnDoubleClick(*control); });
  return true;
}

}  // namespace tessaly
