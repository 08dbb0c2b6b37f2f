#include "app/qt_window.h"

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

#include "app/about_win.h"
#include "app/app_icon.h"
#include "app/error_display.h"
#include "app/qt_widgets.h"
#include "app/qt_window_widgets.h"

namespace tessaly {
namespace {

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Latin1(const QString& text) {
  return text.toLatin1().toStdString();
}

constexpr std::pair<MenuItem, std::string_view> kMenuItems[] = {
    {MenuItem::Exit, kMenuExit},
    {MenuItem::SaveHome, kMenuSaveHome},
    {MenuItem::RecallHome, kMenuRecallHome},
    {MenuItem::About, kMenuAbout},
};

}  // namespace

void ShowErrorBox(QWidget* parent, const std::string& text) {
  QMessageBox box(QMessageBox::Critical, Latin1(kApplicationTitle), Latin1(text), QMessageBox::Ok,
                  parent);
  box.setTextFormat(Qt::PlainText);  // a field's text in the message is no markup
  box.exec();
  // Nothing else gives the window back its activation once the box is gone.
  if (parent != nullptr) parent->window()->activateWindow();
}

TQtWindow::TQtWindow(std::string home_directory, ErrorDisplay show_error)
    : widgets_(std::make_unique<Widgets>()),
      tessaly_(*this, std::move(home_directory)),
      show_error_(std::move(show_error)) {
  setWindowTitle(Latin1(kWindowCaption));
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
  QMenu* menu = menuBar()->addMenu(Latin1(kMainMenuTitle));
  for (const auto& [item, text] : kMenuItems) {
    QAction* action = menu->addAction(Latin1(text));
    connect(action, &QAction::triggered, this,
            [this, item = item] { RunGuarded(*this, [&] { tessaly_.OnMenu(item); }); });
    widgets_->menu[item] = action;
  }
}

void TQtWindow::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(Latin1(ControlName(Control::Window)));
  client->setFixedSize(kClientWidth, kClientHeight);
  client->setToolTip(Latin1(kWindowHint));
  setCentralWidget(client);
  widgets_->client = client;
  widgets_->controls[Control::Window] = client;
  widgets_->owners[client] = Control::Window;

  for (const ControlLayout& row : WindowLayout()) {
    QWidget* widget = AddControl(row);
    widget->setObjectName(Latin1(ControlName(row.control)));
    if (row.point_size != kDefaultPointSize) widget->setFont(ControlFont(row.point_size));
    if (!row.hint.empty()) widget->setToolTip(Latin1(row.hint));
    if (!row.hint_shown) widgets_->hintless.insert(widget);
    widgets_->controls[row.control] = widget;
    widgets_->owners[widget] = row.control;
  }
  // The initially active control.
  widgets_->controls.at(Control::Button3)->setFocus();
}

QWidget* TQtWindow::AddControl(const ControlLayout& row) {
  QWidget* parent = widgets_->controls.at(row.parent);
  const QRect geometry(row.left, row.top, row.width, row.height);
  switch (row.kind) {
    case ControlKind::Panel: {
      auto* panel = new TBevelPanel(parent);
      panel->setGeometry(geometry);
      return panel;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(Latin1(row.text), parent);
      label->setTextFormat(Qt::PlainText);
      label->move(row.left, row.top);
      label->adjustSize();
      return label;
    }
    case ControlKind::Edit:
    case ControlKind::ReadOnlyEdit: {
      auto* edit = new QLineEdit(Latin1(row.text), parent);
      edit->setGeometry(geometry);
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
    case ControlKind::RadioGroup: {
      auto* group =
          new TRadioGroup(Latin1(row.text.substr(0, 1)), Latin1(row.text.substr(1, 1)), parent);
      group->setGeometry(geometry);
      for (int index : {0, 1}) {
        QRadioButton* item = group->Item(index);
        widgets_->owners[item] = row.control;
        if (!row.hint_shown) widgets_->hintless.insert(item);
      }
      widgets_->radio_groups[row.control] = group;
      return group;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(Latin1(row.text), parent);
      button->setGeometry(geometry);
      // Enter presses the focused button only; no button is the default.
      button->setAutoDefault(false);
      button->setDefault(false);
      connect(button, &QPushButton::clicked, this, [this, control = row.control] {
        RunGuarded(*this, [&] { tessaly_.OnClick(control); });
      });
      return button;
    }
  }
  throw std::logic_error("unknown control kind");
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
  if (control == Control::Window) return Latin1(windowTitle());
  const QWidget* widget = Widget(control);
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return Latin1(edit->text());
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return Latin1(label->text());
  if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
    return Latin1(button->text());
  }
  throw std::invalid_argument(ControlName(control) + " holds no text");
}

void TQtWindow::SetText(Control control, const std::string& text) {
  const QString value = Latin1(text);
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
  target->setFocus(Qt::OtherFocusReason);
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
