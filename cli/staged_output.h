// SPDX-License-Identifier: GPL-3.0-or-later
// A file written in full before it replaces what the path held: the bytes
// go to a new file beside it, which one rename puts in its place once they
// are on disk. Until then the old file is untouched, and on any failure the
// new one is removed: never a partial file, even where the output is the
// input (-o IN.adi).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/background_sync.h"
#include "log/byte_stream.h"

namespace tessaly {

class StagedOutput : public ByteSink {
 public:
  // Beside `path`, or beside the file its link names. Throws StreamError.
  explicit StagedOutput(const std::string& path);
  StagedOutput(const StagedOutput&) = delete;
  StagedOutput& operator=(const StagedOutput&) = delete;
  ~StagedOutput() override;

  void Write(std::string_view bytes) override;
  // On disk, with the old file's permissions (or the umask's for a new
  // one), then in place of it. Throws StreamError.
  void Commit();

 private:
  std::string target_;
  std::string staged_;  // empty once committed
  int descriptor_ = -1;
  std::uint64_t written_ = 0;           // bytes so far
  std::uint64_t flushed_ = 0;           // of them handed to the disk to write
  std::uint64_t synced_ = 0;            // of them in a sync asked for
  std::optional<BackgroundSync> sync_;  // once the file is open
};

}  // namespace tessaly
