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
  std::map<Control, QWidget*> Controls;  // Control::Window is the client area
  std::map<Control, TRadioGroup*> RadioGroups;
  std::map<const QWidget*, Control> Owners;  // control widgets and radio items
  std::set<const QWidget*> Hintless;         // no hint shows over these at all
  std::map<MenuItem, QAction*> MenuActions;
  TAboutWin* About = nullptr;            // made when first asked for: most runs never show it
  TMapWindow* Map = nullptr;             // made when first opened
  std::optional<Control> Focused;        // the control that last held the keyboard focus
  QPointer<QWidget> Pressed;             // an edit or label under a left press not yet released
  int ProgramWrites = 0;                 // text changes now under way are the program's own
  std::map<Control, QString> TextsSeen;  // each edit's text as its handlers last saw it
};

}  // namespace tessaly
