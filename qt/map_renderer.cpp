// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/map_renderer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "geo/azimuthal_projection.h"
#include "geo/distance.h"
#include "geo/projected_outlines.h"
#include "qt/latin1.h"

namespace tessaly {
namespace {

constexpr double kPi = std::numbers::pi;

// The sphere the map's distances are measured on: the ellipsoid's mean
// radius (2a + b) / 3, 6371.0 km, the sphere closest to it on average. The
// disc's radius stands for half its circumference.
constexpr double kMeanRadiusKm = kEquatorialRadiusKm * (1 - kFlattening / 3);
constexpr double kAntipodalDistanceKm = kPi * kMeanRadiusKm;
// A ring closer to the rim than this would hide it.
constexpr double kOutermostRing = 0.97;  // disc radii

constexpr int kGraticuleStepDegrees = 30;
constexpr int kGraticulePointStepDegrees = 2;  // arcs the outline projector splits further
constexpr int kHeadingTickStepDegrees = 10;
constexpr int kHeadingLabelStepDegrees = 30;

// Sizes in logical pixels.
constexpr int kLabelPixels = 12;
constexpr int kSmallLabelPixels = 10;
constexpr double kTickLength = 5.0;
constexpr double kLabelledTickLength = 9.0;
constexpr double kLabelGap = 3.0;
constexpr double kMargin = 6.0;
constexpr double kSmallestRadius = 20.0;
constexpr double kLegendSwatchWidth = 26.0;
constexpr double kLegendLineSpacing = 3.0;
constexpr double kHomeMarkerRadius = 3.5;
constexpr double kDestinationMarkerRadius = 5.0;
// How far a drawn piece may stray from the true curve.
constexpr double kToleranceDevicePixels = 0.25;
constexpr double kSmallestTolerance = 1e-5;  // disc radii: bounds the work on huge images

const QColor kBackgroundColour(243, 241, 234);
const QColor kGraticuleColour(70, 100, 140, 110);
const QColor kRingColour(60, 60, 60, 150);
const QColor kRimColour(40, 50, 70);
const QColor kTextColour(30, 30, 30);
const QColor kLabelBackgroundColour(255, 255, 255, 190);
// Okabe and Ito's vermillion and blue, told apart with any colour vision;
// the long path is dashed as well.
const QColor kShortPathColour(213, 94, 0);
const QColor kLongPathColour(0, 114, 178);
const QColor kHomeColour(20, 20, 20);
constexpr double kPathWidth = 2.2;
constexpr double kGraticuleWidth = 0.8;
constexpr double kRingWidth = 1.0;
constexpr double kRimWidth = 1.5;

QPen PathPen(LegendMark mark) {
  QPen pen(mark == LegendMark::ShortPath ? kShortPathColour : kLongPathColour, kPathWidth);
  pen.setCapStyle(Qt::FlatCap);
  if (mark == LegendMark::LongPath) pen.setStyle(Qt::DashLine);
  return pen;
}

QFont LabelFont(const QPainter& painter, int pixels) {
  QFont font = painter.font();
  font.setPixelSize(pixels);
  return font;
}

// Meridians and parallels every 30 degrees, as arcs of a few degrees each.
const std::vector<std::vector<UnitVector>>& Graticule() {
  static const std::vector<std::vector<UnitVector>> lines = [] {
    std::vector<std::vector<UnitVector>> made;
    for (int lon = -180; lon < 180; lon += kGraticuleStepDegrees) {
      std::vector<UnitVector>& meridian = made.emplace_back();
      for (int lat = -90; lat <= 90; lat += kGraticulePointStepDegrees) {
        meridian.push_back(ToUnitVector(Radians(lat), Radians(lon)));
      }
    }
    for (int lat = -90 + kGraticuleStepDegrees; lat < 90; lat += kGraticuleStepDegrees) {
      std::vector<UnitVector>& parallel = made.emplace_back();
      for (int lon = -180; lon <= 180; lon += kGraticulePointStepDegrees) {
        parallel.push_back(ToUnitVector(Radians(lat), Radians(lon)));
      }
    }
    return made;
  }();
  return lines;
}

// One drawing of the map: the disc's place on the painter and the
// projection centred on Home.
class MapDrawing {
 public:
  MapDrawing(QPainter& painter, const QRectF& area, const MapContent& content,
             const Coastline& coastline)
      : painter_(painter),
        content_(content),
        coastline_(coastline),
        legend_(MapLegend(content, !coastline.Rings.empty())),
        projection_(Radians(content.Home.Lat), Radians(content.Home.Lon)) {
    painter_.setFont(LabelFont(painter_, kLabelPixels));
    const QFontMetricsF metrics(painter_.font());
    line_height_ = metrics.height() + kLegendLineSpacing;
    const double legend_height = static_cast<double>(legend_.size()) * line_height_ + kMargin;
    legend_top_ = area.bottom() - legend_height;
    const QRectF disc_area(area.left(), area.top(), area.width(), area.height() - legend_height);
    const double widest_label = metrics.horizontalAdvance(QStringLiteral("330") + QChar(0xB0));
    const double label_room =
        kLabelledTickLength + kLabelGap + std::max(metrics.height(), widest_label) + kMargin;
    radius_ =
        std::max(std::min(disc_area.width(), disc_area.height()) / 2 - label_room, kSmallestRadius);
    centre_ = disc_area.center();
    left_ = area.left() + kMargin;
    const double device_radius = radius_ * painter_.device()->devicePixelRatioF();
    tolerance_ = std::max(kToleranceDevicePixels / device_radius, kSmallestTolerance);
  }

