// SPDX-License-Identifier: GPL-3.0-or-later
// Keys through the real window: the key preview runs before the focused
// control, a focused button takes Enter, and a coordinate field's filter
// decides on every typed character.
#include <QClipboard>
#include <QLineEdit>

#include "geo/error.h"
#include "geo/location.h"
#include "tests/support/qt_window_fixture.h"

namespace tessaly {
namespace {

using C = Control;

class KeyboardTest : public QtWindowTest {
 protected:
  void SetUp() override {
    QtWindowTest::SetUp();
    Start();
  }
};

TEST_F(KeyboardTest, EnterRunsTheEnterCommandFromEveryControlButAButton) {
  const struct {
    Control Focus;
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
  } cases[] = {
      {C::Edit2, Qt::Key_Enter, Qt::KeypadModifier},
      {C::Edit7, Qt::Key_Return, Qt::NoModifier},
      {C::RadioGroup3, Qt::Key_Return, Qt::NoModifier},
      {C::Edit16, Qt::Key_Return, Qt::NoModifier},
      // With a modifier a button passes Enter on to the key preview.
      {C::Button3, Qt::Key_Return, Qt::ShiftModifier},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(ControlName(each.Focus));
    for (Control field : {C::Edit1, C::Edit8, C::Edit15, C::Edit16}) window_->SetText(field, "");
    window_->SetText(C::Edit7, " FN31pr");
    window_->SetText(C::Edit14, " JO62qm");
    Focus(each.Focus);
    Key(each.Key, each.Modifiers);
    // Both locators decoded (FN31pr lies at 41 N, JO62qm at 52 N), then the
    // distance shown (worked out by hand from the two cell centres); the
    // Enter character itself went nowhere.
    EXPECT_EQ(Text(C::Edit1), " 41");
    EXPECT_EQ(Text(C::Edit8), " 52");
    EXPECT_EQ(Text(C::Edit15), " 47.1  :  296.1");
    EXPECT_EQ(Text(C::Edit16), " 3879.8");
    EXPECT_EQ(Text(C::Edit14), " JO62qm");
  }
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

TEST_F(KeyboardTest, ACoordinateFieldTakesOnlyWhatItsFilterAllows) {
  window_->SetText(C::Edit1, "");
  Focus(C::Edit1);
  Type("4");
  // Switching the Destination alone opens "." to every field, Home's too.
  QTest::mouseDClick(Handle(), Qt::LeftButton, {}, At(C::Panel2, QPoint(4, 220)));
  ASSERT_TRUE(window_->Tessaly().IsChecked(MenuItem::DestinationDecimal));
  ASSERT_EQ(window_->focusWidget(), W(C::Edit1));
  Type(".5");
  EXPECT_EQ(Text(C::Edit1), "4.5");

  // Moving and deleting keys are no typed characters: they work as usual.
  Key(Qt::Key_Home);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Text(C::Edit1), ".5");
  Key(Qt::Key_End);
  Key(Qt::Key_Left);
  Type("7");
  EXPECT_EQ(Text(C::Edit1), ".75");
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

TEST_F(KeyboardTest, ClipboardShortcutsDoNothingInACoordinateField) {
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setText("12");
  window_->SetText(C::Edit3, "45");
  Focus(C::Edit3);
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Text(C::Edit3), "45");

  Key(Qt::Key_Home);
  Key(Qt::Key_End, Qt::ShiftModifier);
  ASSERT_EQ(qobject_cast<QLineEdit*>(W(C::Edit3))->selectedText(), "45");
  Key(Qt::Key_C, Qt::ControlModifier);
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(Text(C::Edit3), "45");
  EXPECT_EQ(clipboard->text(), "12");
}

TEST_F(KeyboardTest, TextChangedRunsOnlyOnARealChange) {
  // A change of Edit5 checks Edit4 against 179.
  window_->SetText(C::Edit4, "200");
  window_->SetText(C::Edit5, Text(C::Edit5));
  EXPECT_EQ(Text(C::Edit4), "200");
  window_->SetText(C::Edit5, " 7");
  EXPECT_EQ(Text(C::Edit4), "");

  // Typing over a selection with the text it held changes nothing.
  window_->SetText(C::Edit5, "5");
  Focus(C::Edit5);
  qobject_cast<QLineEdit*>(W(C::Edit5))->selectAll();
  window_->SetText(C::Edit4, "200");
  Type("5");
  EXPECT_EQ(Text(C::Edit5), "5");
  EXPECT_EQ(Text(C::Edit4), "200");

  // Writing the same text leaves the caret where it was.
  auto* edit = qobject_cast<QLineEdit*>(W(C::Edit1));
  window_->SetText(C::Edit1, "45");
  edit->setCursorPosition(0);
  window_->SetText(C::Edit1, "45");
  EXPECT_EQ(edit->cursorPosition(), 0);
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

// The field acts on the character its filter kept, not on the key: Ctrl+H is
// a backspace, Ctrl+Backspace types DEL, which the filter drops.
TEST_F(KeyboardTest, BackspaceCharactersDeleteOneCharacterWhateverTheKey) {
  const struct {
    Qt::KeyboardModifiers Modifiers;
    Qt::Key Key;
    const char* Left;
  } cases[] = {
      {Qt::NoModifier, Qt::Key_Backspace, "12"},
      {Qt::ControlModifier, Qt::Key_H, "12"},
      {Qt::ControlModifier, Qt::Key_Backspace, "12 34"},
  };
  for (const auto& each : cases) {
    window_->SetText(C::Edit1, "12 34");
    Focus(C::Edit1);
    Key(Qt::Key_End);
    for (int i = 0; i < 3; ++i) Key(each.Key, each.Modifiers);
    EXPECT_EQ(Text(C::Edit1), each.Left);
  }
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

TEST_F(KeyboardTest, AnErrorOfTheTextChangeReachesWhoeverChangedTheText) {
  window_->SetText(C::Edit4, " ");
  // A program write: the writer's handler ends with the error.
  try {
    window_->SetText(C::Edit5, " 9");
    ADD_FAILURE() << "no error";
  } catch (const TessalyError& error) {
    EXPECT_STREQ(error.what(), "' ' is not a valid floating point value");
  }
  EXPECT_EQ(Text(C::Edit5), " 9");
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});

  // The user's typing: shown, and the typed digit stays.
  Focus(C::Edit5);
  Key(Qt::Key_End);
  Type("3");
  EXPECT_EQ(Text(C::Edit5), " 93");
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{"' ' is not a valid floating point value."});
}

}  // namespace
}  // namespace tessaly
