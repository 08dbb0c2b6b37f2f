// SPDX-License-Identifier: GPL-3.0-or-later
// tessaly-scenario FILE.scn...: drives the real window through each case of
// the scenario files and reports every case as ok or FAIL, then the totals.
// Exits 0 only when at least one case ran and none failed.
#include <fstream>
#include <iostream>
#include <memory>

#include "tests/scenario/case_runner.h"
#include "tests/scenario/script.h"
#include "tests/support/headless_application.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

void Report(const std::string& name, const std::string& file, const scenario::CaseResult& result) {
  if (result.Passed) {
    std::cout << "ok " << name << std::endl;
  } else {
    std::cout << "FAIL " << name << " (" << file << ":" << result.Line << "): " << result.Message
              << std::endl;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const tessaly::HeadlessApplication application(argc, argv);

  if (argc < 2) {
    std::cerr << "usage: tessaly-scenario FILE.scn..." << std::endl;
    return kExitUsage;
  }

  int passed = 0;
  int failed = 0;
  for (int index = 1; index < argc; ++index) {
    const std::string file = argv[index];
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      Report(file, file, {false, 0, "cannot open the scenario file"});
      ++failed;
      continue;
    }
    const std::vector<scenario::Case> cases = scenario::ParseScript(file, in);
    if (cases.empty()) {
      Report(file, file, {false, 0, "no case in the file"});
      ++failed;
    }
    for (const scenario::Case& script_case : cases) {
      const scenario::CaseResult result = scenario::RunCase(script_case);
      Report(script_case.Name, file, result);
      ++(result.Passed ? passed : failed);
    }
  }
  std::cout << passed << " passed, " << failed << " failed" << std::endl;
  return failed == 0 && passed > 0 ? 0 : kExitFailed;
}
