// SPDX-License-Identifier: GPL-3.0-or-later
// The map window: pointing at the earth with the mouse and the keys, the
// zoom, the layers it remembers, its place on the screen and its keys.
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <string>
#include <vector>

#include "geo/locator.h"
#include "qt/latin1.h"
#include "qt/map_canvas.h"
#include "qt/map_window.h"
#include "qt/preferences.h"
#include "qt/qt_widgets.h"
#include "tests/support/qt_window_fixture.h"

namespace tessaly {
namespace {

class MapWindowTest : public QtWindowTest {
 protected:
  // The main window with Home FN31pr decoded and the map open beside it.
  void OpenMap() {
    Start();
    Click(Control::Edit7);
    Type("FN31pr");
    Click(Control::Button2);
    FindMap();
  }
  // F6 opens the map; its window, picture and status line.
  void FindMap() {
    Key(Qt::Key_F6);
    map_ = window_->findChild<TMapWindow*>();
    ASSERT_NE(map_, nullptr);
    canvas_ = map_->findChild<TMapCanvas*>();
    readout_ = map_->findChild<TResultField*>();
    ASSERT_NE(canvas_, nullptr);
    ASSERT_NE(readout_, nullptr);
  }
  QString Legend() const { return canvas_->accessibleDescription(); }
  // The main window's Destination and results as the map left them equal
  // those of `locator` typed into the grid field and Enter pressed.
  void ExpectAsIfTyped(const std::string& locator) {
    const std::vector<std::string> chosen{Text(Control::Edit14), Text(Control::Edit15),
                                          Text(Control::Edit16), Text(Control::Edit8)};
    Click(Control::Edit14);  // clears the Destination
    Type(locator.substr(1));
    Key(Qt::Key_Return);
    EXPECT_EQ(chosen, (std::vector<std::string>{Text(Control::Edit14), Text(Control::Edit15),
                                                Text(Control::Edit16), Text(Control::Edit8)}));
  }

