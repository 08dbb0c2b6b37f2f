// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/window_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <exception>
#include <functional>
#include <stdexcept>
#include <vector>

#include "qt/about_win.h"
#include "qt/latin1.h"
#include "window/error_display.h"

namespace tessaly {

namespace {

// How often the driver looks for a modal window while an action opens it.
constexpr int kModalPollIntervalMs = 10;

// Points of the bare client area and of a bare frame surface, tried in turn
// until one has no control over it: near the bottom left and the middle gap
// of the client area, near the inner corners of a frame.
constexpr std::array<QPoint, 6> kBareWindowPoints{
    {{8, 235}, {205, 100}, {4, 4}, {414, 4}, {4, 311}, {414, 311}}};
constexpr int kFrameInset = 4;
constexpr int kFrameBottomGap = 214;  // below the frame's lowest button

// Lets the event loop deliver what the last action set off, in order.
void Settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

}  // namespace

std::string ShownMenuText(const QAction& action) {
  const QString text = action.text();
  QString shown;
  for (qsizetype at = 0; at < text.size(); ++at) {
    if (text[at] == QLatin1Char('&') && at + 1 < text.size()) ++at;
    shown += text[at];
  }
  return ToLatin1(shown);
}

WindowDriver::WindowDriver(const HomeDirectory& home) : home_(home) {}

WindowDriver::~WindowDriver() {
  Close();
}

void WindowDriver::Create() {
  if (window_) return;
  try {
    window_ = new TQtWindow(home_.Path(),
                            [this](QWidget*, const std::string& text) { errors_.push_back(text); });
  } catch (const std::exception& error) {
    Fail(std::string("the window could not be created: ") + error.what());
  }
}

void WindowDriver::Start() {
  if (Closed()) Fail("the window was closed; restart starts a new one");
  if (started_) Fail("the window is already running");
  started_ = true;
  Create();
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

bool WindowDriver::Closed() const {
  return started_ && (!window_ || window_->isHidden());
}

void WindowDriver::Close() {
  if (!window_) return;
  window_->close();
  delete window_.data();
  Settle();
}

TQtWindow& WindowDriver::Window() {
  if (!started_ && window_) return *window_;  // built, not yet shown
  EnsureStarted();
  if (Closed()) Fail("the window has been closed");
  return *window_;
}

void WindowDriver::Activate() {
  TQtWindow& window = Window();
  // Keys go to the focus window; it follows the activation a moment later.
  auto active = [&window] {
    return window.isActiveWindow() && QGuiApplication::focusWindow() == window.windowHandle();
  };
  if (active()) return;
  window.raise();
  window.activateWindow();
  if (!QTest::qWaitFor(active)) Fail("the window does not become active");
}

QWidget& WindowDriver::Widget(Control control) {
  QWidget* widget = Window().Widget(control);
  if (!widget) Fail("the window has no widget for " + ControlName(control));
  if (control != Control::Window && ToLatin1(widget->objectName()) != ControlName(control)) {
    Fail("the widget of " + ControlName(control) + " is named " +
         Quote(ToLatin1(widget->objectName())));
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
  if (control == Control::Window || IsPanel(control)) return BareSurfacePoint(control);
  QWidget& widget = Widget(control);
  if (!widget.isVisibleTo(&Window())) Fail(ControlName(control) + " is hidden");
  const QPoint point = widget.mapTo(&Window(), widget.rect().center());
  QWidget* hit = Window().childAt(point);
  if (hit != &widget && !widget.isAncestorOf(hit)) {
    Fail(ControlName(control) + " is covered at its centre by " +
         (hit ? Quote(ToLatin1(hit->objectName())) : "nothing"));
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
  if (IsRadioGroup(control)) {
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
  QTest::sendKeyEvent(QTest::Click, Window().windowHandle(), stroke.Key, stroke.Text,
                      stroke.Modifiers);
  Settle();
}

void WindowDriver::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  Activate();
  QTest::keyClick(Window().windowHandle(), key, modifiers);
  Settle();
}

void WindowDriver::Click(Control control) {
  ClickAt(ClickPoint(control), false);
}

void WindowDriver::DoubleClick(Control control) {
  ClickAt(ClickPoint(control), true);
}

void WindowDriver::ClickAt(const QPoint& point, bool twice) {
  Activate();
  QTest::mouseEvent(twice ? QTest::MouseDClick : QTest::MouseClick, Window().windowHandle(),
                    Qt::LeftButton, Qt::NoModifier, point);
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
  ClickAt(point, false);
}

void WindowDriver::Menu(const std::string& text) {
  std::string available;
  QAction* chosen = nullptr;
  // Every item that runs a command, submenus' included, by the text it shows.
  std::function<void(const QMenu&)> search = [&](const QMenu& menu) {
    for (QAction* action : menu.actions()) {
      if (action->isSeparator()) continue;
      if (action->menu()) {
        search(*action->menu());
        continue;
      }
      const std::string caption = ShownMenuText(*action);
      available += (available.empty() ? "" : ", ") + Quote(caption);
      if (caption == text && chosen == nullptr) chosen = action;
    }
  };
  for (const QAction* menu : Window().menuBar()->actions()) {
    if (menu->menu()) search(*menu->menu());
  }
  if (chosen == nullptr)
    Fail("no menu item " + Quote(text) + " (the menus hold " + available + ")");
  if (!chosen->isEnabled()) Fail("the menu item " + Quote(text) + " is disabled");
  if (chosen == Window().MenuAction(MenuItem::About)) return ChooseAbout(*chosen);
  Activate();
  chosen->trigger();
  Settle();
}

void WindowDriver::WhenModalShows(std::function<void(QWidget*)> inspect) {
  modal_seen_ = false;
  modal_stayed_open_ = false;
  modal_timer_ = std::make_unique<QTimer>();
  modal_timer_->setInterval(kModalPollIntervalMs);
  QObject::connect(modal_timer_.get(), &QTimer::timeout, [this, inspect] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;  // not shown yet
    modal_timer_->stop();
    modal_seen_ = true;
    inspect(modal);
    if (!modal->isVisible()) return;
    auto* ok = modal->findChild<QPushButton*>("OKButton");
    QAbstractButton* button = ok ? ok : modal->findChild<QAbstractButton*>();
    if (button && modal->windowHandle()) {
      QTest::mouseClick(modal->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                        button->mapTo(modal, button->rect().center()));
    }
    // Never leave a modal loop running: nothing could go on.
    if (modal->isVisible()) {
      modal_stayed_open_ = true;
      modal->close();
    }
  });
  modal_timer_->start();
}

// The about box is modal: the menu action returns only once it is closed, so
// the box is looked for while it runs, and closed with its OK button.
void WindowDriver::ChooseAbout(QAction& about) {
  QWidget* about_box = &Window().AboutBox();
  QWidget* shown = nullptr;
  bool without_ok = false;
  WhenModalShows([&](QWidget* modal) {
    shown = modal;
    without_ok = modal->findChild<QPushButton*>("OKButton") == nullptr;
  });
  Activate();
  about.trigger();
  modal_timer_->stop();
  Settle();
  if (!shown) Fail("\"About\" showed no modal box");
  if (shown != about_box) Fail("\"About\" showed a modal box that is not the about box");
  if (without_ok) Fail("the about box has no OK button named OKButton");
  if (modal_stayed_open_) Fail("the about box's OK button did not close it");
  if (about_box->isVisible()) Fail("the about box is still open");
  Activate();
  Settle();
}

void WindowDriver::Set(Control control, const std::string& text) {
  if (!IsEdit(control) && !IsLabel(control)) {
    Fail("set needs an edit field or a label, not " + ControlName(control));
  }
  TQtWindow& window = Window();
  RunGuarded(window, [&] { window.SetText(control, text); });
  Settle();
}

// As the handlers read it; the widget is checked first, so that a wrong one
// is named.
std::string WindowDriver::Text(Control control) {
  Widget(control);
  try {
    return Window().GetText(control);
  } catch (const std::invalid_argument&) {
    Fail(ControlName(control) + " shows no text");
  }
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
  for (const Control control : AllControls()) {
    if (control == Control::Window) continue;
    QWidget* widget = Window().Widget(control);
    if (widget == focused || (IsRadioGroup(control) && widget && widget->isAncestorOf(focused))) {
      return ControlName(control);
    }
  }
  return focused->objectName().isEmpty() ? focused->metaObject()->className()
                                         : ToLatin1(focused->objectName());
}

std::vector<std::string> WindowDriver::TakeErrors() {
  std::vector<std::string> taken(errors_.begin(), errors_.end());
  errors_.clear();
  return taken;
}

}  // namespace tessaly
