// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/menu.h"

#include <algorithm>
#include <stdexcept>

namespace tessaly {
namespace {

constexpr MenuTitle kTitles[] = {
    {Menu::Main, "Main", 'M'},
    {Menu::View, "View", 'V'},
    {Menu::Precision, "Locator precision", 'L', true},
    {Menu::Map, "Map", 'M'},
    {Menu::MapView, "View", 'V'},
};

// The View items' keys are function keys: no field types them and none of
// the window's keys is one, while a Ctrl combination would clear a grid
// field's location first.
constexpr MenuEntry kEntries[] = {
    {MenuItem::Exit, Menu::Main, "Exit", 'x', ""},
    {MenuItem::SaveHome, Menu::Main, "Save Home ", 'S', ""},
    {MenuItem::RecallHome, Menu::Main, "Recall Home", 'R', ""},
    {MenuItem::About, Menu::Main, "About", 'A', ""},
    {MenuItem::HomeDecimal, Menu::View, "Home in decimal degrees", 'H', "F2", true},
    {MenuItem::DestinationDecimal, Menu::View, "Destination in decimal degrees", 'D', "F3", true},
    {MenuItem::Kilometres, Menu::View, "Distance in kilometres", 'k', "F4", true},
    {MenuItem::LocatorPrecision, Menu::View, "Locator precision", 'L', "", false, false,
     Menu::Precision},
    {MenuItem::Precision6, Menu::Precision, "6 characters", '6', "", true},
    {MenuItem::Precision8, Menu::Precision, "8 characters", '8', "", true},
    {MenuItem::Precision10, Menu::Precision, "10 characters", '1', "", true},
    {MenuItem::Precision12, Menu::Precision, "12 characters", '2', "", true},
    {MenuItem::GreatCircleMap, Menu::View, "Great-circle map", 'G', "F6", false, true},
    {MenuItem::SaveMapImage, Menu::Map, "Save as Image...", 'S', "Ctrl+S"},
    {MenuItem::CloseMap, Menu::Map, "Close", 'C', "Ctrl+W; Esc", false, true},
    {MenuItem::LocatorGrid, Menu::MapView, "Locator grid", 'L', "Ctrl+G", true},
    {MenuItem::GrayLine, Menu::MapView, "Gray line", 'G', "Ctrl+L", true},
    {MenuItem::ZoomIn, Menu::MapView, "Zoom In", 'I', "+; =", false, true},
    {MenuItem::ZoomOut, Menu::MapView, "Zoom Out", 'O', "-"},
    {MenuItem::WholeEarth, Menu::MapView, "Whole Earth", 'W', "Ctrl+0"},
};

}  // namespace

std::span<const MenuTitle> MenuTitles() {
  return kTitles;
}

std::span<const MenuEntry> MenuEntries() {
  return kEntries;
}

const MenuEntry& EntryOf(MenuItem item) {
  const auto* found = std::find_if(std::begin(kEntries), std::end(kEntries),
                                   [item](const MenuEntry& entry) { return entry.Item == item; });
  if (found == std::end(kEntries)) throw std::logic_error("a menu item without an entry");
  return *found;
}

std::optional<int> PrecisionOf(MenuItem item) {
  switch (item) {
    case MenuItem::Precision6: return 6;
    case MenuItem::Precision8: return 8;
    case MenuItem::Precision10: return 10;
    case MenuItem::Precision12: return 12;
    default: return std::nullopt;
  }
}

const MenuTitle& TitleOf(Menu menu) {
  const auto* found = std::find_if(std::begin(kTitles), std::end(kTitles),
                                   [menu](const MenuTitle& title) { return title.Which == menu; });
  if (found == std::end(kTitles)) throw std::logic_error("a menu without a title");
  return *found;
}

}  // namespace tessaly
