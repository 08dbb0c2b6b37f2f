// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/monkey/random_actions.h"

#include <array>
#include <vector>

#include "tests/support/key_input.h"
#include "window/controls.h"
#include "window/location_controls.h"

namespace tessaly::monkey {

namespace {

using C = Control;

// How often a person does what, per mille: mostly typing into fields and
// moving about, then asking for results, switching formats and units, saving
// and recalling. About is modal and Restart rebuilds the window: both are
// slow and rare.
// clang-format off
enum class Kind {
  Digit, Point, Letter, LocatorText, Enter, Tab, Backspace, Delete, Ctrl,
  ClickField, ClickButton, ChooseItem, ClickCaption, DoubleClickFrame, DoubleClickWindow,
  SaveHome, RecallHome, About, Restart
};
struct Choice {
  Kind Category;
  double PerMille;
};
constexpr std::array kChoices{
    Choice{Kind::Digit, 160},          Choice{Kind::Point, 40},
    Choice{Kind::Letter, 80},          Choice{Kind::LocatorText, 80},
    Choice{Kind::Enter, 100},          Choice{Kind::Tab, 50},
    Choice{Kind::Backspace, 50},       Choice{Kind::Delete, 25},
    Choice{Kind::Ctrl, 15},            Choice{Kind::ClickField, 150},
    Choice{Kind::ClickButton, 80},     Choice{Kind::ChooseItem, 50},
    Choice{Kind::ClickCaption, 20},    Choice{Kind::DoubleClickFrame, 25},
    Choice{Kind::DoubleClickWindow, 5}, Choice{Kind::SaveHome, 15},
    Choice{Kind::RecallHome, 15},      Choice{Kind::About, 1},
    Choice{Kind::Restart, 2}};
// clang-format on

constexpr std::array kButtons{C::Button1, C::Button2, C::Button3, C::Button4, C::Button5};
constexpr std::array kRadioGroups{C::RadioGroup1, C::RadioGroup2, C::RadioGroup3, C::RadioGroup4};
constexpr std::array kFrames{C::Panel1, C::Panel2};

// Letters beyond "X" too, and both cases: the grid fields must cope.
constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

}  // namespace

std::string RandomActions::PerformNext(WindowDriver& driver) {
  std::array<double, kChoices.size()> weights{};
  for (std::size_t i = 0; i < kChoices.size(); ++i) weights[i] = kChoices[i].PerMille;
  std::discrete_distribution<std::size_t> choice(weights.begin(), weights.end());
  switch (kChoices[choice(random_)].Category) {
    case Kind::Digit: return Type(driver, std::string(1, static_cast<char>('0' + Pick(10))));
    case Kind::Point: return Type(driver, ".");
    case Kind::Letter: return Type(driver, std::string(1, kLetters[Pick(kLetters.size())]));
    case Kind::LocatorText: {
      // Into a grid field, where Enter and the distance command find it.
      const Control grid = Pick(2) ? C::Edit7 : C::Edit14;
      driver.Click(grid);
      return "click " + ControlName(grid) + "\n" + Type(driver, Locator());
    }
    case Kind::Enter: return Key(driver, "Enter");
    case Kind::Tab: return Key(driver, "Tab");
    case Kind::Backspace: return Key(driver, "Backspace");
    case Kind::Delete: return Key(driver, "Delete");
    case Kind::Ctrl: return Key(driver, "Ctrl");
    case Kind::ClickField: return ClickVisible(driver);
    case Kind::ClickButton: {
      const Control button = kButtons[Pick(kButtons.size())];
      driver.Click(button);
      return "click " + ControlName(button);
    }
    case Kind::ChooseItem: return ChooseItem(driver);
    case Kind::ClickCaption: driver.Click(C::Label24); return "click Label24";
    case Kind::DoubleClickFrame: {
      const Control frame = kFrames[Pick(kFrames.size())];
      driver.DoubleClick(frame);
      return "dblclick " + ControlName(frame);
    }
    case Kind::DoubleClickWindow: driver.DoubleClick(C::Window); return "dblclick Window";
    case Kind::SaveHome: driver.Menu("Save Home "); return "menu \"Save Home \"";
    case Kind::RecallHome: driver.Menu("Recall Home"); return "menu \"Recall Home\"";
    case Kind::About: driver.Menu("About"); return "menu \"About\"";
    case Kind::Restart: driver.Restart(); return "restart";
  }
  return "nothing";
}

std::string RandomActions::Type(WindowDriver& driver, const std::string& bytes) {
  driver.Type(bytes);
  return "type " + Quote(bytes);
}

std::string RandomActions::Key(WindowDriver& driver, const char* name) {
  driver.Press(*KeyForName(name));
  return std::string("key ") + name;
}

// A field a click can reach: a hidden one is not there to click.
std::string RandomActions::ClickVisible(WindowDriver& driver) {
  std::vector<Control> visible{C::Edit7, C::Edit14};
  for (const Control field : kCoordinateFieldsOfBoth) {
    if (driver.Visible(field)) visible.push_back(field);
  }
  const Control field = visible[Pick(visible.size())];
  driver.Click(field);
  return "click " + ControlName(field);
}

std::string RandomActions::ChooseItem(WindowDriver& driver) {
  const Control group = kRadioGroups[Pick(kRadioGroups.size())];
  const int item = Pick(2);
  driver.Choose(group, item);
  return "choose " + ControlName(group) + " " + std::to_string(item);
}

// A locator in either case, sometimes only its square, now and then with a
// letter just beyond the range, so that Enter has real cells to work on.
std::string RandomActions::Locator() {
  auto letter = [&](int count) { return static_cast<char>((Pick(2) ? 'A' : 'a') + Pick(count)); };
  constexpr int kFieldLetters = 18, kSubSquareLetters = 24, kOneBeyond = 1;
  const int spread = Pick(20) == 0 ? kOneBeyond : 0;
  std::string text{letter(kFieldLetters + spread), letter(kFieldLetters),
                   static_cast<char>('0' + Pick(10)), static_cast<char>('0' + Pick(10))};
  if (Pick(4) != 0) text += {letter(kSubSquareLetters + spread), letter(kSubSquareLetters)};
  return text;
}

}  // namespace tessaly::monkey
