// SPDX-License-Identifier: GPL-3.0-or-later
// The program as main starts it, ended after its first paint.
#include "bench/first_paint.h"
#include "qt/program.h"

int main(int argc, char** argv) {
  return tessaly::RunTessaly(argc, argv, [](QWidget& window) {
    new tessaly::TQuitAfterFirstPaint(window);  // owned by the window
  });
}
