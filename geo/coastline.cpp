// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/coastline.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <utility>

namespace tessaly {
namespace {

constexpr std::string_view kLandMagic = "TLND";
constexpr std::string_view kLinesMagic = "TLIN";
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kMinimumRingPoints = 3;
constexpr std::uint32_t kMinimumLinePoints = 2;
constexpr std::size_t kBytesPerPoint = 8;
constexpr double kRadiansPerMicrodegree = std::numbers::pi / 180.0 / 1e6;
// Points whose directions sum to less than this a point surround the
// centre of the sphere: their mean direction means nothing.
constexpr double kCancelledOut = 1e-3;
constexpr double kEdgeBulge = 0.002;  // radians, 0.11 degrees

double Dot(const UnitVector& a, const UnitVector& b) {
  return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

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

// Point lists after `magic` and the version, each of at least
// `minimum_points`.
std::optional<std::vector<std::vector<UnitVector>>> ReadPointLists(std::string_view bytes,
                                                                   std::string_view magic,
                                                                   std::uint32_t minimum_points) {
  Reader reader(bytes);
  if (!reader.Skip(magic) || reader.Word() != kVersion) return std::nullopt;
  const std::optional<std::uint32_t> list_count = reader.Word();
  if (!list_count) return std::nullopt;

  std::vector<std::vector<UnitVector>> lists;
  for (std::uint32_t list = 0; list < *list_count; ++list) {
    const std::optional<std::uint32_t> point_count = reader.Word();
    // Checked before reserving, so that a damaged count cannot ask for more
    // memory than the file could fill.
    if (!point_count || *point_count < minimum_points ||
        *point_count > reader.Left() / kBytesPerPoint) {
      return std::nullopt;
    }
    std::vector<UnitVector>& points = lists.emplace_back();
    points.reserve(*point_count);
    for (std::uint32_t point = 0; point < *point_count; ++point) {
      const std::uint32_t lon = *reader.Word();
      const std::uint32_t lat = *reader.Word();
      points.push_back(ToUnitVector(Radians(lat), Radians(lon)));
    }
  }
  if (reader.Left() != 0) return std::nullopt;
  return lists;
}

}  // namespace

SphereCap CapAround(const std::vector<UnitVector>& points) {
  UnitVector sum{0.0, 0.0, 0.0};
  for (const UnitVector& point : points) {
    sum = {sum.X + point.X, sum.Y + point.Y, sum.Z + point.Z};
  }
  const double length = std::sqrt(sum.X * sum.X + sum.Y * sum.Y + sum.Z * sum.Z);
  if (points.empty() || length < kCancelledOut * static_cast<double>(points.size())) {
    return {{0.0, 0.0, 1.0}, std::numbers::pi};
  }
  const UnitVector centre{sum.X / length, sum.Y / length, sum.Z / length};
  double nearest_cosine = 1.0;
  for (const UnitVector& point : points) {
    nearest_cosine = std::min(nearest_cosine, Dot(centre, point));
  }
  // Edges bulge out past their ends by at most an arc's sagitta: a few
  // degrees long, a few hundredths of a degree.
  return {centre, std::acos(std::max(-1.0, nearest_cosine)) + kEdgeBulge};
}

bool CapMayMeet(const SphereCap& cap, const UnitVector& point, double radius) {
  if (cap.Radius + radius >= std::numbers::pi) return true;
  return std::acos(std::clamp(Dot(cap.Centre, point), -1.0, 1.0)) <= cap.Radius + radius;
}

std::optional<Coastline> ReadCoastline(std::string_view bytes) {
  std::optional<std::vector<std::vector<UnitVector>>> rings =
      ReadPointLists(bytes, kLandMagic, kMinimumRingPoints);
  if (!rings) return std::nullopt;
  Coastline coastline{std::move(*rings), {}};
  coastline.Caps.reserve(coastline.Rings.size());
  for (const std::vector<UnitVector>& ring : coastline.Rings) {
    coastline.Caps.push_back(CapAround(ring));
  }
  return coastline;
}

std::optional<std::vector<std::vector<UnitVector>>> ReadLines(std::string_view bytes) {
  return ReadPointLists(bytes, kLinesMagic, kMinimumLinePoints);
}

}  // namespace tessaly
