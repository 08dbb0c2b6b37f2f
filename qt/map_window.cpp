// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/map_window.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QStringList>
#include <QWidget>

#include "qt/latin1.h"
#include "qt/map_coastline.h"
#include "qt/map_renderer.h"
#include "qt/menu_actions.h"

namespace tessaly {
namespace {

constexpr QSize kInitialSize(640, 720);
constexpr QSize kSmallestSize(320, 360);
const char kImageSuffix[] = "png";

// Paints the map over its whole area, on every paint.
class TMapCanvas : public QWidget {
 public:
  TMapCanvas(const MapContent& content, const Coastline& coastline, QWidget* parent)
      : QWidget(parent), content_(content), coastline_(coastline) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    RenderMap(painter, rect(), content_, coastline_);
  }

 private:
  const MapContent& content_;
  const Coastline& coastline_;
};

}  // namespace

TMapWindow::TMapWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window), coastline_(BuiltInCoastline()) {
  setWindowTitle(FromLatin1(kMapCaption));
  resize(kInitialSize);
  setMinimumSize(kSmallestSize);

  canvas_ = new TMapCanvas(content_, coastline_, this);
  canvas_->setAccessibleName(QStringLiteral("Great-circle map"));
  setCentralWidget(canvas_);
  SetContent(content_);

  menuBar()->setNativeMenuBar(false);
  QMenu* menu = AddMenu(*menuBar(), Menu::Map);
  QAction* save = AddMenuAction(*menu, MenuItem::SaveMapImage);
  connect(save, &QAction::triggered, this, &TMapWindow::SaveImage);
  QAction* close = AddMenuAction(*menu, MenuItem::CloseMap);
  connect(close, &QAction::triggered, this, &QWidget::close);
  // The same two commands on a right click in the map.
  canvas_->setContextMenuPolicy(Qt::ActionsContextMenu);
  canvas_->addAction(save);
  canvas_->addAction(close);
}

void TMapWindow::SetContent(const MapContent& content) {
  // The main window hands the content over after each of its events.
  if (content == content_) return;
  content_ = content;
  // A screen reader reads the legend: what the picture says in words.
  QStringList legend;
  for (const LegendLine& line : MapLegend(content_, !coastline_.Rings.empty())) {
    legend << FromLatin1(line.Text);
  }
  canvas_->setAccessibleDescription(legend.join(QStringLiteral(". ")));
  canvas_->update();
}

void TMapWindow::SaveImage() {
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Map as Image"),
                                              QDir::home().filePath("tessaly-map.png"),
                                              QStringLiteral("PNG images (*.png)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + QLatin1String(kImageSuffix);
  if (!SaveMapImage(path, content_, coastline_, canvas_->size(), devicePixelRatioF())) {
    QMessageBox::warning(
        this, FromLatin1(kMapCaption),
        QStringLiteral("The map could not be saved as %1.").arg(QDir::toNativeSeparators(path)));
  }
}

}  // namespace tessaly
