// SPDX-License-Identifier: GPL-3.0-or-later
// Every command from the keyboard alone, with real key events through the
// window: the menus by their underlined letters and F10, the View items also
// by their function keys, the buttons by Tab and Enter. The View menu's check
// marks follow the state, however it changed.
#include <QApplication>
#include <QMenu>
#include <functional>
#include <tuple>

#include "qt/about_win.h"
#include "tests/support/qt_window_fixture.h"

namespace tessaly {
namespace {

using C = Control;

// Every control the focus can rest on, plus one.
constexpr int kMostTabs = 26;

class KeyboardCommandsTest : public QtWindowTest {
 protected:
  void SetUp() override {
    QtWindowTest::SetUp();
    Start();
  }

  void TabTo(Control control) {
    for (int tab = 0; tab < kMostTabs && driver_.FocusedControl() != ControlName(control); ++tab) {
      Key(Qt::Key_Tab);
    }
    ASSERT_EQ(driver_.FocusedControl(), ControlName(control));
  }

  // The item `letter` chooses in the menu `menu_letter` opens.
  void Choose(Qt::Key menu_letter, Qt::Key letter) {
    Key(menu_letter, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr) << "no menu opened";
    Key(letter);
  }

  std::string OpenMenu() const {
    const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    return menu ? ShownMenuText(*menu->menuAction()) : "none";
  }

  bool Checked(MenuItem item) const { return window_->MenuAction(item)->isChecked(); }
};

TEST_F(KeyboardCommandsTest, EveryCommandRunsFromTheKeyboard) {
  // Alt+M opens Main and types nothing into the grid field; F10 opens the
  // menu bar and Right goes on to View; Escape goes back to the field.
  Key(Qt::Key_M, Qt::AltModifier);
  EXPECT_EQ(OpenMenu(), "Main");
  Key(Qt::Key_Escape);
  Key(Qt::Key_F10);
  Key(Qt::Key_Right);
  EXPECT_EQ(OpenMenu(), "View");
  Key(Qt::Key_Escape);
  Key(Qt::Key_Escape);
  EXPECT_EQ(OpenMenu(), "none");
  EXPECT_EQ(driver_.FocusedControl(), "Edit14");
  EXPECT_EQ(Text(C::Edit14), "");

  // The buttons: Tab to each, Enter presses it. Tab into a field selects
  // its text, and what is typed replaces it.
  Type("JO62qm");
  TabTo(C::Button4);
  Key(Qt::Key_Return);
  EXPECT_EQ(Text(C::Edit8), " 52");
  TabTo(C::Button5);
  Key(Qt::Key_Return);
  EXPECT_NE(Text(C::Edit16), "");
  TabTo(C::Edit7);
  Key(Qt::Key_Delete);
  Type("FN31pr");
  TabTo(C::Button2);
  Key(Qt::Key_Return);
  EXPECT_EQ(Text(C::Edit1), " 41");
  for (const auto& [grid, calc_grid, locator] :
       {std::tuple{C::Edit7, C::Button1, " FN31pr"}, {C::Edit14, C::Button3, " JO62qm"}}) {
    TabTo(grid);
    Type("x");
    TabTo(calc_grid);
    Key(Qt::Key_Return);
    EXPECT_EQ(Text(grid), locator);
  }

  // The menus by their letters, the View items by their function keys too.
  Choose(Qt::Key_V, Qt::Key_H);
  EXPECT_EQ(driver_.Width(C::Edit1), kDecimalDegreesWidth);
  Choose(Qt::Key_V, Qt::Key_D);
  EXPECT_EQ(driver_.Width(C::Edit8), kDecimalDegreesWidth);
  Key(Qt::Key_F10);
  Key(Qt::Key_Right);
  Key(Qt::Key_K);
  EXPECT_EQ(Text(C::Label24), "Distance (km)");
  Choose(Qt::Key_M, Qt::Key_S);
  const std::string saved = home_.ReadHomeFile().value_or("none");
  EXPECT_EQ(saved.substr(saved.size() - 4), "1\r\n0");  // decimal degrees, km
  Key(Qt::Key_F2);
  Key(Qt::Key_F3);
  Key(Qt::Key_F4);
  EXPECT_EQ(driver_.Width(C::Edit1), kDmsLatitudeDegreesWidth);
  EXPECT_EQ(driver_.Width(C::Edit8), kDmsLatitudeDegreesWidth);
  EXPECT_EQ(Text(C::Label24), "Distance (miles)");
  Choose(Qt::Key_M, Qt::Key_R);
  EXPECT_EQ(driver_.Width(C::Edit8), kDecimalDegreesWidth);
  EXPECT_EQ(Text(C::Label24), "Distance (km)");

  bool about_shown = false;
  WhenModalShows([&](QWidget* modal) {
    about_shown = modal == static_cast<QWidget*>(&window_->AboutBox());
    QTest::keyClick(modal->windowHandle(), Qt::Key_Return);  // its OK button
  });
  Choose(Qt::Key_M, Qt::Key_A);
  EXPECT_TRUE(about_shown);
  EXPECT_TRUE(window_->AboutBox().isHidden());

  Choose(Qt::Key_M, Qt::Key_X);
  EXPECT_TRUE(driver_.Closed());
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

// Each row changes the state one way; then every check mark shows the state,
// and the distance field's name its unit.
TEST_F(KeyboardCommandsTest, TheViewCheckMarksFollowTheStateHoweverItChanged) {
  const struct {
    const char* How;
    std::function<void()> Change;
    bool HomeDecimal, DestinationDecimal, Kilometres;
  } cases[] = {
      {"double-click on the Home frame", [&] { driver_.DoubleClick(C::Panel1); }, true, false,
       false},
      {"click on the distance caption", [&] { Click(C::Label24); }, true, false, true},
      {"double-click on the bare window", [&] { driver_.DoubleClick(C::Window); }, false, true,
       true},
      {"F3, then F4",
       [&] {
         Key(Qt::Key_F3);
         Key(Qt::Key_F4);
       },
       false, false, false},
      {"recall of a home file in decimal degrees and km",
       [&] {
         home_.WriteHomeFile("38\r\n0\r\n54\r\n0\r\n78\r\n38\r\n15\r\n0\r\n1\r\n0");
         Choose(Qt::Key_M, Qt::Key_R);
       },
       true, true, true},
      {"a switch that fails: nothing changes",
       [&] {
         window_->SetText(C::Edit1, " 1.2.3");
         Key(Qt::Key_F2);
         EXPECT_EQ(TakeErrors(),
                   std::vector<std::string>{"' 1.2.3' is not a valid floating point value."});
       },
       true, true, true},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.How);
    each.Change();
    EXPECT_EQ(window_->Tessaly().IsChecked(MenuItem::HomeDecimal), each.HomeDecimal);
    EXPECT_EQ(window_->Tessaly().IsChecked(MenuItem::DestinationDecimal), each.DestinationDecimal);
    EXPECT_EQ(Checked(MenuItem::HomeDecimal), each.HomeDecimal);
    EXPECT_EQ(Checked(MenuItem::DestinationDecimal), each.DestinationDecimal);
    EXPECT_EQ(Checked(MenuItem::Kilometres), each.Kilometres);
    EXPECT_EQ(W(C::Edit16)->accessibleName(),
              each.Kilometres ? "Distance in kilometres" : "Distance in miles");
  }
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

}  // namespace
}  // namespace tessaly
