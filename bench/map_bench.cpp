// SPDX-License-Identifier: GPL-3.0-or-later
// A redraw of the great-circle map at 800 by 800 pixels, coastlines included.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "geo/distance.h"
#include "geo/long_path.h"
#include "qt/map_coastline.h"
#include "qt/map_renderer.h"
#include "window/map_view.h"

namespace tessaly {
namespace {

constexpr int kMapPixels = 800;

void MapRender(benchmark::State& state) {
  // FN31pr to IO91wm, as the main window shows it in miles.
  const SignedPosition home{41.729, -72.708}, destination{51.5, -7.0 / 60};
  const Path short_path = MeasurePath(home, destination);
  const MapContent content{home, " FN31pr",
                           MapDestination{destination, " IO91wm", short_path,
                                          MeasureLongPath(home, destination, short_path)},
                           DistanceUnit::Miles};
  QImage image(kMapPixels, kMapPixels, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&image);
    RenderMap(painter, QRectF(0, 0, kMapPixels, kMapPixels), content, BuiltInCoastline());
  }
}
BENCHMARK(MapRender)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly
