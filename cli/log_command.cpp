// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/log_command.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "cli/json_line.h"
#include "cli/staged_output.h"
#include "geo/number_text.h"
#include "log/adif_enrich.h"
#include "log/adif_reader.h"
#include "log/adif_summary.h"

namespace tessaly {
namespace {

// Output is handed on in pieces of about this size.
constexpr std::size_t kFlushBytes = std::size_t{1} << 20;
constexpr std::string_view kProgram = "tessaly-cli: ";

// The input file, open; closed when done.
class InputFile {
 public:
  explicit InputFile(const std::string& path) {
    descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor_ < 0) throw StreamError(std::strerror(errno));
    struct stat status {};
    if (::fstat(descriptor_, &status) == 0 && S_ISDIR(status.st_mode)) {
      ::close(descriptor_);
      throw StreamError(std::strerror(EISDIR));
    }
    ::posix_fadvise(descriptor_, 0, 0, POSIX_FADV_SEQUENTIAL);
  }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile() { ::close(descriptor_); }
  int Descriptor() const { return descriptor_; }

 private:
  int descriptor_ = -1;
};

struct Counts {
  std::uint64_t Qsos = 0, Added = 0, Replaced = 0, Kept = 0;
  std::uint64_t Skipped[kQsoSkipKinds] = {};
};

std::string Kilometres(double km) {
  std::string text;
  AppendOneDecimal(text, km);
  return text;
}

std::string Padded(std::string text, std::size_t width, bool right = false) {
  if (text.size() >= width) return text;
  const std::string blanks(width - text.size(), ' ');
  return right ? blanks + text : text + blanks;
}

std::string LongestText(const std::optional<LongestQso>& qso) {
  if (!qso) return "-";
  return qso->Call + "  " + qso->Grid + "  " + Kilometres(qso->Kilometres) + " km (record " +
         std::to_string(qso->Record) + ")";
}

std::string LongestJson(const std::optional<LongestQso>& qso) {
  if (!qso) return "null";
  return JsonLine()
      .Text("call", qso->Call)
      .Text("grid", qso->Grid)
      .Figure("distance", Kilometres(qso->Kilometres))
      .Count("record", qso->Record)
      .Object();
}

std::string GridList(const BandSummary& band) {
  std::string list = "[";
  for (const std::string& grid : band.Grids) {
    if (list.size() > 1) list += ',';
    list += JsonString(grid);
  }
  return list + "]";
}

std::string BandJson(const BandSummary& band) {
  return JsonLine()
      .Count("qsos", band.Qsos)
      .Count("grid_count", band.Grids.size())
      .Raw("grids", GridList(band))
      .Raw("longest", LongestJson(band.Longest))
      .Object();
}

std::string SummaryJson(const LogSummary& summary) {
  JsonLine skipped;
  for (int kind = 1; kind < kQsoSkipKinds; ++kind) {
    const auto skip = static_cast<QsoSkip>(kind);
    if (summary.Skipped(skip) > 0) skipped.Count(QsoSkipText(skip), summary.Skipped(skip));
  }
  JsonLine bands;
  for (const auto& [name, band] : summary.Bands()) bands.Raw(name, BandJson(band));
  return JsonLine()
             .Count("qsos", summary.Qsos())
             .Count("with_distance", summary.WithDistance())
             .Raw("skipped", skipped.Object())
             .Count("grid_count", summary.Overall().Grids.size())
             .Raw("grids", GridList(summary.Overall()))
             .Raw("longest", LongestJson(summary.Overall().Longest))
             .Raw("bands", bands.Object())
             .Object() +
         "\n";
}

std::string SummaryTable(const LogSummary& summary) {
  constexpr std::size_t kLabel = 20, kCount = 8;
  std::string text =
      Padded("QSOs", kLabel) + Padded(std::to_string(summary.Qsos()), kCount, true) + "\n";
  text += Padded("  with a distance", kLabel) +
          Padded(std::to_string(summary.WithDistance()), kCount, true) + "\n";
  for (int kind = 1; kind < kQsoSkipKinds; ++kind) {
    const auto skip = static_cast<QsoSkip>(kind);
    if (summary.Skipped(skip) == 0) continue;
    text += Padded("  skipped", kLabel) +
            Padded(std::to_string(summary.Skipped(skip)), kCount, true) + "  " +
            std::string(QsoSkipText(skip)) + "\n";
  }
  text += Padded("Grid squares", kLabel) +
          Padded(std::to_string(summary.Overall().Grids.size()), kCount, true) + "\n";
  text += Padded("Longest", kLabel) + "  " + LongestText(summary.Overall().Longest) + "\n\n";
  text += "Band        QSOs  Squares  Longest\n";
  for (const auto& [name, band] : summary.Bands()) {
    text += Padded(name.empty() ? "(none)" : name, 8) + Padded(std::to_string(band.Qsos), 8, true) +
            Padded(std::to_string(band.Grids.size()), 9, true) + "  " + LongestText(band.Longest) +
            "\n";
  }
  return text;
}

std::string Report(const std::string& input, const Counts& counts) {
  std::string text = std::string(kProgram) + input + ": " + std::to_string(counts.Qsos) +
                     " QSOs: " + std::to_string(counts.Added) + " with fields added, " +
                     std::to_string(counts.Replaced) + " with fields replaced, " +
                     std::to_string(counts.Kept) + " kept as they were";
  std::string reasons;
  for (int kind = 1; kind < kQsoSkipKinds; ++kind) {
    if (counts.Skipped[kind] == 0) continue;
    reasons += (reasons.empty() ? "" : ", ") + std::to_string(counts.Skipped[kind]) + " " +
               std::string(QsoSkipText(static_cast<QsoSkip>(kind)));
  }
  if (!reasons.empty()) text += " (" + reasons + ")";
  return text + "\n";
}

// Reads the log through; each record to `record`, every other piece to
// `other`.
template <typename OnRecord, typename OnOther>
void ReadLog(ByteSource& source, OnRecord&& record, OnOther&& other) {
  AdifReader reader(source);
  AdifPiece piece;
  while (reader.Next(piece)) {
    if (piece.Kind == AdifPieceKind::Record) {
      record(piece);
    } else {
      other(piece);
    }
  }
}

}  // namespace

