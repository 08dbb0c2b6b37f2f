// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/map_data.h"

#include <QByteArray>
#include <QFile>
#include <optional>
#include <string_view>

namespace tessaly {
namespace {

QByteArray ResourceBytes(const char* name) {
  QFile file(QStringLiteral(":/map/") + QLatin1String(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string_view View(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

Coastline ReadLand(const char* name) {
  std::optional<Coastline> land = ReadCoastline(View(ResourceBytes(name)));
  return land ? std::move(*land) : Coastline{};
}

MapData ReadMapData() {
  MapData data{ReadLand("land-110m.bin"), ReadLand("land-50m.bin"), {}, {}};
  if (auto borders = ReadLines(View(ResourceBytes("borders-50m.bin")))) {
    data.Borders = std::move(*borders);
  }
  for (const SphereLine& border : data.Borders) data.BorderCaps.push_back(CapAround(border));
  // Without its coastlines the closer view would show borders in the sea.
  if (data.DetailedLand.Rings.empty()) data.DetailedLand = data.Land;
  return data;
}

}  // namespace

const MapData& BuiltInMapData() {
  static const MapData data = ReadMapData();
  return data;
}

}  // namespace tessaly
