// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_app.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <string_view>

#include "cli/log_command.h"
#include "cli/position_argument.h"
#include "cli/queries.h"

namespace tessaly {
namespace {

constexpr int kExitFailed = 1;
constexpr int kExitBadCommandLine = 2;
constexpr std::size_t kFlushBytes = std::size_t{1} << 16;

// The lines of standard input, each without its line end, one at a time.
class LineReader {
 public:
  explicit LineReader(ByteSource& source) : source_(source) {}
  // Valid until the next call.
  bool Next(std::string_view& line) {
    for (;;) {
      const std::size_t end = buffer_.find('\n', start_);
      if (end != std::string::npos) {
        line = std::string_view(buffer_).substr(start_, end - start_);
        start_ = end + 1;
        return true;
      }
      if (at_end_) {
        if (start_ >= buffer_.size()) return false;
        line = std::string_view(buffer_).substr(start_);  // a last line without its line end
        start_ = buffer_.size();
        return true;
      }
      buffer_.erase(0, start_);
      start_ = 0;
      const std::size_t filled = buffer_.size();
      buffer_.resize(filled + kChunk);
      const std::size_t read = source_.Read(buffer_.data() + filled, kChunk);
      buffer_.resize(filled + read);
      at_end_ = read == 0;
    }
  }

 private:
  static constexpr std::size_t kChunk = std::size_t{1} << 16;
  ByteSource& source_;
  std::string buffer_;
  std::size_t start_ = 0;
  bool at_end_ = false;
};

// One answer a line of standard input; failed lines answer with their
// error and the rest go on.
int RunBatch(Query query, const QueryOptions& options, CliStreams streams) {
  LineReader lines(streams.In);
  std::string_view line;
  std::string out;
  std::vector<std::string_view> words;
  std::uint64_t number = 0;
  bool failed = false;
  while (lines.Next(line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    SplitWords(line, words);
    if (const auto failure = AppendAnswer(query, words, options, out)) {
      out += FailureLine(*failure, number, options.Json);
      failed = true;
    }
    out += '\n';
    if (out.size() >= kFlushBytes) {
      streams.Out.Write(out);
      out.clear();
    }
  }
  streams.Out.Write(out);
  return failed ? kExitFailed : 0;
}

int RunQuery(Query query, const std::vector<std::string>& words, const QueryOptions& options,
             CliStreams streams) {
  if (words.empty()) return RunBatch(query, options, streams);
  // "41.7,-72.7" on the command line splits as a batch line does.
  std::string joined;
  for (const std::string& word : words) joined.append(word).append(" ");
  std::vector<std::string_view> split;
  SplitWords(joined, split);
  std::string answer;
  if (const auto failure = AppendAnswer(query, split, options, answer)) {
    streams.Err.Write("tessaly-cli: " + FailureLine(*failure, 0, false) + "\n");
    return kExitFailed;
  }
  streams.Out.Write(answer.append("\n"));
  return 0;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, CliStreams streams) {
  CLI::App app{"Maidenhead locators, paths and whole ADIF logs, as Tessaly computes them.",
               "tessaly-cli"};
  app.set_version_flag("--version", std::string("tessaly-cli ") + TESSALY_VERSION);
  app.require_subcommand(1);
  // --json before or after the command.
  app.fallthrough();
  bool json = false;
  app.add_flag("--json", json, "One JSON object a line instead of text");

  std::vector<std::string> words;
  QueryOptions options;
  CLI::App* locate = app.add_subcommand(
      "locate", "The locator of a position: LAT LON, or one a line from standard input");
  locate->add_option("position", words, "41.7144 -72.7275, 41:42:52N 72:43:37W or 41d42m52sN ...");
  locate->add_option("--precision", options.Characters, "Locator characters: 4, 6, 8, 10 or 12")
      ->check(CLI::IsMember({4, 6, 8, 10, 12}));
  CLI::App* decode = app.add_subcommand(
      "decode", "A locator's centre, corners and size, or one a line from standard input");
  decode->add_option("locator", words, "FN31pr");
  CLI::App* path = app.add_subcommand(
      "path",
      "Distance and headings both ways round: FROM TO, or one pair a line from standard input");
  path->add_option("places", words, "Locators or positions: FN31pr JO62qm, 41.7 -72.7 JO62qm ...");
  std::string unit = "km";
  path->add_option("--unit", unit, "km or mi")->check(CLI::IsMember({"km", "mi"}));

  LogOptions log;
  std::string home;
  CLI::App* adif = app.add_subcommand(
      "adif", "A log's QSOs given DISTANCE and APP_TESSALY_HEADING, or summed up (--summary)");
  adif->add_option("log", log.Input, "The ADIF file (.adi), or - for standard input")->required();
  adif->add_option("-o,--output", log.Output, "Write here, atomically, instead of standard output");
  adif->add_option("--home", home, "The station's locator where a record has no MY_GRIDSQUARE");
  adif->add_flag("--overwrite", log.Overwrite,
                 "Replace DISTANCE and APP_TESSALY_HEADING where present");
  adif->add_flag("--summary", log.Summary,
                 "QSOs, grid squares and the longest QSO, overall and per band");
  adif->add_flag("-q,--quiet", log.Quiet, "No count of the QSOs on standard error");

  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    streams.Out.Write(app.help());
    return 0;
  } catch (const CLI::CallForAllHelp&) {
    streams.Out.Write(app.help("", CLI::AppFormatMode::All));
    return 0;
  } catch (const CLI::CallForVersion&) {
    streams.Out.Write(app.version() + "\n");
    return 0;
  } catch (const CLI::ParseError& error) {
    streams.Err.Write("tessaly-cli: " + std::string(error.what()) +
                      "\nTry 'tessaly-cli --help' for more information.\n");
    return kExitBadCommandLine;
  }

  options.Json = json;
  options.Miles = unit == "mi";
  if (locate->parsed()) return RunQuery(Query::Locate, words, options, streams);
  if (decode->parsed()) return RunQuery(Query::Decode, words, options, streams);
  if (path->parsed()) return RunQuery(Query::Path, words, options, streams);
  log.Json = json;
  if (!home.empty()) {
    log.Home = ReadLocator(home);
    if (!log.Home) {
      streams.Err.Write("tessaly-cli: --home " + home + ": no locator\n");
      return kExitBadCommandLine;
    }
  }
  if (log.Summary && !log.Output.empty()) {
    streams.Err.Write("tessaly-cli: --summary writes no log: -o has nothing to write\n");
    return kExitBadCommandLine;
  }
  return RunLogCommand(log, streams.In, streams.Out, streams.Err);
}

}  // namespace tessaly
