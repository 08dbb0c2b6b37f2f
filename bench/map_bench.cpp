// SPDX-License-Identifier: GPL-3.0-or-later
// The great-circle map at 800 by 800 pixels: a redraw of the whole earth,
// one with every layer at the closest view, and the work of one mouse move.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPalette>

#include "geo/distance.h"
#include "geo/long_path.h"
#include "qt/map_canvas.h"
#include "qt/map_data.h"
#include "qt/map_renderer.h"
#include "window/map_view.h"

namespace tessaly {
namespace {

constexpr int kMapPixels = 800;
// 2025-06-21 12:00 UTC: the gray line crosses North America and Europe.
constexpr UnixSeconds kSolsticeNoon = 1750507200;

// FN31pr to JO62qm, as the main window shows it in miles.
MapScene Scene(const MapSettings& settings) {
  const SignedPosition home{41.729, -72.708}, destination{52.521, 13.375};
  const Path short_path = MeasurePath(home, destination);
  MapContent content{home, " FN31pr",
                     MapDestination{destination, " JO62qm", short_path,
                                    MeasureLongPath(home, destination, short_path)},
                     DistanceUnit::Miles};
  return {content, settings, MapColoursFor(QPalette())};
}

MapSettings AllLayers(double view_km) {
  return {view_km, /*LocatorGrid=*/true, /*GrayLine=*/true, kSolsticeNoon};
}

void Render(benchmark::State& state, const MapScene& scene) {
  const MapData& data = BuiltInMapData();
  QImage image(kMapPixels, kMapPixels, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&image);
    RenderMap(painter, QRectF(0, 0, kMapPixels, kMapPixels), scene, data);
  }
}

void MapRender(benchmark::State& state) {
  Render(state, Scene({}));
}
BENCHMARK(MapRender)->Unit(benchmark::kMillisecond);

void MapRenderAllLayers(benchmark::State& state) {
  Render(state, Scene(AllLayers(kClosestViewKm)));
}
BENCHMARK(MapRenderAllLayers)->Unit(benchmark::kMillisecond);

// A mouse move over the whole earth with every layer: the readout, and the
// canvas painted again from its kept picture.
void MapHover(benchmark::State& state) {
  QString readout;
  TMapCanvas canvas(BuiltInMapData(), {[&readout](const QString& line) { readout = line; }, {}, {}},
                    nullptr);
  canvas.resize(kMapPixels, kMapPixels);
  canvas.SetScene(Scene(AllLayers(kWholeEarthViewKm)));
  QImage image(kMapPixels, kMapPixels, QImage::Format_ARGB32_Premultiplied);
  canvas.render(&image);  // the picture made once, as the window's first paint makes it
  int step = 0;
  for (auto _ : state) {
    // Across the disc and back, a pixel a move.
    const double x = 150 + step++ % 500;
    canvas.PointAt(QPointF(x, kMapPixels / 2.0 - 40));
    canvas.render(&image);
    benchmark::DoNotOptimize(readout);
  }
  if (readout.isEmpty()) state.SkipWithError("no readout on the earth");
}
BENCHMARK(MapHover)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessaly
