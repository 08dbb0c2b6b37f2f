// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_widgets.h"

#include <qdrawutil.h>
#include <QAccessible>
#include <QButtonGroup>
#include <QPaintEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tessaly {
namespace {

constexpr int kBevelWidth = 1;
constexpr int kItemCount = 2;
constexpr int kItemIndent = 8;   // pixels from the group's left edge
constexpr int kFrameMargin = 4;  // pixels between the frame and the items, top and bottom

// The stand-in, named as installed (fonts-dejavu-extra), so that no search
// for a substitute runs. The layout was measured for the narrow "MS Sans
// Serif": only a condensed face keeps the captions clear of their
// neighbours.
constexpr const char* kStandInFamily = "DejaVu Sans Condensed";
// Where the layout asks for 10 points the stand-in is one point smaller: at
// 10 points " 359.9  :  359.9" needs more than the 83 pixels Edit15 has for
// its text, and " MM00mm" more than a grid field's 59.
constexpr int kLargePointSize = 10;
constexpr int kLargeStandInPointSize = 9;

// QLineEdit's own margin between its contents rectangle and the text, each
// side (horizontalMargin in Qt's qlineedit_p.h).
constexpr int kLineEditTextIndent = 2;

}  // namespace

QFont ControlFont(int point_size) {
  QFont font(QString::fromLatin1(kStandInFamily),
             point_size == kLargePointSize ? kLargeStandInPointSize : point_size);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

TBevelPanel::TBevelPanel(QWidget* parent) : QWidget(parent) {}

void TBevelPanel::paintEvent(QPaintEvent* event) {
  // A child's change repaints the panel under it, mostly well inside the
  // bevel, which lies along the edges only.
  const QRect within_bevel =
      rect().adjusted(2 * kBevelWidth, 2 * kBevelWidth, -2 * kBevelWidth, -2 * kBevelWidth);
  if (within_bevel.contains(event->region().boundingRect())) return;
  QPainter painter(this);
  const QRect outer = rect();
  qDrawShadePanel(&painter, outer, palette(), /*sunken=*/true, kBevelWidth);
  const QRect inner = outer.adjusted(kBevelWidth, kBevelWidth, -kBevelWidth, -kBevelWidth);
  qDrawShadePanel(&painter, inner, palette(), /*sunken=*/false, kBevelWidth);
}

TRadioGroup::TRadioGroup(const QString& first_item, const QString& second_item, QWidget* parent)
    : QGroupBox(parent), buttons_(new QButtonGroup(this)) {
  buttons_->addButton(new QRadioButton(first_item, this), 0);
  buttons_->addButton(new QRadioButton(second_item, this), 1);
  connect(buttons_, &QButtonGroup::idToggled, this, &TRadioGroup::MoveTabStopToFocusItem);
  MoveTabStopToFocusItem();
}

int TRadioGroup::ItemIndex() const {
  return buttons_->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
  if (index >= 0) {
    Item(index)->setChecked(true);
    return;
  }
  // An exclusive group refuses to uncheck its last checked button.
  buttons_->setExclusive(false);
  for (QAbstractButton* button : buttons_->buttons()) button->setChecked(false);
  buttons_->setExclusive(true);
  MoveTabStopToFocusItem();
}

QRadioButton* TRadioGroup::Item(int index) const {
  return static_cast<QRadioButton*>(buttons_->button(index));
}

QRadioButton* TRadioGroup::FocusItem() const {
  return Item(ItemIndex() == 1 ? 1 : 0);
}

// Qt leaves the group's one Tab stop on the item focused last; a selection
// made since, by the program or the mouse, would be passed over.
void TRadioGroup::MoveTabStopToFocusItem() {
  const QRadioButton* stop = FocusItem();
  for (int index = 0; index < kItemCount; ++index) {
    Item(index)->setFocusPolicy(Item(index) == stop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  const int row_height = (height() - 2 * kFrameMargin) / kItemCount;
  for (int index = 0; index < kItemCount; ++index) {
    Item(index)->setGeometry(kItemIndent, kFrameMargin + index * row_height,
                             width() - kItemIndent - kFrameMargin, row_height);
  }
}

TResultField::TResultField(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  setCursor(Qt::ArrowCursor);
  connect(this, &QLineEdit::textChanged, this, [this] {
    // Without a screen reader listening, the value need not be read.
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(this, Value());
    QAccessible::updateAccessibility(&event);
  });
}

QVariant TResultField::Value() const {
  const QStringList numbers = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  bool is_number = false;
  const double value = numbers.isEmpty() ? 0.0 : numbers.front().toDouble(&is_number);
  return is_number ? QVariant(value) : QVariant();
}

// The results always fit their fields (a test measures the longest), so the
// text starts at the left of the contents, never scrolled.
QRect TResultField::CharacterRect(int offset) const {
  const QString shown = text();
  if (offset < 0 || offset >= shown.size()) return {};
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()
                             ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                             .marginsRemoved(textMargins());
  const QFontMetrics metrics = fontMetrics();
  const int left =
      contents.left() + kLineEditTextIndent + metrics.horizontalAdvance(shown.left(offset));
  const int top = contents.top() + (contents.height() - metrics.height() + 1) / 2;
  return {left, top, metrics.horizontalAdvance(shown.at(offset)), metrics.height()};
}

}  // namespace tessaly
