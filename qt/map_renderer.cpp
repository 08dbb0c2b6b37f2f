// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/map_renderer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "geo/angles.h"
#include "geo/locator.h"
#include "geo/projected_outlines.h"
#include "geo/solar_position.h"
#include "geo/sphere_lines.h"
#include "qt/latin1.h"
#include "qt/vector_state.h"

namespace tessaly {
namespace {

// A ring closer to the rim than this would hide it.
constexpr double kOutermostRing = 0.97;  // disc radii

constexpr double kGraticuleStep = 30.0;  // degrees
constexpr double kCurvePointStep = 1.0;  // degrees; the outline projector splits further
constexpr double kFieldWidth = 20.0, kFieldHeight = 10.0;  // degrees, a locator field
constexpr double kSquareWidth = 2.0, kSquareHeight = 1.0;  // degrees, a locator square
constexpr double kSquarePointStep = 0.5;                   // degrees
constexpr int kHeadingTickStep = 10;                       // degrees
constexpr int kHeadingLabelStep = 30;                      // degrees, or 90 where those would crowd
constexpr int kSparseHeadingLabelStep = 90;

// The gray line: the sun's centre on the horizon, and the end of civil
// twilight 6 degrees below it, as circles round the point opposite the sun.
constexpr double kTwilightDepth = 6.0;  // degrees
constexpr double kCapPointStep = 2.0;   // degrees

// Sizes in logical pixels.
constexpr int kLabelPixels = 12;
constexpr int kSmallLabelPixels = 10;
constexpr int kFieldLabelPixels = 13;
constexpr double kTickLength = 5.0;
constexpr double kLabelledTickLength = 9.0;
constexpr double kLabelGap = 3.0;
constexpr double kLabelPadding = 4.0;
constexpr double kMargin = 6.0;
constexpr double kSmallestRadius = 20.0;
constexpr double kLegendSwatchWidth = 26.0;
constexpr double kLegendLineSpacing = 3.0;
constexpr double kHomeMarkerRadius = 3.5;
constexpr double kDestinationMarkerRadius = 5.0;
// Squares are drawn from this height on, and labelled from the second.
constexpr double kSquareLinePixels = 8.0;
constexpr double kSquareLabelPixels = 20.0;
constexpr double kRoomPerLabel = 1.0;  // a cell's height in label heights
// How far a drawn piece may stray from the true curve.
constexpr double kToleranceDevicePixels = 0.25;
constexpr double kSmallestStepDevicePixels = 0.5;
constexpr double kSmallestTolerance = 1e-7;  // disc radii: bounds the work on huge images
// The clipping square's half-width, in view radii: just outside the disc,
// whose round edge hides the square's.
constexpr double kClipMargin = 1.02;

constexpr double kPathWidth = 2.2;
constexpr double kRingWidth = 1.0;
constexpr double kRimWidth = 1.5;
constexpr double kTerminatorWidth = 1.2;

// One device pixel wide at any size: the raster engine draws these many
// thousand segments several times faster than a widened outline.
QPen HairlinePen(const QColor& colour) {
  QPen pen(colour, 0.0);
  pen.setCosmetic(true);
  return pen;
}

QFont LabelFont(const QPainter& painter, int pixels, bool bold = false) {
  QFont font = painter.font();
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

const std::vector<SphereLine>& Graticule() {
  static const std::vector<SphereLine> lines =
      MeridiansAndParallels(kGraticuleStep, kGraticuleStep, kCurvePointStep);
  return lines;
}

const std::vector<SphereLine>& FieldLines() {
  static const std::vector<SphereLine> lines =
      MeridiansAndParallels(kFieldWidth, kFieldHeight, kCurvePointStep);
  return lines;
}

// Labels that must not cover one another: the first placed keeps its place.
class LabelPlacer {
 public:
  bool Take(const QRectF& box) {
    for (const QRectF& taken : taken_) {
      if (taken.intersects(box)) return false;
    }
    taken_.push_back(box);
    return true;
  }

 private:
  std::vector<QRectF> taken_;
};

// One drawing of the map: the disc's place on the painter and the
// projection centred on Home.
class MapDrawing {
 public:
  MapDrawing(QPainter& painter, const QRectF& area, const MapScene& scene, const MapData& data)
      : painter_(painter),
        area_(area),
        content_(scene.Content),
        settings_(scene.Settings),
        colours_(scene.Colours),
        data_(data),
        legend_(MapLegend(content_, !data.Land.Rings.empty(), settings_)) {
    painter_.setFont(LabelFont(painter_, kLabelPixels));
    const QFontMetricsF metrics(painter_.font());
    line_height_ = metrics.height() + kLegendLineSpacing;
    const double legend_height = static_cast<double>(legend_.size()) * line_height_ + kMargin;
    legend_top_ = area.bottom() - legend_height;
    const QRectF disc_area(area.left(), area.top(), area.width(), area.height() - legend_height);
    const double widest_label = metrics.horizontalAdvance(QStringLiteral("330") + QChar(0xB0));
    const double label_room =
        kLabelledTickLength + kLabelGap + std::max(metrics.height(), widest_label) + kMargin;
    const double radius =
        std::max(std::min(disc_area.width(), disc_area.height()) / 2 - label_room, kSmallestRadius);
    disc_ = MapDisc(disc_area.center(), radius, ViewRadius(settings_), content_.Home);
    const double device_radius =
        radius / disc_.ViewRadius() * painter_.device()->devicePixelRatioF();
    tolerance_ = std::max(kToleranceDevicePixels / device_radius, kSmallestTolerance);
    const double smallest_step = kSmallestStepDevicePixels / painter_.device()->devicePixelRatioF();
    smallest_step_squared_ = smallest_step * smallest_step;
    zoomed_ = disc_.ViewRadius() * kClipMargin < 1.0;
    pixels_per_degree_ = radius / disc_.ViewRadius() / 180.0;
  }

  MapDisc Disc() const { return disc_; }

  void Draw() {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(colours_.Sea);
    painter_.drawEllipse(disc_.Centre(), disc_.Radius(), disc_.Radius());

    // Every curve projected first, in one run of arithmetic: Qt's painting
    // leaves the vector registers in the state that slows it (vector_state.h).
    ReleaseVectorUpperHalves();
    const OutlineProjector outlines(disc_.Projection(), tolerance_, disc_.ViewRadius());
    const LandPaths land = LandPathsOf(outlines.Land(zoomed_ ? data_.DetailedLand : data_.Land));
    const QPainterPath borders = LinePath(outlines, data_.Borders, data_.BorderCaps);
    const std::optional<GrayLinePaths> gray_line =
        settings_.GrayLine ? std::optional(GrayLine(outlines)) : std::nullopt;
    const QPainterPath lines =
        LinePath(outlines, settings_.LocatorGrid ? FieldLines() : Graticule());
    const QPainterPath squares =
        settings_.LocatorGrid && ShowsSquares()
            ? LinePath(outlines, MeridiansAndParallels(kSquareWidth, kSquareHeight,
                                                       kSquarePointStep, ViewBox()))
            : QPainterPath();

    painter_.save();
    if (zoomed_) {
      QPainterPath disc;
      disc.addEllipse(disc_.Centre(), disc_.Radius(), disc_.Radius());
      painter_.setClipPath(disc);
    }
    // With the antipode on land, the land is the rest of the disc.
    if (land.AntipodeOnLand) Fill(ViewPath(), colours_.Land);
    for (const QPainterPath& group : land.Groups) {
      Fill(group, land.AntipodeOnLand ? colours_.Sea : colours_.Land);
    }
    Stroke(borders, HairlinePen(colours_.Border));
    if (gray_line) {
      Fill(gray_line->Twilight, colours_.Twilight);
      Fill(gray_line->Night, colours_.Night);
      Stroke(gray_line->Terminator, QPen(colours_.Terminator, kTerminatorWidth));
    }
    if (settings_.LocatorGrid) {
      Stroke(lines, HairlinePen(colours_.Grid));
      Stroke(squares, HairlinePen(colours_.SquareGrid()));
    } else {
      Stroke(lines, HairlinePen(colours_.Graticule));
    }
    DrawRingLines();
    if (content_.Destination) DrawPaths();
    painter_.restore();

    DrawRim();
    // The markers' labels first, so that no other covers them.
    if (content_.Destination) DrawDestination();
    if (content_.HomeKnown) DrawHome();
    DrawRingLabels();
    DrawGridLabels();
    DrawLegend();
  }

 private:
  // Each of the many fills and strokes released after it, so that the next
  // runs at full speed.
  void Fill(const QPainterPath& path, const QColor& colour) {
    painter_.fillPath(path, colour);
    ReleaseVectorUpperHalves();
  }
  void Stroke(const QPainterPath& path, const QPen& pen) {
    painter_.strokePath(path, pen);
    ReleaseVectorUpperHalves();
  }

  QPointF AtHeading(double degrees, double distance) const {
    const double angle = Radians(degrees);
    return {disc_.Centre().x() + distance * std::sin(angle),
            disc_.Centre().y() - distance * std::cos(angle)};
  }

  // Points closer than a fraction of a pixel to the last one drawn add
  // work and nothing to see: at the whole earth most border points are.
  void AddPolyline(QPainterPath& path, const PlanePolyline& polyline) const {
    QPointF last = disc_.PixelOf(polyline.front());
    path.moveTo(last);
    for (std::size_t i = 1; i < polyline.size(); ++i) {
      const QPointF next = disc_.PixelOf(polyline[i]);
      const QPointF step = next - last;
      if (i + 1 < polyline.size() && QPointF::dotProduct(step, step) < smallest_step_squared_) {
        continue;
      }
      path.lineTo(next);
      last = next;
    }
  }

  std::vector<PlanePolyline> Visible(const ProjectedLand& land) const {
    return zoomed_ ? ClipOutlines(land.Outlines, disc_.ViewRadius() * kClipMargin) : land.Outlines;
  }

  // All the view can show: the disc, or a zoomed view's clipping square.
  QPainterPath ViewPath() const {
    QPainterPath path;
    if (zoomed_) {
      const double half_width = disc_.ViewRadius() * kClipMargin;
      AddPolyline(path, {{-half_width, -half_width},
                         {half_width, -half_width},
                         {half_width, half_width},
                         {-half_width, half_width}});
      path.closeSubpath();
    } else {
      path.addEllipse(disc_.Centre(), disc_.Radius(), disc_.Radius());
    }
    return path;
  }

  // A translucent area, the night: odd-even filled in one path, the view
  // standing for the rim when the antipode is inside.
  QPainterPath OutlinePath(const ProjectedLand& land) const {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const PlanePolyline& outline : Visible(land)) {
      AddPolyline(path, outline);
      path.closeSubpath();
    }
    if (land.AntipodeOnLand) path.addPath(ViewPath());
    return path;
  }

  // The land: in groups that are filled one by one (NestingGroups).
  struct LandPaths {
    std::vector<QPainterPath> Groups;
    bool AntipodeOnLand = false;
  };
  LandPaths LandPathsOf(const ProjectedLand& land) const {
    const std::vector<PlanePolyline> outlines = Visible(land);
    LandPaths paths{{}, land.AntipodeOnLand};
    for (const std::vector<std::size_t>& group : NestingGroups(outlines)) {
      QPainterPath& path = paths.Groups.emplace_back();
      path.setFillRule(Qt::OddEvenFill);
      for (const std::size_t index : group) {
        AddPolyline(path, outlines[index]);
        path.closeSubpath();
      }
    }
    return paths;
  }

  // `caps`, where given, one a line: those the view misses are left out.
  QPainterPath LinePath(const OutlineProjector& outlines, const std::vector<SphereLine>& lines,
                        const std::vector<SphereCap>& caps = {}) const {
    std::vector<PlanePolyline> pieces;
    for (std::size_t index = 0; index < lines.size(); ++index) {
      if (caps.size() == lines.size() && !outlines.MaySee(caps[index])) continue;
      for (PlanePolyline& piece : outlines.Line(lines[index])) pieces.push_back(std::move(piece));
    }
    if (zoomed_) pieces = ClipLines(pieces, disc_.ViewRadius() * kClipMargin);
    QPainterPath path;
    for (const PlanePolyline& piece : pieces) AddPolyline(path, piece);
    return path;
  }

  struct GrayLinePaths {
    QPainterPath Twilight, Night, Terminator;
  };

  // Where the sun is below the horizon, and where 6 degrees below it.
  GrayLinePaths GrayLine(const OutlineProjector& outlines) const {
    const SignedPosition sun = SubsolarPoint(settings_.Moment);
    const UnitVector facing = ToUnitVector(Radians(sun.Lat), Radians(sun.Lon));
    const UnitVector away{-facing.X, -facing.Y, -facing.Z};
    const double horizon = std::numbers::pi / 2;
    const SphereLine terminator = CircleAround(away, horizon, Radians(kCapPointStep));
    SphereLine closed = terminator;
    closed.push_back(terminator.front());
    const SphereLine night =
        CircleAround(away, horizon - Radians(kTwilightDepth), Radians(kCapPointStep));
    return {OutlinePath(outlines.Land(Coastline{{terminator}, {}})),
            OutlinePath(outlines.Land(Coastline{{night}, {}})), LinePath(outlines, {closed})};
  }

  // Squares once a square is tall enough to tell apart.
  bool ShowsSquares() const { return pixels_per_degree_ * kSquareHeight >= kSquareLinePixels; }

  // The part of the sphere the view may show.
  SphereBox ViewBox() const {
    return BoxAround(content_.Home, 180.0 * disc_.ViewRadius() * kClipMargin);
  }

  void DrawRingLines() {
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(colours_.Ring, kRingWidth, Qt::DashLine));
    for (const double radius : RingRadii()) {
      painter_.drawEllipse(disc_.Centre(), radius, radius);
    }
  }

