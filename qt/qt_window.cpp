// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <span>
#include <stdexcept>
#include <utility>
#include <vector>

#include "qt/about_win.h"
#include "qt/accessible_interfaces.h"
#include "qt/field_style.h"
#include "qt/latin1.h"
#include "qt/map_window.h"
#include "qt/menu_actions.h"
#include "qt/qt_widgets.h"
#include "qt/qt_window_widgets.h"
#include "window/accessible_names.h"
#include "window/error_display.h"

namespace tessaly {

namespace {

// Opens the menu bar, as on most desktops.
constexpr Qt::Key kMenuBarKey = Qt::Key_F10;

}  // namespace

void ShowErrorBox(QWidget* parent, const std::string& text) {
  QMessageBox box(QMessageBox::Critical, FromLatin1(kApplicationTitle), FromLatin1(text),
                  QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);  // a field's text in the message is no markup
  box.exec();
  // Nothing else gives the window back its activation once the box is gone.
  if (parent != nullptr) parent->window()->activateWindow();
}

TQtWindow::TQtWindow(std::string home_directory, ErrorDisplay show_error)
    : widgets_(std::make_unique<Widgets>()),
      preferences_(home_directory),
      tessaly_(*this, home_directory),
      show_error_(std::move(show_error)) {
  InstallAccessibleInterfaces();
  setWindowTitle(FromLatin1(kWindowCaption));
  setFont(ControlFont(kDefaultPointSize));
  BuildMenu();
  BuildControls();
  BuildTabOrder();
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  tessaly_.OnCreate();
  saved_precision_ = preferences_.LocatorPrecision();
  if (saved_precision_ != tessaly_.Precision()) tessaly_.SetPrecision(saved_precision_);
  ShowViewState();
  qApp->installEventFilter(this);
}

TQtWindow::~TQtWindow() {
  // The widgets about to go send focus events that must not reach handlers.
  qApp->removeEventFilter(this);
}

void TQtWindow::BuildMenu() {
  // Drawn inside the window on every desktop, so the client area sits right
  // below it.
  menuBar()->setNativeMenuBar(false);
  for (Menu menu : {Menu::Main, Menu::View}) FillMenu(*tessaly::AddMenu(*menuBar(), menu), menu);

  auto* open_menu_bar = new QAction(this);
  open_menu_bar->setShortcut(kMenuBarKey);
  connect(open_menu_bar, &QAction::triggered, this,
          [this] { menuBar()->setActiveAction(menuBar()->actions().front()); });
  addAction(open_menu_bar);
}

void TQtWindow::FillMenu(QMenu& menu, Menu which) {
  // The items of an exclusive menu show which one is chosen.
  QActionGroup* choices = nullptr;
  if (TitleOf(which).Exclusive) choices = new QActionGroup(&menu);
  for (const MenuEntry& entry : MenuEntries()) {
    if (entry.In != which) continue;
    if (entry.Opens) {
      if (entry.SeparatorBefore) menu.addSeparator();
      QMenu* submenu = menu.addMenu(WithMnemonic(entry.Text, entry.Mnemonic));
      FillMenu(*submenu, *entry.Opens);
      continue;
    }
    QAction* action = AddMenuAction(menu, entry.Item);
    if (choices != nullptr) choices->addAction(action);
    if (entry.Item == MenuItem::GreatCircleMap) {
      // The map is the adapter's: it runs none of the window's handlers.
      connect(action, &QAction::triggered, this, &TQtWindow::OpenMap);
    } else {
      connect(action, &QAction::triggered, this,
              [this, item = entry.Item] { Run([&] { tessaly_.OnMenu(item); }); });
    }
    widgets_->MenuActions[entry.Item] = action;
  }
}

void TQtWindow::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(FromLatin1(ControlName(Control::Window)));
  client->setFixedSize(kClientWidth, kClientHeight);
  client->setToolTip(FromLatin1(kWindowHint));
  setCentralWidget(client);
  widgets_->Controls[Control::Window] = client;
  widgets_->Owners[client] = Control::Window;

  for (const ControlLayout& row : WindowLayout()) {
    QWidget* widget = AddControl(row);
    widget->setObjectName(FromLatin1(ControlName(row.Id)));
    if (row.PointSize != kDefaultPointSize) widget->setFont(ControlFont(row.PointSize));
    if (!row.Hint.empty()) widget->setToolTip(FromLatin1(row.Hint));
    if (!row.HintShown) widgets_->Hintless.insert(widget);
    const std::string name = AccessibleName(row);
    if (!name.empty()) widget->setAccessibleName(FromLatin1(name));
    widgets_->Controls[row.Id] = widget;
    widgets_->Owners[widget] = row.Id;
  }
  for (const ControlLayout& row : WindowLayout()) {
    if (const std::optional<Control> field = FieldLabelledBy(row.Id)) {
      static_cast<QLabel*>(Widget(row.Id))->setBuddy(Widget(*field));
    }
  }
  // The initially active control.
  widgets_->Controls.at(Control::Button3)->setFocus();
}

