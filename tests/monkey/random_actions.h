// SPDX-License-Identifier: GPL-3.0-or-later
// The actions of the random-event test: what a person might do next at the
// window, chosen from a seeded generator, done through the window driver and
// described as a scenario script line so that a failure can be read and
// replayed by hand.
#pragma once

#include <random>
#include <string>

#include "tests/support/window_driver.h"

namespace tessaly::monkey {

class RandomActions {
 public:
  explicit RandomActions(std::mt19937_64::result_type seed) : random_(seed) {}

  // Does one random action; returns its script line.
  std::string PerformNext(WindowDriver& driver);

 private:
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
  std::string Type(WindowDriver& driver, const std::string& bytes);
  std::string Key(WindowDriver& driver, const char* name);
  std::string ClickVisible(WindowDriver& driver);
  std::string ChooseItem(WindowDriver& driver);
  std::string Locator();

  std::mt19937_64 random_;
};

}  // namespace tessaly::monkey
