// SPDX-License-Identifier: GPL-3.0-or-later
// A redraw of the great-circle map at 800 by 800 pixels, coastlines included.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "geo/distance.h"
#include "geo/map_content.h"
#include "qt/map_coastline.h"
#include "qt/map_renderer.h"

namespace tessaly {
namespace {

constexpr int kMapPixels = 800;

void MapRender(benchmark::State& state) {
  // FN31pr to IO91wm, as the main window shows it in miles.
  const MapContent content{
      {41.729, -72.708},
      " FN31pr",
      MapDestination{{51.5, -7.0 / 60}, " IO91wm", " 50.5  :  288.2", " 3542.8"},
      kMilesPerKilometre};
  QImage image(kMapPixels, kMapPixels, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&image);
    RenderMap(painter, QRectF(0, 0, kMapPixels, kMapPixels), content, BuiltInCoastline());
  }
}
BENCHMARK(MapRender)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly
