// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/scenario/case_runner.h"

#include <charconv>
#include <deque>
#include <exception>
#include <map>
#include <optional>
#include <string_view>

#include "tests/support/driver_failure.h"
#include "tests/support/home_directory.h"
#include "tests/support/key_input.h"
#include "tests/support/window_driver.h"
#include "window/controls.h"

namespace scenario {
namespace {

using tessaly::Control;
using tessaly::ControlName;
using tessaly::DriverFailure;
using tessaly::Fail;
using tessaly::HomeDirectory;
using tessaly::KeyStroke;
using tessaly::Quote;
using tessaly::WindowDriver;

constexpr int kLargestWidth = 100000;  // pixels; more is no width a check means

std::string Mismatch(std::string_view what, const std::string& expected, const std::string& found) {
  return std::string(what) + ": expected " + expected + " found " + found;
}

class CaseRun {
 public:
  void Run(const Command& command);
  // Fails when an error was shown that no expect-error took.
  void NoErrorLeft();

 private:
  using Handler = void (CaseRun::*)(const Command&);
  // Checks fail on an error nobody expected; the checks that look at the
  // window start it first. Actions start it only when they need it.
  enum class Kind { kAction, kCheck, kErrorCheck, kFileCheck };
  struct Entry {
    Handler Run;
    Kind Category;
    std::string_view Usage;
  };
  static const std::map<std::string_view, Entry>& Commands();

  void Start(const Command&) { driver_.Start(); }
  void Restart(const Command&) { driver_.Restart(); }
  void HomeFile(const Command& command);
  void HomeDirReadonly(const Command& command);
  void Focus(const Command& command) { driver_.Focus(ControlArgument(command, 0)); }
  void Type(const Command& command) { driver_.Type(Text(command, 0)); }
  void Key(const Command& command);
  void Click(const Command& command) { driver_.Click(ControlArgument(command, 0)); }
  void DoubleClick(const Command& command) { driver_.DoubleClick(ControlArgument(command, 0)); }
  void Choose(const Command& command) {
    driver_.Choose(RadioGroup(command, 0), Integer(command, 1, 0, 1));
  }
  void Menu(const Command& command) { driver_.Menu(Text(command, 0)); }
  void Set(const Command& command) { driver_.Set(ControlArgument(command, 0), Text(command, 1)); }
  void Expect(const Command& command);
  void ExpectIndex(const Command& command);
  void ExpectVisible(const Command& command);
  void ExpectWidth(const Command& command);
  void ExpectFocus(const Command& command);
  void ExpectError(const Command& command);
  void ExpectErrorStart(const Command& command);
  void ExpectFile(const Command& command);
  void ExpectClosed(const Command& command);

  // Arguments, checked; a wrong one fails the case.
  static Control ControlArgument(const Command& command, std::size_t index);
  static Control RadioGroup(const Command& command, std::size_t index);
  static const std::string& Text(const Command& command, std::size_t index);
  static int Integer(const Command& command, std::size_t index, int lowest, int highest);
  static bool IsWord(const Command& command, std::size_t index, std::string_view word);
  [[noreturn]] static void BadArgument(const Command& command, const std::string& why);

  std::string TakeError(const std::string& expected);

