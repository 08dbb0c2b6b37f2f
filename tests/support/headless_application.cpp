// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/headless_application.h"

#include "qt/vector_state.h"

namespace tessaly {

HeadlessApplication::Environment::Environment() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && RuntimeDirectory.isValid()) {
    qputenv("XDG_RUNTIME_DIR", RuntimeDirectory.path().toLocal8Bit());
  }
}

HeadlessApplication::HeadlessApplication(int& argc, char** argv) : application_(argc, argv) {
  QApplication::setApplicationName("Tessaly");
  // "Exit" closes the window under test; whoever drives it goes on.
  QApplication::setQuitOnLastWindowClosed(false);
  // As the program does, so that timings measure its own speed.
  ReleaseVectorUpperHalves();
}

}  // namespace tessaly
