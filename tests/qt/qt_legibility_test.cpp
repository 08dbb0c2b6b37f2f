// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the window can show fits its control, measured with the
// control's own font: a field scrolls a text that does not fit, and the
// stand-in font is wider than the one the layout was drawn for.
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <string_view>

#include "tests/support/qt_window_fixture.h"
#include "window/location_controls.h"

namespace tessaly {
namespace {

using C = Control;

// QLineEdit keeps 2 pixels between its contents rectangle and the text, each
// side (horizontalMargin in qlineedit_p.h), and shows the whole text only
// while the text and the 1-pixel caret after it fit in between.
constexpr int kLineEditTextIndent = 2;
constexpr int kCaretWidth = 1;

int TextRoom(const QLineEdit& edit) {
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
  const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
  return contents.marginsRemoved(edit.textMargins()).width() - 2 * kLineEditTextIndent;
}

// The width Qt gives the text in whole pixels, as a line edit decides with.
int Needed(const QWidget& widget, const QString& text) {
  return QFontMetrics(widget.font()).horizontalAdvance(text);
}

// The widest character of `set` in `widget`'s font.
QChar Widest(const QWidget& widget, std::string_view set) {
  const QFontMetricsF metrics(widget.font());
  QChar widest = QLatin1Char(set.front());
  for (char each : set) {
    if (metrics.horizontalAdvance(QLatin1Char(each)) > metrics.horizontalAdvance(widest)) {
      widest = QLatin1Char(each);
    }
  }
  return widest;
}

// The widest locator of `characters` the program can write: its blank, then
// in each pair the widest character of its kind, twice.
QString WidestLocator(const QWidget& grid, int characters = 6) {
  const QChar field = Widest(grid, "ABCDEFGHIJKLMNOPQR");
  const QChar digit = Widest(grid, "0123456789");
  const QChar letter = Widest(grid, "abcdefghijklmnopqrstuvwx");
  QString locator(" ");
  for (int pair = 0; pair < characters / 2; ++pair) {
    const QChar widest = pair == 0 ? field : (pair % 2 == 0 ? letter : digit);
    locator += widest;
    locator += widest;
  }
  return locator;
}

struct LongestText {
  Control Field;
  QString Text;
};

// Each text fits its field, and the field shows it whole.
void ExpectEachFits(TQtWindow& window, std::initializer_list<LongestText> texts) {
  for (const LongestText& each : texts) {
    const auto* field = qobject_cast<QLineEdit*>(window.Widget(each.Field));
    ASSERT_NE(field, nullptr) << ControlName(each.Field);
    EXPECT_LE(Needed(*field, each.Text) + kCaretWidth, TextRoom(*field))
        << ControlName(each.Field) << " clips \"" << each.Text.toStdString() << "\"";
  }
}

TEST_F(QtWindowTest, TheLongestTextsFitTheirFields) {
  window_->SetWidth(C::Edit1, kDecimalDegreesWidth);
  window_->SetWidth(C::Edit4, kDecimalDegreesWidth);
  const auto* grid = qobject_cast<QLineEdit*>(W(C::Edit7));
  ExpectEachFits(*window_, {
                               {C::Edit15, " 359.9  :  359.9"},
                               {C::Edit15, " 360.0  :  360.0"},
                               {C::Edit16, " 12429.8"},
                               {C::Edit16, " 20003.9"},
                               {C::Edit7, " Error!"},
                               {C::Edit7, WidestLocator(*grid)},
                               {C::Edit14, WidestLocator(*grid)},
                               // Decimal degrees, then degrees, minutes and seconds.
                               {C::Edit1, " 89.9999999"},
                               {C::Edit4, " 179.9999999"},
                               {C::Edit11, " 179"},
                               {C::Edit8, " 89"},
                               {C::Edit13, " 60"},
                           });
}

// At 12 characters the grid fields span their rows and the seconds fields
// widen for their two decimals.
TEST_F(QtWindowTest, TheLongestTextsOfTwelveCharactersFitTheirFields) {
  Start();
  driver_.Menu("12 characters");
  const auto* grid = qobject_cast<QLineEdit*>(W(C::Edit7));
  ExpectEachFits(*window_, {
                               {C::Edit7, WidestLocator(*grid, 12)},
                               {C::Edit14, WidestLocator(*grid, 12)},
                               {C::Edit3, " 59.99"},
                               {C::Edit6, " 60.00"},
                               {C::Edit10, " 59.99"},
                               {C::Edit13, " 60.00"},
                           });
}

TEST_F(QtWindowTest, ButtonAndRadioCaptionsFitTheirControls) {
  for (Control control : {C::Button1, C::Button2, C::Button3, C::Button4, C::Button5}) {
    const auto* button = qobject_cast<QPushButton*>(W(control));
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    EXPECT_LE(Needed(*button, button->text()), contents.width()) << ControlName(control);
  }
  for (Control group : {C::RadioGroup1, C::RadioGroup2}) {
    for (const QRadioButton* item : W(group)->findChildren<QRadioButton*>()) {
      EXPECT_LE(item->sizeHint().width(), item->width()) << ControlName(group);
    }
  }
}

}  // namespace
}  // namespace tessaly
