// SPDX-License-Identifier: GPL-3.0-or-later
// Menus of both windows made from the one menu table.
#pragma once

#include <QString>
#include <string_view>

#include "window/menu.h"

class QAction;
class QMenu;
class QMenuBar;

namespace tessaly {

// `text` with the mnemonic marker before the first `letter`.
QString WithMnemonic(std::string_view text, char letter);

// The menu's title on the bar, empty.
QMenu* AddMenu(QMenuBar& bar, Menu which);
// The item appended to `menu` as the table has it: text, underlined letter,
// keys, check mark, and the line above it. Connecting it is the caller's.
QAction* AddMenuAction(QMenu& menu, MenuItem item);

}  // namespace tessaly
