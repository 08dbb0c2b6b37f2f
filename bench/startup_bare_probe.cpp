// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the start-up: a bare Qt window with the same controls at
// the same places (frames, labels, edit fields, radio groups, buttons) and
// the same menus, and nothing behind them, ended after its first paint.
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <map>

#include "bench/first_paint.h"
#include "qt/latin1.h"
#include "window/layout.h"
#include "window/menu.h"

namespace {

using tessaly::ControlKind;
using tessaly::FromLatin1;

QWidget* MakeControl(const tessaly::ControlLayout& row, QWidget* parent) {
  const QRect place(row.Left, row.Top, row.Width, row.Height);
  QWidget* widget = nullptr;
  switch (row.Category) {
    case ControlKind::Panel: {
      auto* frame = new QFrame(parent);
      frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
      widget = frame;
      break;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(FromLatin1(row.Text), parent);
      label->move(row.Left, row.Top);
      return label;
    }
    case ControlKind::Edit:
    case ControlKind::ReadOnlyEdit: widget = new QLineEdit(FromLatin1(row.Text), parent); break;
    case ControlKind::RadioGroup: {
      auto* group = new QGroupBox(parent);
      new QRadioButton(FromLatin1(row.Text.substr(0, 1)), group);
      new QRadioButton(FromLatin1(row.Text.substr(1, 1)), group);
      widget = group;
      break;
    }
    case ControlKind::Button: widget = new QPushButton(FromLatin1(row.Text), parent); break;
  }
  widget->setGeometry(place);
  return widget;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  for (tessaly::Menu which : {tessaly::Menu::Main, tessaly::Menu::View}) {
    QMenu* menu = window.menuBar()->addMenu(FromLatin1(tessaly::TitleOf(which).Text));
    for (const tessaly::MenuEntry& entry : tessaly::MenuEntries()) {
      if (entry.In == which) menu->addAction(FromLatin1(entry.Text))->setCheckable(entry.Checkable);
    }
  }
  auto* client = new QWidget(&window);
  client->setFixedSize(tessaly::kClientWidth, tessaly::kClientHeight);
  window.setCentralWidget(client);
  std::map<tessaly::Control, QWidget*> parents{{tessaly::Control::Window, client}};
  for (const tessaly::ControlLayout& row : tessaly::WindowLayout()) {
    parents[row.Id] = MakeControl(row, parents.at(row.Parent));
  }
  window.show();
  new tessaly::TQuitAfterFirstPaint(window);
  return QApplication::exec();
}