int RunLogCommand(const LogOptions& options, ByteSource& standard_input, ByteSink& out,
                  ByteSink& err) {
  const std::string name = options.Input == "-" ? "standard input" : options.Input;
  try {
    std::unique_ptr<InputFile> file;
    std::unique_ptr<DescriptorSource> file_source;
    ByteSource* source = &standard_input;
    if (options.Input != "-") {
      file = std::make_unique<InputFile>(options.Input);
      file_source = std::make_unique<DescriptorSource>(file->Descriptor());
      source = file_source.get();
    }
    QsoMeasurer measurer(options.Home);
    if (options.Summary) {
      LogSummary summary;
      ReadLog(
          *source,
          [&](const AdifPiece& record) {
            const QsoFields fields(record);
            summary.Add(record, fields, measurer.Measure(fields));
          },
          [](const AdifPiece&) {});
      out.Write(options.Json ? SummaryJson(summary) : SummaryTable(summary));
      return 0;
    }
    std::unique_ptr<StagedOutput> staged;
    if (!options.Output.empty()) staged = std::make_unique<StagedOutput>(options.Output);
    ByteSink& sink = staged ? static_cast<ByteSink&>(*staged) : out;
    std::string buffer;
    buffer.reserve(kFlushBytes + kFlushBytes / 4);
    Counts counts;
    const auto flush = [&] {
      if (buffer.size() < kFlushBytes) return;
      sink.Write(buffer);
      buffer.clear();
    };
    ReadLog(
        *source,
        [&](const AdifPiece& record) {
          const QsoFields fields(record);
          const QsoMeasure measure = measurer.Measure(fields);
          ++counts.Qsos;
          switch (AppendEnriched(record, fields, measure, options.Overwrite, buffer)) {
            case EnrichOutcome::Added: ++counts.Added; break;
            case EnrichOutcome::Replaced: ++counts.Replaced; break;
            case EnrichOutcome::Kept:
              ++(measure.Path ? counts.Kept : counts.Skipped[static_cast<int>(measure.Skip)]);
              break;
          }
          flush();
        },
        [&](const AdifPiece& piece) {
          buffer.append(piece.Bytes);
          flush();
        });
    sink.Write(buffer);
    if (staged) staged->Commit();
    if (!options.Quiet) err.Write(Report(name, counts));
    return 0;
  } catch (const AdifError& error) {
    const std::string where =
        error.Record() == 0 ? "the header" : "record " + std::to_string(error.Record());
    err.Write(std::string(kProgram) + name + ": " + where + " at byte " +
              std::to_string(error.Offset()) + ": " + error.what() + "\n");
  } catch (const StreamError& error) {
    err.Write(std::string(kProgram) + name + ": " + error.what() + "\n");
  }
  return 1;
}

}  // namespace tessaly
