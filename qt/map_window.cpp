// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/map_window.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>

#include "qt/latin1.h"
#include "qt/map_canvas.h"
#include "qt/map_renderer.h"
#include "qt/menu_actions.h"
#include "qt/preferences.h"
#include "qt/qt_widgets.h"

namespace tessaly {
namespace {

constexpr QSize kInitialSize(640, 740);
// Room for the legend's longest lines and a disc that shows its labels.
constexpr QSize kSmallestSize(380, 420);
// What a window frame and a desktop panel may take besides the window.
constexpr QSize kFrameAllowance(16, 48);
constexpr int kClockMilliseconds = 60'000;  // the gray line moves a quarter degree a minute
const char kImageSuffix[] = "png";

std::string_view LayerKey(MenuItem layer) {
  return layer == MenuItem::LocatorGrid ? "LocatorGrid" : "GrayLine";
}

UnixSeconds Now() {
  return QDateTime::currentSecsSinceEpoch();
}

}  // namespace

TMapWindow::TMapWindow(QWidget* parent, Preferences* preferences, DestinationChooser choose)
    : QMainWindow(parent, Qt::Window), data_(BuiltInMapData()), preferences_(preferences) {
  setWindowTitle(FromLatin1(kMapCaption));
  resize(kInitialSize);
  setMinimumSize(kSmallestSize);
  if (preferences_ != nullptr) {
    settings_.LocatorGrid = preferences_->MapLayerShown(LayerKey(MenuItem::LocatorGrid), false);
    settings_.GrayLine = preferences_->MapLayerShown(LayerKey(MenuItem::GrayLine), false);
  }
  settings_.Moment = Now();

  auto* client = new QWidget(this);
  auto* layout = new QVBoxLayout(client);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  readout_ = new TResultField(client);
  readout_->setAccessibleName(FromLatin1(kMapReadoutName));
  readout_->setFocusPolicy(Qt::ClickFocus);
  TMapCanvas::Handlers handlers{[this](const QString& line) {
                                  readout_->setText(line);
                                  // The line starts with the locator: keep that end in view.
                                  readout_->setCursorPosition(0);
                                },
                                std::move(choose), [this](int steps) { Zoom(steps); }};
  canvas_ = new TMapCanvas(data_, std::move(handlers), client);
  canvas_->setAccessibleName(QStringLiteral("Great-circle map"));
  layout->addWidget(canvas_, 1);
  layout->addWidget(readout_);
  setCentralWidget(client);
  setFocusProxy(canvas_);
  canvas_->setFocus();

  BuildMenus();
  clock_ = new QTimer(this);
  connect(clock_, &QTimer::timeout, this, [this] {
    settings_.Moment = Now();
    if (isVisible() && settings_.GrayLine) ShowScene();
  });
  clock_->start(kClockMilliseconds);
  ShowScene();
}

void TMapWindow::BuildMenus() {
  menuBar()->setNativeMenuBar(false);
  QMenu* map = AddMenu(*menuBar(), Menu::Map);
  QAction* save = AddMenuAction(*map, MenuItem::SaveMapImage);
  connect(save, &QAction::triggered, this, &TMapWindow::SaveImage);
  QAction* close = AddMenuAction(*map, MenuItem::CloseMap);
  connect(close, &QAction::triggered, this, &QWidget::close);

  QMenu* view = AddMenu(*menuBar(), Menu::MapView);
  for (const MenuEntry& entry : MenuEntries()) {
    if (entry.In != Menu::MapView) continue;
    QAction* action = AddMenuAction(*view, entry.Item);
    actions_[entry.Item] = action;
    switch (entry.Item) {
      case MenuItem::LocatorGrid:
      case MenuItem::GrayLine:
        action->setChecked(entry.Item == MenuItem::LocatorGrid ? settings_.LocatorGrid
                                                               : settings_.GrayLine);
        connect(action, &QAction::toggled, this,
                [this, item = entry.Item](bool shown) { Toggle(item, shown); });
        break;
      case MenuItem::ZoomIn: connect(action, &QAction::triggered, this, [this] { Zoom(1); }); break;
      case MenuItem::ZoomOut:
        connect(action, &QAction::triggered, this, [this] { Zoom(-1); });
        break;
      default:
        connect(action, &QAction::triggered, this, [this] {
          settings_.ViewKm = kWholeEarthViewKm;
          ShowScene();
        });
    }
  }
  // The picture's own commands on a right click in it.
  canvas_->setContextMenuPolicy(Qt::ActionsContextMenu);
  canvas_->addActions({save, close});
}

void TMapWindow::SetContent(const MapContent& content) {
  MapContent shown = content;
  if (!shown.HomeKnown) shown.Home = content_.Home;
  // The main window hands the content over after each of its events.
  if (shown == content_) return;
  content_ = shown;
  ShowScene();
}

void TMapWindow::SetMoment(UnixSeconds moment) {
  clock_->stop();
  settings_.Moment = moment;
  ShowScene();
}

void TMapWindow::Toggle(MenuItem layer, bool shown) {
  (layer == MenuItem::LocatorGrid ? settings_.LocatorGrid : settings_.GrayLine) = shown;
  if (preferences_ != nullptr) preferences_->SetMapLayerShown(LayerKey(layer), shown);
  ShowScene();
}

void TMapWindow::Zoom(int steps) {
  settings_.ViewKm = ZoomedViewKm(settings_.ViewKm, steps);
  ShowScene();
}

void TMapWindow::ShowScene() {
  canvas_->SetScene({content_, settings_, MapColoursFor(palette())});
  // A screen reader reads the legend: what the picture says in words.
  QStringList legend;
  for (const LegendLine& line : MapLegend(content_, !data_.Land.Rings.empty(), settings_)) {
    legend << FromLatin1(line.Text);
  }
  const QString description = legend.join(QStringLiteral(". "));
  if (canvas_->accessibleDescription() != description) {
    canvas_->setAccessibleDescription(description);
  }
  actions_.at(MenuItem::ZoomIn)->setEnabled(settings_.ViewKm > kClosestViewKm);
  actions_.at(MenuItem::ZoomOut)->setEnabled(settings_.ViewKm < kWholeEarthViewKm);
  actions_.at(MenuItem::WholeEarth)->setEnabled(settings_.ViewKm < kWholeEarthViewKm);
}

void TMapWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) ShowScene();
  QMainWindow::changeEvent(event);
}

