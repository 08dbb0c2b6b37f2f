// SPDX-License-Identifier: GPL-3.0-or-later
// The widgets behind the main window's controls, shared by the files that
// build the window and route its events.
#pragma once

#include <QPointer>
#include <QString>
#include <map>
#include <optional>
#include <set>

#include "qt/qt_window.h"

namespace tessaly {

class TRadioGroup;

struct TQtWindow::Widgets {
  std::map<Control, QWidget*> controls;  // Control::Window is the client area
  std::map<Control, TRadioGroup*> radio_groups;
  std::map<const QWidget*, Control> owners;  // control widgets and radio items
  std::set<const QWidget*> hintless;         // no hint shows over these at all
  std::map<MenuItem, QAction*> menu;
  TAboutWin* about = nullptr;             // made when first asked for: most runs never show it
  TMapWindow* map = nullptr;              // made when first opened
  std::optional<Control> focused;         // the control that last held the keyboard focus
  QPointer<QWidget> pressed;              // an edit or label under a left press not yet released
  int program_writes = 0;                 // text changes now under way are the program's own
  std::map<Control, QString> texts_seen;  // each edit's text as its handlers last saw it
};

}  // namespace tessaly
