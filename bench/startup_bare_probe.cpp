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

namespace {

using tessaly::ControlKind;
using tessaly::FromLatin1;

QWidget* MakeControl(const tessaly::ControlLayout& row, QWidget* parent) {
  const QRect place(row.left, row.top, row.width, row.height);
  QWidget* widget = nullptr;
  switch (row.kind) {
    case ControlKind::Panel: {
      auto* frame = new QFrame(parent);
      frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
      widget = frame;
      break;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(FromLatin1(row.text), parent);
      label->move(row.left, row.top);
      return label;
    }
    case ControlKind::Edit:
    case ControlKind::ReadOnlyEdit: widget = new QLineEdit(FromLatin1(row.text), parent); break;
    case ControlKind::RadioGroup: {
      auto* group = new QGroupBox(parent);
      new QRadioButton(FromLatin1(row.text.substr(0, 1)), group);
      new QRadioButton(FromLatin1(row.text.substr(1, 1)), group);
      widget = group;
      break;
    }
    case ControlKind::Button: widget = new QPushButton(FromLatin1(row.text), parent); break;
  }
  widget->setGeometry(place);
  return widget;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  QMenu* main_menu = window.menuBar()->addMenu(FromLatin1(tessaly::kMainMenuTitle));
  for (std::string_view item : {tessaly::kMenuExit, tessaly::kMenuSaveHome,
                                tessaly::kMenuRecallHome, tessaly::kMenuAbout}) {
    main_menu->addAction(FromLatin1(item));
  }
  QMenu* view_menu = window.menuBar()->addMenu(FromLatin1(tessaly::kViewMenuTitle));
  for (std::string_view item :
       {tessaly::kMenuHomeDecimal, tessaly::kMenuDestinationDecimal, tessaly::kMenuKilometres}) {
    view_menu->addAction(FromLatin1(item))->setCheckable(true);
  }
  auto* client = new QWidget(&window);
  client->setFixedSize(tessaly::kClientWidth, tessaly::kClientHeight);
  window.setCentralWidget(client);
  std::map<tessaly::Control, QWidget*> parents{{tessaly::Control::Window, client}};
  for (const tessaly::ControlLayout& row : tessaly::WindowLayout()) {
    parents[row.control] = MakeControl(row, parents.at(row.parent));
  }
  window.show();
  new tessaly::QuitAfterFirstPaint(window);
  return QApplication::exec();
}
