// SPDX-License-Identifier: GPL-3.0-or-later
// A start-up mend for the speed of all later floating-point work.
#pragma once

namespace tessaly {

// Qt 6.4's start-up on Debian 12 (seen in QApplication's constructor, in a
// virtual machine on an AVX-512 Xeon) leaves the upper halves of the AVX registers marked in
// use. From then on every SSE instruction of the program waits to merge
// with them: the map's projection ran ten times slower (220 ns a point
// instead of 20). Many of Qt's fills and strokes leave them so again, and
// slow Qt's own next one: a fill of the land took 13 ms instead of 7. One
// VZEROUPPER ends it: run right after the application is made, and after
// each heavy painting call. Does nothing on processors without AVX.
void ReleaseVectorUpperHalves();

}  // namespace tessaly
