// SPDX-License-Identifier: GPL-3.0-or-later
// Every menu of both windows in one table: the texts as they show, the
// underlined letters and the keys that choose the items without the menu.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace tessaly {

enum class Menu { Main, View, Precision, Map, MapView };

enum class MenuItem {
  // Main.
  Exit,
  SaveHome,
  RecallHome,
  About,
  // View: each runs a mouse command of the main window from the keyboard and
  // shows the state it toggles as a check mark; the last opens the map.
  HomeDecimal,
  DestinationDecimal,
  Kilometres,
  LocatorPrecision,  // opens its submenu of the four lengths, one of them chosen
  Precision6,
  Precision8,
  Precision10,
  Precision12,
  GreatCircleMap,
  // The map window's own: its picture, then its layers and view.
  SaveMapImage,
  CloseMap,
  LocatorGrid,
  GrayLine,
  ZoomIn,
  ZoomOut,
  WholeEarth,
};

struct MenuTitle {
  Menu Which;
  std::string_view Text;
  char Mnemonic;           // a letter of the text, underlined
  bool Exclusive = false;  // its items are choices of one of them
};

struct MenuEntry {
  MenuItem Item;
  Menu In;
  std::string_view Text;
  char Mnemonic;                 // a letter of the text, underlined
  std::string_view Shortcuts;    // portable key names, "; " between several; empty: none
  bool Checkable = false;        // shows the state its command toggles
  bool SeparatorBefore = false;  // a line above it in its menu
  std::optional<Menu> Opens = std::nullopt;  // a submenu, shown beside it
};

// In the order the menu bar shows them.
std::span<const MenuTitle> MenuTitles();
// Each menu's items in the order they show.
std::span<const MenuEntry> MenuEntries();
const MenuEntry& EntryOf(MenuItem item);
const MenuTitle& TitleOf(Menu menu);

// The locator length a precision item chooses.
std::optional<int> PrecisionOf(MenuItem item);

}  // namespace tessaly
