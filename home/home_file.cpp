// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/home_file.h"

#include <algorithm>
#include <limits>

namespace tessaly {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
// The text-file end marker: nothing after it is read.
constexpr char kEndOfFileMark = '\x1a';

}  // namespace

std::string HomeFilePathIn(std::string_view directory) {
  return std::string(directory) + "/" + std::string(kHomeFileName);
}

std::string HomeFileText(const HomeFileValues& values) {
  const std::array<std::int32_t, kHomeFileLineCount> numbers{
      values.LatDegrees, values.LatMinutes, values.LatSeconds, values.LatHemisphere,
      values.LonDegrees, values.LonMinutes, values.LonSeconds, values.LonHemisphere,
      values.Format,     values.Unit};
  std::string text;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) text += kLineEnd;
    text += std::to_string(numbers[i]);
  }
  return text;
}

HomeFileLines SplitHomeFileLines(std::string_view contents) {
  std::string bytes;
  for (char c : contents) {
    if (c == kEndOfFileMark) break;
    if (c != kCarriageReturn) bytes += c;
  }
  HomeFileLines lines;
  std::size_t next = 0;
  for (std::string& line : lines) {
    if (next >= bytes.size()) break;  // the end of the file: this and later lines stay empty
    while (next < bytes.size() && bytes[next] != kLineFeed &&
           line.size() < kHomeFileLineCharacters) {
      line += bytes[next++];
    }
    if (next < bytes.size() && bytes[next] == kLineFeed) {
      ++next;
      continue;
    }
    // A full buffer not followed by a line end fails the reading; the rest
    // of the file is not read.
    if (line.size() == kHomeFileLineCharacters) break;
  }
  return lines;
}

bool FitsAHomeFileLine(std::int32_t value) {
  return std::to_string(value).size() <= kHomeFileLineCharacters;
}

std::int32_t LineInteger(std::string_view line) {
  constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
  constexpr std::int64_t kMagnitudeLimit =
      std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::size_t i = line.find_first_not_of(kWhiteSpace);
  if (i == std::string_view::npos) return 0;
  const bool negative = line[i] == '-';
  if (line[i] == '-' || line[i] == '+') ++i;
  std::int64_t magnitude = 0;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
    magnitude = std::min(magnitude * 10 + (line[i] - '0'), kMagnitudeLimit);
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

RecalledHome ParseHomeFile(std::string_view contents) {
  constexpr std::int32_t kFlagSet = 1;
  const HomeFileLines lines = SplitHomeFileLines(contents);
  RecalledHome home;
  home.Latitude = {lines[0], lines[1], lines[2]};
  home.LatHemisphere = LineInteger(lines[3]);
  home.Longitude = {lines[4], lines[5], lines[6]};
  home.LonHemisphere = LineInteger(lines[7]);
  home.DecimalFormat = LineInteger(lines[8]) == kFlagSet;
  home.Miles = LineInteger(lines[9]) == kFlagSet;
  return home;
}

}  // namespace tessaly
