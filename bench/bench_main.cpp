// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks' main: Google Benchmark's run inside a headless Qt
// application (the window's benchmarks need one), with the ratio table after
// its report.
#include <benchmark/benchmark.h>

#include "bench/ratio_reporter.h"
#include "tests/support/headless_application.h"

int main(int argc, char** argv) {
  const tessaly::HeadlessApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  tessaly::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
