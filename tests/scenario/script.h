// SPDX-License-Identifier: GPL-3.0-or-later
// A scenario file taken apart into cases and commands. Reading never stops at
// a bad line: the line keeps its fault, and running it fails its case, so the
// report names the file and line and nothing is skipped silently.
#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// A word, or a double-quoted TEXT with its escapes resolved to bytes.
struct Argument {
  bool Quoted = false;
  std::string Text;
};

struct Command {
  int Line = 0;
  std::string Verb;
  std::vector<Argument> Arguments;
  std::string Fault;  // why the line could not be read; empty when it could
};

struct Case {
  std::string Name;
  std::string File;
  int Line = 0;  // of the `case` line
  std::vector<Command> Commands;
};

// The name under which commands written before the first `case` are reported.
inline constexpr std::string_view kBeforeFirstCase = "(before the first case)";

std::vector<Case> ParseScript(const std::string& file, std::istream& in);

// The words and texts of one line (without the verb split off); a malformed
// text sets `fault`.
std::vector<Argument> SplitLine(std::string_view line, std::string& fault);

}  // namespace scenario
