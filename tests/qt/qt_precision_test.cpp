// SPDX-License-Identifier: GPL-3.0-or-later
// The locator precision on the real window: chosen in the View menu, kept in
// a settings file of its own across starts, and the layout that follows it.
#include <QLineEdit>
#include <filesystem>

#include "qt/preferences.h"
#include "tests/support/qt_window_fixture.h"

namespace tessaly {
namespace {

using C = Control;

// The grid field and the Calc. Grid button, where the layout puts them.
std::vector<QRect> GridRows(TQtWindow& window) {
  return {window.Widget(C::Edit7)->geometry(),  window.Widget(C::Button1)->geometry(),
          window.Widget(C::Edit14)->geometry(), window.Widget(C::Button3)->geometry(),
          window.Widget(C::Edit3)->geometry(),  window.Widget(C::Edit10)->geometry()};
}

TEST_F(QtWindowTest, ThePrecisionSurvivesARestartAndLeavesTheHomeFileAlone) {
  Start();
  const std::vector<QRect> specified = GridRows(*window_);
  EXPECT_EQ(specified[0], QRect(16, 152, 65, 24));
  EXPECT_EQ(specified[1], QRect(88, 152, 81, 25));

  driver_.Menu("12 characters");
  EXPECT_TRUE(window_->MenuAction(MenuItem::Precision12)->isChecked());
  EXPECT_FALSE(window_->MenuAction(MenuItem::Precision6)->isChecked());
  Click(C::Edit14);
  Type("JO62qm45ab12");
  Click(C::Button4);
  EXPECT_EQ(Text(C::Edit14), " JO62qm45ab12");
  EXPECT_EQ(Text(C::Edit10), " 15.78");

  driver_.Restart();
  window_ = &driver_.Window();
  EXPECT_TRUE(window_->MenuAction(MenuItem::Precision12)->isChecked());
  EXPECT_EQ(W(C::Edit7)->width(), kWideGridWidth);
  // The first show's Home, 38 0 54 N 78 38 15 W, worked out by hand: the
  // longitude lies on an edge of its 10-character column, and west of it
  // counts to the cell beyond.
  EXPECT_EQ(Text(C::Edit7), " FM08qa33lo94");
  EXPECT_EQ(home_.ReadHomeFile(), std::nullopt);
  EXPECT_TRUE(
      std::filesystem::is_regular_file(home_.Path() + "/" + std::string(kPreferencesFileName)));

  // Back at 6 characters, every control where the layout has it.
  driver_.Menu("6 characters");
  EXPECT_EQ(GridRows(*window_), specified);
  EXPECT_EQ(Preferences(home_.Path()).LocatorPrecision(), 6);
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

}  // namespace
}  // namespace tessaly