QWidget* TQtWindow::AddControl(const ControlLayout& row) {
  QWidget* parent = widgets_->Controls.at(row.Parent);
  switch (row.Category) {
    case ControlKind::Panel: return AddPanel(row, parent);
    case ControlKind::Label: return AddLabel(row, parent);
    case ControlKind::Edit:
    case ControlKind::ReadOnlyEdit: return AddEdit(row, parent);
    case ControlKind::RadioGroup: return AddRadioGroup(row, parent);
    case ControlKind::Button: return AddButton(row, parent);
  }
  throw std::logic_error("unknown control kind");
}

QWidget* TQtWindow::AddPanel(const ControlLayout& row, QWidget* parent) {
  auto* panel = new TBevelPanel(parent);
  panel->setGeometry(row.Left, row.Top, row.Width, row.Height);
  return panel;
}

// Labels size themselves to their caption.
QWidget* TQtWindow::AddLabel(const ControlLayout& row, QWidget* parent) {
  auto* label = new QLabel(FromLatin1(row.Text), parent);
  label->setTextFormat(Qt::PlainText);
  label->move(row.Left, row.Top);
  label->adjustSize();
  return label;
}

QWidget* TQtWindow::AddEdit(const ControlLayout& row, QWidget* parent) {
  QLineEdit* edit =
      row.Category == ControlKind::ReadOnlyEdit ? new TResultField(parent) : new QLineEdit(parent);
  edit->setStyle(&FieldStyle());
  edit->setText(FromLatin1(row.Text));
  edit->setGeometry(row.Left, row.Top, row.Width, row.Height);
  if (IsCoordinateField(row.Id)) {
    // Every character must come as a key press, past the field's key
    // filter: no composed input, no dropped text.
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->setAcceptDrops(false);
  }
  widgets_->TextsSeen[row.Id] = edit->text();
  connect(edit, &QLineEdit::textChanged, this,
          [this, control = row.Id] { OnUserTextChanged(control); });
  return edit;
}

// Both items belong to the group's control, and take its hint setting.
QWidget* TQtWindow::AddRadioGroup(const ControlLayout& row, QWidget* parent) {
  auto* group =
      new TRadioGroup(FromLatin1(row.Text.substr(0, 1)), FromLatin1(row.Text.substr(1, 1)), parent);
  group->setGeometry(row.Left, row.Top, row.Width, row.Height);
  group->setStyle(&FieldStyle());
  for (int index : {0, 1}) {
    QRadioButton* item = group->Item(index);
    item->setStyle(&FieldStyle());
    item->setAccessibleName(FromLatin1(HemisphereItemName(row.Text.substr(index, 1))));
    widgets_->Owners[item] = row.Id;
    if (!row.HintShown) widgets_->Hintless.insert(item);
  }
  widgets_->RadioGroups[row.Id] = group;
  return group;
}

QWidget* TQtWindow::AddButton(const ControlLayout& row, QWidget* parent) {
  auto* button = new QPushButton(FromLatin1(row.Text), parent);
  button->setGeometry(row.Left, row.Top, row.Width, row.Height);
  // Enter presses the focused button only; no button is the default.
  button->setAutoDefault(false);
  button->setDefault(false);
  connect(button, &QPushButton::clicked, this,
          [this, control = row.Id] { Run([&] { tessaly_.OnClick(control); }); });
  return button;
}

void TQtWindow::BuildTabOrder() {
  std::vector<QWidget*> chain;
  for (Control control : TabOrder()) {
    if (IsRadioGroup(control)) {
      const TRadioGroup* group = widgets_->RadioGroups.at(control);
      chain.push_back(group->Item(0));
      chain.push_back(group->Item(1));
    } else {
      chain.push_back(Widget(control));
    }
  }
  for (std::size_t next = 1; next < chain.size(); ++next) {
    QWidget::setTabOrder(chain[next - 1], chain[next]);
  }
}

void TQtWindow::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

QWidget* TQtWindow::Widget(Control control) const {
  return widgets_->Controls.at(control);
}

QAction* TQtWindow::MenuAction(MenuItem item) const {
  return widgets_->MenuActions.at(item);
}

TAboutWin& TQtWindow::AboutBox() {
  if (widgets_->About == nullptr) widgets_->About = new TAboutWin(this);
  return *widgets_->About;
}

std::optional<Control> TQtWindow::ControlOf(const QWidget* widget) const {
  const auto found = widgets_->Owners.find(widget);
  if (found == widgets_->Owners.end()) return std::nullopt;
  return found->second;
}

