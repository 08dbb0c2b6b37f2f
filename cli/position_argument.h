// SPDX-License-Identifier: GPL-3.0-or-later
// Positions and locators as the command line and the batch lines give
// them: "41.7144 -72.7275", "41:42:52N 72:43:37W", "41d42m52sN", "FN31pr".
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "geo/location.h"
#include "geo/locator.h"

namespace tessaly {

enum class Axis { Latitude, Longitude };

// One coordinate in decimal degrees, north and east positive: a signed
// decimal ("-72.7275"), one with a hemisphere letter ("72.7275W"), or
// degrees, minutes and seconds with a hemisphere letter or a sign, the
// parts after ':' or after 'd', 'm' and 's' ("41:42:52N", "41:42:52.5N",
// "41:42N", "41d42m52sN"; "°", "'" and '"' too). Nothing for any other text,
// minutes or seconds of 60 or more, or beyond 90 or 180 degrees.
std::optional<double> ReadCoordinate(std::string_view text, Axis axis);

// A letter of a hemisphere: which axis it belongs to, if any.
std::optional<Axis> HemisphereAxis(std::string_view text);

// A position from two texts, latitude first; written the other way round
// with hemisphere letters ("72:43:37W 41:42:52N") it is read so too.
std::optional<SignedPosition> ReadPosition(std::string_view first, std::string_view second);

// The words of a batch line, split at blanks, tabs and commas, into
// `words` (emptied first, so that a batch reuses it).
void SplitWords(std::string_view line, std::vector<std::string_view>& words);

// One end of a path: a locator in one word, or a position in two (or in
// one, "41.7,-72.7", which Words splits). `words` is consumed from the
// front.
struct Endpoint {
  SignedPosition Position;
  std::optional<DecodedLocator> Locator;
  std::string_view Latitude, Longitude;  // as given, when no locator
  // The normalised locator, or the position as given: "41.7 -72.7".
  std::string Name() const;
};
std::optional<Endpoint> ReadEndpoint(std::span<const std::string_view>& words);

// A locator of 4 to 12 characters, in either case: the cell it names.
std::optional<DecodedLocator> ReadLocator(std::string_view text);

}  // namespace tessaly
