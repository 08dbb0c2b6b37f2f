// SPDX-License-Identifier: GPL-3.0-or-later
// tessaly-cli as a user runs it, whole processes: a million-QSO log
// enriched to a file against a Node.js pipeline of npm packages, a million
// batch paths against GeographicLib's GeodSolve, and the start-up.
// TESSALY_BENCH_SMOKE makes every input a hundred times smaller.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

extern char** environ;

namespace tessaly {
namespace {

namespace fs = std::filesystem;

constexpr int kLogQsos = 1'000'000;
constexpr int kPeerLogQsos = 10'000;  // the Node pipeline takes seconds for these
constexpr int kBatchLines = 1'000'000;
constexpr int kPeerBatchLines = 100'000;  // GeodSolve takes 16 us a line
constexpr int kVersionStarts = 20;
constexpr double kKibPerMib = 1024.0;

bool Smoke() {
  return std::getenv("TESSALY_BENCH_SMOKE") != nullptr;
}

int Scaled(int count) {
  return Smoke() ? count / 100 : count;
}

// The logs and their outputs, a few hundred megabytes, removed at exit.
const fs::path& Scratch() {
  struct Directory {
    Directory() {
      std::string pattern = (fs::temp_directory_path() / "tessaly-bench-XXXXXX").string();
      Path = ::mkdtemp(pattern.data());
    }
    ~Directory() {
      std::error_code ignored;
      fs::remove_all(Path, ignored);
    }
    fs::path Path;
  };
  static const Directory directory;
  return directory.Path;
}

struct Finished {
  double Seconds = 0.0;
  double PeakMib = 0.0;  // where asked for
  int Status = -1;
};

// One process, its standard input and output from and to files, timed; with
// `peak`, its peak memory too, which GNU time reports as the kernel counts
// it for its own child (a child of this process would count this one's
// pages, shared until it starts the program).
Finished RunProcess(std::vector<std::string> arguments, const fs::path& input = "/dev/null",
                    const fs::path& output = "/dev/null", bool peak = false) {
  const fs::path peak_file = Scratch() / "peak.txt";
  if (peak) {
    arguments.insert(arguments.begin(), {"/usr/bin/time", "-f", "%M", "-o", peak_file.string()});
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  Finished finished;
  if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    ::waitpid(child, &status, 0);
    finished.Seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    finished.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  if (peak) {
    double kib = 0.0;
    std::ifstream(peak_file) >> kib;
    finished.PeakMib = kib / kKibPerMib;
  }
  posix_spawn_file_actions_destroy(&actions);
  return finished;
}

// A log of `qsos` records as loggers write them, about 200 bytes each, the
// same every run.
fs::path SyntheticLog(int qsos) {
  const fs::path path = Scratch() / ("log-" + std::to_string(qsos) + ".adi");
  if (fs::exists(path)) return path;
  std::mt19937 random(20261209);
  const auto letter = [&random](char first, int count) {
    return static_cast<char>(first + static_cast<int>(random() % count));
  };
  std::ofstream log(path, std::ios::binary);
  log << "Made by the Tessaly benchmarks\n<ADIF_VER:5>3.1.4 <PROGRAMID:7>Tessaly <EOH>\n";
  static const char* const kBands[] = {"20m", "40m", "15m", "10m", "80m", "6m"};
  for (int qso = 0; qso < qsos; ++qso) {
    std::string grid = {letter('A', 18), letter('A', 18), letter('0', 10),
                        letter('0', 10), letter('a', 24), letter('a', 24)};
    log << "<CALL:6>K" << letter('0', 10) << letter('A', 26) << letter('A', 26) << letter('A', 26)
        << letter('A', 26) << " <QSO_DATE:8>20260" << letter('1', 9) << "1" << letter('0', 10)
        << " <TIME_ON:4>1" << letter('0', 10) << letter('0', 6) << letter('0', 10) << " <BAND:3>"
        << kBands[random() % 6] << " <MODE:2>CW <RST_SENT:3>599 <RST_RCVD:3>5" << letter('7', 3)
        << "9 <GRIDSQUARE:6>" << grid
        << " <MY_GRIDSQUARE:6>FN31pr <NAME:4>John <COMMENT:21>nice signal, 73 agn\r\n"
        << " <EOR>\r\n";
  }
  log.close();
  // On disk before it is read, as a user's log is: otherwise the disk
  // writes it out while the runs are timed.
  const int descriptor = ::open(path.c_str(), O_RDONLY);
  if (descriptor >= 0) {
    ::fsync(descriptor);
    ::close(descriptor);
  }
  return path;
}

// Lines of "lat1 lon1 lat2 lon2" in decimal degrees, both tools' input.
fs::path SyntheticPairs(int lines) {
  const fs::path path = Scratch() / ("pairs-" + std::to_string(lines) + ".txt");
  if (fs::exists(path)) return path;
  std::mt19937 random(12092026);
  std::uniform_real_distribution<double> lat(-89.0, 89.0), lon(-180.0, 180.0);
  std::ofstream out(path);
  out.precision(7);
  for (int line = 0; line < lines; ++line) {
    out << std::fixed << lat(random) << ' ' << lon(random) << ' ' << lat(random) << ' '
        << lon(random) << '\n';
  }
  return path;
}

// Runs the process once an iteration: its wall time, its bytes or lines.
// `output`, where given, is removed before each run, so that every run
// writes a new file, as the first one does.
void TimeProcess(benchmark::State& state, const std::vector<std::string>& arguments,
                 const fs::path& input, std::int64_t bytes, std::int64_t lines,
                 const fs::path& output = {}) {
  double peak = 0.0;
  for (auto _ : state) {
    if (!output.empty()) {
      std::error_code ignored;  // outside the process's time
      fs::remove(output, ignored);
    }
    const Finished finished = RunProcess(arguments, input, "/dev/null", /*peak=*/true);
    if (finished.Status != 0) {
      state.SkipWithError(("exit status " + std::to_string(finished.Status)).c_str());
      return;
    }
    state.SetIterationTime(finished.Seconds);
    peak = std::max(peak, finished.PeakMib);
  }
  if (bytes > 0) state.SetBytesProcessed(bytes * state.iterations());
  if (lines > 0) state.SetItemsProcessed(lines * state.iterations());
  state.counters["peak_mib"] = peak;
}

void AdifEnrich(benchmark::State& state) {
  const fs::path log = SyntheticLog(Scaled(kLogQsos));
  const fs::path output = Scratch() / "out.adi";
  TimeProcess(state, {TESSALY_CLI, "adif", log.string(), "-q", "-o", output.string()}, "/dev/null",
              static_cast<std::int64_t>(fs::file_size(log)), 0, output);
}
BENCHMARK(AdifEnrich)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void NodeAdifEnrich(benchmark::State& state) {
  const fs::path peers = BENCH_PEERS_DIR;
  if (!fs::exists(peers / "node_modules")) {
    state.SkipWithError("tools/bench-peers not installed: scripts/bench installs it");
    return;
  }
  const fs::path log = SyntheticLog(Scaled(kPeerLogQsos));
  TimeProcess(state,
              {"node", (peers / "adif-enrich.mjs").string(), log.string(),
               (Scratch() / "peer.adi").string(), "FN31pr"},
              "/dev/null", static_cast<std::int64_t>(fs::file_size(log)), 0);
}
BENCHMARK(NodeAdifEnrich)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void BatchPath(benchmark::State& state) {
  const int lines = Scaled(kBatchLines);
  TimeProcess(state, {TESSALY_CLI, "path"}, SyntheticPairs(lines), 0, lines);
}
BENCHMARK(BatchPath)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void GeodSolveBatch(benchmark::State& state) {
  const int lines = Scaled(kPeerBatchLines);
  TimeProcess(state, {"GeodSolve", "-i"}, SyntheticPairs(lines), 0, lines);
}
BENCHMARK(GeodSolveBatch)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// The median start of `tessaly-cli --version`.
void CliVersion(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<double> starts;
    for (int start = 0; start < kVersionStarts; ++start) {
      starts.push_back(RunProcess({TESSALY_CLI, "--version"}).Seconds);
    }
    std::nth_element(starts.begin(), starts.begin() + kVersionStarts / 2, starts.end());
    state.SetIterationTime(starts[kVersionStarts / 2]);
  }
}
BENCHMARK(CliVersion)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly
