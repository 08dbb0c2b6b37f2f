// SPDX-License-Identifier: GPL-3.0-or-later
// The peer make bench measures tessaly-cli adif against: what a user would
// write instead with npm packages, an ADIF parser and formatter, a
// Maidenhead decoder and GeographicLib's own JavaScript port, giving each
// QSO its DISTANCE (km) and a heading field where they are missing.
//   node adif-enrich.mjs IN.adi OUT.adi HOME_LOCATOR
import fs from 'node:fs';
import {createRequire} from 'node:module';

const require = createRequire(import.meta.url);
const {AdifParser, AdifFormatter} = require('adif-parser-ts');
const Maidenhead = require('maidenhead');
const {Geodesic} = require('geographiclib-geodesic');

const [input, output, home] = process.argv.slice(2);
const log = AdifParser.parseAdi(fs.readFileSync(input, 'latin1'));
for (const record of log.records) {
  const from = record.my_gridsquare || home;
  if (!record.gridsquare || !from || !Maidenhead.valid(record.gridsquare) || !Maidenhead.valid(from)) {
    continue;
  }
  const [lat1, lon1] = Maidenhead.toLatLon(from);
  const [lat2, lon2] = Maidenhead.toLatLon(record.gridsquare);
  const path = Geodesic.WGS84.Inverse(lat1, lon1, lat2, lon2);
  if (record.distance === undefined) record.distance = (path.s12 / 1000).toFixed(1);
  if (record.app_tessaly_heading === undefined) {
    record.app_tessaly_heading = ((path.azi1 + 360) % 360).toFixed(1);
  }
}
fs.writeFileSync(output, AdifFormatter.formatAdi(log), 'latin1');
