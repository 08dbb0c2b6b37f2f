// SPDX-License-Identifier: GPL-3.0-or-later
// The azimuthal equidistant projection of the sphere, the great-circle map's
// projection: every straight line through the centre is a great circle, its
// angle is the heading and its length the distance.
#pragma once

#include <optional>

#include "geo/location.h"

namespace tessaly {

// A point of the unit sphere: x towards latitude 0 longitude 0, y towards
// latitude 0 longitude 90 E, z towards the north pole.
struct UnitVector {
  double X = 0.0, Y = 0.0, Z = 1.0;
};

// Latitude and longitude in radians, north and east positive.
UnitVector ToUnitVector(double lat, double lon);
// Back again, in radians; a pole's longitude is 0.
double LatitudeOf(const UnitVector& point);
double LongitudeOf(const UnitVector& point);
// The same in decimal degrees, longitude from -180 to 180.
SignedPosition PositionOf(const UnitVector& point);

// A point of the map in units of the disc's radius: X east, Y north of the
// centre, |(X, Y)| from 0 at the centre to 1 on the rim.
struct PlanePoint {
  double X = 0.0, Y = 0.0;
};

class AzimuthalEquidistant {
 public:
  // Centre in radians, north and east positive. North is at the top of the
  // centre's meridian. At a pole, where north has no direction, the map is
  // turned as for a centre just beside the pole on the same meridian.
  AzimuthalEquidistant(double centre_lat, double centre_lon);

  // The point at central angle d (0 to pi) from the centre and heading h
  // (clockwise from north) maps to distance d / pi from the origin, in
  // direction h. The disc's radius thus stands for the antipodal distance;
  // the antipode, which every heading reaches, maps onto the rim (exactly
  // there, to the bottom, where due south reaches it). `point` need not be
  // of unit length.
  PlanePoint Project(const UnitVector& point) const;
  PlanePoint Project(double lat, double lon) const { return Project(ToUnitVector(lat, lon)); }
  // The same for drawing, four times as fast: its central angle is within
  // 1.2e-5 radians (Abramowitz and Stegun's 4.4.49 for the arc tangent), a
  // thousandth of a pixel at the whole earth on a screen and a twentieth at
  // the closest view, but by that much off the exact projection.
  PlanePoint ProjectForDrawing(const UnitVector& point) const;

  // The point a map point shows: the inverse of Project, for points of the
  // disc (distance at most 1 from the centre); nothing beyond its rim. The
  // rim itself is the antipode, whatever the direction.
  std::optional<UnitVector> Unproject(const PlanePoint& point) const;

  const UnitVector& Centre() const { return up_; }

 private:
  // The centre's local frame: east, north and up.
  UnitVector east_, north_, up_;
};

}  // namespace tessaly
