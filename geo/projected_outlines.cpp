// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/projected_outlines.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>
#include <vector>

namespace tessaly {
namespace {

// A piece still this deep in the splitting is within a millionth of its arc's
// length of a tear; shorter than that, an arc is only split where it passes
// within metres of the antipode.
constexpr int kMaxSplits = 20;
// A piece that stays this long after the deepest split crosses the disc
// through the antipode rather than following the arc.
constexpr double kTearLength = 0.05;  // disc radii
// Mending runs along the rim in steps this small; the chord of one misses
// the rim by less than a ten-thousandth of the radius.
constexpr double kRimStep = std::numbers::pi / 180.0;  // radians

// Points of the disc: no overflow to guard against, as std::hypot would at
// twice the cost.
double Distance(const PlanePoint& a, const PlanePoint& b) {
  const double x = a.X - b.X, y = a.Y - b.Y;
  return std::sqrt(x * x + y * y);
}

// Mends a tear: from the rim point beside `from` to the one beside `to`, the
// short way round, as an arc that passes just beside the antipode runs.
void AppendRimArc(const PlanePoint& from, const PlanePoint& to, PlanePolyline& polyline) {
  const double start = std::atan2(from.Y, from.X);
  const double turn = std::remainder(std::atan2(to.Y, to.X) - start, 2 * std::numbers::pi);
  const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(turn) / kRimStep)));
  for (int step = 0; step <= steps; ++step) {
    const double angle = start + turn * step / steps;
    polyline.push_back({std::cos(angle), std::sin(angle)});
  }
}

// Positive for an outline that runs anticlockwise (with Y north).
double SignedArea(const PlanePolyline& outline) {
  double twice_area = 0.0;
  for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
    twice_area += outline[j].X * outline[i].Y - outline[i].X * outline[j].Y;
  }
  return twice_area / 2;
}

}  // namespace

OutlineProjector::OutlineProjector(const AzimuthalEquidistant& projection, double tolerance)
    : projection_(projection), tolerance_(tolerance) {}

OutlineProjector::Vertex OutlineProjector::Projected(const UnitVector& point) const {
  return {point, projection_.Project(point)};
}

void OutlineProjector::AppendArc(const Vertex& from, const Vertex& to, Tear tear,
                                 std::vector<PlanePolyline>& polylines, int depth) const {
  const UnitVector sum{from.Point.X + to.Point.X, from.Point.Y + to.Point.Y,
                       from.Point.Z + to.Point.Z};
  const double length = std::sqrt(sum.X * sum.X + sum.Y * sum.Y + sum.Z * sum.Z);
  if (depth < kMaxSplits && length > 0.0) {
    const Vertex middle = Projected({sum.X / length, sum.Y / length, sum.Z / length});
    const PlanePoint chord_middle{(from.Projected.X + to.Projected.X) / 2,
                                  (from.Projected.Y + to.Projected.Y) / 2};
    if (Distance(middle.Projected, chord_middle) > tolerance_) {
      AppendArc(from, middle, tear, polylines, depth + 1);
      AppendArc(middle, to, tear, polylines, depth + 1);
      return;
    }
  } else if (Distance(from.Projected, to.Projected) > kTearLength) {
    if (tear == Tear::Split) {
      polylines.emplace_back();
    } else {
      AppendRimArc(from.Projected, to.Projected, polylines.back());
    }
  }
  polylines.back().push_back(to.Projected);
}

ProjectedLand OutlineProjector::Land(const Coastline& coastline) const {
  ProjectedLand land;
  land.Outlines.reserve(coastline.Rings.size());
  bool antipode_on_land = false;
  std::vector<PlanePolyline> outline(1);
  for (const std::vector<UnitVector>& ring : coastline.Rings) {
    outline.front().clear();
    const Vertex first = Projected(ring.front());
    outline.front().push_back(first.Projected);
    Vertex previous = first;
    for (std::size_t i = 1; i < ring.size(); ++i) {
      const Vertex next = Projected(ring[i]);
      AppendArc(previous, next, Tear::MendAlongRim, outline);
      previous = next;
    }
    AppendArc(previous, first, Tear::MendAlongRim, outline);
    // Each ring has its smaller side on its right. Drawn anticlockwise, its
    // right is the side towards the rim, which holds the antipode.
    if (SignedArea(outline.front()) > 0) antipode_on_land = !antipode_on_land;
    land.Outlines.push_back(std::move(outline.front()));
  }
  land.AntipodeOnLand = antipode_on_land;
  return land;
}

std::vector<PlanePolyline> OutlineProjector::Line(const std::vector<UnitVector>& points) const {
  std::vector<PlanePolyline> pieces;
  if (points.empty()) return pieces;
  Vertex previous = Projected(points.front());
  pieces.push_back({previous.Projected});
  for (std::size_t i = 1; i < points.size(); ++i) {
    const Vertex next = Projected(points[i]);
    AppendArc(previous, next, Tear::Split, pieces);
    previous = next;
  }
  std::erase_if(pieces, [](const PlanePolyline& piece) { return piece.size() < 2; });
  return pieces;
}

}  // namespace tessaly
