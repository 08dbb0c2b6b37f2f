// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/scenario/script.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "tests/support/script_escapes.h"

namespace scenario {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads the text that starts at line[pos] == '"'; leaves pos after the
// closing quote. Returns false with `fault` set when the text is malformed.
bool ReadQuoted(std::string_view line, std::size_t& pos, std::string& bytes, std::string& fault) {
  for (++pos; pos < line.size(); ++pos) {
    const char c = line[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c != '\\') {
      bytes += c;
      continue;
    }
    if (++pos == line.size()) break;
    if (line[pos] == tessaly::kHexEscapeLetter) {
      const int high = pos + 1 < line.size() ? HexValue(line[pos + 1]) : -1;
      const int low = pos + 2 < line.size() ? HexValue(line[pos + 2]) : -1;
      if (high < 0 || low < 0) {
        fault = "\\x needs two hexadecimal digits";
        return false;
      }
      bytes += static_cast<char>(high * 16 + low);
      pos += 2;
    } else if (const std::optional<char> byte = tessaly::EscapedByte(line[pos])) {
      bytes += *byte;
    } else {
      fault = std::string("unknown escape \\") + line[pos];
      return false;
    }
  }
  fault = "text without its closing quote";
  return false;
}

}  // namespace

std::vector<Argument> SplitLine(std::string_view line, std::string& fault) {
  std::vector<Argument> arguments;
  std::size_t pos = 0;
  while (true) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    if (pos == line.size()) return arguments;
    Argument argument;
    if (line[pos] == '"') {
      argument.Quoted = true;
      if (!ReadQuoted(line, pos, argument.Text, fault)) return arguments;
      if (pos < line.size() && !IsBlank(line[pos])) {
        fault = "a text must be followed by a blank or the end of the line";
        return arguments;
      }
    } else {
      const std::size_t start = pos;
      while (pos < line.size() && !IsBlank(line[pos])) ++pos;
      argument.Text = std::string(line.substr(start, pos - start));
    }
    arguments.push_back(std::move(argument));
  }
}

std::vector<Case> ParseScript(const std::string& file, std::istream& in) {
  std::vector<Case> cases;
  std::string raw;
  int line_number = 0;
  while (std::getline(in, raw)) {
    ++line_number;
    std::string_view line = raw;
    // Scripts saved with Windows line ends read the same.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = TrimBlanks(line);
    if (line.empty() || line.front() == '#') continue;

    const std::size_t verb_end = std::min(line.find_first_of(" \t"), line.size());
    const std::string_view verb = line.substr(0, verb_end);
    if (verb == "case") {
      Case next{std::string(TrimBlanks(line.substr(verb_end))), file, line_number, {}};
      if (next.Name.empty()) {
        next.Name = "(unnamed)";
        next.Commands.push_back({line_number, "case", {}, "a case needs a name"});
      }
      cases.push_back(std::move(next));
      continue;
    }
    if (cases.empty()) {
      cases.push_back({std::string(kBeforeFirstCase), file, line_number, {}});
      cases.back().Commands.push_back(
          {line_number, std::string(verb), {}, "commands must follow a `case` line"});
    }
    Command command{line_number, std::string(verb), {}, {}};
    if (verb.front() == '"') {
      command.Fault = "a line must begin with a command";
    } else {
      command.Arguments = SplitLine(line.substr(verb_end), command.Fault);
    }
    cases.back().Commands.push_back(std::move(command));
  }
  return cases;
}

}  // namespace scenario