  // In logical pixels, each ring that fits inside the rim.
  std::vector<double> RingRadii() const {
    const double spacing = RingSpacingKm(content_.Unit, settings_.ViewKm);
    std::vector<double> radii;
    for (int ring = 1;; ++ring) {
      const double fraction = ring * spacing / (kWholeEarthViewKm * disc_.ViewRadius());
      if (fraction >= kOutermostRing) break;
      radii.push_back(disc_.Radius() * fraction);
    }
    return radii;
  }

  void DrawRingLabels() {
    painter_.setFont(LabelFont(painter_, kSmallLabelPixels));
    const QFontMetricsF metrics(painter_.font());
    const int spacing = RingSpacing(content_.Unit, settings_.ViewKm);
    const std::vector<double> radii = RingRadii();
    for (std::size_t ring = 0; ring < radii.size(); ++ring) {
      const QString text = QString::number(spacing * static_cast<int>(ring + 1));
      const QRectF box(disc_.Centre().x() + kLabelGap,
                       disc_.Centre().y() - radii[ring] - kLabelGap - metrics.height(),
                       metrics.horizontalAdvance(text), metrics.height());
      if (!labels_.Take(box)) continue;
      painter_.setPen(colours_.Ring);
      painter_.drawText(box, Qt::AlignCenter, text);
    }
    painter_.setFont(LabelFont(painter_, kLabelPixels));
  }