  TMapWindow* map_ = nullptr;
  TMapCanvas* canvas_ = nullptr;
  TResultField* readout_ = nullptr;
};

// A click at Berlin's pixel: the main window shows that point's locator
// (the readout's, under the mouse before) and what Enter shows for it.
TEST_F(MapWindowTest, AClickSetsTheDestinationAsTypingItsLocatorWould) {
  OpenMap();
  const QPoint pixel = canvas_->Disc().PixelOf(SignedPosition{52.52, 13.41}).toPoint();
  const std::optional<SignedPosition> clicked = canvas_->Disc().PositionAt(pixel);
  ASSERT_TRUE(clicked.has_value());
  const std::string locator = LocatorText(*CellOfPosition(*clicked, kDefaultCharacters));
  QMouseEvent move(QEvent::MouseMove, pixel, canvas_->mapToGlobal(pixel), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(canvas_, &move);
  EXPECT_TRUE(readout_->text().startsWith(FromLatin1(locator).trimmed()))
      << readout_->text().toStdString();
  EXPECT_EQ(readout_->accessibleName(), "Map readout");

  QTest::mouseClick(canvas_, Qt::LeftButton, {}, pixel);
  EXPECT_EQ(Text(Control::Edit14), locator);
  EXPECT_NE(Text(Control::Edit16), "");
  EXPECT_TRUE(Legend().contains(QStringLiteral("Short path"))) << Legend().toStdString();
  ExpectAsIfTyped(locator);
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

// The arrows move the crosshair from Home, Shift five times as far, the
// readout follows, and Enter chooses the point.
TEST_F(MapWindowTest, TheKeysMoveACrosshairAndEnterChoosesItsPoint) {
  OpenMap();
  canvas_->setFocus();
  QTest::keyClick(canvas_, Qt::Key_Right);
  QTest::keyClick(canvas_, Qt::Key_Up, Qt::ShiftModifier);
  const std::optional<SignedPosition> crosshair = canvas_->CrosshairPosition();
  ASSERT_TRUE(crosshair.has_value());
  // From FN31pr at the whole earth: a twentieth of the disc's radius north
  // east of Home is some 1000 km away at about 11 degrees.
  const std::optional<MapReadout> readout = ReadoutAt(canvas_->Scene().Content, *crosshair);
  ASSERT_TRUE(readout.has_value());
  EXPECT_EQ(readout_->text(), FromLatin1(readout->Line()));
  EXPECT_NEAR(std::stod(readout->Heading), 11.3, 0.5);

  QTest::keyClick(canvas_, Qt::Key_Return);
  const std::string locator = LocatorText(*CellOfPosition(*crosshair, kDefaultCharacters));
  EXPECT_EQ(Text(Control::Edit14), locator);
  ExpectAsIfTyped(locator);
}

// The wheel, + and - and Ctrl+0 zoom round Home from the whole earth to
// 500 km; the rings follow.
TEST_F(MapWindowTest, TheWheelAndTheKeysZoomBetweenTheWholeEarthAndTheClosestView) {
  OpenMap();
  map_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(map_));
  const auto wheel = [this](int notches) {
    const QPointF at = canvas_->rect().center();
    QWheelEvent event(at, canvas_->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas_, &event);
  };
  wheel(2);
  EXPECT_NEAR(map_->Settings().ViewKm, kWholeEarthViewKm / 2, 1e-6);
  QTest::keyClick(map_->windowHandle(), Qt::Key_Plus);
  QTest::keyClick(map_->windowHandle(), Qt::Key_Equal);
  EXPECT_NEAR(map_->Settings().ViewKm, kWholeEarthViewKm / 4, 1e-6);
  wheel(20);
  EXPECT_EQ(map_->Settings().ViewKm, kClosestViewKm);
  EXPECT_TRUE(Legend().contains(QStringLiteral("Rings every 100 miles"))) << Legend().toStdString();
  QTest::keyClick(map_->windowHandle(), Qt::Key_Minus);
  EXPECT_NEAR(map_->Settings().ViewKm, kClosestViewKm * std::sqrt(2.0), 1e-6);
  QTest::keyClick(map_->windowHandle(), Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(map_->Settings().ViewKm, kWholeEarthViewKm);
  EXPECT_TRUE(Legend().contains(QStringLiteral("Rings every 2500 miles")))
      << Legend().toStdString();
}

// The layers are remembered in the settings file: a map opened later
// shows them as left.
TEST_F(MapWindowTest, RemembersTheLayersShown) {
  Preferences preferences(home_.Path());
  {
    TMapWindow map(nullptr, &preferences);
    EXPECT_FALSE(map.Settings().LocatorGrid);
    for (QAction* action : map.findChildren<QAction*>()) {
      if (action->text().remove('&') == "Locator grid" ||
          action->text().remove('&') == "Gray line") {
        action->trigger();
      }
    }
    EXPECT_TRUE(map.Settings().GrayLine);
  }
  const TMapWindow later(nullptr, &preferences);
  EXPECT_TRUE(later.Settings().LocatorGrid);
  EXPECT_TRUE(later.Settings().GrayLine);
  EXPECT_TRUE(Preferences(home_.Path()).MapLayerShown("GrayLine", false));
}

// On a screen smaller than the map's first size (the offscreen screen is
// 800 by 600) the map opens inside the room for windows.
TEST_F(MapWindowTest, OpensWithinTheScreen) {
  OpenMap();
  const QRect room = map_->screen()->availableGeometry();
  EXPECT_TRUE(room.contains(map_->frameGeometry())) << room.height() << " " << map_->height();
}

TEST(MapWindow, EscapeAndControlWCloseIt) {
  TMapWindow window;
  const MapContent content{{-33.867, 151.2}, " QF56od", std::nullopt, DistanceUnit::Kilometres};
  window.SetContent(content);
  EXPECT_EQ(window.windowTitle(), "Tessaly map");
  for (const QKeyCombination key :
       {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::ControlModifier, Qt::Key_W)}) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.windowHandle(), key.key(), key.keyboardModifiers());
    EXPECT_FALSE(window.isVisible()) << QKeySequence(key).toString().toStdString();
  }
}

// View → Great-circle map from the keyboard opens the map, which follows the
// window's results and unit; closing it changes nothing in the window.
TEST_F(MapWindowTest, OpensFromTheViewMenuAndFollowsTheWindow) {
  Start();
  Click(Control::Edit14);
  Type("JO62qm");
  Key(Qt::Key_Return);
  FindMap();
  EXPECT_TRUE(map_->isVisible());
  // The canvas describes itself by the legend's lines.
  EXPECT_TRUE(Legend().contains(QString::fromLatin1("Short path 43.6\xB0, 4283.2 miles")))
      << Legend().toStdString();

  Key(Qt::Key_F4);  // back in the main window: the unit switch runs the distance again
  EXPECT_TRUE(Legend().contains(QString::fromLatin1("Short path 43.6\xB0, 6893.1 km")))
      << Legend().toStdString();

  const std::string results = Text(Control::Edit15) + Text(Control::Edit16);
  map_->close();
  EXPECT_EQ(Text(Control::Edit15) + Text(Control::Edit16), results);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}

}  // namespace
}  // namespace tessaly
