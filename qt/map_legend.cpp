// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/map_legend.h"

#include <string_view>

#include "geo/distance.h"
#include "geo/location.h"
#include "geo/long_path.h"
#include "geo/number_text.h"

namespace tessaly {
namespace {

constexpr int kKilometreRingSpacing = 5000;
constexpr int kMileRingSpacing = 2500;
constexpr std::string_view kDegreeSign = "\xB0";  // Latin-1
// Between the forward and the reverse heading in the headings field.
constexpr std::string_view kHeadingSeparator = "  : ";

bool InKilometres(double distance_factor) {
  return distance_factor == kKilometresPerKilometre;
}

std::string_view UnitName(double distance_factor) {
  return InKilometres(distance_factor) ? "km" : "miles";
}

// A field's number without the blank every number text starts with.
std::string_view Figure(std::string_view text) {
  const std::size_t start = text.find_first_not_of(kBlank);
  return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

// One decimal, from 0.0 to 359.9: a heading just short of 360 is due north.
std::string HeadingText(double degrees) {
  std::string text = OneDecimalText(degrees);
  return text == " 360.0" ? " 0.0" : text;
}

std::string PathText(std::string_view name, std::string_view heading, std::string_view distance,
                     double distance_factor) {
  std::string text(name);
  text.append(" ").append(Figure(heading)).append(kDegreeSign).append(", ");
  text.append(Figure(distance)).append(" ").append(UnitName(distance_factor));
  return text;
}

}  // namespace

double RingSpacingKm(double distance_factor) {
  return InKilometres(distance_factor) ? kKilometreRingSpacing
                                       : kMileRingSpacing / kMilesPerKilometre;
}

std::vector<LegendLine> MapLegend(const MapContent& content, bool coastline_loaded) {
  std::vector<LegendLine> legend;
  const std::string_view home = Figure(content.HomeLocator);
  legend.push_back({LegendMark::None, home.empty() ? "Home" : "Home " + std::string(home)});
  if (content.Destination) {
    const MapDestination& destination = *content.Destination;
    const std::string_view headings = destination.HeadingsText;
    legend.push_back({LegendMark::ShortPath,
                      PathText("Short path", headings.substr(0, headings.find(kHeadingSeparator)),
                               destination.DistanceText, content.DistanceFactor)});

    // Measured as the distance command measures the short path.
    const double lat1 = content.Home.Lat * kRadiansPerDegree;
    const double lon1 = content.Home.Lon * kRadiansPerDegree;
    const double lat2 = destination.Position.Lat * kRadiansPerDegree;
    const double lon2 = destination.Position.Lon * kRadiansPerDegree;
    const double heading = LongPathHeading(SphereHeadings(lat1, lon1, lat2, lon2).Forward);
    const double distance = LongPathDistanceKm(lat1, lon1, lat2, lon2) * content.DistanceFactor;
    legend.push_back(
        {LegendMark::LongPath, PathText("Long path", HeadingText(heading), OneDecimalText(distance),
                                        content.DistanceFactor)});
  }
  const int spacing =
      InKilometres(content.DistanceFactor) ? kKilometreRingSpacing : kMileRingSpacing;
  legend.push_back({LegendMark::None, "Rings every" + WholeNumberText(spacing) + " " +
                                          std::string(UnitName(content.DistanceFactor))});
  if (!coastline_loaded) {
    legend.push_back({LegendMark::None, "Coastlines missing: land is not drawn"});
  }
  return legend;
}

}  // namespace tessaly
