// SPDX-License-Identifier: GPL-3.0-or-later
// Distances and headings worked out once, checked against both the window
// and tessaly-cli: the two must give the same texts for the same places.
#pragma once

#include <string>

namespace tessaly {

struct WorkedPath {
  // "33 52 0 S": degrees, minutes and seconds as typed, then the hemisphere.
  std::string FromLat, FromLon, ToLat, ToLon;
  // As the window's heading field shows them, then the distance field.
  std::string HeadingsText, Miles, Kilometres;
};

inline const WorkedPath kWorkedPaths[] = {
    {"0 0 0 N", "0 0 0 E", "0 0 0 N", "90 0 0 E", " 90.0  :  270.0", " 6225.3", " 10018.8"},
    {"0 0 0 N", "10 0 0 E", "0 0 0 N", "0 0 0 E", " 270.0  :  90.0", " 691.7", " 1113.2"},
    {"10 0 0 N", "20 0 0 E", "30 0 0 N", "20 0 0 E", " 360.0  :  180.0", " 1375.9", " 2214.3"},
    {"30 0 0 N", "20 0 0 E", "10 0 0 N", "20 0 0 E", " 180.0  :  360.0", " 1375.9", " 2214.3"},
    {"33 52 0 S", "151 12 0 E", "35 41 0 N", "139 41 0 E", " 350.1  :  169.9", " 4841.7",
     " 7792.0"},
    {"48 50 11 N", "2 20 14 E", "38 55 17 N", "77 3 56 W", " 291.8  :  51.8", " 3841.1", " 6181.6"},
};

}  // namespace tessaly