void TMapWindow::showEvent(QShowEvent* event) {
  if (!fitted_) {
    FitOnScreen();
    fitted_ = true;
  }
  QMainWindow::showEvent(event);
}

void TMapWindow::FitOnScreen() {
  const QScreen* on = parentWidget() != nullptr ? parentWidget()->screen() : screen();
  if (on == nullptr) return;
  const QRect room = on->availableGeometry();
  const QSize most = room.size() - kFrameAllowance;
  setMinimumSize(kSmallestSize.boundedTo(most));
  resize(size().boundedTo(most));
  QRect frame = frameGeometry();
  if (!room.contains(frame)) {
    frame.moveLeft(std::clamp(frame.left(), room.left(), room.right() - frame.width()));
    frame.moveTop(std::clamp(frame.top(), room.top(), room.bottom() - frame.height()));
    move(frame.topLeft());
  }
}

void TMapWindow::SaveImage() {
  const QString name = FromLatin1(MapImageName(content_));
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Map as Image"),
                                              QDir::home().filePath(name),
                                              QStringLiteral("PNG images (*.png)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + QLatin1String(kImageSuffix);
  const QImage image =
      RenderMapImage(canvas_->Scene(), data_, canvas_->size(), devicePixelRatioF());
  if (!image.save(path, "PNG")) {
    QMessageBox::warning(
        this, FromLatin1(kMapCaption),
        QStringLiteral("The map could not be saved as %1.").arg(QDir::toNativeSeparators(path)));
  }
}

}  // namespace tessaly
