// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/map_view.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

#include "geo/angles.h"
#include "geo/locator.h"
#include "geo/number_text.h"
#include "geo/readings.h"
#include "window/location_panel.h"

namespace tessaly {
namespace {

// Each distance ring step tried in turn, in the unit: the first that fits
// at most this many rings into the view.
constexpr std::array<int, 6> kRingSteps{100, 250, 500, 1000, 2500, 5000};
constexpr int kMostRings = 6;
constexpr std::string_view kDegreeSign = "\xB0";  // Latin-1
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr double kZoomStep = std::numbers::sqrt2;

// A number or locator text without the blank every such text starts with.
std::string Figure(const std::string& text) {
  const std::size_t start = text.find_first_not_of(' ');
  return start == std::string::npos ? std::string() : text.substr(start);
}

// The main window's own texts: its heading may read 360.0.
std::string PathText(std::string_view name, const std::string& heading, double kilometres,
                     DistanceUnit unit) {
  std::string text(name);
  text.append(" ").append(heading).append(kDegreeSign).append(", ");
  text.append(Figure(OneDecimalText(kilometres * DistanceFactor(unit))));
  return text.append(" ").append(UnitName(unit));
}

// "05:12" of the UTC day.
std::string ClockText(UnixSeconds moment) {
  const std::int64_t seconds = ((moment % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay;
  const std::int64_t minutes = (seconds + 30) / 60 % (24 * 60);
  const std::string hours = std::to_string(minutes / 60), rest = std::to_string(minutes % 60);
  return (hours.size() < 2 ? "0" + hours : hours) + ":" + (rest.size() < 2 ? "0" + rest : rest);
}

// "Home: sunrise 05:12, sunset 19:40 UTC", or what the day lacks.
std::string SunText(std::string_view name, const SignedPosition& place, UnixSeconds moment) {
  const SunriseSunset sun = SunriseAndSunset(place, moment);
  std::string text = std::string(name) + ": ";
  if (sun.PolarDay) return text + "no sunset (polar day)";
  if (sun.PolarNight) return text + "no sunrise (polar night)";
  return text + "sunrise " + ClockText(*sun.Sunrise) + ", sunset " + ClockText(*sun.Sunset) +
         " UTC";
}

// One coordinate as the main window shows it, with its hemisphere letter,
// and the value that text stands for (what the main window would measure).
struct ShownCoordinate {
  std::string Text;
  double Degrees = 0.0;  // the magnitude as shown
};

ShownCoordinate ShownAsTheWindowShows(double magnitude, char hemisphere, bool decimal,
                                      int characters) {
  if (decimal) {
    const std::string text = DecimalDegreeText(magnitude);
    return {Figure(text) + std::string(kDegreeSign) + " " + hemisphere, ReadDecimal(text)};
  }
  const int decimals = SecondDecimalsFor(characters);
  std::int32_t degrees = WholeDegrees(magnitude), minutes = WholeMinutes(magnitude);
  std::int32_t steps = RoundedSecondSteps(magnitude, decimals);
  // Carried, where the fields would show 59.6 seconds rounded as 60: a
  // point under the mouse reads as 48 8 0, not 48 7 60.
  const std::int32_t steps_per_minute =
      kSecondsPerMinute * static_cast<std::int32_t>(std::lround(std::pow(10.0, decimals)));
  if (steps >= steps_per_minute) {
    steps -= steps_per_minute;
    if (++minutes == kMinutesPerDegree) {
      minutes = 0;
      ++degrees;
    }
  }
  const double seconds = steps / std::pow(10.0, decimals);
  const std::string text = std::to_string(degrees) + std::string(kDegreeSign) + " " +
                           std::to_string(minutes) + "' " +
                           Figure(SecondsText(steps, decimals, false)) + "\" " + hemisphere;
  return {text, DmsToDegrees(degrees, minutes, seconds)};
}

}  // namespace

double ViewRadius(const MapSettings& settings) {
  return std::min(1.0, settings.ViewKm / kWholeEarthViewKm);
}

double ZoomedViewKm(double view_km, int steps) {
  return std::clamp(view_km * std::pow(kZoomStep, -steps), kClosestViewKm, kWholeEarthViewKm);
}

std::string MapImageName(const MapContent& content) {
  // Only a text that is a locator names a file: the grid field may hold
  // anything typed.
  const auto locator = [](const std::string& text) -> std::string {
    const std::optional<DecodedLocator> decoded = LocatorToLatLon(text, kMostCharacters);
    return decoded ? Figure(LocatorText(decoded->Cell)) : "";
  };
  std::string name = content.HomeKnown ? locator(content.HomeLocator) : "";
  if (name.empty()) return "tessaly-map.png";
  if (content.Destination) {
    const std::string destination = locator(content.Destination->Locator);
    if (!destination.empty()) name += "-" + destination;
  }
  return name + ".png";
}

int RingSpacing(DistanceUnit unit, double view_km) {
  const double view = view_km * DistanceFactor(unit);
  for (const int step : kRingSteps) {
    if (view / step <= kMostRings) return step;
  }
  return kRingSteps.back();
}

double RingSpacingKm(DistanceUnit unit, double view_km) {
  return RingSpacing(unit, view_km) / DistanceFactor(unit);
}

std::vector<LegendLine> MapLegend(const MapContent& content, bool coastline_loaded,
                                  const MapSettings& settings) {
  std::vector<LegendLine> legend;
  const std::string home = Figure(content.HomeLocator);
  if (!content.HomeKnown) {
    legend.push_back({LegendMark::None, "No Home location"});
  } else {
    legend.push_back({LegendMark::None, home.empty() ? "Home" : "Home " + home});
  }
  if (content.Destination) {
    const MapDestination& destination = *content.Destination;
    legend.push_back(
        {LegendMark::ShortPath,
         PathText("Short path", Figure(OneDecimalText(destination.ShortPath.Directions.Forward)),
                  destination.ShortPath.Kilometres, content.Unit)});
    legend.push_back(
        {LegendMark::LongPath,
         PathText("Long path", CompassHeadingText(destination.LongPath.Directions.Forward),
                  destination.LongPath.Kilometres, content.Unit)});
  }
  legend.push_back({LegendMark::None,
                    "Rings every" + WholeNumberText(RingSpacing(content.Unit, settings.ViewKm)) +
                        " " + std::string(UnitName(content.Unit))});
  if (settings.GrayLine) {
    if (content.HomeKnown) {
      legend.push_back({LegendMark::None, SunText("Home", content.Home, settings.Moment)});
    }
    if (content.Destination) {
      legend.push_back({LegendMark::None,
                        SunText("Destination", content.Destination->Position, settings.Moment)});
    }
  }
  if (!coastline_loaded) {
    legend.push_back({LegendMark::None, "Coastlines missing: land is not drawn"});
  }
  return legend;
}

std::string MapReadout::Line() const {
  return Figure(Locator) + "   " + Position + "   " + Figure(Distance) + " " +
         std::string(UnitName(Unit)) + "   " + Figure(Heading) + std::string(kDegreeSign);
}

std::optional<MapReadout> ReadoutAt(const MapContent& content, const SignedPosition& point) {
  if (!content.HomeKnown) return std::nullopt;
  const std::optional<LocatorCell> cell = CellOfPosition(point, content.LocatorCharacters);
  if (!cell) return std::nullopt;
  const ShownCoordinate lat =
      ShownAsTheWindowShows(std::abs(point.Lat), point.Lat < 0 ? 'S' : 'N', content.DecimalDegrees,
                            content.LocatorCharacters);
  const ShownCoordinate lon =
      ShownAsTheWindowShows(std::abs(point.Lon), point.Lon < 0 ? 'W' : 'E', content.DecimalDegrees,
                            content.LocatorCharacters);
  const SignedPosition shown{point.Lat < 0 ? -lat.Degrees : lat.Degrees,
                             point.Lon < 0 ? -lon.Degrees : lon.Degrees};
  const Path path = MeasurePath(content.Home, shown);
  MapReadout readout;
  readout.Locator = LocatorText(*cell);
  readout.Position = lat.Text + "  " + lon.Text;
  readout.Distance = OneDecimalText(path.Kilometres * DistanceFactor(content.Unit));
  readout.Heading = OneDecimalText(path.Directions.Forward);
  readout.Unit = content.Unit;
  return readout;
}

}  // namespace tessaly
