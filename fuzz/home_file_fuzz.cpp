// SPDX-License-Identifier: GPL-3.0-or-later
// The home-file reader on any bytes: ten lines of at most three characters,
// the same each time, blind to carriage returns and to whatever follows the
// end-of-file mark; and what a save writes reads back as it was.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "home/home_file.h"

namespace {

using tessaly::fuzz::Require;

constexpr std::size_t kMaxLineLength = 3;
constexpr char kEndOfFileMark = '\x1a';
// The numbers a save writes: it refuses any that does not fit a line, and
// those that fit are -99 to 999.
constexpr int kSmallestSaved = -99;
constexpr int kSavedSpan = 999 - kSmallestSaved + 1;

bool SameRecall(const tessaly::RecalledHome& a, const tessaly::RecalledHome& b) {
  return a.Latitude == b.Latitude && a.Longitude == b.Longitude &&
         a.LatHemisphere == b.LatHemisphere && a.LonHemisphere == b.LonHemisphere &&
         a.DecimalFormat == b.DecimalFormat && a.Miles == b.Miles;
}

std::string WithCarriageReturns(std::string_view contents) {
  std::string doubled;
  for (const char c : contents) {
    doubled += '\r';
    doubled += c;
  }
  return doubled;
}

void CheckReadsBack(std::string_view seed) {
  std::int32_t numbers[tessaly::kHomeFileLineCount] = {};
  for (std::size_t i = 0; i < tessaly::kHomeFileLineCount && 2 * i + 1 < seed.size(); ++i) {
    const int raw =
        static_cast<unsigned char>(seed[2 * i]) << 8 | static_cast<unsigned char>(seed[2 * i + 1]);
    numbers[i] = kSmallestSaved + raw % kSavedSpan;
    Require(tessaly::FitsAHomeFileLine(numbers[i]), "-99 to 999 fit a line");
    Require(!tessaly::FitsAHomeFileLine(kSmallestSaved - 1 - raw) &&
                !tessaly::FitsAHomeFileLine(kSmallestSaved + kSavedSpan + raw),
            "nothing beyond -99 to 999 fits a line");
  }
  const tessaly::HomeFileValues values{numbers[0], numbers[1], numbers[2], numbers[3], numbers[4],
                                       numbers[5], numbers[6], numbers[7], numbers[8], numbers[9]};
  const tessaly::HomeFileLines lines = tessaly::SplitHomeFileLines(tessaly::HomeFileText(values));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Require(lines[i] == std::to_string(numbers[i]), "a saved line reads back as written");
  }
  const tessaly::RecalledHome recalled = tessaly::ParseHomeFile(tessaly::HomeFileText(values));
  Require(recalled.LatHemisphere == values.LatHemisphere &&
              recalled.LonHemisphere == values.LonHemisphere &&
              recalled.DecimalFormat == (values.Format == 1) &&
              recalled.Miles == (values.Unit == 1),
          "the saved hemispheres, format and unit are recalled");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view contents(reinterpret_cast<const char*>(data), size);

  const tessaly::HomeFileLines lines = tessaly::SplitHomeFileLines(contents);
  for (const std::string& line : lines) {
    Require(line.size() <= kMaxLineLength, "a line holds at most three characters");
    Require(line.find_first_of("\r\n\x1a") == std::string::npos,
            "a line holds no line end and no end-of-file mark");
  }
  Require(tessaly::SplitHomeFileLines(contents) == lines, "the same bytes give the same lines");
  Require(tessaly::SplitHomeFileLines(WithCarriageReturns(contents)) == lines,
          "carriage returns change nothing");
  Require(tessaly::SplitHomeFileLines(std::string(contents) + kEndOfFileMark + "7\r\n8") == lines,
          "nothing after the end-of-file mark is read");

  const tessaly::RecalledHome recalled = tessaly::ParseHomeFile(contents);
  Require(SameRecall(tessaly::ParseHomeFile(contents), recalled), "the recall is deterministic");
  for (const std::string& text : recalled.Latitude) {
    Require(text.size() <= kMaxLineLength, "a recalled text holds at most three characters");
  }
  for (const std::string& text : recalled.Longitude) {
    Require(text.size() <= kMaxLineLength, "a recalled text holds at most three characters");
  }

  CheckReadsBack(contents);
  return 0;
}
