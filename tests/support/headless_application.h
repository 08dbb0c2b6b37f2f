// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt application the driven window runs in: headless on the offscreen
// platform unless the caller chose a display, with a private runtime
// directory so that Qt has nothing to warn about.
#pragma once

#include <QApplication>
#include <QTemporaryDir>

namespace tessaly {

class HeadlessApplication {
 public:
  HeadlessApplication(int& argc, char** argv);

 private:
  // Made before the application, which reads the environment it sets.
  struct Environment {
    Environment();
    QTemporaryDir RuntimeDirectory;  // created 0700
  };
  Environment environment_;
  QApplication application_;
};

}  // namespace tessaly
