// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it is built: geometry, parents, captions, fonts, menu, hints
// and tab order, each written out here rather than taken from the table the
// window is built from.
#include <QFontInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>

#include "tests/support/qt_window_fixture.h"
#include "window/layout.h"

namespace tessaly {
namespace {

using C = Control;

// Parent widget of each control, and the window's client area for the rest.
TEST_F(QtWindowTest, ClientAreaIsFixedBelowTheMenuAndTheWindowCentred) {
  Start();
  QWidget* client = W(C::Window);
  EXPECT_EQ(client->size(), QSize(419, 316));
  EXPECT_EQ(client->y(), window_->menuBar()->geometry().bottom() + 1);
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
  EXPECT_EQ(window_->height(), window_->menuBar()->height() + 316);
  const QPoint screen_centre = window_->screen()->availableGeometry().center();
  EXPECT_LE((window_->frameGeometry().center() - screen_centre).manhattanLength(), 1);
}

// The texts as shown, without the markers of their underlined letters; a
// submenu's items after its title, indented.
TEST_F(QtWindowTest, MenusHoldTheirItemsInOrder) {
  const QList<QAction*> menus = window_->menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(ShownMenuText(*menus[0]), "Main");
  EXPECT_EQ(ShownMenuText(*menus[1]), "View");
  std::vector<std::string> items;
  for (const QAction* menu : menus) {
    for (const QAction* item : menu->menu()->actions()) {
      if (item->isSeparator()) continue;
      items.push_back(ShownMenuText(*item));
      if (!item->menu()) continue;
      for (const QAction* choice : item->menu()->actions()) {
        items.push_back("  " + ShownMenuText(*choice) + (choice->isChecked() ? " (chosen)" : ""));
      }
    }
  }
  EXPECT_EQ(items, (std::vector<std::string>{
                       "Exit", "Save Home ", "Recall Home", "About", "Home in decimal degrees",
                       "Destination in decimal degrees", "Distance in kilometres",
                       "Locator precision", "  6 characters (chosen)", "  8 characters",
                       "  10 characters", "  12 characters", "Great-circle map"}));
  EXPECT_EQ(window_->MenuAction(MenuItem::SaveHome), menus[0]->menu()->actions()[1]);
  EXPECT_EQ(window_->MenuAction(MenuItem::About), menus[0]->menu()->actions()[3]);
  EXPECT_EQ(window_->MenuAction(MenuItem::Kilometres), menus[1]->menu()->actions()[2]);
}

// The frames are twins: every Destination control sits where its Home twin
// sits in the Home frame, the latitude row over the frame though it belongs
// to the window. Every control lies inside its parent.
TEST_F(QtWindowTest, TheDestinationFrameRepeatsTheHomeFrame) {
  const QPoint frame_offset = W(C::Panel2)->pos() - W(C::Panel1)->pos();
  EXPECT_EQ(frame_offset, QPoint(200, 0));
  const std::pair<Control, Control> twins[] = {
      {C::Edit1, C::Edit8},
      {C::Edit2, C::Edit9},
      {C::Edit3, C::Edit10},
      {C::Edit4, C::Edit11},
      {C::Edit5, C::Edit12},
      {C::Edit6, C::Edit13},
      {C::Edit7, C::Edit14},
      {C::RadioGroup1, C::RadioGroup3},
      {C::RadioGroup2, C::RadioGroup4},
      {C::Button1, C::Button3},
      {C::Button2, C::Button4},
      {C::Label4, C::Label12},
      {C::Label9, C::Label21},
  };
  for (const auto& [home, destination] : twins) {
    const QRect home_place = W(home)->geometry();
    const bool over_the_frame = W(destination)->parentWidget() == W(C::Window);
    EXPECT_EQ(
        W(destination)->geometry(),
        over_the_frame ? home_place.translated(W(C::Panel1)->pos() + frame_offset) : home_place)
        << ControlName(destination);
  }
  for (Control over : {C::Edit8, C::Edit9, C::Edit10, C::RadioGroup3}) {
    EXPECT_EQ(W(over)->parentWidget(), W(C::Window)) << ControlName(over);
  }
  for (const QWidget* child : W(C::Window)->findChildren<QWidget*>()) {
    const std::optional<Control> control = ControlByName(child->objectName().toStdString());
    if (!control) continue;
    EXPECT_TRUE(child->parentWidget()->rect().contains(child->geometry()))
        << ControlName(*control) << " leaves its parent";
  }
}

TEST_F(QtWindowTest, LabelsShowTheirCaptionsWholeWithoutOverlappingAnything) {
  Start();
  const struct {
    Control Label;
    Control Parent;
    QPoint Position;
    const char* Caption;
  } cases[] = {
      {C::Label1, C::Panel1, {16, 8}, "Home Latitude"},
      {C::Label6, C::Panel1, {8, 72}, "Home Longtitude"},
      {C::Label10, C::Panel1, {16, 136}, "Home Grid "},
      {C::Label18, C::Panel2, {8, 72}, "Destination Longitude"},
      {C::Label12, C::Panel2, {48, 24}, "Min"},
      {C::Label23, C::Panel3, {8, 8}, "Heading (forward : reverse)"},
      {C::Label24, C::Panel3, {160, 8}, "Distance (miles)"},
  };
  for (const auto& each : cases) {
    const auto* label = qobject_cast<const QLabel*>(W(each.Label));
    ASSERT_NE(label, nullptr) << ControlName(each.Label);
    EXPECT_EQ(label->parentWidget(), W(each.Parent)) << ControlName(each.Label);
    EXPECT_EQ(label->pos(), each.Position) << ControlName(each.Label);
    EXPECT_EQ(label->text(), each.Caption);
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
        << ControlName(each.Label);
  }
  // Legible: no two controls of one frame overlap (the Destination latitude
  // lies over Panel2 on purpose).
  for (Control parent : {C::Window, C::Panel1, C::Panel2, C::Panel3}) {
    std::vector<const QWidget*> controls;
    for (const QWidget* child : W(parent)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const std::optional<Control> control = ControlByName(child->objectName().toStdString());
      if (control && !IsPanel(*control)) controls.push_back(child);
    }
    for (std::size_t first = 0; first < controls.size(); ++first) {
      for (std::size_t second = first + 1; second < controls.size(); ++second) {
        EXPECT_FALSE(controls[first]->geometry().intersects(controls[second]->geometry()))
            << controls[first]->objectName().toStdString() << " overlaps "
            << controls[second]->objectName().toStdString();
      }
    }
  }
}

TEST_F(QtWindowTest, StartsWithEmptyFieldsNoHemisphereTheStandInFontAndButton3Focused) {
  // Before the first show, which recalls the home location.
  EXPECT_EQ(Text(C::Edit2), " ");
  for (Control field : {C::Edit1, C::Edit3, C::Edit7, C::Edit8, C::Edit14, C::Edit16}) {
    EXPECT_EQ(Text(field), "") << ControlName(field);
  }
  const struct {
    Control Group;
    const char* FirstItem;
    const char* SecondItem;
  } groups[] = {{C::RadioGroup1, "N", "S"},
                {C::RadioGroup2, "W", "E"},
                {C::RadioGroup3, "N", "S"},
                {C::RadioGroup4, "W", "E"}};
  for (const auto& each : groups) {
    EXPECT_EQ(window_->GetItemIndex(each.Group), -1) << ControlName(each.Group);
    const QList<QRadioButton*> items = W(each.Group)->findChildren<QRadioButton*>();
    ASSERT_EQ(items.size(), 2) << ControlName(each.Group);
    EXPECT_EQ(items[0]->text(), each.FirstItem);
    EXPECT_EQ(items[1]->text(), each.SecondItem);
  }
  EXPECT_EQ(window_->focusWidget(), W(C::Button3));

  // The stand-in for "MS Sans Serif": the fields of 10 points are drawn
  // larger than the rest, as large as their longest texts allow (see
  // qt_legibility_test.cpp).
  for (Control control : {C::Edit7, C::Edit14, C::Edit15, C::Edit16}) {
    EXPECT_GT(QFontInfo(W(control)->font()).pixelSize(), QFontInfo(W(C::Edit1)->font()).pixelSize())
        << ControlName(control);
    EXPECT_EQ(QFontInfo(W(control)->font()).family(), "DejaVu Sans Condensed")
        << ControlName(control);
  }
  for (Control control : {C::Edit1, C::Edit8, C::Label1, C::Button5, C::RadioGroup3}) {
    EXPECT_EQ(W(control)->font().pointSize(), 8) << ControlName(control);
    EXPECT_EQ(QFontInfo(W(control)->font()).family(), "DejaVu Sans Condensed")
        << ControlName(control);
  }
  for (Control control : {C::Edit15, C::Edit16}) {
    EXPECT_TRUE(qobject_cast<QLineEdit*>(W(control))->isReadOnly()) << ControlName(control);
    EXPECT_EQ(W(control)->cursor().shape(), Qt::ArrowCursor) << ControlName(control);
  }
  EXPECT_FALSE(qobject_cast<QLineEdit*>(W(C::Edit14))->isReadOnly());
  for (Control control : {C::Button1, C::Button2, C::Button3, C::Button4, C::Button5}) {
    const auto* button = qobject_cast<QPushButton*>(W(control));
    EXPECT_FALSE(button->autoDefault() || button->isDefault()) << ControlName(control);
  }
}

// The tool tip shown when the mouse rests on `point` of `widget`; empty when
// none shows.
QString ToolTipAt(QWidget* widget, QPoint point) {
  // Qt lets a tip fade for a while after it is hidden: close it at once.
  for (QWidget* each : QApplication::topLevelWidgets()) {
    if (each->windowType() == Qt::ToolTip) each->close();
  }
  if (QToolTip::isVisible()) return "the last tip did not close";
  QHelpEvent event(QEvent::ToolTip, point, widget->mapToGlobal(point));
  QApplication::sendEvent(widget, &event);
  return QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST_F(QtWindowTest, HintsShowWhereTheyAreSetAndNowhereTheyAreOff) {
  Start();
  const QString window_hint = "Dbl-L-Click Edge to change Lat/Lon format for both locations. ";
  const QString home_hint = "Dbl-L-Click Frame to switch Lat/Lon format for home.  ";
  const QString destination_hint = "Dbl-L-Click Frame to switch Lat/Lon format for Destination. ";
  const QString clears_hint = " <Cntrl> or <Del> clears values. ";
  const struct {
    Control Id;
    QString Hint;
  } cases[] = {
      {C::Window, window_hint},
      {C::Panel1, home_hint},
      {C::Panel2, destination_hint},
      {C::Edit7, clears_hint},
      {C::Edit14, clears_hint},
      {C::Label24, " L-Click to switch from miles to kilometers. "},
      // No hint of their own: the parent's shows through.
      {C::Label1, home_hint},
      {C::Label22, destination_hint},
      {C::Panel3, window_hint},
      {C::Label23, window_hint},
      {C::Edit15, window_hint},
      {C::Button5, window_hint},
      // Hints switched off: nothing at all.
      {C::Edit1, ""},
      {C::Edit6, ""},
      {C::Edit8, ""},
      {C::Edit13, ""},
      {C::Button1, ""},
      {C::Button4, ""},
  };
  for (const auto& each : cases) {
    QWidget* widget = W(each.Id);
    // Panels: a corner inside the bevel, clear of their children.
    const QPoint point = IsPanel(each.Id) || each.Id == C::Window ? QPoint(4, widget->height() - 4)
                                                                  : widget->rect().center();
    ASSERT_EQ(widget->childAt(point), nullptr) << ControlName(each.Id);
    EXPECT_EQ(ToolTipAt(widget, point), each.Hint) << ControlName(each.Id);
  }
  for (Control group : {C::RadioGroup1, C::RadioGroup3}) {
    for (QRadioButton* item : W(group)->findChildren<QRadioButton*>()) {
      EXPECT_EQ(ToolTipAt(item, item->rect().center()), "") << ControlName(group);
    }
    EXPECT_EQ(ToolTipAt(W(group), {2, 2}), "") << ControlName(group);
  }
}

TEST_F(QtWindowTest, TabVisitsTheControlsFrameByFrame) {
  Start();
  const Control expected[] = {
      C::Edit1,       C::Edit2,  C::Edit3,   C::Edit4,       C::Edit5,  C::Edit6,  C::RadioGroup1,
      C::RadioGroup2, C::Edit7,  C::Button1, C::Button2,     C::Edit11, C::Edit12, C::Edit13,
      C::RadioGroup4, C::Edit14, C::Button3, C::Button4,     C::Edit15, C::Edit16, C::Button5,
      C::Edit8,       C::Edit9,  C::Edit10,  C::RadioGroup3, C::Edit1,
  };
  Focus(C::Edit1);
  std::vector<std::string> visited;
  for (std::size_t step = 1; step < std::size(expected); ++step) {
    Key(Qt::Key_Tab);
    QWidget* focused = window_->focusWidget();
    const bool in_group = qobject_cast<QRadioButton*>(focused) != nullptr;
    visited.push_back((in_group ? focused->parentWidget() : focused)->objectName().toStdString());
  }
  std::vector<std::string> wanted;
  for (std::size_t step = 1; step < std::size(expected); ++step) {
    wanted.push_back(ControlName(expected[step]));
  }
  EXPECT_EQ(visited, wanted);
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

// Tab and Shift+Tab enter a hemisphere group at its selected item, the first
// while none is, whichever item held the focus before.
TEST_F(QtWindowTest, TabEntersAHemisphereGroupAtItsSelectedItem) {
  Start();
  const QList<QRadioButton*> items = W(C::RadioGroup4)->findChildren<QRadioButton*>();
  for (const int selected : {1, -1, 0, 1}) {
    window_->SetItemIndex(C::RadioGroup4, selected);
    for (const auto& [from, key] :
         {std::pair{C::Edit13, Qt::Key_Tab}, {C::Edit14, Qt::Key_Backtab}}) {
      Focus(from);
      Key(key);
      EXPECT_EQ(window_->focusWidget(), items[selected == 1 ? 1 : 0])
          << "item " << selected << " selected, from " << ControlName(from);
    }
  }
}

}  // namespace
}  // namespace tessaly
