// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the great-circle map: the earth in an azimuthal equidistant disc
// centred on Home, with the paths to the Destination and a legend below.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include "geo/coastline.h"
#include "window/map_view.h"

class QPainter;

namespace tessaly {

inline const QColor kMapSeaColour(198, 222, 240);
inline const QColor kMapLandColour(204, 220, 170);

// Where the disc went, in the painter's logical coordinates: a projected
// point (X, Y) is drawn at Centre + Radius * (X, -Y).
struct MapDisc {
  QPointF Centre;
  double Radius = 0.0;
};

// Antialiased vector drawing, in the painter's logical coordinates, so that
// it is sharp at any size and device pixel ratio. A coastline without rings
// leaves the land out and the legend says so.
MapDisc RenderMap(QPainter& painter, const QRectF& area, const MapContent& content,
                  const Coastline& coastline);

// The map alone as an image of `size` logical pixels at `device_pixel_ratio`.
QImage RenderMapImage(const MapContent& content, const Coastline& coastline, QSize size,
                      double device_pixel_ratio = 1.0);

// Writes the map as a PNG file; false if the file cannot be written.
bool SaveMapImage(const QString& path, const MapContent& content, const Coastline& coastline,
                  QSize size, double device_pixel_ratio = 1.0);

}  // namespace tessaly
