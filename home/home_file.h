// SPDX-License-Identifier: GPL-3.0-or-later
// The home file: ten decimal integers, one a line, that keep the Home
// location, the display format and the distance unit between runs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

inline constexpr std::string_view kHomeFileName = "tessaly2.ini";
inline constexpr std::size_t kHomeFileLineCount = 10;

// The home file inside `directory`.
std::string HomeFilePathIn(std::string_view directory);

// The ten lines in file order.
struct HomeFileValues {
  std::int32_t LatDegrees = 0;
  std::int32_t LatMinutes = 0;
  std::int32_t LatSeconds = 0;
  std::int32_t LatHemisphere = 0;  // 1 south, 0 north
  std::int32_t LonDegrees = 0;
  std::int32_t LonMinutes = 0;
  std::int32_t LonSeconds = 0;
  std::int32_t LonHemisphere = 0;  // 0 west, 1 east
  std::int32_t Format = 0;         // 1 decimal degrees, else degrees/minutes/seconds
  std::int32_t Unit = 0;           // 1 miles, else kilometres
  friend bool operator==(const HomeFileValues&, const HomeFileValues&) = default;
};

// CR LF after each of the first nine lines, none after the last.
std::string HomeFileText(const HomeFileValues& values);

// The recall keeps at most this many characters of a line: its line buffer
// holds three and the terminating zero.
inline constexpr std::size_t kHomeFileLineCharacters = 3;

// Whether the recall reads `value` back as written: -99 to 999.
bool FitsAHomeFileLine(std::int32_t value);

using HomeFileLines = std::array<std::string, kHomeFileLineCount>;

// The ten line texts as the recall sees them: CR dropped anywhere, byte 26
// ends the file, at most 3 characters a line; a line that does not end
// after its third character, or the end of the file, leaves every later
// line empty.
HomeFileLines SplitHomeFileLines(std::string_view contents);

// Leading white space, an optional sign, then the digits as far as they go;
// no digits gives 0, and a value beyond the 32-bit range is held at its end.
std::int32_t LineInteger(std::string_view line);

// What the recall takes from the file, the mirror of HomeFileValues: the
// coordinate lines as texts (put into the fields unread, or read there), the
// others as numbers.
struct RecalledHome {
  std::array<std::string, 3> Latitude;   // degrees, minutes, seconds; 3 characters at most
  std::int32_t LatHemisphere = 0;        // as written: the radio group clamps it
  std::array<std::string, 3> Longitude;  // likewise
  std::int32_t LonHemisphere = 0;
  bool DecimalFormat = false;  // format line 1; anything else is degrees/minutes/seconds
  bool Miles = false;          // unit line 1; anything else, a missing line too, is kilometres
};

RecalledHome ParseHomeFile(std::string_view contents);

// The recall takes ten lines of at most three characters with their line
// ends, 40 bytes besides the CRs it drops; only a file with thousands of CRs
// among them could tell that the bytes after this many are never read.
inline constexpr std::size_t kHomeFileReadLimitBytes = 4096;

// The first kHomeFileReadLimitBytes of the file (following links), or
// nothing when it is not a regular file or cannot be read: missing, a
// directory, a FIFO, a device, no permission.
std::optional<std::string> LoadHomeFile(const std::string& path);

// Replaces the file as a whole, creating its directory if need be. The new
// contents go to an unnamed file in the same directory, synced, then renamed
// over the old file and the directory synced: a crash or a kill leaves the
// old file or the new one, complete, and no temporary (where the file system
// has no unnamed files, a kill during the write can leave a named one
// behind). A link is written through: its target is replaced and the link
// kept. An existing file keeps its permission bits, a new one gets 0666 less
// the umask. A file without any write permission is left alone, as is the
// old file on every failure; TessalyError then says "Cannot save the home
// file <path>: <reason>".
void SaveHomeFile(const std::string& path, std::string_view contents);

}  // namespace tessaly
