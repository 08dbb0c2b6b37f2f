// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/map_view.h"

#include <string_view>

#include "geo/number_text.h"

namespace tessaly {
namespace {

constexpr int kKilometreRingSpacing = 5000;
constexpr int kMileRingSpacing = 2500;
constexpr std::string_view kDegreeSign = "\xB0";  // Latin-1

// A number or locator text without the blank every such text starts with.
std::string Figure(const std::string& text) {
  const std::size_t start = text.find_first_not_of(' ');
  return start == std::string::npos ? std::string() : text.substr(start);
}

// One decimal, from 0.0 to 359.9: a heading just short of 360 is due north.
std::string HeadingFigure(double degrees) {
  const std::string text = Figure(OneDecimalText(degrees));
  return text == "360.0" ? "0.0" : text;
}

// The main window's own texts: its heading may read 360.0.
std::string PathText(std::string_view name, const std::string& heading, double kilometres,
                     DistanceUnit unit) {
  std::string text(name);
  text.append(" ").append(heading).append(kDegreeSign).append(", ");
  text.append(Figure(OneDecimalText(kilometres * DistanceFactor(unit))));
  return text.append(" ").append(UnitName(unit));
}

}  // namespace

double RingSpacingKm(DistanceUnit unit) {
  return RingSpacing(unit) / DistanceFactor(unit);
}

int RingSpacing(DistanceUnit unit) {
  return unit == DistanceUnit::Kilometres ? kKilometreRingSpacing : kMileRingSpacing;
}

std::vector<LegendLine> MapLegend(const MapContent& content, bool coastline_loaded) {
  std::vector<LegendLine> legend;
  const std::string home = Figure(content.HomeLocator);
  legend.push_back({LegendMark::None, home.empty() ? "Home" : "Home " + home});
  if (content.Destination) {
    const MapDestination& destination = *content.Destination;
    legend.push_back(
        {LegendMark::ShortPath,
         PathText("Short path", Figure(OneDecimalText(destination.ShortPath.Directions.Forward)),
                  destination.ShortPath.Kilometres, content.Unit)});
    legend.push_back({LegendMark::LongPath,
                      PathText("Long path", HeadingFigure(destination.LongPath.Directions.Forward),
                               destination.LongPath.Kilometres, content.Unit)});
  }
  legend.push_back({LegendMark::None, "Rings every" + WholeNumberText(RingSpacing(content.Unit)) +
                                          " " + std::string(UnitName(content.Unit))});
  if (!coastline_loaded) {
    legend.push_back({LegendMark::None, "Coastlines missing: land is not drawn"});
  }
  return legend;
}

}  // namespace tessaly