  // Field labels at their centres, or square labels ("FN31") once there is
  // room for them, each where it covers no other label.
  void DrawGridLabels() {
    if (!settings_.LocatorGrid) return;
    const bool squares = pixels_per_degree_ * kSquareHeight >= kSquareLabelPixels;
    const double width = squares ? kSquareWidth : kFieldWidth;
    const double height = squares ? kSquareHeight : kFieldHeight;
    const SphereBox box = squares ? ViewBox() : SphereBox{};
    painter_.setFont(LabelFont(painter_, squares ? kSmallLabelPixels : kFieldLabelPixels, true));
    painter_.setPen(colours_.Grid);
    const QFontMetricsF metrics(painter_.font());
    // Fields too small for their names, on a small map, go unnamed.
    if (pixels_per_degree_ * height < kRoomPerLabel * metrics.height()) {
      painter_.setFont(LabelFont(painter_, kLabelPixels));
      return;
    }
    struct Label {
      QPointF At;
      QString Text;
      double Reach;  // from the centre: the nearest are placed first
    };
    std::vector<Label> labels;
    for (double lat = std::floor(box.South / height) * height + height / 2; lat < box.North;
         lat += height) {
      if (std::abs(lat) >= 90.0) continue;
      for (double lon = std::floor(box.West / width) * width + width / 2; lon < box.East;
           lon += width) {
        const PlanePoint point = disc_.Projection().Project(Radians(lat), Radians(lon));
        const double reach = std::hypot(point.X, point.Y);
        if (reach > disc_.ViewRadius()) continue;
        const std::optional<LocatorCell> cell =
            CellOfPosition({lat, std::remainder(lon, 360.0)}, kSquareCharacters);
        if (!cell) continue;
        // A field is its square's first two letters.
        const QString square = FromLatin1(LocatorText(*cell)).trimmed();
        labels.push_back({disc_.PixelOf(point), squares ? square : square.left(2), reach});
      }
    }
    std::sort(labels.begin(), labels.end(),
              [](const Label& a, const Label& b) { return a.Reach < b.Reach; });
    for (const Label& label : labels) {
      const double text_width = metrics.horizontalAdvance(label.Text);
      const QRectF text_box(label.At.x() - text_width / 2, label.At.y() - metrics.height() / 2,
                            text_width, metrics.height());
      const QPointF from_centre = text_box.center() - disc_.Centre();
      const double corner = std::hypot(std::abs(from_centre.x()) + text_width / 2,
                                       std::abs(from_centre.y()) + metrics.height() / 2);
      if (corner > disc_.Radius() || !labels_.Take(text_box)) continue;
      painter_.drawText(text_box, Qt::AlignCenter, label.Text);
    }
    painter_.setFont(LabelFont(painter_, kLabelPixels));
  }

