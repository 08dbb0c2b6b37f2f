// SPDX-License-Identifier: GPL-3.0-or-later
// The random-event test: the real window, offscreen, takes a long seeded run
// of random keys, clicks, double-clicks and menu commands, and after every
// step the window checks must hold. MONKEY_EVENTS sets the length and
// MONKEY_SEED the seed; a failure prints the seed and the last steps as
// scenario script lines, so that it replays.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tests/monkey/random_actions.h"
#include "tests/monkey/window_checks.h"
#include "tests/support/home_directory.h"
#include "tests/support/window_driver.h"

namespace tessaly::monkey {
namespace {

// About 12 s of one core under the sanitizers.
constexpr unsigned long long kDefaultEvents = 20000;
constexpr unsigned long long kDefaultSeed = 20040210;
constexpr std::size_t kStepsShown = 40;

unsigned long long FromEnvironment(const char* name, unsigned long long fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::strtoull(value, nullptr, 0) : fallback;
}

std::string LastSteps(const std::deque<std::string>& steps) {
  std::string script;
  for (std::string step : steps) {
    // A step of two actions holds two lines.
    for (std::size_t at = 0; (at = step.find('\n', at)) != std::string::npos; ++at) {
      step.insert(at + 1, "  ");
    }
    script += "  " + step + "\n";
  }
  return script;
}

TEST(Monkey, RandomEventsKeepTheWindowSound) {
  const unsigned long long events = FromEnvironment("MONKEY_EVENTS", kDefaultEvents);
  const unsigned long long seed = FromEnvironment("MONKEY_SEED", kDefaultSeed);
  std::cout << "monkey: " << events << " events, seed " << seed << std::endl;

  HomeDirectory home;
  WindowDriver driver(home);
  driver.Start();
  RandomActions actions(seed);
  WindowChecks checks;
  std::deque<std::string> steps;
  for (unsigned long long event = 1; event <= events; ++event) {
    std::vector<std::string> faults;
    try {
      steps.push_back(actions.PerformNext(driver));
      faults = checks.AfterStep(driver, home);
    } catch (const std::exception& failure) {
      faults.push_back(std::string("the driver failed: ") + failure.what());
    }
    if (steps.size() > kStepsShown) steps.pop_front();
    if (!faults.empty()) {
      std::string report;
      for (const std::string& fault : faults) report += "  " + fault + "\n";
      FAIL() << "event " << event << " of seed " << seed << " (replay: MONKEY_SEED=" << seed
             << " MONKEY_EVENTS=" << event << "):\n"
             << report << "the last steps:\n"
             << LastSteps(steps) << "the window after them:\n"
             << WindowState(driver);
    }
  }
  std::cout << "monkey: " << checks.ResultsSeen() << " steps with new results, "
            << checks.ErrorsSeen() << " errors shown" << std::endl;
}

}  // namespace
}  // namespace tessaly::monkey
