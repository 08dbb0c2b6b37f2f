// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/projected_outlines.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <optional>
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
// The corners of a zoomed view's clipping square, in view radii: a little
// more than the square root of 2.
constexpr double kViewCorner = 1.5;

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

OutlineProjector::OutlineProjector(const AzimuthalEquidistant& projection, double tolerance,
                                   double view_radius)
    : projection_(projection), tolerance_(tolerance), view_radius_(view_radius) {}

// A point of the arc is within half the chord of one end or the other in
// disc radii: the arc is at most pi/2 chords long, a disc radius pi radians.
bool OutlineProjector::OutOfView(const Vertex& from, const Vertex& to) const {
  if (view_radius_ >= 1.0) return false;
  const double x = from.Point.X - to.Point.X, y = from.Point.Y - to.Point.Y,
               z = from.Point.Z - to.Point.Z;
  const double beyond = std::min(from.Reach, to.Reach) - view_radius_;
  // beyond > half the chord, squared.
  return beyond > 0.0 && 4 * beyond * beyond > x * x + y * y + z * z;
}

OutlineProjector::Vertex OutlineProjector::Projected(const UnitVector& point) const {
  const PlanePoint projected = projection_.ProjectForDrawing(point);
  return {point, projected, std::sqrt(projected.X * projected.X + projected.Y * projected.Y)};
}

void OutlineProjector::AppendArc(const Vertex& from, const Vertex& to, Tear tear,
                                 std::vector<PlanePolyline>& polylines, int depth) const {
  // Unseen arcs stay straight, but a tear is still mended: its chord would
  // cross the view.
  if (depth < kMaxSplits && (depth > 0 || !OutOfView(from, to))) {
    const UnitVector sum{from.Point.X + to.Point.X, from.Point.Y + to.Point.Y,
                         from.Point.Z + to.Point.Z};
    const double length = std::sqrt(sum.X * sum.X + sum.Y * sum.Y + sum.Z * sum.Z);
    if (length > 0.0) {
      const Vertex middle = Projected({sum.X / length, sum.Y / length, sum.Z / length});
      const PlanePoint chord_middle{(from.Projected.X + to.Projected.X) / 2,
                                    (from.Projected.Y + to.Projected.Y) / 2};
      if (Distance(middle.Projected, chord_middle) > tolerance_) {
        AppendArc(from, middle, tear, polylines, depth + 1);
        AppendArc(middle, to, tear, polylines, depth + 1);
        return;
      }
      polylines.back().push_back(to.Projected);
      return;
    }
  }
  if (Distance(from.Projected, to.Projected) > kTearLength) {
    if (tear == Tear::Split) {
      polylines.emplace_back();
    } else {
      AppendRimArc(from.Projected, to.Projected, polylines.back());
    }
  }
  polylines.back().push_back(to.Projected);
}

bool OutlineProjector::MaySee(const SphereCap& cap) const {
  return view_radius_ >= 1.0 ||
         CapMayMeet(cap, projection_.Centre(), std::numbers::pi * view_radius_ * kViewCorner);
}