  void DrawRim() {
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(colours_.Rim, kRimWidth));
    painter_.drawEllipse(disc_.Centre(), disc_.Radius(), disc_.Radius());
    const QFontMetricsF metrics(painter_.font());
    // Labels every 30 degrees while the rim has room for them, else every 90.
    const double label_width = metrics.horizontalAdvance(QStringLiteral("330") + QChar(0xB0));
    const int label_step = Radians(kHeadingLabelStep) * disc_.Radius() > 2 * label_width
                               ? kHeadingLabelStep
                               : kSparseHeadingLabelStep;
    QPainterPath ticks;
    for (int heading = 0; heading < 360; heading += kHeadingTickStep) {
      const bool labelled = heading % label_step == 0;
      ticks.moveTo(AtHeading(heading, disc_.Radius()));
      ticks.lineTo(
          AtHeading(heading, disc_.Radius() + (labelled ? kLabelledTickLength : kTickLength)));
    }
    painter_.strokePath(ticks, QPen(colours_.Rim, kRimWidth));

    painter_.setPen(colours_.Text);
    for (int heading = 0; heading < 360; heading += label_step) {
      const QString label = QString::number(heading) + QChar(0xB0);
      // Out along the heading by the label's half extent in that direction,
      // so that the box just clears the tick.
      const double angle = Radians(heading);
      const double width = metrics.horizontalAdvance(label), height = metrics.height();
      const double half_extent =
          std::abs(std::sin(angle)) * width / 2 + std::abs(std::cos(angle)) * height / 2;
      const QPointF centre =
          AtHeading(heading, disc_.Radius() + kLabelledTickLength + kLabelGap + half_extent);
      const QRectF box(centre.x() - width / 2, centre.y() - height / 2, width, height);
      labels_.Take(box);
      painter_.drawText(box, Qt::AlignCenter, label);
    }
  }

