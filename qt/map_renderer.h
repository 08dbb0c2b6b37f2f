// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the great-circle map: the earth in an azimuthal equidistant disc
// centred on Home, zoomed to the view the settings ask for, with its layers,
// the paths to the Destination and a legend below.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>

#include "geo/azimuthal_projection.h"
#include "geo/location.h"
#include "qt/map_colours.h"
#include "qt/map_data.h"
#include "window/map_view.h"

class QPainter;

namespace tessaly {

// Where the disc went, in the painter's logical coordinates, and which
// part of the earth it shows.
class MapDisc {
 public:
  MapDisc();
  // `view_radius`: the part of the projection's disc shown, in its radii (1
  // for the whole earth, less when zoomed in).
  MapDisc(const QPointF& centre, double radius, double view_radius, const SignedPosition& home);

  QPointF Centre() const { return centre_; }
  double Radius() const { return radius_; }  // logical pixels
  double ViewRadius() const { return view_radius_; }
  const AzimuthalEquidistant& Projection() const { return projection_; }

  // Where a point of the projection is drawn: possibly outside the disc.
  QPointF PixelOf(const PlanePoint& point) const;
  QPointF PixelOf(const SignedPosition& position) const;
  // The point of the projection a pixel shows, and its position (decimal
  // degrees, longitude from -180 to 180); nothing outside the disc.
  std::optional<PlanePoint> PlaneAt(const QPointF& pixel) const;
  std::optional<SignedPosition> PositionAt(const QPointF& pixel) const;

 private:
  QPointF centre_;
  double radius_ = 0.0;
  double view_radius_ = 1.0;
  AzimuthalEquidistant projection_;
};

// What one drawing shows, and in which colours.
struct MapScene {
  MapContent Content;
  MapSettings Settings;
  MapColours Colours;
  friend bool operator==(const MapScene&, const MapScene&) = default;
};

// Antialiased vector drawing, in the painter's logical coordinates, so that
// it is sharp at any size and device pixel ratio. Data without land leaves
// the land out and the legend says so.
MapDisc RenderMap(QPainter& painter, const QRectF& area, const MapScene& scene,
                  const MapData& data);

// The map alone as an image of `size` logical pixels at `device_pixel_ratio`.
QImage RenderMapImage(const MapScene& scene, const MapData& data, QSize size,
                      double device_pixel_ratio = 1.0);

// Where a marker's label of `size` goes, `gap` clear of the marker: beside
// it on the side towards the centre, else the first other side that stays
// inside `bounds`, and moved inside them if none does.
QRectF LabelBoxBeside(const QPointF& marker, double gap, const QSizeF& size, const QPointF& centre,
                      const QRectF& bounds);

}  // namespace tessaly
