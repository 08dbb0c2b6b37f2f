#include "tools/scenario/window_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <exception>
#include <vector>

#include "app/about_win.h"
#include "app/error_display.h"
#include "tools/scenario/case_failure.h"
#include "tools/scenario/script.h"

namespace scenario {

using tessaly::Control;
using tessaly::ControlName;
using tessaly::MenuItem;

namespace {

// How often the runner looks for the about box while "About" opens it.
constexpr int kAboutPollIntervalMs = 10;

// Points of the bare client area and of a bare frame surface, tried in turn
// until one has no control over it: near the bottom left and the middle gap
// of the client area, near the inner corners of a frame.
constexpr std::array<QPoint, 6> kBareWindowPoints{
    {{8, 235}, {205, 100}, {4, 4}, {414, 4}, {4, 311}, {414, 311}}};
constexpr int kFrameInset = 4;
constexpr int kFrameBottomGap = 214;  // below the frame's lowest button

std::string Latin1(const QString& text) {
  return text.toLatin1().toStdString();
}

// Lets the event loop deliver what the last action set off, in order.
void Settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

}  // namespace

WindowDriver::WindowDriver(const HomeDirectory& home, std::deque<std::string>& errors)
    : home_(home), errors_(errors) {}

WindowDriver::~WindowDriver() {
  Close();
}

void WindowDriver::Start() {
  if (Closed()) Fail("the window was closed; restart starts a new one");
  if (window_) Fail("the window is already running");
  started_ = true;
  try {
    window_ = new tessaly::TQtWindow(
        home_.Path(),
        [errors = &errors_](QWidget*, const std::string& text) { errors->push_back(text); });
  } catch (const std::exception& error) {
    Fail(std::string("the window could not be created: ") + error.what());
  }
  window_->show();
  if (!QTest::qWaitForWindowExposed(window_)) Fail("the window was never exposed");
  Activate();
  Settle();
}

void WindowDriver::Restart() {
  Close();
  started_ = false;
  Start();
}

void WindowDriver::EnsureStarted() {
  if (!started_) Start();
}

void WindowDriver::EnsureRunning() {
  EnsureStarted();
  if (Closed()) Fail("the window has been closed");
}

bool WindowDriver::Closed() const {
  return started_ && (!window_ || window_->isHidden());
}

void WindowDriver::Close() {
  if (!window_) return;
  window_->close();
  delete window_.data();
  Settle();
}

tessaly::TQtWindow& WindowDriver::Window() {
  EnsureRunning();
  return *window_;
}

void WindowDriver::Activate() {
  tessaly::TQtWindow& window = Window();
  if (window.isActiveWindow()) return;
  window.raise();
  window.activateWindow();
  if (!QTest::qWaitForWindowActive(&window)) Fail("the window does not become active");
}

QWidget& WindowDriver::Widget(Control control) {
  QWidget* widget = Window().Widget(control);
  if (!widget) Fail("the window has no widget for " + ControlName(control));
  if (control != Control::Window && Latin1(widget->objectName()) != ControlName(control)) {
    Fail("the widget of " + ControlName(control) + " is named " +
         Quote(Latin1(widget->objectName())));
  }
  return *widget;
}

QRadioButton& WindowDriver::Item(Control radio_group, int index) {
  const QList<QRadioButton*> items = Widget(radio_group).findChildren<QRadioButton*>();
  if (items.size() != 2) {
    Fail(ControlName(radio_group) + " holds " + std::to_string(items.size()) +
         " radio buttons, not 2");
  }
  return *items[index];
}

QPoint WindowDriver::ClickPoint(Control control) {
  if (control == Control::Window || tessaly::IsPanel(control)) return BareSurfacePoint(control);
  QWidget& widget = Widget(control);
  if (!widget.isVisibleTo(&Window())) Fail(ControlName(control) + " is hidden");
  const QPoint point = widget.mapTo(&Window(), widget.rect().center());
  QWidget* hit = Window().childAt(point);
  if (hit != &widget && !widget.isAncestorOf(hit)) {
    Fail(ControlName(control) + " is covered at its centre by " +
         (hit ? Quote(Latin1(hit->objectName())) : "nothing"));
  }
  return point;
}

QPoint WindowDriver::BareSurfacePoint(Control control) {
  QWidget& surface = Widget(control);
  std::vector<QPoint> candidates(kBareWindowPoints.begin(), kBareWindowPoints.end());
  if (control != Control::Window) {
    const int right = surface.width() - 1 - kFrameInset;
    const int bottom = surface.height() - 1 - kFrameInset;
    candidates = {{kFrameInset, kFrameBottomGap},
                  {kFrameInset, kFrameInset},
                  {right, kFrameInset},
                  {kFrameInset, bottom},
                  {right, bottom}};
  }
  for (const QPoint& candidate : candidates) {
    if (!surface.rect().contains(candidate) || surface.childAt(candidate)) continue;
    const QPoint point = surface.mapTo(&Window(), candidate);
    if (Window().childAt(point) == &surface) return point;
  }
  Fail("no bare point found on " + ControlName(control));
}

void WindowDriver::Focus(Control control) {
  QWidget* target = &Widget(control);
  if (tessaly::IsRadioGroup(control)) {
    QRadioButton& second = Item(control, 1);
    target = second.isChecked() ? &second : &Item(control, 0);
  }
  if (!target->isVisibleTo(&Window())) Fail(ControlName(control) + " is hidden");
  if (!target->isEnabled()) Fail(ControlName(control) + " is disabled");
  if (!(target->focusPolicy() & Qt::TabFocus)) {
    Fail(ControlName(control) + " does not take the focus from the Tab key");
  }
  Activate();
  target->setFocus(Qt::TabFocusReason);
  Settle();
  if (!Closed() && Window().focusWidget() != target) {
    Fail("the focus did not move to " + ControlName(control) + " (it is in " + FocusedControl() +
         ")");
  }
}

void WindowDriver::Type(const std::string& bytes) {
  std::vector<KeyStroke> strokes;
  for (const char byte : bytes) {
    const std::optional<KeyStroke> stroke = KeyForByte(byte);
    if (!stroke) Fail("no key types the byte " + Quote(std::string(1, byte)));
    strokes.push_back(*stroke);
  }
  for (const KeyStroke& stroke : strokes) Press(stroke);
}

void WindowDriver::Press(const KeyStroke& stroke) {
  Activate();
  QTest::sendKeyEvent(QTest::Click, Window().windowHandle(), stroke.key, stroke.text,
                      stroke.modifiers);
  Settle();
}

void WindowDriver::Click(Control control) {
  const QPoint point = ClickPoint(control);
  Activate();
  QTest::mouseClick(Window().windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
  Settle();
}

void WindowDriver::DoubleClick(Control control) {
  const QPoint point = ClickPoint(control);
  Activate();
  QTest::mouseDClick(Window().windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
  Settle();
}

void WindowDriver::Choose(Control radio_group, int index) {
  QRadioButton& item = Item(radio_group, index);
  if (!item.isVisibleTo(&Window())) Fail(ControlName(radio_group) + " is hidden");
  // Click on the round indicator, which every style makes part of the item.
  QStyleOptionButton option;
  option.initFrom(&item);
  option.text = item.text();
  const QRect indicator =
      item.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, &item);
  const QPoint point = item.mapTo(&Window(), indicator.center());
  if (Window().childAt(point) != &item) {
    Fail("item " + std::to_string(index) + " of " + ControlName(radio_group) +
         " is covered at its indicator");
  }
  Activate();
  QTest::mouseClick(Window().windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
  Settle();
}

void WindowDriver::Menu(const std::string& text) {
  constexpr std::array kItems{MenuItem::Exit, MenuItem::SaveHome, MenuItem::RecallHome,
                              MenuItem::About};
  std::string available;
  for (const MenuItem item : kItems) {
    QAction* action = Window().MenuAction(item);
    if (!action) continue;
    const std::string caption = Latin1(action->text());
    available += (available.empty() ? "" : ", ") + Quote(caption);
    if (caption != text) continue;
    if (!action->isEnabled()) Fail("the menu item " + Quote(text) + " is disabled");
    if (item == MenuItem::About) return ChooseAbout(*action);
    Activate();
    action->trigger();
    Settle();
    return;
  }
  Fail("no menu item " + Quote(text) + " (the menu holds " + available + ")");
}

// The about box is modal: the menu action returns only once it is closed, so
// a timer started before the action finds the box and presses its OK button.
void WindowDriver::ChooseAbout(QAction& about) {
  QWidget* about_box = &Window().AboutBox();
  QWidget* shown = nullptr;
  bool without_ok = false;
  bool stayed_open = false;
  QTimer closer;
  closer.setInterval(kAboutPollIntervalMs);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;  // not shown yet
    closer.stop();
    shown = modal;
    auto* ok = modal->findChild<QPushButton*>("OKButton");
    if (ok && modal->windowHandle()) {
      QTest::mouseClick(modal->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                        ok->mapTo(modal, ok->rect().center()));
    } else {
      without_ok = true;
    }
    // Never leave a modal loop running: the case could not go on.
    if (modal->isVisible()) {
      stayed_open = !without_ok;
      modal->close();
    }
  });
  Activate();
  closer.start();
  about.trigger();
  closer.stop();
  Settle();
  if (!shown) Fail("\"About\" showed no modal box");
  if (shown != about_box) Fail("\"About\" showed a modal box that is not the about box");
  if (without_ok) Fail("the about box has no OK button named OKButton");
  if (stayed_open) Fail("the about box's OK button did not close it");
  if (about_box->isVisible()) Fail("the about box is still open");
  Activate();
  Settle();
}

void WindowDriver::Set(Control control, const std::string& text) {
  if (!tessaly::IsEdit(control) && !tessaly::IsLabel(control)) {
    Fail("set needs an edit field or a label, not " + ControlName(control));
  }
  tessaly::TQtWindow& window = Window();
  tessaly::RunGuarded(window, [&] { window.SetText(control, text); });
  Settle();
}

std::string WindowDriver::Text(Control control) {
  if (control == Control::Window) return Latin1(Window().windowTitle());
  QWidget& widget = Widget(control);
  if (auto* edit = qobject_cast<QLineEdit*>(&widget)) return Latin1(edit->text());
  if (auto* label = qobject_cast<QLabel*>(&widget)) return Latin1(label->text());
  if (auto* button = qobject_cast<QAbstractButton*>(&widget)) return Latin1(button->text());
  Fail(ControlName(control) + " shows no text");
}

int WindowDriver::ItemIndex(Control radio_group) {
  const bool first = Item(radio_group, 0).isChecked();
  const bool second = Item(radio_group, 1).isChecked();
  if (first && second) Fail("both items of " + ControlName(radio_group) + " are selected");
  return first ? 0 : (second ? 1 : -1);
}

bool WindowDriver::Visible(Control control) {
  if (control == Control::Window) return Window().isVisible();
  return Widget(control).isVisibleTo(&Window());
}

int WindowDriver::Width(Control control) {
  return Widget(control).width();
}

std::string WindowDriver::FocusedControl() {
  QWidget* focused = Window().focusWidget();
  if (!focused) return "nothing";
  for (const Control control : tessaly::AllControls()) {
    if (control == Control::Window) continue;
    QWidget* widget = Window().Widget(control);
    if (widget == focused ||
        (tessaly::IsRadioGroup(control) && widget && widget->isAncestorOf(focused))) {
      return ControlName(control);
    }
  }
  return focused->objectName().isEmpty() ? focused->metaObject()->className()
                                         : Latin1(focused->objectName());
}

}  // namespace scenario
