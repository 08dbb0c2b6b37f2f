// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/map_coastline.h"

#include <QByteArray>
#include <QFile>
#include <optional>
#include <string_view>

namespace tessaly {
namespace {

const char kCoastlineResource[] = ":/map/land-110m.bin";

Coastline ReadBuiltInCoastline() {
  QFile file(QString::fromLatin1(kCoastlineResource));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  std::optional<Coastline> coastline =
      ReadCoastline(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  return coastline ? std::move(*coastline) : Coastline{};
}

}  // namespace

const Coastline& BuiltInCoastline() {
  static const Coastline coastline = ReadBuiltInCoastline();
  return coastline;
}

}  // namespace tessaly
