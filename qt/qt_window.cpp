#include "qt/qt_window.h"

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
#include <stdexcept>
#include <utility>
#include <vector>

#include "qt/about_win.h"
#include "qt/app_icon.h"
#include "qt/latin1.h"
#include "qt/qt_widgets.h"
#include "qt/qt_window_widgets.h"
#include "window/error_display.h"

namespace tessaly {
namespace {

constexpr std::pair<MenuItem, std::string_view> kMenuItems[] = {
    {MenuItem::Exit, kMenuExit},
    {MenuItem::SaveHome, kMenuSaveHome},
    {MenuItem::RecallHome, kMenuRecallHome},
    {MenuItem::About, kMenuAbout},
};

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
      tessaly_(*this, std::move(home_directory)),
      show_error_(std::move(show_error)) {
  setWindowTitle(FromLatin1(kWindowCaption));
  setWindowIcon(AppIcon());
  setFont(ControlFont(kDefaultPointSize));
  BuildMenu();
  BuildControls();
  BuildTabOrder();
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  tessaly_.OnCreate();
  widgets_->about = new TAboutWin(this);
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
  QMenu* menu = menuBar()->addMenu(FromLatin1(kMainMenuTitle));
  for (const auto& [item, text] : kMenuItems) {
    QAction* action = menu->addAction(FromLatin1(text));
    connect(action, &QAction::triggered, this,
            [this, item = item] { RunGuarded(*this, [&] { tessaly_.OnMenu(item); }); });
    widgets_->menu[item] = action;
  }
}

void TQtWindow::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(FromLatin1(ControlName(Control::Window)));
  client->setFixedSize(kClientWidth, kClientHeight);
  client->setToolTip(FromLatin1(kWindowHint));
  setCentralWidget(client);
  widgets_->controls[Control::Window] = client;
  widgets_->owners[client] = Control::Window;

  for (const ControlLayout& row : WindowLayout()) {
    QWidget* widget = AddControl(row);
    widget->setObjectName(FromLatin1(ControlName(row.control)));
    if (row.point_size != kDefaultPointSize) widget->setFont(ControlFont(row.point_size));
    if (!row.hint.empty()) widget->setToolTip(FromLatin1(row.hint));
    if (!row.hint_shown) widgets_->hintless.insert(widget);
    widgets_->controls[row.control] = widget;
    widgets_->owners[widget] = row.control;
  }
  // The initially active control.
  widgets_->controls.at(Control::Button3)->setFocus();
}

QWidget* TQtWindow::AddControl(const ControlLayout& row) {
  QWidget* parent = widgets_->controls.at(row.parent);
  switch (row.kind) {
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
  panel->setGeometry(row.left, row.top, row.width, row.height);
  return panel;
}

// Labels size themselves to their caption.
QWidget* TQtWindow::AddLabel(const ControlLayout& row, QWidget* parent) {
  auto* label = new QLabel(FromLatin1(row.text), parent);
  label->setTextFormat(Qt::PlainText);
  label->move(row.left, row.top);
  label->adjustSize();
  return label;
}

QWidget* TQtWindow::AddEdit(const ControlLayout& row, QWidget* parent) {
  auto* edit = new QLineEdit(FromLatin1(row.text), parent);
  edit->setGeometry(row.left, row.top, row.width, row.height);
  if (row.kind == ControlKind::ReadOnlyEdit) {
    edit->setReadOnly(true);
    edit->setCursor(Qt::ArrowCursor);
  }
  if (IsCoordinateField(row.control)) {
    // Every character must come as a key press, past the field's key
    // filter: no composed input, no dropped text.
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->setAcceptDrops(false);
  }
  widgets_->texts_seen[row.control] = edit->text();
  connect(edit, &QLineEdit::textChanged, this,
          [this, control = row.control] { OnUserTextChanged(control); });
  return edit;
}

// Both items belong to the group's control, and take its hint setting.
QWidget* TQtWindow::AddRadioGroup(const ControlLayout& row, QWidget* parent) {
  auto* group =
      new TRadioGroup(FromLatin1(row.text.substr(0, 1)), FromLatin1(row.text.substr(1, 1)), parent);
  group->setGeometry(row.left, row.top, row.width, row.height);
  for (int index : {0, 1}) {
    QRadioButton* item = group->Item(index);
    widgets_->owners[item] = row.control;
    if (!row.hint_shown) widgets_->hintless.insert(item);
  }
  widgets_->radio_groups[row.control] = group;
  return group;
}

QWidget* TQtWindow::AddButton(const ControlLayout& row, QWidget* parent) {
  auto* button = new QPushButton(FromLatin1(row.text), parent);
  button->setGeometry(row.left, row.top, row.width, row.height);
  // Enter presses the focused button only; no button is the default.
  button->setAutoDefault(false);
  button->setDefault(false);
  connect(button, &QPushButton::clicked, this,
          [this, control = row.control] { RunGuarded(*this, [&] { tessaly_.OnClick(control); }); });
  return button;
}

void TQtWindow::BuildTabOrder() {
  std::vector<QWidget*> chain;
  for (Control control : TabOrder()) {
    if (IsRadioGroup(control)) {
      const TRadioGroup* group = widgets_->radio_groups.at(control);
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
  return widgets_->controls.at(control);
}

QAction* TQtWindow::MenuAction(MenuItem item) const {
  return widgets_->menu.at(item);
}

TAboutWin& TQtWindow::AboutBox() const {
  return *widgets_->about;
}

std::optional<Control> TQtWindow::ControlOf(const QWidget* widget) const {
  const auto found = widgets_->owners.find(widget);
  if (found == widgets_->owners.end()) return std::nullopt;
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
    ++widgets_->program_writes;
    edit->setText(value);
    --widgets_->program_writes;
    widgets_->texts_seen[control] = value;
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
  if (widgets_->program_writes > 0) return;
  // QLineEdit also signals a selection typed over with the text it held.
  const QString text = static_cast<QLineEdit*>(Widget(control))->text();
  QString& seen = widgets_->texts_seen[control];
  if (text == seen) return;
  seen = text;
  RunGuarded(*this, [&] { tessaly_.OnTextChanged(control); });
}

int TQtWindow::GetItemIndex(Control radio_group) const {
  return widgets_->radio_groups.at(radio_group)->ItemIndex();
}

void TQtWindow::SetItemIndex(Control radio_group, int index) {
  widgets_->radio_groups.at(radio_group)->SetItemIndex(ClampItemIndex(index));
}

void TQtWindow::SetVisible(Control control, bool visible) {
  QWidget* widget = Widget(control);
  // A hidden field is not left by the user: the focus Qt moves off it runs
  // no leave check, neither there nor in the next field it passes through.
  if (!visible && widget->hasFocus()) widgets_->focused.reset();
  widget->setVisible(visible);
}

void TQtWindow::SetWidth(Control control, int pixels) {
  QWidget* widget = Widget(control);
  widget->resize(pixels, widget->height());
}

void TQtWindow::SetFocus(Control control) {
  QWidget* target =
      IsRadioGroup(control) ? widgets_->radio_groups.at(control)->FocusItem() : Widget(control);
  // The program moves the focus; the user leaves no field.
  widgets_->focused = control;
  target->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->end(/*mark=*/false);
}

std::optional<Control> TQtWindow::FocusedControl() const {
  return ControlOf(focusWidget());
}

void TQtWindow::ShowAboutBox() {
  widgets_->about->exec();
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
  RunGuarded(*this, [&] { tessaly_.OnFirstShow(); });
}

}  // namespace tessaly
