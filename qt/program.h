// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program as main runs it: the command line, the display, the
// application object, the window and the event loop.
#pragma once

#include <functional>

class QWidget;

namespace tessaly {

// Returns the exit status. `when_shown`, if given, runs once the main window
// has been shown: the start-up benchmark quits from there after the first
// paint.
int RunTessaly(int argc, char** argv, const std::function<void(QWidget& window)>& when_shown = {});

}  // namespace tessaly
