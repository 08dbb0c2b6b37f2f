// SPDX-License-Identifier: GPL-3.0-or-later
// The window's commands: Enter on the real window (offscreen, repaint
// included), and the command bodies on the in-memory screen.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "tests/support/home_directory.h"
#include "tests/support/key_input.h"
#include "tests/support/memory_screen.h"
#include "tests/support/window_driver.h"
#include "window/tessaly.h"

namespace tessaly {
namespace {

// Destinations the benchmarks go round, so that every run changes the texts
// and has something to repaint.
constexpr std::array<const char*, 4> kDestinations{"JO62qm", "QF56od", "PM95vr", "IO91wm"};

void EnterCommand(benchmark::State& state) {
  HomeDirectory home;
  WindowDriver driver(home);
  driver.Start();
  driver.Click(Control::Edit7);
  driver.Type("FN31pr");
  driver.Click(Control::Edit14);
  driver.Type(kDestinations[0]);
  const KeyStroke enter = *KeyForName("Enter");
  std::size_t next = 0;
  for (auto _ : state) {
    state.PauseTiming();
    driver.Set(Control::Edit14, kDestinations[next]);
    next = (next + 1) % kDestinations.size();
    state.ResumeTiming();
    driver.Press(enter);  // the Enter command, then the events it set off, repaint included
  }
  if (driver.Text(Control::Edit16).empty()) state.SkipWithError("Enter computed no distance");
}
BENCHMARK(EnterCommand)->Unit(benchmark::kMicrosecond);

// A window in memory with the program started, Home at its default.
struct StartedWindow : MemoryWindow {
  StartedWindow() : MemoryWindow("/nonexistent") { Tessaly.OnFirstShow(); }
};

void DistanceCommand(benchmark::State& state) {
  StartedWindow window;
  std::size_t next = 0;
  for (auto _ : state) {
    window.Screen.SetText(Control::Edit14, kDestinations[next]);
    next = (next + 1) % kDestinations.size();
    window.Tessaly.OnKeyDown(Control::Edit14, kKeyEnter);
  }
}
BENCHMARK(DistanceCommand);

void CalcGrid(benchmark::State& state) {
  StartedWindow window;
  for (auto _ : state) window.Tessaly.OnClick(Control::Button1);
}
BENCHMARK(CalcGrid);

void CalcLatLon(benchmark::State& state) {
  StartedWindow window;
  std::size_t next = 0;
  for (auto _ : state) {
    window.Screen.SetText(Control::Edit14, kDestinations[next]);
    next = (next + 1) % kDestinations.size();
    window.Tessaly.OnClick(Control::Button4);
  }
}
BENCHMARK(CalcLatLon);

void FormatSwitch(benchmark::State& state) {
  StartedWindow window;
  for (auto _ : state) window.Tessaly.OnDoubleClick(Control::Panel1);
}
BENCHMARK(FormatSwitch);

}  // namespace
}  // namespace tessaly
