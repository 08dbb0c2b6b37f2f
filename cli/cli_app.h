// SPDX-License-Identifier: GPL-3.0-or-later
// tessaly-cli's command line: its commands, options and help, read with
// CLI11 (header-only: the program starts in a millisecond, without Qt).
#pragma once

#include <string>
#include <vector>

#include "log/byte_stream.h"

namespace tessaly {

struct CliStreams {
  ByteSource& In;
  ByteSink& Out;
  ByteSink& Err;
};

// `arguments` without the program's name. The exit status: 0; 1 when a
// query, a batch line or the log failed; 2 for a command line not
// understood.
int RunCli(const std::vector<std::string>& arguments, CliStreams streams);

}  // namespace tessaly