  HomeDirectory home_;
  WindowDriver driver_{home_};
  std::deque<std::string>& errors_ = driver_.Errors();
};

const std::map<std::string_view, CaseRun::Entry>& CaseRun::Commands() {
  using K = Kind;
  static const std::map<std::string_view, Entry> commands{
      {"start", {&CaseRun::Start, K::kAction, "start"}},
      {"restart", {&CaseRun::Restart, K::kAction, "restart"}},
      {"home-file", {&CaseRun::HomeFile, K::kAction, "home-file TEXT|none"}},
      {"home-dir-readonly", {&CaseRun::HomeDirReadonly, K::kAction, "home-dir-readonly"}},
      {"focus", {&CaseRun::Focus, K::kAction, "focus CONTROL"}},
      {"type", {&CaseRun::Type, K::kAction, "type TEXT"}},
      {"key", {&CaseRun::Key, K::kAction, "key KEY"}},
      {"click", {&CaseRun::Click, K::kAction, "click CONTROL"}},
      {"dblclick", {&CaseRun::DoubleClick, K::kAction, "dblclick CONTROL"}},
      {"choose", {&CaseRun::Choose, K::kAction, "choose RadioGroupN INDEX"}},
      {"menu", {&CaseRun::Menu, K::kAction, "menu TEXT"}},
      {"set", {&CaseRun::Set, K::kAction, "set CONTROL TEXT"}},
      {"expect", {&CaseRun::Expect, K::kCheck, "expect CONTROL TEXT"}},
      {"expect-index", {&CaseRun::ExpectIndex, K::kCheck, "expect-index RadioGroupN N"}},
      {"expect-visible", {&CaseRun::ExpectVisible, K::kCheck, "expect-visible CONTROL yes|no"}},
      {"expect-width", {&CaseRun::ExpectWidth, K::kCheck, "expect-width CONTROL N"}},
      {"expect-focus", {&CaseRun::ExpectFocus, K::kCheck, "expect-focus CONTROL"}},
      {"expect-error", {&CaseRun::ExpectError, K::kErrorCheck, "expect-error TEXT"}},
      {"expect-error-start",
       {&CaseRun::ExpectErrorStart, K::kErrorCheck, "expect-error-start TEXT"}},
      {"expect-file", {&CaseRun::ExpectFile, K::kFileCheck, "expect-file TEXT|none"}},
      {"expect-closed", {&CaseRun::ExpectClosed, K::kCheck, "expect-closed"}},
  };
  return commands;
}

// The number of arguments each command takes.
std::size_t ArgumentCount(std::string_view usage) {
  std::size_t count = 0;
  for (const char c : usage) count += c == ' ';
  return count;
}

void CaseRun::Run(const Command& command) {
  if (!command.Fault.empty()) Fail(command.Fault);
  const auto found = Commands().find(command.Verb);
  if (found == Commands().end()) Fail("unknown command " + Quote(command.Verb));
  const Entry& entry = found->second;
  if (command.Arguments.size() != ArgumentCount(entry.Usage)) {
    BadArgument(command, "takes " + std::to_string(ArgumentCount(entry.Usage)) +
                             " argument(s): " + std::string(entry.Usage));
  }
  // Errors come from the window, so checking for them starts it too; the
  // home file can be checked without one.
  if (entry.Category == Kind::kCheck || entry.Category == Kind::kErrorCheck)
    driver_.EnsureStarted();
  if (entry.Category == Kind::kCheck || entry.Category == Kind::kFileCheck) NoErrorLeft();
  (this->*entry.Run)(command);
}

void CaseRun::NoErrorLeft() {
  if (!errors_.empty()) Fail("an error was shown and never expected: " + Quote(errors_.front()));
}

void CaseRun::BadArgument(const Command& command, const std::string& why) {
  Fail("bad argument: " + command.Verb + " " + why);
}

Control CaseRun::ControlArgument(const Command& command, std::size_t index) {
  const Argument& argument = command.Arguments[index];
  if (argument.Quoted) BadArgument(command, "needs a control name, not a text");
  const std::optional<Control> control = tessaly::ControlByName(argument.Text);
  if (!control) Fail("unknown control " + Quote(argument.Text));
  return *control;
}

Control CaseRun::RadioGroup(const Command& command, std::size_t index) {
  const Control control = ControlArgument(command, index);
  if (!tessaly::IsRadioGroup(control)) BadArgument(command, "needs a radio group");
  return control;
}

const std::string& CaseRun::Text(const Command& command, std::size_t index) {
  const Argument& argument = command.Arguments[index];
  if (!argument.Quoted) {
    BadArgument(command, "needs a double-quoted text, not " + Quote(argument.Text));
  }
  return argument.Text;
}

int CaseRun::Integer(const Command& command, std::size_t index, int lowest, int highest) {
  const Argument& argument = command.Arguments[index];
  const std::string& word = argument.Text;
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (argument.Quoted || word.empty() || error != std::errc() || end != word.data() + word.size() ||
      value < lowest || value > highest) {
    BadArgument(command, "needs a whole number from " + std::to_string(lowest) + " to " +
                             std::to_string(highest) + ", not " + Quote(word));
  }
  return value;
}

bool CaseRun::IsWord(const Command& command, std::size_t index, std::string_view word) {
  const Argument& argument = command.Arguments[index];
  return !argument.Quoted && argument.Text == word;
}

void CaseRun::HomeFile(const Command& command) {
  const std::string problem =
      IsWord(command, 0, "none") ? home_.RemoveHomeFile() : home_.WriteHomeFile(Text(command, 0));
  if (!problem.empty()) Fail(problem);
}

void CaseRun::HomeDirReadonly(const Command&) {
  const std::string problem = home_.MakeUnwritable();
  if (!problem.empty()) Fail(problem);
}

void CaseRun::Key(const Command& command) {
  const Argument& argument = command.Arguments[0];
  std::optional<KeyStroke> stroke;
  if (!argument.Quoted) {
    stroke = tessaly::KeyForName(argument.Text);
  } else if (argument.Text.size() == 1) {
    stroke = tessaly::KeyForByte(argument.Text.front());
  }
  if (!stroke) BadArgument(command, "has no key " + Quote(argument.Text));
  driver_.Press(*stroke);
}

void CaseRun::Expect(const Command& command) {
  const Control control = ControlArgument(command, 0);
  const std::string& expected = Text(command, 1);
  const std::string found = driver_.Text(control);
  if (found != expected) Fail(Mismatch(ControlName(control), Quote(expected), Quote(found)));
}

void CaseRun::ExpectIndex(const Command& command) {
  const Control group = RadioGroup(command, 0);
  const int expected = Integer(command, 1, -1, 1);
  const int found = driver_.ItemIndex(group);
  if (found != expected) {
    Fail(Mismatch(ControlName(group) + " index", std::to_string(expected), std::to_string(found)));
  }
}

void CaseRun::ExpectVisible(const Command& command) {
  const Control control = ControlArgument(command, 0);
  if (!IsWord(command, 1, "yes") && !IsWord(command, 1, "no")) {
    BadArgument(command, "needs yes or no");
  }
  const bool expected = IsWord(command, 1, "yes");
  const bool found = driver_.Visible(control);
  if (found != expected) {
    Fail(
        Mismatch(ControlName(control) + " visible", expected ? "yes" : "no", found ? "yes" : "no"));
  }
}

void CaseRun::ExpectWidth(const Command& command) {
  const Control control = ControlArgument(command, 0);
  const int expected = Integer(command, 1, 0, kLargestWidth);
  const int found = driver_.Width(control);
  if (found != expected) {
    Fail(
        Mismatch(ControlName(control) + " width", std::to_string(expected), std::to_string(found)));
  }
}

void CaseRun::ExpectFocus(const Command& command) {
  const std::string expected = ControlName(ControlArgument(command, 0));
  const std::string found = driver_.FocusedControl();
  if (found != expected) Fail(Mismatch("focus", expected, found));
}

std::string CaseRun::TakeError(const std::string& expected) {
  if (errors_.empty()) Fail(Mismatch("error", expected, "no error shown"));
  std::string error = errors_.front();
  errors_.pop_front();
  return error;
}

void CaseRun::ExpectError(const Command& command) {
  const std::string& expected = Text(command, 0);
  const std::string found = TakeError(Quote(expected));
  if (found != expected) Fail(Mismatch("error", Quote(expected), Quote(found)));
}

void CaseRun::ExpectErrorStart(const Command& command) {
  const std::string& expected = Text(command, 0);
  const std::string found = TakeError("one starting " + Quote(expected));
  if (found.compare(0, expected.size(), expected) != 0) {
    Fail(Mismatch("error", "one starting " + Quote(expected), Quote(found)));
  }
}

void CaseRun::ExpectFile(const Command& command) {
  const bool none = IsWord(command, 0, "none");
  const std::optional<std::string> expected =
      none ? std::nullopt : std::optional<std::string>(Text(command, 0));
  const std::optional<std::string> found = home_.ReadHomeFile();
  if (found != expected) {
    Fail(Mismatch("home file", expected ? Quote(*expected) : "none",
                  found ? Quote(*found) : "none"));
  }
  const std::string others = home_.OtherEntries();
  if (!others.empty()) Fail(Mismatch("home directory", "only the home file", others));
}

void CaseRun::ExpectClosed(const Command&) {
  if (!driver_.Closed()) Fail(Mismatch("window", "closed", "open"));
}

}  // namespace

CaseResult RunCase(const Case& script_case) {
  int line = script_case.Line;
  try {
    CaseRun run;
    for (const Command& command : script_case.Commands) {
      line = command.Line;
      run.Run(command);
    }
    run.NoErrorLeft();
  } catch (const DriverFailure& failure) {
    return {false, line, failure.what()};
  } catch (const std::exception& error) {
    // Nothing should escape the window; if something does, say so.
    return {false, line, std::string("an exception escaped: ") + error.what()};
  }
  return {};
}

}  // namespace scenario
