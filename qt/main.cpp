// SPDX-License-Identifier: GPL-3.0-or-later
// Tessaly: a calculator for Maidenhead grid locators, distances and headings.
#include "qt/program.h"

int main(int argc, char** argv) {
  return tessaly::RunTessaly(argc, argv);
}
