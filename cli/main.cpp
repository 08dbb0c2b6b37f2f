// SPDX-License-Identifier: GPL-3.0-or-later
// tessaly-cli: the command-line companion of the Tessaly window.
#include <unistd.h>

#include <string>
#include <vector>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
  tessaly::DescriptorSource in(STDIN_FILENO);
  tessaly::DescriptorSink out(STDOUT_FILENO);
  tessaly::DescriptorSink err(STDERR_FILENO);
  try {
    return tessaly::RunCli(std::vector<std::string>(argv + 1, argv + argc), {in, out, err});
  } catch (const tessaly::StreamError& error) {
    // Standard output closed under it (a pipe to head): nothing more to say.
    return 1;
  }
}
