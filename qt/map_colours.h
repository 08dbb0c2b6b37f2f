// SPDX-License-Identifier: GPL-3.0-or-later
// The great-circle map's colours, one set for light palettes and one for
// dark ones, so that sea, land, lines and texts read well on either.
#pragma once

#include <QColor>

class QPalette;

namespace tessaly {

struct MapColours {
  QColor Background, Text, LabelBackground;
  QColor Sea, Land, Border;
  QColor Graticule, Grid, Ring, Rim;
  // The night side: the twilight band, then the night proper over it.
  QColor Twilight, Night, Terminator;
  QColor ShortPath, LongPath, Home, HomeOutline, Crosshair;
  // The square lines: the field lines' colour, fainter.
  QColor SquareGrid() const {
    QColor faint = Grid;
    faint.setAlphaF(Grid.alphaF() / 2);
    return faint;
  }
  friend bool operator==(const MapColours&, const MapColours&) = default;
};

// For the palette's window and text colours: the light set where the
// window is light, the dark set where it is dark.
MapColours MapColoursFor(const QPalette& palette);

// Lighter than this, on the 0 to 255 scale of QColor::lightness, a window
// takes the light set.
inline constexpr int kLightWindowLightness = 128;

}  // namespace tessaly
