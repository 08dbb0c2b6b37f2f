// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one case of a scenario file on a fresh window and home directory.
#pragma once

#include <string>

#include "tools/scenario/script.h"

namespace scenario {

struct CaseResult {
  bool passed = true;
  int line = 0;         // where it failed
  std::string message;  // what was expected and what was found
};

CaseResult RunCase(const Case& script_case);

}  // namespace scenario