std::string TQtWindow::GetText(Control control) const {
  if (control == Control::Window) return ToLatin1(windowTitle());
  const QWidget* widget = Widget(control);
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return ToLatin1(edit->text());
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return ToLatin1(label->text());
  if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
    return ToLatin1(button->text());
  }
  throw std::invalid_argument(ControlName(control) + " holds no text");
}

void TQtWindow::SetText(Control control, const std::string& text) {
  const QString value = FromLatin1(text);
  QWidget* widget = Widget(control);
  if (control == Control::Window) {
    if (windowTitle() == value) return;
    setWindowTitle(value);
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    // Rewriting the same text would still move the caret.
    if (edit->text() == value) return;
    ++widgets_->ProgramWrites;
    edit->setText(value);
    --widgets_->ProgramWrites;
    widgets_->TextsSeen[control] = value;
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (label->text() == value) return;
    label->setText(value);
    label->adjustSize();
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    if (button->text() == value) return;
    button->setText(value);
  } else {
    throw std::invalid_argument(ControlName(control) + " holds no text");
  }
  // Called here rather than from the widget's signal, so that an error of
  // the handler ends the handler that wrote the text.
  tessaly_.OnTextChanged(control);
}

void TQtWindow::OnUserTextChanged(Control control) {
  if (widgets_->ProgramWrites > 0) return;
  // QLineEdit also signals a selection typed over with the text it held.
  const QString text = static_cast<QLineEdit*>(Widget(control))->text();
  QString& seen = widgets_->TextsSeen[control];
  if (text == seen) return;
  seen = text;
  Run([&] { tessaly_.OnTextChanged(control); });
}

int TQtWindow::GetItemIndex(Control radio_group) const {
  return widgets_->RadioGroups.at(radio_group)->ItemIndex();
}

void TQtWindow::SetItemIndex(Control radio_group, int index) {
  widgets_->RadioGroups.at(radio_group)->SetItemIndex(ClampItemIndex(index));
}

void TQtWindow::SetVisible(Control control, bool visible) {
  QWidget* widget = Widget(control);
  // A hidden field is not left by the user: the focus Qt moves off it runs
  // no leave check, neither there nor in the next field it passes through.
  if (!visible && widget->hasFocus()) widgets_->Focused.reset();
  widget->setVisible(visible);
}

void TQtWindow::SetWidth(Control control, int pixels) {
  QWidget* widget = Widget(control);
  widget->resize(pixels, widget->height());
}

void TQtWindow::SetPosition(Control control, int left, int top) {
  Widget(control)->move(left, top);
}

void TQtWindow::SetFocus(Control control) {
  QWidget* target =
      IsRadioGroup(control) ? widgets_->RadioGroups.at(control)->FocusItem() : Widget(control);
  // The program moves the focus; the user leaves no field.
  widgets_->Focused = control;
  target->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->end(/*mark=*/false);
}

std::optional<Control> TQtWindow::FocusedControl() const {
  return ControlOf(focusWidget());
}

void TQtWindow::ShowViewState() {
  for (const auto& [item, action] : widgets_->MenuActions) {
    if (action->isCheckable()) action->setChecked(tessaly_.IsChecked(item));
  }
  // The precision is a preference of its own: remembered as it changes.
  if (tessaly_.Precision() != saved_precision_) {
    saved_precision_ = tessaly_.Precision();
    preferences_.SetLocatorPrecision(saved_precision_);
  }
  const QString distance_name =
      FromLatin1(DistanceFieldName(tessaly_.IsChecked(MenuItem::Kilometres)));
  QWidget* distance = Widget(Control::Edit16);
  if (distance->accessibleName() != distance_name) distance->setAccessibleName(distance_name);
  if (widgets_->Map != nullptr && widgets_->Map->isVisible()) {
    // Fields that give no position leave the map as it was.
    if (const std::optional<MapContent> content = tessaly_.MapView()) {
      widgets_->Map->SetContent(*content);
    }
  }
}

void TQtWindow::OpenMap() {
  if (widgets_->Map == nullptr) {
    // A point chosen on the map is an event of this window's.
    widgets_->Map = new TMapWindow(this, &preferences_, [this](const SignedPosition& point) {
      Run([&] { tessaly_.SetDestinationAt(point); });
    });
  }
  widgets_->Map->show();
  ShowViewState();
  widgets_->Map->raise();
  widgets_->Map->activateWindow();
}

void TQtWindow::ShowAboutBox() {
  AboutBox().exec();
  activateWindow();
}

void TQtWindow::CloseWindow() {
  close();
}

void TQtWindow::ShowError(const std::string& message) {
  show_error_(this, message);
}

void TQtWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_before_) return;
  shown_before_ = true;
  // Only now is the menu bar's height, and so the window's, final.
  CentreOnScreen();
  Run([&] { tessaly_.OnFirstShow(); });
}

}  // namespace tessaly
