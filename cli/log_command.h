// SPDX-License-Identifier: GPL-3.0-or-later
// tessaly-cli adif: a log's QSOs given their distance and heading, or
// summed up.
#pragma once

#include <optional>
#include <string>

#include "geo/locator.h"
#include "log/byte_stream.h"

namespace tessaly {

struct LogOptions {
  std::string Input;   // a path, or "-" for standard input
  std::string Output;  // a path; empty for standard output
  std::optional<DecodedLocator> Home;
  bool Overwrite = false;
  bool Summary = false;
  bool Json = false;
  bool Quiet = false;
};

// The exit status: 0, or 1 after a message on `err` ("tessaly-cli:
// log.adi: record 12 at byte 3456: ..."). Nothing is written to the output
// file unless the whole log was read.
int RunLogCommand(const LogOptions& options, ByteSource& standard_input, ByteSink& out,
                  ByteSink& err);

}  // namespace tessaly
