// SPDX-License-Identifier: GPL-3.0-or-later
// The two widgets Qt has no ready equivalent for: the bevelled frame panel and
// the two-item radio group.
#pragma once

#include <QFont>
#include <QGroupBox>
#include <QLineEdit>
#include <QWidget>

class QButtonGroup;
class QRadioButton;

namespace tessaly {

// The window's typeface at the point size the layout gives for "MS Sans
// Serif". An installed family stands in for that font, which Debian lacks.
QFont ControlFont(int point_size);

// A frame drawn with a lowered outer and a raised inner bevel, one pixel each,
// the same in every style.
class TBevelPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TBevelPanel(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A framed group of two radio buttons, one above the other, that may also
// have neither selected.
class TRadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  TRadioGroup(const QString& first_item, const QString& second_item, QWidget* parent);

  // 0 or 1, or -1 while neither is selected.
  int ItemIndex() const;
  // -1 clears the selection; `index` must be -1, 0 or 1.
  void SetItemIndex(int index);

  QRadioButton* Item(int index) const;
  // The item Tab brings the focus to: the selected one, else the first.
  QRadioButton* FocusItem() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void MoveTabStopToFocusItem();

  QButtonGroup* buttons_;
};

// A read-only result field. Every new text is announced to a screen reader
// as a new value of the field.
class TResultField : public QLineEdit {
  Q_OBJECT

 public:
  explicit TResultField(QWidget* parent);

  // The number a screen reader takes for the field's value: the first one it
  // shows (the forward heading, the distance); none while it is empty.
  QVariant Value() const;

  // Where the character at `offset` is drawn, in the field's coordinates; an
  // empty rectangle past the text.
  QRect CharacterRect(int offset) const;
};

}  // namespace tessaly