  // The Destination where it is, or on the view's edge in its direction
  // when the view is too close to hold it.
  QPointF DestinationMarker(bool& inside) const {
    const PlanePoint point = disc_.Projection().Project(
        Radians(content_.Destination->Position.Lat), Radians(content_.Destination->Position.Lon));
    const double reach = std::hypot(point.X, point.Y);
    inside = reach <= disc_.ViewRadius();
    if (inside) return disc_.PixelOf(point);
    const double edge = disc_.ViewRadius() / reach;
    return disc_.PixelOf(PlanePoint{point.X * edge, point.Y * edge});
  }

  void DrawPaths() {
    const PlanePoint point = disc_.Projection().Project(
        Radians(content_.Destination->Position.Lat), Radians(content_.Destination->Position.Lon));
    const double reach = std::hypot(point.X, point.Y);
    if (reach == 0.0) return;
    // The long path leaves the other way, reaches the antipode on the rim
    // and comes back in along the short path's line, beyond the
    // Destination.
    const PlanePoint outward{point.X / reach, point.Y / reach};
    const QPointF marker = disc_.PixelOf(point);
    painter_.setPen(PathPen(LegendMark::LongPath));
    painter_.drawLine(disc_.Centre(), disc_.PixelOf(PlanePoint{-outward.X, -outward.Y}));
    painter_.drawLine(disc_.PixelOf(outward), marker);
    painter_.setPen(PathPen(LegendMark::ShortPath));
    painter_.drawLine(disc_.Centre(), marker);
  }

