// SPDX-License-Identifier: GPL-3.0-or-later
// The map window's picture, to point at: the drawing is kept and only the
// crosshair drawn over it as the mouse or the arrow keys move it; the
// readout of the point under the crosshair goes to the status line, and a
// click or Enter chooses the point.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>

#include "qt/map_renderer.h"

namespace tessaly {

class TMapCanvas : public QWidget {
  Q_OBJECT

 public:
  struct Handlers {
    // The status line's new text: the readout, or empty off the earth.
    std::function<void(const QString&)> ShowReadout;
    // A point chosen as the Destination.
    std::function<void(const SignedPosition&)> Choose;
    // The mouse wheel's notches, forward positive.
    std::function<void(int)> Zoom;
  };

  TMapCanvas(const MapData& data, Handlers handlers, QWidget* parent);

  // Redraws the picture when the scene changed; the crosshair stays on its
  // point of the earth, inside the view.
  void SetScene(const MapScene& scene);
  const MapScene& Scene() const { return scene_; }

  // The disc as now drawn at the canvas's size.
  const MapDisc& Disc();
  // The mouse's or the keys' work: the crosshair to the pixel (nothing
  // happens off the earth), and the readout of that point.
  void PointAt(const QPointF& pixel);
  // Where the crosshair is, a point of the earth; none before the first move.
  std::optional<SignedPosition> CrosshairPosition() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The drawing, made again when size, pixel ratio or scene changed.
  void EnsurePicture();
  void MoveCrosshair(const PlanePoint& point);
  void ShowReadout();
  QRect CrosshairRect() const;

  const MapData& data_;
  const Handlers handlers_;
  MapScene scene_;
  QPixmap picture_;
  bool picture_current_ = false;
  MapDisc disc_;
  // In the projection's disc radii, so that it stays on its point as the
  // view zooms.
  std::optional<PlanePoint> crosshair_;
  int wheel_remainder_ = 0;  // eighths of a degree short of a notch
};

}  // namespace tessaly
