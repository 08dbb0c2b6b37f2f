// The program's icon: a grid square with a locator dot, drawn in code.
#pragma once

#include <QPixmap>

namespace tessaly {

inline constexpr int kAppIconSize = 32;  // pixels, square

QPixmap AppIcon();

}  // namespace tessaly
