// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/map_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "qt/latin1.h"

namespace tessaly {
namespace {

// An arrow key moves the crosshair by this part of the view's radius, five
// times as far with Shift.
constexpr double kArrowStep = 0.02;
constexpr double kShiftArrowSteps = 5.0;
constexpr int kEighthsPerNotch = 120;  // QWheelEvent's angle delta of one notch
constexpr int kCrosshairArm = 9;       // logical pixels from the centre
constexpr int kCrosshairGap = 3;
constexpr double kCrosshairWidth = 1.5;

}  // namespace

TMapCanvas::TMapCanvas(const MapData& data, Handlers handlers, QWidget* parent)
    : QWidget(parent), data_(data), handlers_(std::move(handlers)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::CrossCursor);
}

void TMapCanvas::SetScene(const MapScene& scene) {
  if (scene == scene_) return;
  scene_ = scene;
  picture_current_ = false;
  if (crosshair_) {
    // Zoomed in past it: to the view's edge in its direction.
    const double reach = std::hypot(crosshair_->X, crosshair_->Y);
    const double view = ViewRadius(scene_.Settings);
    if (reach > view)
      crosshair_ = PlanePoint{crosshair_->X * view / reach, crosshair_->Y * view / reach};
  }
  update();
  ShowReadout();
}

const MapDisc& TMapCanvas::Disc() {
  EnsurePicture();
  return disc_;
}

void TMapCanvas::EnsurePicture() {
  const double ratio = devicePixelRatioF();
  if (picture_current_ && picture_.size() == size() * ratio) return;
  // Drawn over where the size stays: a second picture while the first is
  // still kept would double the map's memory at each change.
  if (picture_.size() != size() * ratio) {
    picture_ = QPixmap();
    picture_ = QPixmap(size() * ratio);
  }
  picture_.setDevicePixelRatio(ratio);
  QPainter painter(&picture_);
  disc_ = RenderMap(painter, QRectF(rect()), scene_, data_);
  picture_current_ = true;
}

void TMapCanvas::PointAt(const QPointF& pixel) {
  const std::optional<PlanePoint> point = Disc().PlaneAt(pixel);
  if (point) MoveCrosshair(*point);
}

std::optional<SignedPosition> TMapCanvas::CrosshairPosition() const {
  if (!crosshair_) return std::nullopt;
  // The scene's own projection: the picture may not be drawn for it yet.
  const SignedPosition& home = scene_.Content.Home;
  const std::optional<UnitVector> point =
      AzimuthalEquidistant(Radians(home.Lat), Radians(home.Lon)).Unproject(*crosshair_);
  if (!point) return std::nullopt;
  return PositionOf(*point);
}

void TMapCanvas::MoveCrosshair(const PlanePoint& point) {
  const QRect before = CrosshairRect();
  crosshair_ = point;
  // Only the crosshair's old and new places are painted again.
  update(before);
  update(CrosshairRect());
  ShowReadout();
}

void TMapCanvas::ShowReadout() {
  if (!handlers_.ShowReadout) return;
  const std::optional<SignedPosition> position = CrosshairPosition();
  const std::optional<MapReadout> readout =
      position ? ReadoutAt(scene_.Content, *position) : std::nullopt;
  handlers_.ShowReadout(readout ? FromLatin1(readout->Line()) : QString());
}

QRect TMapCanvas::CrosshairRect() const {
  if (!crosshair_) return {};
  const QPoint at = disc_.PixelOf(*crosshair_).toPoint();
  const int reach = kCrosshairArm + 2;
  return {at.x() - reach, at.y() - reach, 2 * reach + 1, 2 * reach + 1};
}

void TMapCanvas::paintEvent(QPaintEvent* event) {
  EnsurePicture();
  QPainter painter(this);
  painter.drawPixmap(event->rect(), picture_,
                     QRectF(QPointF(event->rect().topLeft()) * picture_.devicePixelRatio(),
                            QSizeF(event->rect().size()) * picture_.devicePixelRatio()));
  // The crosshair belongs to the keys: shown while they reach the map.
  if (!crosshair_ || !hasFocus()) return;
  const QPointF at = disc_.PixelOf(*crosshair_);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const QColor& colour : {scene_.Colours.HomeOutline, scene_.Colours.Crosshair}) {
    // A wide line under a narrow one: seen on land, sea and night alike.
    const bool under = colour == scene_.Colours.HomeOutline;
    painter.setPen(QPen(colour, under ? kCrosshairWidth + 2 : kCrosshairWidth));
    for (const QPointF& arm : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
      painter.drawLine(at + arm * kCrosshairGap, at + arm * kCrosshairArm);
    }
  }
}

void TMapCanvas::resizeEvent(QResizeEvent*) {
  picture_current_ = false;
}

void TMapCanvas::mouseMoveEvent(QMouseEvent* event) {
  PointAt(event->position());
}

void TMapCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const std::optional<SignedPosition> position = Disc().PositionAt(event->position());
  if (!position) return;
  PointAt(event->position());
  if (handlers_.Choose) handlers_.Choose(*position);
}

void TMapCanvas::wheelEvent(QWheelEvent* event) {
  wheel_remainder_ += event->angleDelta().y();
  const int notches = wheel_remainder_ / kEighthsPerNotch;
  wheel_remainder_ -= notches * kEighthsPerNotch;
  if (notches != 0 && handlers_.Zoom) handlers_.Zoom(notches);
  event->accept();
}

void TMapCanvas::keyPressEvent(QKeyEvent* event) {
  const double step = Disc().ViewRadius() * kArrowStep *
                      (event->modifiers() & Qt::ShiftModifier ? kShiftArrowSteps : 1.0);
  PlanePoint point = crosshair_.value_or(PlanePoint{});
  switch (event->key()) {
    case Qt::Key_Left: point.X -= step; break;
    case Qt::Key_Right: point.X += step; break;
    case Qt::Key_Up: point.Y += step; break;
    case Qt::Key_Down: point.Y -= step; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (const std::optional<SignedPosition> position = CrosshairPosition()) {
        if (handlers_.Choose) handlers_.Choose(*position);
      }
      return;
    default: return QWidget::keyPressEvent(event);
  }
  // Kept inside the view: a step past its edge goes no further.
  const double reach = std::hypot(point.X, point.Y);
  if (reach > disc_.ViewRadius()) {
    point = {point.X * disc_.ViewRadius() / reach, point.Y * disc_.ViewRadius() / reach};
  }
  MoveCrosshair(point);
}

void TMapCanvas::focusInEvent(QFocusEvent* event) {
  // The keys start from Home.
  if (!crosshair_) {
    crosshair_ = PlanePoint{};
    ShowReadout();
  }
  update(CrosshairRect());
  QWidget::focusInEvent(event);
}

void TMapCanvas::focusOutEvent(QFocusEvent* event) {
  update(CrosshairRect());
  QWidget::focusOutEvent(event);
}

}  // namespace tessaly
