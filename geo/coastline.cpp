// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/coastline.h"

#include <cstddef>
#include <cstdint>
#include <numbers>

namespace tessaly {
namespace {

constexpr std::string_view kMagic = "TLND";
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kMinimumRingPoints = 3;
constexpr std::size_t kBytesPerPoint = 8;
constexpr double kRadiansPerMicrodegree = std::numbers::pi / 180.0 / 1e6;

// Reads the file front to back; every read checks that the bytes are there.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool Skip(std::string_view expected) {
    if (bytes_.substr(0, expected.size()) != expected) return false;
    bytes_.remove_prefix(expected.size());
    return true;
  }

  std::optional<std::uint32_t> Word() {
    if (bytes_.size() < 4) return std::nullopt;
    std::uint32_t word = 0;
    for (int byte = 3; byte >= 0; --byte) {
      word = word << 8 | static_cast<unsigned char>(bytes_[static_cast<std::size_t>(byte)]);
    }
    bytes_.remove_prefix(4);
    return word;
  }

  std::size_t Left() const { return bytes_.size(); }

 private:
  std::string_view bytes_;
};

double Radians(std::uint32_t microdegrees) {
  return static_cast<std::int32_t>(microdegrees) * kRadiansPerMicrodegree;
}

}  // namespace

std::optional<Coastline> ReadCoastline(std::string_view bytes) {
  Reader reader(bytes);
  if (!reader.Skip(kMagic) || reader.Word() != kVersion) return std::nullopt;
  const std::optional<std::uint32_t> ring_count = reader.Word();
  if (!ring_count) return std::nullopt;

  Coastline coastline;
  for (std::uint32_t ring = 0; ring < *ring_count; ++ring) {
    const std::optional<std::uint32_t> point_count = reader.Word();
    // Checked before reserving, so that a damaged count cannot ask for more
    // memory than the file could fill.
    if (!point_count || *point_count < kMinimumRingPoints ||
        *point_count > reader.Left() / kBytesPerPoint) {
      return std::nullopt;
    }
    std::vector<UnitVector>& points = coastline.Rings.emplace_back();
    points.reserve(*point_count);
    for (std::uint32_t point = 0; point < *point_count; ++point) {
      const std::uint32_t lon = *reader.Word();
      const std::uint32_t lat = *reader.Word();
      points.push_back(ToUnitVector(Radians(lat), Radians(lon)));
    }
  }
  if (reader.Left() != 0) return std::nullopt;
  return coastline;
}

}  // namespace tessaly
