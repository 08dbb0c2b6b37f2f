// SPDX-License-Identifier: GPL-3.0-or-later
// The locator decoder on any text, read to any length (the first byte picks
// it): it accepts exactly the texts that name a cell, returns that cell, and
// the cell's centre encodes back to it, at its length and every shorter one.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "geo/locator.h"

namespace {

using tessaly::fuzz::Require;

constexpr std::size_t kSquareLength = 4;

bool InRange(int value, int first, int last) {
  return value >= first && value <= last;
}

bool IsLetterUpTo(char c, char last_capital) {
  const char lowest = static_cast<char>(last_capital - 'A' + 'a');
  return InRange(c, 'A', last_capital) || InRange(c, 'a', lowest);
}

char Upper(char c) {
  return InRange(c, 'a', 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char Lower(char c) {
  return InRange(c, 'A', 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The normalised locator text a text names, read to `characters`, written
// from the rules of the format alone: one leading blank dropped; 4
// characters, or 6 or more of which at most `characters`, cut to an even
// count, count; field letters "A" to "R", then digits and letters "A" to "X"
// in turn, in either case.
std::optional<std::string> NamedLocator(std::string_view text, std::size_t characters) {
  if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  std::size_t read = std::min(text.size(), characters);
  if (read < kSquareLength || read == kSquareLength + 1) return std::nullopt;
  read -= read % 2;
  std::string named(1, ' ');
  for (std::size_t i = 0; i < read; ++i) {
    const std::size_t pair = i / 2;
    const char c = text[i];
    if (pair % 2 == 1) {
      if (!InRange(c, '0', '9')) return std::nullopt;
      named += c;
    } else {
      if (!IsLetterUpTo(c, pair == 0 ? 'R' : 'X')) return std::nullopt;
      named += pair == 0 ? Upper(c) : Lower(c);
    }
  }
  return named;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int characters = tessaly::kSquareCharacters + 2 * (data[0] % 5);
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::optional<tessaly::DecodedLocator> decoded = tessaly::LocatorToLatLon(text, characters);
  const std::optional<std::string> named = NamedLocator(text, static_cast<std::size_t>(characters));
  Require(decoded.has_value() == named.has_value(), "accepts exactly the texts that name a cell");
  if (!decoded) return 0;

  const std::string cell_text = tessaly::LocatorText(decoded->Cell);
  Require(cell_text == *named, "the cell is the one the text names");
  Require(decoded->Lat < 90 * tessaly::kArcUnitsPerDegree &&
              decoded->Lon < 180 * tessaly::kArcUnitsPerDegree,
          "the centre lies within 90 and 180 degrees");
  Require(InRange(decoded->LatHemisphere, 0, 1) && InRange(decoded->LonHemisphere, 0, 1),
          "hemispheres are item indexes 0 or 1");

  // The centre lies inside the cell: it encodes to it, and to its prefixes.
  for (int shorter = tessaly::kSquareCharacters; shorter <= decoded->Cell.Characters;
       shorter += 2) {
    const std::optional<tessaly::LocatorCell> cell =
        tessaly::CellOf(decoded->Lat, tessaly::IsSouth(decoded->LatHemisphere), decoded->Lon,
                        tessaly::IsWest(decoded->LonHemisphere), shorter);
    Require(cell && tessaly::LocatorText(*cell) ==
                        cell_text.substr(0, static_cast<std::size_t>(shorter) + 1),
            "the centre encodes to the locator and its prefixes");
  }
  return 0;
}
