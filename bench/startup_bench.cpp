// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up against a bare Qt window with the same controls: whole
// processes, each ended after its first paint, run alternately so that both
// meet the same machine. Reports the median wall time of each, their ratio,
// the peak memory of each and the instructions each executes (callgrind,
// where valgrind is installed). TESSALY_BENCH_SMOKE runs each probe once and
// skips callgrind, so that the tests can see that it still works.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <vector>

extern char** environ;

namespace tessaly {
namespace {

// Alternations of the two probes. A start takes 20 to 35 ms on a 2-core
// virtual machine and single starts scatter by a tenth; with 51 of each the
// ratio of the medians still moves by about 2 % between runs.
constexpr int kAlternations = 51;
constexpr double kBytesPerMebibyte = 1024.0 * 1024.0;
constexpr double kBytesPerKibibyte = 1024.0;

struct ProcessRun {
  double Seconds = 0.0;
  double PeakBytes = 0.0;
  int Status = -1;
};

// Runs `argv` to its end; the time from the spawn to the exit, and the peak
// resident memory the kernel reports for it.
ProcessRun RunProcess(const std::vector<std::string>& arguments, bool discard_stderr = true) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (discard_stderr) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  ProcessRun run;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    rusage usage{};
    int status = 0;
    wait4(pid, &status, 0, &usage);
    run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.PeakBytes = static_cast<double>(usage.ru_maxrss) * kBytesPerKibibyte;
    run.Status = status;
  }
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Instructions the probe executes to its end, as callgrind counts them.
std::optional<double> Instructions(const std::string& probe) {
  const std::string command =
      "valgrind --tool=callgrind --callgrind-out-file=/dev/null " + probe + " 2>&1";
  FILE* output = popen(command.c_str(), "r");
  if (output == nullptr) return std::nullopt;
  std::string text;
  std::array<char, 512> line{};
  while (fgets(line.data(), line.size(), output) != nullptr) text += line.data();
  pclose(output);
  std::smatch found;
  if (!std::regex_search(text, found, std::regex(R"(Collected : (\d+))"))) return std::nullopt;
  return std::stod(found[1]);
}

void StartUp(benchmark::State& state) {
  // The program would read the user's own home file.
  QTemporaryDir config;
  setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
  const std::string tessaly = TESSALY_STARTUP_PROBE;
  const std::string bare = BARE_STARTUP_PROBE;
  const bool smoke = std::getenv("TESSALY_BENCH_SMOKE") != nullptr;
  const int alternations = smoke ? 1 : kAlternations;
  std::vector<double> tessaly_seconds, bare_seconds, tessaly_bytes, bare_bytes;
  for (auto _ : state) {
    for (int i = 0; i < alternations; ++i) {
      // Alternate which goes first, so that neither always meets a warm cache.
      const bool tessaly_first = i % 2 == 0;
      const ProcessRun first = RunProcess({tessaly_first ? tessaly : bare});
      const ProcessRun second = RunProcess({tessaly_first ? bare : tessaly});
      const ProcessRun& ours = tessaly_first ? first : second;
      const ProcessRun& theirs = tessaly_first ? second : first;
      if (ours.Status != 0 || theirs.Status != 0) {
        state.SkipWithError("a start-up probe failed");
        return;
      }
      tessaly_seconds.push_back(ours.Seconds);
      bare_seconds.push_back(theirs.Seconds);
      tessaly_bytes.push_back(ours.PeakBytes);
      bare_bytes.push_back(theirs.PeakBytes);
    }
    state.SetIterationTime(Median(tessaly_seconds));
  }
  state.counters["bare_ms"] = Median(bare_seconds) * 1e3;
  state.counters["wall_ratio"] = Median(tessaly_seconds) / Median(bare_seconds);
  state.counters["peak_MiB"] = Median(tessaly_bytes) / kBytesPerMebibyte;
  state.counters["bare_peak_MiB"] = Median(bare_bytes) / kBytesPerMebibyte;
  state.counters["memory_ratio"] = Median(tessaly_bytes) / Median(bare_bytes);
  if (!smoke) {
    // Counted once: callgrind counts the same each time, and takes seconds.
    static const std::optional<double> ours = Instructions(tessaly);
    static const std::optional<double> theirs = Instructions(bare);
    if (ours && theirs) {
      state.counters["Minstructions"] = *ours / 1e6;
      state.counters["bare_Minstructions"] = *theirs / 1e6;
      state.counters["instruction_ratio"] = *ours / *theirs;
    }
  }
}
BENCHMARK(StartUp)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly
