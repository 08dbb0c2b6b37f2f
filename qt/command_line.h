// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, read before the application object exists: that one
// needs a display, and --help and --version must work without one.
#pragma once

#include <QString>

namespace tessaly {

struct CommandLine {
  enum class Action { Start, ShowHelp, ShowVersion, Reject };
  Action Action = Action::Start;
  // The help, the version line, or (Reject) what is wrong, one line.
  QString Text;
  // -platform was given: a failed start then says what the platform reported.
  bool PlatformChosen = false;
};

// Accepts Qt's standard options (-platform, -style, ...) and leaves them in
// argv for the application object.
CommandLine ReadCommandLine(int& argc, char** argv);

}  // namespace tessaly
