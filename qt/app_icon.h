// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon, the artwork of the desktop launcher: a grid square with
// a locator dot, rendered from dist/icons' SVG into a Qt resource.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tessaly {

inline constexpr int kAppIconSize = 32;  // pixels, square: the about box's picture

// The icon at kAppIconSize.
QPixmap AppIcon();
// Every rendered size, for the window manager to pick from; each is decoded
// only when it is first drawn.
QIcon AppIconAllSizes();

}  // namespace tessaly