  MapDisc Disc() const { return {centre_, radius_}; }

  void Draw() {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(kMapSeaColour);
    painter_.drawEllipse(centre_, radius_, radius_);

    const OutlineProjector outlines(projection_, tolerance_);
    DrawLand(outlines);
    DrawGraticule(outlines);
    DrawRings();
    DrawRim();
    if (content_.Destination) DrawPaths();
    DrawHome();
    DrawLegend();
  }

 private:
  QPointF OnScreen(const PlanePoint& point) const {
    return {centre_.x() + radius_ * point.X, centre_.y() - radius_ * point.Y};
  }

  // Clockwise from north, as headings run.
  QPointF AtHeading(double degrees, double distance) const {
    const double angle = Radians(degrees);
    return {centre_.x() + distance * std::sin(angle), centre_.y() - distance * std::cos(angle)};
  }

  void AddPolyline(QPainterPath& path, const PlanePolyline& polyline) const {
    path.moveTo(OnScreen(polyline.front()));
    for (std::size_t i = 1; i < polyline.size(); ++i) path.lineTo(OnScreen(polyline[i]));
  }

  void DrawLand(const OutlineProjector& outlines) {
    if (coastline_.Rings.empty()) return;
    const ProjectedLand land = outlines.Land(coastline_);
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const PlanePolyline& outline : land.Outlines) {
      AddPolyline(path, outline);
      path.closeSubpath();
    }
    if (land.AntipodeOnLand) path.addEllipse(centre_, radius_, radius_);
    painter_.fillPath(path, kMapLandColour);
  }

  void DrawGraticule(const OutlineProjector& outlines) {
    QPainterPath path;
    for (const std::vector<UnitVector>& line : Graticule()) {
      for (const PlanePolyline& piece : outlines.Line(line)) AddPolyline(path, piece);
    }
    painter_.strokePath(path, QPen(kGraticuleColour, kGraticuleWidth));
  }

  void DrawRings() {
    const double spacing_km = RingSpacingKm(content_.Unit);
    painter_.setFont(LabelFont(painter_, kSmallLabelPixels));
    painter_.setBrush(Qt::NoBrush);
    QPen pen(kRingColour, kRingWidth, Qt::DashLine);
    for (int ring = 1; ring * spacing_km / kAntipodalDistanceKm < kOutermostRing; ++ring) {
      const double radius = radius_ * ring * spacing_km / kAntipodalDistanceKm;
      painter_.setPen(pen);
      painter_.drawEllipse(centre_, radius, radius);
      const long shown = std::lround(ring * spacing_km * DistanceFactor(content_.Unit));
      painter_.setPen(kRingColour);
      painter_.drawText(QPointF(centre_.x() + kLabelGap, centre_.y() - radius - kLabelGap),
                        QString::number(shown));
    }
    painter_.setFont(LabelFont(painter_, kLabelPixels));
  }

  void DrawRim() {
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(kRimColour, kRimWidth));
    painter_.drawEllipse(centre_, radius_, radius_);
    QPainterPath ticks;
    for (int heading = 0; heading < 360; heading += kHeadingTickStepDegrees) {
      const bool labelled = heading % kHeadingLabelStepDegrees == 0;
      ticks.moveTo(AtHeading(heading, radius_));
      ticks.lineTo(AtHeading(heading, radius_ + (labelled ? kLabelledTickLength : kTickLength)));
    }
    painter_.strokePath(ticks, QPen(kRimColour, kRimWidth));

