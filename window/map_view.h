// SPDX-License-Identifier: GPL-3.0-or-later
// What the great-circle map shows, computed here once from the main
// window's positions and measurement: the map window only draws it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geo/distance.h"
#include "geo/location.h"
#include "geo/locator.h"
#include "geo/solar_position.h"
#include "window/distance_unit.h"

namespace tessaly {

struct MapDestination {
  SignedPosition Position;  // as the distance command measured it
  std::string Locator;      // " JO01aa", as the Destination's grid field shows it
  Path ShortPath;           // as the distance command measured it, in kilometres
  Path LongPath;            // the other way round the same great circle
  friend bool operator==(const MapDestination&, const MapDestination&) = default;
};

struct MapContent {
  SignedPosition Home;      // decimal degrees, north and east positive; the map's centre
  std::string HomeLocator;  // " FN31pr"; may be empty
  // Set while the distance command's results show; without it the map
  // shows Home alone.
  std::optional<MapDestination> Destination;
  DistanceUnit Unit = DistanceUnit::Miles;  // of every figure the map shows
  // False while Home's fields give no position (emptied): the map then keeps
  // its centre and shows no Home.
  bool HomeKnown = true;
  // How the main window shows a position and a locator, for what the map
  // says of a point.
  int LocatorCharacters = kDefaultCharacters;
  bool DecimalDegrees = false;
  friend bool operator==(const MapContent&, const MapContent&) = default;
};

// The sphere the map's distances are measured on: the ellipsoid's mean
// radius (2a + b) / 3, 6371.0 km, the sphere closest to it on average. The
// whole earth shows half its circumference round Home.
inline constexpr double kMapSphereRadiusKm = kEquatorialRadiusKm * (1 - kFlattening / 3);
inline constexpr double kWholeEarthViewKm = 3.14159265358979323846 * kMapSphereRadiusKm;
// And at the closest, this far round Home.
inline constexpr double kClosestViewKm = 500.0;

// How the map window shows the content: how far round Home, which of the
// layers the user may switch on, and the moment the gray line is for.
struct MapSettings {
  double ViewKm = kWholeEarthViewKm;
  bool LocatorGrid = false;
  bool GrayLine = false;
  UnixSeconds Moment = 0;
  friend bool operator==(const MapSettings&, const MapSettings&) = default;
};

// The part of the projection's disc the view shows, in its radii: 1 for the
// whole earth, less when zoomed in.
double ViewRadius(const MapSettings& settings);

// The view `steps` zoom steps closer (farther when negative), from the
// whole earth to the closest, each step by the square root of 2.
double ZoomedViewKm(double view_km, int steps);

// The name the map's picture is saved under by default: the locators shown,
// "FN31pr-JO62qm.png", "FN31pr.png" for Home alone, else "tessaly-map.png".
std::string MapImageName(const MapContent& content);

// The distance rings' spacing in the unit, for a view of `view_km` round
// Home: the first of 100, 250, 500, 1000, 2500 and 5000 that fits at most six
// rings (at the whole earth 2500 miles or 5000 km, three or four).
int RingSpacing(DistanceUnit unit, double view_km);
double RingSpacingKm(DistanceUnit unit, double view_km);

// Which path's colour a legend line is marked with.
enum class LegendMark { None, ShortPath, LongPath };

struct LegendLine {
  LegendMark Mark = LegendMark::None;
  std::string Text;  // Latin-1
};

// From the top: Home, the two paths ("Short path 50.5°, 3542.8 miles", the
// short path's figures exactly as the main window shows them), the rings,
// with the gray line Home's and the Destination's sunrise and sunset on the
// UTC day of `moment`, and a note when the coastlines are missing.
std::vector<LegendLine> MapLegend(const MapContent& content, bool coastline_loaded,
                                  const MapSettings& settings = {});

// What the map says of a point, as the main window would show it: the
// locator at its precision, the position in its format ("52° 31' 15\" N
// 13° 22' 30\" E", or decimal degrees), and the distance and heading from
// Home measured from that position as shown.
struct MapReadout {
  std::string Locator;   // " JO62qm"
  std::string Position;  // "52° 31' 15\" N  13° 22' 30\" E"
  std::string Distance;  // " 4283.9", in `Unit`
  std::string Heading;   // " 43.6"
  DistanceUnit Unit = DistanceUnit::Miles;
  // All of it on one line, as the map window's status line shows it.
  std::string Line() const;
};
// Nothing for a point off the earth, or while Home has no position.
std::optional<MapReadout> ReadoutAt(const MapContent& content, const SignedPosition& point);

}  // namespace tessaly
