// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/map_colours.h"

#include <QPalette>

namespace tessaly {

MapColours MapColoursFor(const QPalette& palette) {
  const QColor window = palette.color(QPalette::Window);
  const QColor text = palette.color(QPalette::WindowText);
  // Okabe and Ito's vermillion and blue, told apart with any colour vision
  // (the long path is dashed as well); on dark ground their sky blue.
  if (window.lightness() >= kLightWindowLightness) {
    return {window,
            text,
            QColor(255, 255, 255, 190),
            QColor(198, 222, 240),
            QColor(204, 220, 170),
            QColor(120, 100, 90, 170),
            QColor(70, 100, 140, 110),
            QColor(150, 40, 150, 95),
            QColor(60, 60, 60, 150),
            QColor(40, 50, 70),
            QColor(20, 30, 70, 45),
            QColor(20, 30, 70, 60),
            QColor(200, 120, 0),
            QColor(213, 94, 0),
            QColor(0, 114, 178),
            QColor(20, 20, 20),
            QColor(255, 255, 255),
            QColor(0, 0, 0)};
  }
  return {window,
          text,
          QColor(25, 25, 30, 200),
          QColor(24, 44, 66),
          QColor(58, 74, 52),
          QColor(190, 180, 160, 150),
          QColor(150, 180, 220, 80),
          QColor(230, 150, 230, 120),
          QColor(200, 200, 200, 130),
          QColor(170, 180, 200),
          QColor(0, 0, 0, 60),
          QColor(0, 0, 0, 80),
          QColor(240, 170, 40),
          QColor(240, 120, 40),
          QColor(86, 180, 233),
          QColor(245, 245, 245),
          QColor(0, 0, 0),
          QColor(255, 255, 255)};
}

}  // namespace tessaly
