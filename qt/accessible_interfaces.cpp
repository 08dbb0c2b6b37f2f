// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/accessible_interfaces.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "qt/qt_widgets.h"

namespace tessaly {
namespace {

// The results show one decimal.
constexpr double kResultStep = 0.1;

// Qt's own interface of a line edit cannot be extended, and without a value
// interface its bridge to the Linux screen readers drops a value change. So
// this one gives both: the text as a line edit's, and the value.
class TResultFieldAccessible : public QAccessibleWidget,
                               public QAccessibleTextInterface,
                               public QAccessibleValueInterface {
 public:
  explicit TResultFieldAccessible(TResultField* field)
      : QAccessibleWidget(field, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.selectableText = true;
    return state;
  }

  QString text(QAccessible::Text type) const override {
    return type == QAccessible::Value ? Field()->text() : QAccessibleWidget::text(type);
  }

  // The text, as Qt's line edit gives it.
  QString text(int start, int end) const override {
    return Field()->text().mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(Field()->text().size()); }
  int cursorPosition() const override { return Field()->cursorPosition(); }
  void setCursorPosition(int position) override { Field()->setCursorPosition(position); }

  int selectionCount() const override { return Field()->hasSelectedText() ? 1 : 0; }
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !Field()->hasSelectedText()) return;
    *start = Field()->selectionStart();
    *end = Field()->selectionEnd();
  }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int index) override {
    if (index == 0) Field()->deselect();
  }
  void setSelection(int index, int start, int end) override {
    if (index == 0) Field()->setSelection(start, end - start);
  }

  QRect characterRect(int offset) const override {
    const QRect local = Field()->CharacterRect(offset);
    if (local.isEmpty()) return {};
    return {Field()->mapToGlobal(local.topLeft()), local.size()};
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint local = Field()->mapFromGlobal(point);
    for (int offset = 0; offset < characterCount(); ++offset) {
      if (Field()->CharacterRect(offset).contains(local)) return offset;
    }
    return -1;
  }
  // The whole text is always in view.
  void scrollToSubstring(int, int) override {}
  // One run of plain text.
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

  QVariant currentValue() const override { return Field()->Value(); }
  // Read-only: only a result changes it.
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return {}; }
  QVariant minimumValue() const override { return 0.0; }
  QVariant minimumStepSize() const override { return kResultStep; }

 private:
  TResultField* Field() const { return static_cast<TResultField*>(widget()); }
};

QAccessibleInterface* CreateInterface(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String(TBevelPanel::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
  }
  if (class_name == QLatin1String(TResultField::staticMetaObject.className())) {
    return new TResultFieldAccessible(static_cast<TResultField*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(&CreateInterface);
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace tessaly
