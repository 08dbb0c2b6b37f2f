// SPDX-License-Identifier: GPL-3.0-or-later
// Lines and outlines of the sphere as drawn on the great-circle map. The
// projection bends every great-circle arc that does not pass through the
// centre, and tears those that pass through the antipode, which is the whole
// rim: arcs are split until straight pieces follow them, and a tear is
// mended along the rim (an outline) or left open (a line).
#pragma once

#include <cstddef>
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
  // arcs are split, and so the cost. `view_radius`: how much of the disc is
  // shown, in disc radii (below 1 when zoomed in); arcs wholly beyond it are
  // not split, as nobody sees their bends.
  OutlineProjector(const AzimuthalEquidistant& projection, double tolerance,
                   double view_radius = 1.0);

  // Rings whose caps the view does not meet are left out: they hold no
  // land the view shows.
  ProjectedLand Land(const Coastline& coastline) const;

  // Whether points in the cap may show in the view (or just beyond it, in
  // the corners of its clipping square).
  bool MaySee(const SphereCap& cap) const;

  // The open line through `points`, each step a great-circle arc of at most a
  // few degrees (repeat the first point to close it); split where it passes
  // through the antipode.
  std::vector<PlanePolyline> Line(const std::vector<UnitVector>& points) const;

 private:
  struct Vertex {
    UnitVector Point;
    PlanePoint Projected;
    double Reach = 0.0;  // from the centre, disc radii
  };
  enum class Tear { MendAlongRim, Split };

  // Appends the pieces that follow the arc from `from` to `to`, and `to`
  // itself; on a tear it mends or starts a new polyline.
  void AppendArc(const Vertex& from, const Vertex& to, Tear tear,
                 std::vector<PlanePolyline>& polylines, int depth = 0) const;
  Vertex Projected(const UnitVector& point) const;

  // Whether no point of the arc can come within the view.
  bool OutOfView(const Vertex& from, const Vertex& to) const;

  const AzimuthalEquidistant& projection_;
  double tolerance_;
  double view_radius_;
};

// The outlines in groups, by index, that need not be filled together: the
// bounding box of each outline of a group lies outside those of every other
// group, so no outline of one can enclose one of another (a lake and its
// island, or an island in a lake, share a group). Filled on its own, a
// group of a few points costs a few points' work; the rasterizer's cost for
// one large path grows with its size times its points.
std::vector<std::vector<std::size_t>> NestingGroups(const std::vector<PlanePolyline>& outlines);

// The part of each closed outline inside the square of half-width
// `half_width` round the centre, closed again along the square's edges
// (Sutherland and Hodgman's clipping): what a zoomed view fills. An outline
// wholly outside is left out; one round the whole square becomes the square.
std::vector<PlanePolyline> ClipOutlines(const std::vector<PlanePolyline>& outlines,
                                        double half_width);

// The runs of each open line that may cross that square: segments wholly to
// one side of it are left out, splitting the line there.
std::vector<PlanePolyline> ClipLines(const std::vector<PlanePolyline>& lines, double half_width);

}  // namespace tessaly
