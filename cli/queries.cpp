// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/queries.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "cli/json_line.h"
#include "cli/position_argument.h"
#include "geo/angles.h"
#include "geo/distance.h"
#include "geo/long_path.h"
#include "geo/number_text.h"

namespace tessaly {
namespace {

// A figure without the blank the window's texts begin with.
std::string Figure(const std::string& text) {
  return text.substr(text.find_first_not_of(' '));
}

std::string Degrees7(double degrees) {
  return Figure(DecimalDegreeText(degrees));
}

std::string OneDecimal(double value) {
  std::string text;
  AppendOneDecimal(text, value);
  return text;
}

// "41:43:45N": an exact magnitude, its seconds rounded half up to
// `decimals`, carried into the minutes and degrees where they reach 60.
std::string DmsText(ArcUnits magnitude, char hemisphere, int decimals) {
  const ArcUnits scale = static_cast<ArcUnits>(std::lround(std::pow(10.0, decimals)));
  const ArcUnits unit = kArcUnitsPerSecond / scale;  // exact: 3,200,000 has factors of 10
  const ArcUnits steps = (magnitude + unit / 2) / unit;
  const ArcUnits per_minute = kSecondsPerMinute * scale, per_degree = kSecondsPerDegree * scale;
  std::string seconds = std::to_string(steps % per_minute);
  const std::size_t digits = static_cast<std::size_t>(decimals) + 2;
  if (seconds.size() < digits) seconds.insert(0, digits - seconds.size(), '0');
  if (decimals > 0) seconds.insert(seconds.size() - static_cast<std::size_t>(decimals), 1, '.');
  const ArcUnits minutes = steps % per_degree / per_minute;
  std::string text = std::to_string(steps / per_degree);
  text.append(minutes < 10 ? ":0" : ":").append(std::to_string(minutes)).append(":");
  return text.append(seconds).append(1, hemisphere);
}

// "'XX99' is no locator".
QueryFailure Failure(std::string_view quoted, std::string_view reason) {
  std::string text = "'";
  text.append(quoted).append("' ").append(reason);
  return {text};
}

std::optional<QueryFailure> Locate(std::span<const std::string_view> words,
                                   const QueryOptions& options, std::string& out) {
  if (words.size() != 2) return QueryFailure{"give a latitude and a longitude"};
  const std::optional<SignedPosition> position = ReadPosition(words[0], words[1]);
  if (!position) {
    std::string both(words[0]);
    return Failure(both.append(" ").append(words[1]), "is no position");
  }
  const std::optional<LocatorCell> cell = CellOfPosition(*position, options.Characters);
  if (!cell) return QueryFailure{"no locator for that position"};
  const std::string locator = LocatorText(*cell).substr(1);
  if (!options.Json) {
    out += locator;
    return std::nullopt;
  }
  out += JsonLine()
             .Figure("lat", Degrees7(position->Lat))
             .Figure("lon", Degrees7(position->Lon))
             .Text("locator", locator)
             .Object();
  return std::nullopt;
}

std::optional<QueryFailure> Decode(std::span<const std::string_view> words,
                                   const QueryOptions& options, std::string& out) {
  if (words.size() != 1) return QueryFailure{"give one locator"};
  const std::optional<DecodedLocator> decoded = ReadLocator(words[0]);
  if (!decoded) return Failure(words[0], "is no locator");
  const std::string locator = LocatorText(decoded->Cell).substr(1);
  const SignedPosition centre = decoded->Centre();
  const CellBounds bounds = BoundsOf(decoded->Cell);
  const int decimals = SecondDecimalsFor(decoded->Cell.Characters);
  const std::string lat_dms =
      DmsText(decoded->Lat, decoded->LatHemisphere == kSouth ? 'S' : 'N', decimals);
  const std::string lon_dms =
      DmsText(decoded->Lon, decoded->LonHemisphere == kWest ? 'W' : 'E', decimals);
  const std::string height = Degrees7(bounds.NorthEast.Lat - bounds.SouthWest.Lat);
  const std::string width = Degrees7(bounds.NorthEast.Lon - bounds.SouthWest.Lon);
  if (options.Json) {
    out += JsonLine()
               .Text("locator", locator)
               .Figure("lat", Degrees7(centre.Lat))
               .Figure("lon", Degrees7(centre.Lon))
               .Text("lat_dms", lat_dms)
               .Text("lon_dms", lon_dms)
               .Figure("south", Degrees7(bounds.SouthWest.Lat))
               .Figure("west", Degrees7(bounds.SouthWest.Lon))
               .Figure("north", Degrees7(bounds.NorthEast.Lat))
               .Figure("east", Degrees7(bounds.NorthEast.Lon))
               .Figure("height", height)
               .Figure("width", width)
               .Object();
    return std::nullopt;
  }
  out.append(locator).append(" centre ").append(Degrees7(centre.Lat)).append(" ");
  out.append(Degrees7(centre.Lon)).append(" (").append(lat_dms).append(" ").append(lon_dms);
  out.append(") south-west ").append(Degrees7(bounds.SouthWest.Lat)).append(" ");
  out.append(Degrees7(bounds.SouthWest.Lon)).append(" north-east ");
  out.append(Degrees7(bounds.NorthEast.Lat)).append(" ").append(Degrees7(bounds.NorthEast.Lon));
  out.append(" size ").append(height).append(" x ").append(width);
  return std::nullopt;
}

std::optional<QueryFailure> PathBetween(std::span<const std::string_view> words,
                                        const QueryOptions& options, std::string& out) {
  std::span<const std::string_view> rest = words;
  const auto unknown = [&rest](std::string_view which) {
    if (rest.empty()) return QueryFailure{"give two places: locators or positions"};
    std::string text = "the ";
    text.append(which).append(" place, '").append(rest.front());
    return QueryFailure{text.append("', is no locator and starts no position")};
  };
  const std::optional<Endpoint> from = ReadEndpoint(rest);
  if (!from) return unknown("first");
  const std::optional<Endpoint> to = ReadEndpoint(rest);
  if (!to) return unknown("second");
  if (!rest.empty()) return Failure(rest.front(), "after the two places");

  const Path short_path = MeasurePath(from->Position, to->Position);
  const Path long_path = MeasureLongPath(from->Position, to->Position, short_path);
  const double factor = options.Miles ? kMilesPerKilometre : 1.0;
  const std::string_view unit = options.Miles ? "mi" : "km";
  if (options.Json) {
    const std::string distance = OneDecimal(short_path.Kilometres * factor);
    const std::string heading = OneDecimal(short_path.Directions.Forward);
    const std::string reverse = OneDecimal(short_path.Directions.Reverse);
    const std::string long_heading = CompassHeadingText(long_path.Directions.Forward);
    const std::string long_distance = OneDecimal(long_path.Kilometres * factor);
    out += JsonLine()
               .Text("from", from->Name())
               .Text("to", to->Name())
               .Figure("distance", distance)
               .Figure("heading", heading)
               .Figure("reverse", reverse)
               .Figure("long_heading", long_heading)
               .Figure("long_distance", long_distance)
               .Text("unit", unit)
               .Object();
    return std::nullopt;
  }
  // Made whole in place, then appended at once: a batch answers a million.
  std::array<char, 5 * kLongestOneDecimal + 64> line;
  char* at = line.data();
  const auto put = [&at](std::string_view text) { at = std::copy(text.begin(), text.end(), at); };
  put("distance ");
  at = WriteOneDecimal(at, short_path.Kilometres * factor);
  put(" ");
  put(unit);
  put("  heading ");
  at = WriteOneDecimal(at, short_path.Directions.Forward);
  put("  reverse ");
  at = WriteOneDecimal(at, short_path.Directions.Reverse);
  put("  long path ");
  at = WriteCompassHeading(at, long_path.Directions.Forward);
  put(" ");
  at = WriteOneDecimal(at, long_path.Kilometres * factor);
  put(" ");
  put(unit);
  out.append(line.data(), at);
  return std::nullopt;
}

}  // namespace

std::optional<QueryFailure> AppendAnswer(Query query, std::span<const std::string_view> words,
                                         const QueryOptions& options, std::string& out) {
  switch (query) {
    case Query::Locate: return Locate(words, options, out);
    case Query::Decode: return Decode(words, options, out);
    case Query::Path: return PathBetween(words, options, out);
  }
  return QueryFailure{"no such query"};
}

std::string FailureLine(const QueryFailure& failure, std::uint64_t line, bool json) {
  if (json) {
    JsonLine object;
    if (line > 0) object.Count("line", line);
    return object.Text("error", failure.Reason).Object();
  }
  return "error: " + (line > 0 ? "line " + std::to_string(line) + ": " : std::string()) +
         failure.Reason;
}

}  // namespace tessaly
