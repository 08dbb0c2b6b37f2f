// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks, double-clicks and focus moves through the real window: which of
// them reach a handler and which do not.
#include <QMenuBar>
#include <QRadioButton>

#include "tests/support/qt_window_fixture.h"

namespace tessaly {
namespace {

using C = Control;

class MouseFocusTest : public QtWindowTest {
 protected:
  void SetUp() override {
    QtWindowTest::SetUp();
    Start();
  }

  // A click on the menu's title in the menu bar.
  void OpenMainMenu() {
    QMenuBar* bar = window_->menuBar();
    const QPoint title = bar->actionGeometry(bar->actions().front()).center();
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, bar->mapTo(window_, title));
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
  }
};

TEST_F(MouseFocusTest, LeavingAFieldForAnotherControlChecksIt) {
  QRadioButton* east = W(C::RadioGroup2)->findChildren<QRadioButton*>().back();
  const struct {
    const char* Move;
    std::function<void()> Action;
  } cases[] = {
      {"Shift+Tab", [this] { Key(Qt::Key_Tab, Qt::ShiftModifier); }},
      {"click on a field", [this] { Click(C::Edit3); }},
      {"click on a radio item",
       [this, east] {
         QTest::mouseClick(Handle(), Qt::LeftButton, {},
                           east->mapTo(window_, east->rect().center()));
       }},
  };
  for (const auto& each : cases) {
    window_->SetText(C::Edit1, "90");
    Focus(C::Edit1);
    each.Action();
    EXPECT_NE(window_->focusWidget(), W(C::Edit1)) << each.Move;
    EXPECT_EQ(Text(C::Edit1), "") << each.Move;
  }
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

TEST_F(MouseFocusTest, AMenuOrAMessageBoxTakingTheKeyboardLeavesNoField) {
  window_->SetText(C::Edit1, "90");
  Focus(C::Edit1);

  // Escape closes the menu, then leaves the menu bar.
  OpenMainMenu();
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(window_->focusWidget(), window_->menuBar());
  Key(Qt::Key_Escape);
  EXPECT_EQ(window_->focusWidget(), W(C::Edit1));
  EXPECT_EQ(Text(C::Edit1), "90");

  WhenModalShows([](QWidget*) {});
  ShowErrorBox(window_, "Some error.");
  ASSERT_TRUE(driver_.ModalSeen());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
  EXPECT_EQ(window_->focusWidget(), W(C::Edit1));
  EXPECT_EQ(Text(C::Edit1), "90");

  // Only a real move checks it.
  Key(Qt::Key_Tab);
  EXPECT_EQ(Text(C::Edit1), "");
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

TEST_F(MouseFocusTest, AFieldLeftForTheMenuBarIsCheckedWhenAnotherControlTakesTheFocus) {
  window_->SetText(C::Edit1, "90");
  Focus(C::Edit1);
  OpenMainMenu();
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  ASSERT_EQ(window_->focusWidget(), window_->menuBar());
  EXPECT_EQ(Text(C::Edit1), "90");
  Click(C::Edit3);
  EXPECT_EQ(window_->focusWidget(), W(C::Edit3));
  EXPECT_EQ(Text(C::Edit1), "");
}

TEST_F(MouseFocusTest, AFailedCheckIsShownAndTheProgramRunsOn) {
  window_->SetText(C::Edit2, " ");
  Focus(C::Edit2);
  Key(Qt::Key_Tab);
  ASSERT_EQ(TakeErrors(), std::vector<std::string>{"' ' is not a valid integer value."});
  EXPECT_EQ(window_->focusWidget(), W(C::Edit3));
  window_->SetText(C::Edit3, "");
  Type("7");
  EXPECT_EQ(Text(C::Edit3), "7");
}

TEST_F(MouseFocusTest, AClickIsAPressAndAReleaseInsideTheControl) {
  Click(C::Edit3);
  EXPECT_EQ(Text(C::Edit3), "");

  // Again, with the focus already there.
  Type("5");
  Click(C::Edit3);
  EXPECT_EQ(Text(C::Edit3), "");

  // Released outside: no click.
  Type("5");
  QTest::mousePress(Handle(), Qt::LeftButton, {}, At(C::Edit3));
  QTest::mouseRelease(Handle(), Qt::LeftButton, {}, At(C::Edit1));
  EXPECT_EQ(Text(C::Edit3), "5");
}

TEST_F(MouseFocusTest, DoubleClicksSwitchOnlyOnTheBareSurfaceOfAFrame) {
  const struct {
    const char* Target;
    Control Id;
    QPoint Point;  // in the Id; (-1, -1): its centre
    bool HomeSwitches;
    bool DestinationSwitches;
  } cases[] = {
      {"window surface between frames", C::Window, {208, 100}, true, true},
      {"RadioGroup3 frame", C::RadioGroup3, {2, 2}, false, false},
      {"label in Panel1", C::Label1, {-1, -1}, false, false},
      {"label in Panel3", C::Label23, {-1, -1}, false, false},
      {"Panel3 surface", C::Panel3, {4, 60}, false, false},
      {"Edit1", C::Edit1, {-1, -1}, false, false},
      {"Edit16", C::Edit16, {-1, -1}, false, false},
  };
  for (const auto& each : cases) {
    const QPoint point = each.Point == QPoint(-1, -1) ? W(each.Id)->rect().center() : each.Point;
    if (IsPanel(each.Id) || each.Id == C::Window) {
      ASSERT_EQ(W(each.Id)->childAt(point), nullptr) << each.Target;
    }
    const bool home_before = window_->Tessaly().IsChecked(MenuItem::HomeDecimal);
    const bool destination_before = window_->Tessaly().IsChecked(MenuItem::DestinationDecimal);
    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, At(each.Id, point));
    EXPECT_EQ(window_->Tessaly().IsChecked(MenuItem::HomeDecimal), home_before != each.HomeSwitches)
        << each.Target;
    EXPECT_EQ(window_->Tessaly().IsChecked(MenuItem::DestinationDecimal),
              destination_before != each.DestinationSwitches)
        << each.Target;
    EXPECT_EQ(TakeErrors(), std::vector<std::string>{}) << each.Target;
  }
}

// A switch to decimal degrees hides the minute and second fields; the one
// that had the focus was not left by the user and is not checked (which
// field takes the focus is the format switch's own test). The caret is at
// the end, so the next digit typed is added to the value.
TEST_F(MouseFocusTest, HidingTheFocusedFieldRunsNoCheckAndTypingGoesOn) {
  window_->SetText(C::Edit2, " ");   // no whole number: a check would report it
  window_->SetText(C::Edit6, "75");  // above 59: a check would empty it
  Focus(C::Edit6);
  driver_.DoubleClick(C::Panel1);
  ASSERT_EQ(window_->focusWidget(), W(C::Edit4));
  const std::string before = Text(C::Edit4);
  Type("7");
  EXPECT_EQ(Text(C::Edit4), before + "7");
  EXPECT_EQ(Text(C::Edit6), "75");
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

}  // namespace
}  // namespace tessaly