  QPen PathPen(LegendMark mark) const {
    QPen pen(mark == LegendMark::ShortPath ? colours_.ShortPath : colours_.LongPath, kPathWidth);
    pen.setCapStyle(Qt::FlatCap);
    if (mark == LegendMark::LongPath) pen.setStyle(Qt::DashLine);
    return pen;
  }

  void DrawDestination() {
    bool inside = true;
    const QPointF marker = DestinationMarker(inside);
    painter_.setPen(QPen(colours_.ShortPath, kPathWidth));
    painter_.setBrush(inside ? QBrush(colours_.HomeOutline) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(marker, kDestinationMarkerRadius, kDestinationMarkerRadius);
    DrawLabel(marker, content_.Destination->Locator, kDestinationMarkerRadius);
  }

  void DrawHome() {
    painter_.setPen(QPen(colours_.HomeOutline, 1.0));
    painter_.setBrush(colours_.Home);
    painter_.drawEllipse(disc_.Centre(), kHomeMarkerRadius, kHomeMarkerRadius);
    DrawLabel(disc_.Centre(), content_.HomeLocator, kHomeMarkerRadius);
  }

  // A locator beside its marker, inside the map, on a patch of its own so
  // that it reads over land, sea and lines alike.
  void DrawLabel(const QPointF& marker, const std::string& text, double marker_radius) {
    const QString label = FromLatin1(text).trimmed();
    if (label.isEmpty()) return;
    const QFontMetricsF metrics(painter_.font());
    const QSizeF size(metrics.horizontalAdvance(label) + kLabelPadding, metrics.height());
    const QRectF box =
        LabelBoxBeside(marker, marker_radius + kLabelGap, size, disc_.Centre(), area_);
    labels_.Take(box);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(colours_.LabelBackground);
    painter_.drawRect(box);
    painter_.setPen(colours_.Text);
    painter_.drawText(box, Qt::AlignCenter, label);
  }

  void DrawLegend() {
    const QFontMetricsF metrics(painter_.font());
    const double left = area_.left() + kMargin;
    double top = legend_top_;
    for (const LegendLine& line : legend_) {
      const double middle = top + line_height_ / 2;
      if (line.Mark != LegendMark::None) {
        painter_.setPen(PathPen(line.Mark));
        painter_.drawLine(QPointF(left, middle), QPointF(left + kLegendSwatchWidth, middle));
      }
      painter_.setPen(colours_.Text);
      painter_.drawText(QPointF(left + kLegendSwatchWidth + kMargin,
                                middle + (metrics.ascent() - metrics.descent()) / 2),
                        FromLatin1(line.Text));
      top += line_height_;
    }
  }

  QPainter& painter_;
  const QRectF area_;
  const MapContent& content_;
  const MapSettings& settings_;
  const MapColours& colours_;
  const MapData& data_;
  const std::vector<LegendLine> legend_;
  MapDisc disc_;
  LabelPlacer labels_;
  double line_height_ = 0.0;
  double legend_top_ = 0.0;
  double tolerance_ = 0.0;
  double smallest_step_squared_ = 0.0;  // logical pixels squared
  double pixels_per_degree_ = 0.0;      // along a meridian, at the centre
  bool zoomed_ = false;
};

}  // namespace

