// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one case of a scenario file on a fresh window and home directory.
#pragma once

#include <string>

#include "tests/scenario/script.h"

namespace scenario {

struct CaseResult {
  bool Passed = true;
  int Line = 0;         // where it failed
  std::string Message;  // what was expected and what was found
};

CaseResult RunCase(const Case& script_case);

}  // namespace scenario
