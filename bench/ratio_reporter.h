// SPDX-License-Identifier: GPL-3.0-or-later
// Google Benchmark's console table, followed by the figures the project
// holds itself to: Tessaly's core against its peers as ratios, and the time
// limits of the window's commands.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace tessaly {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::map<std::string, double> nanoseconds_;  // real time per iteration, by name
  std::map<std::string, double> counters_;     // "<benchmark>.<counter>"
};

}  // namespace tessaly