MapDisc::MapDisc() : projection_(0.0, 0.0) {}

MapDisc::MapDisc(const QPointF& centre, double radius, double view_radius,
                 const SignedPosition& home)
    : centre_(centre),
      radius_(radius),
      view_radius_(view_radius),
      projection_(Radians(home.Lat), Radians(home.Lon)) {}

QPointF MapDisc::PixelOf(const PlanePoint& point) const {
  const double scale = radius_ / view_radius_;
  return {centre_.x() + scale * point.X, centre_.y() - scale * point.Y};
}

QPointF MapDisc::PixelOf(const SignedPosition& position) const {
  return PixelOf(projection_.Project(Radians(position.Lat), Radians(position.Lon)));
}

std::optional<PlanePoint> MapDisc::PlaneAt(const QPointF& pixel) const {
  const QPointF offset = pixel - centre_;
  if (std::hypot(offset.x(), offset.y()) > radius_) return std::nullopt;
  const double scale = view_radius_ / radius_;
  return PlanePoint{offset.x() * scale, -offset.y() * scale};
}

std::optional<SignedPosition> MapDisc::PositionAt(const QPointF& pixel) const {
  const std::optional<PlanePoint> plane = PlaneAt(pixel);
  if (!plane) return std::nullopt;
  const std::optional<UnitVector> point = projection_.Unproject(*plane);
  if (!point) return std::nullopt;
  return PositionOf(*point);
}

MapDisc RenderMap(QPainter& painter, const QRectF& area, const MapScene& scene,
                  const MapData& data) {
  painter.save();
  painter.fillRect(area, scene.Colours.Background);
  ReleaseVectorUpperHalves();
  MapDrawing drawing(painter, area, scene, data);
  drawing.Draw();
  painter.restore();
  return drawing.Disc();
}

QImage RenderMapImage(const MapScene& scene, const MapData& data, QSize size,
                      double device_pixel_ratio) {
  QImage image(size * device_pixel_ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(device_pixel_ratio);
  QPainter painter(&image);
  RenderMap(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene, data);
  return image;
}

QRectF LabelBoxBeside(const QPointF& marker, double gap, const QSizeF& size, const QPointF& centre,
                      const QRectF& bounds) {
  const double w = size.width(), h = size.height();
  const QRectF right(marker.x() + gap, marker.y() - h / 2, w, h);
  const QRectF left(marker.x() - gap - w, marker.y() - h / 2, w, h);
  const QRectF above(marker.x() - w / 2, marker.y() - gap - h, w, h);
  const QRectF below(marker.x() - w / 2, marker.y() + gap, w, h);
  const bool centre_left = centre.x() < marker.x();
  const std::array<QRectF, 4> sides = {centre_left ? left : right, centre_left ? right : left,
                                       marker.y() > centre.y() ? above : below,
                                       marker.y() > centre.y() ? below : above};
  for (const QRectF& side : sides) {
    if (bounds.contains(side)) return side;
  }
  QRectF moved = sides.front();
  moved.moveLeft(std::clamp(moved.left(), bounds.left(), bounds.right() - w));
  moved.moveTop(std::clamp(moved.top(), bounds.top(), bounds.bottom() - h));
  return moved;
}

}  // namespace tessaly
