// SPDX-License-Identifier: GPL-3.0-or-later
// The long path: from Home the other way round the earth to the Destination,
// along the same great circle as the short path.
#pragma once

#include "geo/distance.h"
#include "geo/location.h"

namespace tessaly {

// The heading the other way: short_path_heading + 180, in degrees from 0 up
// to but not including 360 (a short path due north, 360, gives 180).
double LongPathHeading(double short_path_heading);

// The circumference, in kilometres, of the great ellipse through two
// positions: the ellipse in which the plane through them and the earth's
// centre cuts the ellipsoid of EllipsoidDistance. It runs from the meridian's
// 40007.9 km to the equator's 40075.0 km. Positions in radians, north and
// east positive; coinciding or antipodal positions lie on many such planes,
// and give the meridian's.
double GreatEllipseCircumferenceKm(double lat1, double lon1, double lat2, double lon2);

// The long path between the positions the short path was measured between
// (MeasurePath, decimal degrees): both headings turned round, and as its
// length the great ellipse's circumference less the short path. The great
// ellipse is the ellipsoid's closed counterpart of the great circle (a
// geodesic round the ellipsoid does not close on itself) and differs from
// the geodesic by far less than Andoyer's approximation does.
Path MeasureLongPath(const SignedPosition& from, const SignedPosition& to, const Path& short_path);

}  // namespace tessaly