ProjectedLand OutlineProjector::Land(const Coastline& coastline) const {
  ProjectedLand land;
  land.Outlines.reserve(coastline.Rings.size());
  bool antipode_on_land = false;
  std::vector<PlanePolyline> outline(1);
  const bool capped = coastline.Caps.size() == coastline.Rings.size();
  for (std::size_t index = 0; index < coastline.Rings.size(); ++index) {
    // Its smaller side misses the view, and so does its land; had it the
    // antipode, its outline and the rim would cancel out in the view.
    if (capped && !MaySee(coastline.Caps[index])) continue;
    const std::vector<UnitVector>& ring = coastline.Rings[index];
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

namespace {

// One pass of the clipping: the outline's part on the inner side of one
// edge of the square, `axis` 0 for X and 1 for Y, `sign` +1 for the edge at
// +half_width.
PlanePolyline ClipToEdge(const PlanePolyline& outline, int axis, double sign, double half_width) {
  PlanePolyline kept;
  if (outline.empty()) return kept;
  const auto along = [axis](const PlanePoint& p) { return axis == 0 ? p.X : p.Y; };
  const auto inside = [&](const PlanePoint& p) { return sign * along(p) <= half_width; };
  const double edge = sign * half_width;
  PlanePoint previous = outline.back();
  for (const PlanePoint& point : outline) {
    if (inside(point) != inside(previous)) {
      const double t = (edge - along(previous)) / (along(point) - along(previous));
      kept.push_back(
          {previous.X + t * (point.X - previous.X), previous.Y + t * (point.Y - previous.Y)});
    }
    if (inside(point)) kept.push_back(point);
    previous = point;
  }
  return kept;
}

}  // namespace

std::vector<PlanePolyline> ClipOutlines(const std::vector<PlanePolyline>& outlines,
                                        double half_width) {
  std::vector<PlanePolyline> clipped;
  for (const PlanePolyline& outline : outlines) {
    PlanePolyline piece = outline;
    for (const int axis : {0, 1}) {
      for (const double sign : {1.0, -1.0}) piece = ClipToEdge(piece, axis, sign, half_width);
    }
    if (piece.size() >= 3) clipped.push_back(std::move(piece));
  }
  return clipped;
}

std::vector<PlanePolyline> ClipLines(const std::vector<PlanePolyline>& lines, double half_width) {
  const auto side = [half_width](const PlanePoint& p) {
    return (p.X > half_width ? 1 : 0) | (p.X < -half_width ? 2 : 0) | (p.Y > half_width ? 4 : 0) |
           (p.Y < -half_width ? 8 : 0);
  };
  std::vector<PlanePolyline> runs;
  for (const PlanePolyline& line : lines) {
    bool open = false;
    for (std::size_t i = 1; i < line.size(); ++i) {
      // Both ends beyond the same edge: the segment misses the square.
      if ((side(line[i - 1]) & side(line[i])) != 0) {
        open = false;
        continue;
      }
      if (!open) runs.push_back({line[i - 1]});
      runs.back().push_back(line[i]);
      open = true;
    }
  }
  return runs;
}

std::vector<std::vector<std::size_t>> NestingGroups(const std::vector<PlanePolyline>& outlines) {
  struct Box {
    double Left, Right, Bottom, Top;
    bool Holds(const Box& other) const {
      return Left <= other.Left && other.Right <= Right && Bottom <= other.Bottom &&
             other.Top <= Top;
    }
    double Area() const { return (Right - Left) * (Top - Bottom); }
  };
  std::vector<Box> boxes;
  boxes.reserve(outlines.size());
  for (const PlanePolyline& outline : outlines) {
    Box box{outline.front().X, outline.front().X, outline.front().Y, outline.front().Y};
    for (const PlanePoint& point : outline) {
      box = {std::min(box.Left, point.X), std::max(box.Right, point.X),
             std::min(box.Bottom, point.Y), std::max(box.Top, point.Y)};
    }
    boxes.push_back(box);
  }
  // Largest first: an outline that may enclose another comes before it.
  std::vector<std::size_t> order(outlines.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(),
            [&boxes](std::size_t a, std::size_t b) { return boxes[a].Area() > boxes[b].Area(); });
  // Roots: outlines no earlier one's box holds. Every other joins each
  // root whose box holds its own, and the groups of those roots merge: a
  // lake in an island whose box pokes out of a continent's joins both.
  std::vector<std::size_t> roots, root_group;
  std::vector<std::size_t> group_of(outlines.size());
  std::vector<std::size_t> merged;  // union-find over the roots' groups
  const auto find = [&merged](std::size_t group) {
    while (merged[group] != group) group = merged[group] = merged[merged[group]];
    return group;
  };
  for (const std::size_t index : order) {
    std::optional<std::size_t> joined;
    for (std::size_t r = 0; r < roots.size(); ++r) {
      if (!boxes[roots[r]].Holds(boxes[index])) continue;
      const std::size_t group = find(root_group[r]);
      if (!joined) {
        joined = group;
      } else if (group != *joined) {
        merged[group] = *joined;
      }
    }
    if (!joined) {
      joined = merged.size();
      merged.push_back(*joined);
      roots.push_back(index);
      root_group.push_back(*joined);
    }
    group_of[index] = *joined;
  }
  std::vector<std::vector<std::size_t>> groups(merged.size());
  for (const std::size_t index : order) groups[find(group_of[index])].push_back(index);
  std::erase_if(groups, [](const std::vector<std::size_t>& group) { return group.empty(); });
  return groups;
}

}  // namespace tessaly
