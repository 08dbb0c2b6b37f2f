// A Maidenhead locator to the centre of its cell, and back again.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "geo/location.h"
#include "geo/locator.h"
#include "geo/number_text.h"
#include "tests/geo/locator_cells.h"

namespace tessaly {
namespace {

std::string Describe(const DecodedLocator& d) {
  return "[" + d.Locator + "] lat [" + d.LatDegrees + "][" + d.LatMinutes + "][" + d.LatSeconds +
         "] " + std::to_string(d.LatHemisphere) + " lon [" + d.LonDegrees + "][" + d.LonMinutes +
         "][" + d.LonSeconds + "] " + std::to_string(d.LonHemisphere);
}

struct DecodeCase {
  std::string text;
  DecodedLocator expected;
};

TEST(LocatorToLatLon, GivesTheCentreOfTheCell) {
  const DecodedLocator fn31pr{" FN31pr", " 41", " 43", " 45", kNorth, " 72", " 42", " 30", kWest};
  const DecodeCase cases[] = {
      {"FN31pr", fn31pr},
      {" FN31pr", fn31pr},
      {"fn31PR", fn31pr},
      {"FN31pr12", fn31pr},
      {"FN31pr   ", fn31pr},
      {" FN31pr12", fn31pr},
      {"FN31", {" FN31", " 41", " 30", " 00", kNorth, " 73", " 00", " 00", kWest}},
      {" fn31", {" FN31", " 41", " 30", " 00", kNorth, " 73", " 00", " 00", kWest}},
      {"QF56od", {" QF56od", " 33", " 51", " 15", kSouth, " 151", " 12", " 30", kEast}},
      {"QF56", {" QF56", " 33", " 30", " 00", kSouth, " 151", " 00", " 00", kEast}},
      {"JJ00aa", {" JJ00aa", " 0", " 1", " 15", kNorth, " 0", " 2", " 30", kEast}},
      {"II99xx", {" II99xx", " 0", " 1", " 15", kSouth, " 0", " 2", " 30", kWest}},
      {"JJ00", {" JJ00", " 0", " 30", " 00", kNorth, " 1", " 00", " 00", kEast}},
      {"II99", {" II99", " 0", " 30", " 00", kSouth, " 1", " 00", " 00", kWest}},
      {"AA00aa", {" AA00aa", " 89", " 58", " 45", kSouth, " 179", " 57", " 30", kWest}},
      {"RR99xx", {" RR99xx", " 89", " 58", " 45", kNorth, " 179", " 57", " 30", kEast}},
      {"JJ00mb", {" JJ00mb", " 0", " 3", " 45", kNorth, " 1", " 2", " 30", kEast}},
      {"II99lw", {" II99lw", " 0", " 3", " 45", kSouth, " 1", " 2", " 30", kWest}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Describe(LocatorToLatLon(c.text)), Describe(c.expected));
  }
}

TEST(LocatorToLatLon, RejectsEverythingThatIsNotALocator) {
  const std::string cases[] = {
      "",
      " ",
      "  FN31pr",
      "FN31p",
      " FN31p",
      "FN31 ",
      "FN3",
      "FN",
      "SA00aa",
      "AS00aa",
      "FN31py",
      "FN31yr",
      "FN3A",
      "1N31pr",
      "F131pr",
      "FN31p ",
      "FN31 r",
      "F N31pr",
      "\tFN31pr",
      " Error!",
      "Error!",
      "\xC6N31pr",
      "FN31p\xE9",
      "fn31\xE0r",
      std::string("FN31\0r", 6),
      std::string("FN\0"
                  "1pr",
                  6),
      "FN31p1",
      "FN3132",
      "ZZ99zz",
      "@N31pr",
      "[N31pr",
      "FN31@r",
      "FN31{r",
  };
  const std::string error = Describe(DecodedLocator{" Error!", "", "", "", -1, "", "", "", -1});
  for (const auto& text : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Describe(LocatorToLatLon(text)), error);
  }
}

// A decoded position as signed whole seconds, north and east positive.
struct Seconds {
  std::int64_t lat;
  std::int64_t lon;
};

Seconds DecodedSeconds(const DecodedLocator& d) {
  const std::int64_t lat = ReadWholeNumber(d.LatDegrees) * 3600LL +
                           ReadWholeNumber(d.LatMinutes) * 60 + ReadWholeNumber(d.LatSeconds);
  const std::int64_t lon = ReadWholeNumber(d.LonDegrees) * 3600LL +
                           ReadWholeNumber(d.LonMinutes) * 60 + ReadWholeNumber(d.LonSeconds);
  return {d.LatHemisphere == kSouth ? -lat : lat, d.LonHemisphere == kWest ? -lon : lon};
}

std::string Reencode(const DecodedLocator& d) {
  return LatLonToLocator(ReadWholeNumber(d.LatDegrees), ReadWholeNumber(d.LatMinutes),
                         ReadWholeNumber(d.LatSeconds), d.LatHemisphere,
                         ReadWholeNumber(d.LonDegrees), ReadWholeNumber(d.LonMinutes),
                         ReadWholeNumber(d.LonSeconds), d.LonHemisphere);
}

// Degrees and minutes as a number without leading zeros; seconds on a
// quarter minute.
void ExpectFieldTexts(const DecodedLocator& d) {
  for (const std::string* text : {&d.LatDegrees, &d.LatMinutes, &d.LonDegrees, &d.LonMinutes}) {
    EXPECT_EQ(*text, WholeNumberText(ReadWholeNumber(*text)));
  }
  for (const std::string* text : {&d.LatSeconds, &d.LonSeconds}) {
    EXPECT_TRUE(*text == " 15" || *text == " 30" || *text == " 45") << *text;
  }
}

// The round trip over the inputs the fields accept: every encoded locator
// decodes to a cell that holds the point (a point on an edge lies on the
// cell's border) and its centre encodes to the same locator.
TEST(LocatorRoundTrip, EncodedFieldInputsDecodeToTheirCellAndBack) {
  constexpr std::int64_t kHalfCellLatSeconds = 75;
  constexpr std::int64_t kHalfCellLonSeconds = 150;
  const std::int32_t seconds[] = {0, 1, 30, 59};
  int checked = 0;
  for (std::int32_t lon_degrees = 0; lon_degrees < 180; ++lon_degrees) {
    for (std::int32_t minutes = 0; minutes < 60; ++minutes) {
      for (std::int32_t second : seconds) {
        for (std::int32_t lon_hemisphere : {kWest, kEast}) {
          const std::int32_t lat_degrees = (lon_degrees + minutes) % 90;
          const std::int32_t lat_minutes = (minutes * 7) % 60;
          const std::int32_t lat_hemisphere = (minutes + second) % 2;
          const std::string locator =
              LatLonToLocator(lat_degrees, lat_minutes, second, lat_hemisphere, lon_degrees,
                              minutes, second, lon_hemisphere);
          const DecodedLocator decoded = LocatorToLatLon(locator);
          ASSERT_EQ(decoded.Locator, locator);
          const Seconds centre = DecodedSeconds(decoded);
          const std::int64_t lat = lat_degrees * 3600LL + lat_minutes * 60 + second;
          const std::int64_t lon = lon_degrees * 3600LL + minutes * 60 + second;
          EXPECT_LE(std::abs((lat_hemisphere == kSouth ? -lat : lat) - centre.lat),
                    kHalfCellLatSeconds)
              << locator;
          EXPECT_LE(std::abs((lon_hemisphere == kWest ? -lon : lon) - centre.lon),
                    kHalfCellLonSeconds)
              << locator;
          ASSERT_EQ(Reencode(decoded), locator);
          ++checked;
        }
      }
    }
  }
  EXPECT_EQ(checked, 180 * 60 * 4 * 2);
}

std::string Locator(int lon_field, int lat_field, int lon_square, int lat_square) {
  return {static_cast<char>('A' + lon_field), static_cast<char>('A' + lat_field),
          static_cast<char>('0' + lon_square), static_cast<char>('0' + lat_square)};
}

// From the decoder's side: every square of every field, at its corner
// sub-squares and one inside, and every sub-square of a few squares,
// re-encodes to itself; each short locator to a sub-square of its own square.
TEST(LocatorRoundTrip, EveryCellsCentreEncodesToTheSameCell) {
  const char* const sub_squares[] = {"aa", "ax", "xa", "xx", "lm", "mk"};
  for (int lon_field = 0; lon_field < 18; ++lon_field) {
    for (int lat_field = 0; lat_field < 18; ++lat_field) {
      for (int lon_square = 0; lon_square < 10; ++lon_square) {
        for (int lat_square = 0; lat_square < 10; ++lat_square) {
          const std::string square = Locator(lon_field, lat_field, lon_square, lat_square);
          const DecodedLocator short_decoded = LocatorToLatLon(square);
          ASSERT_EQ(short_decoded.Locator, " " + square);
          ASSERT_EQ(Reencode(short_decoded).substr(0, 5), " " + square);
          for (const char* sub : sub_squares) {
            const DecodedLocator decoded = LocatorToLatLon(square + sub);
            ASSERT_EQ(Reencode(decoded), " " + square + sub);
          }
        }
      }
    }
  }
  for (const std::string square : {"AA00", "II99", "JJ00", "IJ90", "JI09", "RR99", "FN31"}) {
    for (char lon_sub = 'a'; lon_sub <= 'x'; ++lon_sub) {
      for (char lat_sub = 'a'; lat_sub <= 'x'; ++lat_sub) {
        const std::string locator = " " + square + lon_sub + lat_sub;
        const DecodedLocator decoded = LocatorToLatLon(locator);
        ExpectFieldTexts(decoded);
        ASSERT_EQ(Reencode(decoded), locator);
        ASSERT_EQ(
            Reencode(decoded),
            ExpectedLocator(std::abs(DecodedSeconds(decoded).lat), decoded.LatHemisphere == kSouth,
                            std::abs(DecodedSeconds(decoded).lon), decoded.LonHemisphere == kWest));
      }
    }
  }
}

}  // namespace
}  // namespace tessaly
