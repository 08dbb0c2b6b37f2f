// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the great-circle map's data from Natural Earth as the world-atlas
// package ships it: data/land-110m.bin and data/land-50m.bin, the land at
// 1:110 and 1:50 million, and data/borders-50m.bin, the land borders between
// countries at 1:50 million. Run once, by hand, when the data should change;
// the build only reads the committed files:
//   cd tools/coastline && npm ci && npm run make
//
// A land file, all numbers little-endian:
//   "TLND"                      4 bytes
//   version                     uint32, 1
//   ring count                  uint32
//   per ring: point count       uint32, at least 3
//             points            int32 longitude, int32 latitude, microdegrees
// A ring is closed without repeating its first point; its edges are great
// circle arcs. Every ring has its smaller side on its right (clockwise seen
// from above): the land of an outer ring, the water of a lake. A point is on
// land where an odd number of rings enclose it on their smaller side.
//
// A lines file is the same with "TLIN": open lines of at least 2 points.
import fs from 'node:fs';
import {createRequire} from 'node:module';
import {feature, mesh} from 'topojson-client';

const kMicrodegreesPerDegree = 1e6;
const kRadiansPerDegree = Math.PI / 180;
const kData = new URL('../../data/', import.meta.url);
const require = createRequire(import.meta.url);

function unitVector([lon, lat]) {
  const phi = lat * kRadiansPerDegree, lambda = lon * kRadiansPerDegree;
  return [Math.cos(phi) * Math.cos(lambda), Math.cos(phi) * Math.sin(lambda), Math.sin(phi)];
}
const dot = (a, b) => a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
const cross = (a, b) =>
    [a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]];
const along = (v, s, w) => [v[0] + s * w[0], v[1] + s * w[1], v[2] + s * w[2]];

// The area on the ring's left, in steradians, by Gauss-Bonnet: 2 pi less the
// sum of the turns at the vertices (left turns positive), the edges being
// geodesics. Independent of any pole or of how the ring crosses 180 degrees.
function areaOnLeft(points) {
  const v = points.map(unitVector);
  let turning = 0;
  for (let i = 0; i < v.length; ++i) {
    const previous = v[(i + v.length - 1) % v.length], here = v[i], next = v[(i + 1) % v.length];
    const incoming = along(here, -1 / dot(previous, here), previous);  // away from previous
    const outgoing = along(next, -dot(next, here), here);               // towards next
    turning += Math.atan2(dot(cross(incoming, outgoing), here), dot(incoming, outgoing));
  }
  return 2 * Math.PI - turning;
}

// Microdegrees, without the closing point or any point equal to the one before.
function quantised(ring) {
  const points = [];
  for (const [lon, lat] of ring) {
    const point = [Math.round(lon * kMicrodegreesPerDegree), Math.round(lat * kMicrodegreesPerDegree)];
    const last = points[points.length - 1];
    if (!last || last[0] !== point[0] || last[1] !== point[1]) points.push(point);
  }
  const [first, last] = [points[0], points[points.length - 1]];
  if (first[0] === last[0] && first[1] === last[1]) points.pop();
  return points;
}

// Land polygons as rings, each turned to have its smaller side on its right.
function landRings(topology) {
  const land = feature(topology, topology.objects.land);
  const rings = [];
  let reversed = 0, landArea = 0;
  const polygons = land.features.flatMap(({geometry}) =>
      geometry.type === 'Polygon' ? [geometry.coordinates] : geometry.coordinates);
  for (const polygon of polygons) {
    polygon.forEach((ring, index) => {
      const points = quantised(ring);
      if (points.length < 3) return;
      const degrees = points.map(([lon, lat]) => [lon / kMicrodegreesPerDegree, lat / kMicrodegreesPerDegree]);
      let left = areaOnLeft(degrees);
      if (left < 2 * Math.PI) {
        points.reverse();
        left = 4 * Math.PI - left;
        ++reversed;
      }
      const smaller = 4 * Math.PI - left;
      landArea += index === 0 ? smaller : -smaller;  // the first ring is the outline, the rest lakes
      rings.push(points);
    });
  }
  return {rings, note: `${reversed} turned round; land is ` +
                       `${(100 * landArea / (4 * Math.PI)).toFixed(1)} % of the sphere`};
}

// The arcs two countries share: the borders on land, each once.
function borderLines(topology) {
  const borders = mesh(topology, topology.objects.countries, (a, b) => a !== b);
  const lines = [];
  for (const line of borders.coordinates) {
    const points = [];
    for (const [lon, lat] of line) {
      const point = [Math.round(lon * kMicrodegreesPerDegree), Math.round(lat * kMicrodegreesPerDegree)];
      const last = points[points.length - 1];
      if (!last || last[0] !== point[0] || last[1] !== point[1]) points.push(point);
    }
    if (points.length >= 2) lines.push(points);
  }
  return {rings: lines, note: 'open lines'};
}

function write(name, magic, {rings, note}) {
  const pointCount = rings.reduce((sum, ring) => sum + ring.length, 0);
  const buffer = Buffer.alloc(12 + 4 * rings.length + 8 * pointCount);
  let offset = buffer.write(magic, 0, 'latin1');
  offset = buffer.writeUInt32LE(1, offset);
  offset = buffer.writeUInt32LE(rings.length, offset);
  for (const ring of rings) {
    offset = buffer.writeUInt32LE(ring.length, offset);
    for (const [lon, lat] of ring) {
      offset = buffer.writeInt32LE(lon, offset);
      offset = buffer.writeInt32LE(lat, offset);
    }
  }
  fs.writeFileSync(new URL(name, kData), buffer);
  console.log(`${name}: ${rings.length} rings, ${pointCount} points, ${buffer.length} bytes; ${note}`);
}

write('land-110m.bin', 'TLND', landRings(require('world-atlas/land-110m.json')));
write('land-50m.bin', 'TLND', landRings(require('world-atlas/land-50m.json')));
write('borders-50m.bin', 'TLIN', borderLines(require('world-atlas/countries-50m.json')));
