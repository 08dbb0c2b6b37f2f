// SPDX-License-Identifier: GPL-3.0-or-later
// The locator decoder on any text: it accepts exactly the texts that name a
// cell, returns that cell, and the cell's centre encodes back to it.
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

// The normalised locator text a text names, written from the rules of the
// format alone: one leading blank dropped, 4 characters or at least 6 of
// which 6 count, field letters "A" to "R", digits, sub-square letters "A" to
// "X", in either case.
std::optional<std::string> NamedLocator(std::string_view text) {
  if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (text.size() < kSquareLength || text.size() == kSquareLength + 1) return std::nullopt;
  if (!IsLetterUpTo(text[0], 'R') || !IsLetterUpTo(text[1], 'R')) return std::nullopt;
  if (!InRange(text[2], '0', '9') || !InRange(text[3], '0', '9')) return std::nullopt;
  std::string named{' ', Upper(text[0]), Upper(text[1]), text[2], text[3]};
  if (text.size() == kSquareLength) return named;
  if (!IsLetterUpTo(text[4], 'X') || !IsLetterUpTo(text[5], 'X')) return std::nullopt;
  return named + Lower(text[4]) + Lower(text[5]);
}

bool CentreInRange(const tessaly::DmsAngle& angle, std::int32_t max_degrees) {
  const bool quarter_minute = angle.Seconds % 15 == 0;
  return InRange(angle.Degrees, 0, max_degrees - 1) && InRange(angle.Minutes, 0, 59) &&
         InRange(angle.Seconds, 0, 45) && quarter_minute;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<tessaly::DecodedLocator> decoded = tessaly::LocatorToLatLon(text);
  const std::optional<std::string> named = NamedLocator(text);
  Require(decoded.has_value() == named.has_value(), "accepts exactly the texts that name a cell");
  if (!decoded) return 0;

  const std::string cell_text = tessaly::LocatorText(decoded->Cell);
  Require(cell_text == *named, "the cell is the one the text names");
  Require(CentreInRange(decoded->Lat, 90) && CentreInRange(decoded->Lon, 180),
          "the centre lies within 90 and 180 degrees, on a quarter minute");
  Require(InRange(decoded->LatHemisphere, 0, 1) && InRange(decoded->LonHemisphere, 0, 1),
          "hemispheres are item indexes 0 or 1");

  const std::string encoded = tessaly::LatLonToLocator(
      decoded->Lat.Degrees, decoded->Lat.Minutes, decoded->Lat.Seconds, decoded->LatHemisphere,
      decoded->Lon.Degrees, decoded->Lon.Minutes, decoded->Lon.Seconds, decoded->LonHemisphere);
  // A square's centre lies in one of its sub-squares: the square part agrees.
  Require(encoded.substr(0, cell_text.size()) == cell_text, "the centre encodes to the locator");
  return 0;
}
