// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/ratio_reporter.h"

#include <cstdio>
#include <optional>
#include <string>

namespace tessaly {
namespace {

// Ours must be at least `target` times as fast as the peer: per iteration,
// or where `rate` names a counter (bytes or items a second), per byte or
// item, the two runs' inputs being of different sizes.
struct Comparison {
  const char* Ours;
  const char* Peer;
  double Target;
  const char* Rate = nullptr;
};
constexpr Comparison kComparisons[] = {
    {"Encode/6", "HamlibEncode/6", 30.0},
    {"Encode/8", "HamlibEncode/8", 30.0},
    {"Encode/10", "HamlibEncode/10", 30.0},
    {"Encode/12", "HamlibEncode/12", 30.0},
    {"Decode/6", "HamlibDecode/6", 30.0},
    {"Decode/8", "HamlibDecode/8", 30.0},
    {"Decode/10", "HamlibDecode/10", 30.0},
    {"Decode/12", "HamlibDecode/12", 30.0},
    {"DistanceAndHeadings", "HamlibQrb", 8.0},
    {"DistanceAndHeadings", "GeographicLibInverse", 12.0},
    {"AdifEnrich", "NodeAdifEnrich", 50.0, "bytes_per_second"},
    {"BatchPath", "GeodSolveBatch", 20.0, "items_per_second"},
};

// A command that must take at most `limit_ns` on the real window.
struct Limit {
  const char* Name;
  double LimitNs;
};
constexpr Limit kLimits[] = {
    {"EnterCommand", 250'000.0},           // 250 microseconds, repaint included
    {"MapRender", 16'000'000.0},           // one frame at 60 Hz
    {"MapRenderAllLayers", 12'000'000.0},  // every layer at the closest view
    {"MapHover", 1'000'000.0},             // one mouse move
    {"CliVersion", 5'000'000.0},           // tessaly-cli --version, start to exit
};

// A counter that must stay at or above (`AtLeast`), or at or below, a bound.
struct CounterBound {
  const char* Name;
  const char* Counter;
  double Bound;
  bool AtLeast;
  const char* What;
  double Scale;  // of the counter to the unit shown
};
constexpr CounterBound kCounterBounds[] = {
    {"AdifEnrich", "bytes_per_second", 300.0, true, "MB/s", 1e-6},
    {"AdifEnrich", "peak_mib", 64.0, false, "MiB at its peak", 1.0},
};

double NanosecondsPerIteration(const benchmark::BenchmarkReporter::Run& run) {
  return run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
}

// A ratio of the start-up to the bare window's that must stay at or below
// `target`.
struct StartUpRatio {
  const char* Counter;
  const char* What;
  double Target;
};
constexpr StartUpRatio kStartUpRatios[] = {
    {"wall_ratio", "wall time to the first paint", 1.05},
    {"instruction_ratio", "instructions (callgrind)", 1.03},
    {"memory_ratio", "peak memory", 0.0},  // reported, no target
};

const char* Verdict(bool met) {
  return met ? "met" : "MISSED";
}

}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred) continue;
    // Of repeated runs the median stands for the benchmark; a single run
    // stands for itself.
    if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
    // "Encode/8": the function and its argument, without the aggregate.
    const std::string name =
        run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
    nanoseconds_[name] = NanosecondsPerIteration(run);
    for (const auto& [counter_name, counter] : run.counters) {
      counters_[name + "." + counter_name] = counter.value;
    }
  }
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::printf("\n%-22s %-22s %12s %12s %8s %8s\n", "Tessaly", "peer", "ours (ns)", "peer (ns)",
              "ratio", "target");
  for (const Comparison& c : kComparisons) {
    // Nanoseconds an iteration, or a byte or an item.
    const auto cost = [this, &c](const char* name) -> std::optional<double> {
      if (c.Rate == nullptr) {
        const auto found = nanoseconds_.find(name);
        if (found == nanoseconds_.end()) return std::nullopt;
        return found->second;
      }
      const auto found = counters_.find(std::string(name) + "." + c.Rate);
      if (found == counters_.end() || found->second <= 0.0) return std::nullopt;
      return 1e9 / found->second;
    };
    const std::optional<double> ours = cost(c.Ours), peer = cost(c.Peer);
    if (!ours || !peer) continue;
    const double ratio = *peer / *ours;
    std::printf("%-22s %-22s %12.2f %12.2f %7.1fx %6.0fx %s%s\n", c.Ours, c.Peer, *ours, *peer,
                ratio, c.Target, Verdict(ratio >= c.Target),
                c.Rate == nullptr
                    ? ""
                    : (std::string(" (ns a ") +
                       (std::string(c.Rate).starts_with("bytes") ? "byte" : "line") + ")")
                          .c_str());
  }
  for (const StartUpRatio& ratio : kStartUpRatios) {
    const auto found = counters_.find(std::string("StartUp.") + ratio.Counter);
    if (found == counters_.end()) continue;
    std::printf("%-22s %-32s %7.3f", "StartUp", ratio.What, found->second);
    if (ratio.Target > 0.0) {
      std::printf(" (at most %.2f) %s", ratio.Target, Verdict(found->second <= ratio.Target));
    }
    std::printf("\n");
  }
  for (const Limit& l : kLimits) {
    const auto found = nanoseconds_.find(l.Name);
    if (found == nanoseconds_.end()) continue;
    std::printf("%-22s %12.1f us (limit %.0f us) %s\n", l.Name, found->second / 1e3,
                l.LimitNs / 1e3, Verdict(found->second <= l.LimitNs));
  }
  for (const CounterBound& b : kCounterBounds) {
    const auto found = counters_.find(std::string(b.Name) + "." + b.Counter);
    if (found == counters_.end()) continue;
    const double value = found->second * b.Scale;
    std::printf("%-22s %12.1f %s (%s %.0f) %s\n", b.Name, value, b.What,
                b.AtLeast ? "at least" : "at most", b.Bound,
                Verdict(b.AtLeast ? value >= b.Bound : value <= b.Bound));
  }
}

}  // namespace tessaly
