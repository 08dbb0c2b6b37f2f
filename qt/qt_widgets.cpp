#include "qt/qt_widgets.h"

#include <qdrawutil.h>
#include <QButtonGroup>
#include <QPainter>
#include <QRadioButton>

namespace tessaly {
namespace {

constexpr int kBevelWidth = 1;
constexpr int kItemCount = 2;
constexpr int kItemIndent = 8;   // pixels from the group's left edge
constexpr int kFrameMargin = 4;  // pixels between the frame and the items, top and bottom

}  // namespace

QFont ControlFont(int point_size) {
  QFont font(QStringLiteral("MS Sans Serif"), point_size);
  font.setStyleHint(QFont::SansSerif);
  // The captions were measured for that narrow face; the usual stand-ins are
  // wider and would run into the controls beside them.
  font.setStretch(QFont::SemiCondensed);
  return font;
}

TBevelPanel::TBevelPanel(QWidget* parent) : QWidget(parent) {}

void TBevelPanel::paintEvent(QPaintEvent*) {
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
}

QRadioButton* TRadioGroup::Item(int index) const {
  return static_cast<QRadioButton*>(buttons_->button(index));
}

QRadioButton* TRadioGroup::FocusItem() const {
  return Item(ItemIndex() == 1 ? 1 : 0);
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  const int row_height = (height() - 2 * kFrameMargin) / kItemCount;
  for (int index = 0; index < kItemCount; ++index) {
    Item(index)->setGeometry(kItemIndent, kFrameMargin + index * row_height,
                             width() - kItemIndent - kFrameMargin, row_height);
  }
}

}  // namespace tessaly
