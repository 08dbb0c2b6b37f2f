// SPDX-License-Identifier: GPL-3.0-or-later
// Lines and outlines of the sphere as drawn on the great-circle map. The
// projection bends every great-circle arc that does not pass through the
// centre, and tears those that pass through the antipode, which is the whole
// rim: arcs are split until straight pieces follow them, and a tear is
// mended along the rim (an outline) or left open (a line).
#pragma once

#include <vector>

#include "geo/azimuthal_projection.h"
#include "geo/coastline.h"

namespace tessaly {

using PlanePolyline = std::vector<PlanePoint>;

struct ProjectedLand {
  // Closed, in disc radii. Land is where an odd number of them enclose a
  // point, counting the rim too when AntipodeOnLand: an outline around the
  // antipode encloses the rim side of the disc, not the centre's.
  std::vector<PlanePolyline> Outlines;
  bool AntipodeOnLand = false;
};

class OutlineProjector {
 public:
  // `tolerance`: how far, in disc radii, a drawn piece may stray from the
  // true curve; a quarter of a device pixel is invisible. It sets how finely
  // arcs are split, and so the cost.
  OutlineProjector(const AzimuthalEquidistant& projection, double tolerance);

  ProjectedLand Land(const Coastline& coastline) const;

  // The open line through `points`, each step a great-circle arc of at most a
  // few degrees (repeat the first point to close it); split where it passes
  // through the antipode.
  std::vector<PlanePolyline> Line(const std::vector<UnitVector>& points) const;

 private:
  struct Vertex {
    UnitVector Point;
    PlanePoint Projected;
  };
  enum class Tear { MendAlongRim, Split };

  // Appends the pieces that follow the arc from `from` to `to`, and `to`
  // itself; on a tear it mends or starts a new polyline.
  void AppendArc(const Vertex& from, const Vertex& to, Tear tear,
                 std::vector<PlanePolyline>& polylines, int depth = 0) const;
  Vertex Projected(const UnitVector& point) const;

  const AzimuthalEquidistant& projection_;
  double tolerance_;
};

}  // namespace tessaly