    painter_.setPen(kTextColour);
    const QFontMetricsF metrics(painter_.font());
    for (int heading = 0; heading < 360; heading += kHeadingLabelStepDegrees) {
      const QString label = QString::number(heading) + QChar(0xB0);
      // Out along the heading by the label's half extent in that direction,
      // so that the box just clears the tick.
      const double angle = Radians(heading);
      const double width = metrics.horizontalAdvance(label), height = metrics.height();
      const double half_extent =
          std::abs(std::sin(angle)) * width / 2 + std::abs(std::cos(angle)) * height / 2;
      const QPointF centre =
          AtHeading(heading, radius_ + kLabelledTickLength + kLabelGap + half_extent);
      painter_.drawText(QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height),
                        Qt::AlignCenter, label);
    }
  }

  void DrawPaths() {
    const MapDestination& destination = *content_.Destination;
    const PlanePoint point =
        projection_.Project(Radians(destination.Position.Lat), Radians(destination.Position.Lon));
    const double reach = std::hypot(point.X, point.Y);
    const QPointF marker = OnScreen(point);
    if (reach > 0.0) {
      // The long path leaves the other way, reaches the antipode on the rim
      // and comes back in along the short path's line, beyond the
      // Destination.
      const PlanePoint outward{point.X / reach, point.Y / reach};
      painter_.setPen(PathPen(LegendMark::LongPath));
      painter_.drawLine(centre_, OnScreen({-outward.X, -outward.Y}));
      painter_.drawLine(OnScreen(outward), marker);
      painter_.setPen(PathPen(LegendMark::ShortPath));
      painter_.drawLine(centre_, marker);
    }
    painter_.setPen(QPen(kShortPathColour, kPathWidth));
    painter_.setBrush(Qt::white);
    painter_.drawEllipse(marker, kDestinationMarkerRadius, kDestinationMarkerRadius);
    DrawLabel(marker, destination.Locator);
  }

  void DrawHome() {
    painter_.setPen(QPen(Qt::white, 1.0));
    painter_.setBrush(kHomeColour);
    painter_.drawEllipse(centre_, kHomeMarkerRadius, kHomeMarkerRadius);
    DrawLabel(centre_, content_.HomeLocator);
  }

  // A locator beside its marker, on a light patch so that it reads over
  // land, sea and lines alike.
  void DrawLabel(const QPointF& marker, const std::string& text) {
    const QString label = FromLatin1(text).trimmed();
    if (label.isEmpty()) return;
    const QFontMetricsF metrics(painter_.font());
    const QRectF box(marker.x() + kDestinationMarkerRadius + kLabelGap,
                     marker.y() - metrics.height() / 2, metrics.horizontalAdvance(label) + 4,
                     metrics.height());
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(kLabelBackgroundColour);
    painter_.drawRect(box);
    painter_.setPen(kTextColour);
    painter_.drawText(box, Qt::AlignCenter, label);
  }

  void DrawLegend() {
    const QFontMetricsF metrics(painter_.font());
    double top = legend_top_;
    for (const LegendLine& line : legend_) {
      const double middle = top + line_height_ / 2;
      if (line.Mark != LegendMark::None) {
        painter_.setPen(PathPen(line.Mark));
        painter_.drawLine(QPointF(left_, middle), QPointF(left_ + kLegendSwatchWidth, middle));
      }
      painter_.setPen(kTextColour);
      painter_.drawText(QPointF(left_ + kLegendSwatchWidth + kMargin,
                                middle + (metrics.ascent() - metrics.descent()) / 2),
                        FromLatin1(line.Text));
      top += line_height_;
    }
  }

  QPainter& painter_;
  const MapContent& content_;
  const Coastline& coastline_;
  const std::vector<LegendLine> legend_;
  const AzimuthalEquidistant projection_;
  double line_height_ = 0.0;
  double legend_top_ = 0.0;
  double left_ = 0.0;
  double radius_ = 0.0;
  QPointF centre_;
  double tolerance_ = 0.0;
};

}  // namespace

MapDisc RenderMap(QPainter& painter, const QRectF& area, const MapContent& content,
                  const Coastline& coastline) {
  painter.save();
  painter.fillRect(area, kBackgroundColour);
  MapDrawing drawing(painter, area, content, coastline);
  drawing.Draw();
  painter.restore();
  return drawing.Disc();
}

QImage RenderMapImage(const MapContent& content, const Coastline& coastline, QSize size,
                      double device_pixel_ratio) {
  QImage image(size * device_pixel_ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(device_pixel_ratio);
  QPainter painter(&image);
  RenderMap(painter, QRectF(QPointF(0, 0), QSizeF(size)), content, coastline);
  return image;
}

bool SaveMapImage(const QString& path, const MapContent& content, const Coastline& coastline,
                  QSize size, double device_pixel_ratio) {
  return RenderMapImage(content, coastline, size, device_pixel_ratio).save(path, "PNG");
}

}  // namespace tessaly
