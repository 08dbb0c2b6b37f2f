#include "qt/app_icon.h"

#include <QPainter>

namespace tessaly {
namespace {

constexpr int kCellsPerSide = 4;
constexpr int kBorderWidth = 2;  // pixels
const QColor kFieldColour(214, 236, 200);
const QColor kGridColour(70, 120, 70);
const QColor kBorderColour(30, 50, 110);
const QColor kDotColour(210, 30, 30);
constexpr QPointF kDotCentre(21.5, 11.5);  // inside one cell, off the lines
constexpr double kDotRadius = 4.0;

}  // namespace

QPixmap AppIcon() {
  QPixmap icon(kAppIconSize, kAppIconSize);
  icon.fill(kFieldColour);
  QPainter painter(&icon);

  painter.setPen(QPen(kGridColour, 1));
  constexpr int kCell = kAppIconSize / kCellsPerSide;
  for (int line = 1; line < kCellsPerSide; ++line) {
    painter.drawLine(line * kCell, 0, line * kCell, kAppIconSize);
    painter.drawLine(0, line * kCell, kAppIconSize, line * kCell);
  }

  painter.setPen(QPen(kBorderColour, kBorderWidth));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(kBorderWidth / 2.0, kBorderWidth / 2.0, kAppIconSize - kBorderWidth,
                          kAppIconSize - kBorderWidth));

  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::white, 1));
  painter.setBrush(kDotColour);
  painter.drawEllipse(kDotCentre, kDotRadius, kDotRadius);
  return icon;
}

}  // namespace tessaly
