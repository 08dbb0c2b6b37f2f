// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the Qt tests headless, on the offscreen platform unless told otherwise.
#include <gtest/gtest.h>

#include "tests/support/headless_application.h"

int main(int argc, char** argv) {
  const tessaly::HeadlessApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
