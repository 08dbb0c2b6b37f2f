// SPDX-License-Identifier: GPL-3.0-or-later
// One location's frame, Home's or the Destination's: its controls by role,
// its format and its record, and the operations every command performs on
// them. The commands say what to read and write; the panel knows which
// control holds it and in which order the fields are written.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "geo/location.h"
#include "geo/locator.h"
#include "window/location_controls.h"
#include "window/window_operations.h"

namespace tessaly {

// Latitude degrees, minutes, seconds, then longitude degrees, minutes,
// seconds.
using CoordinateTexts = std::array<std::string, 6>;

// The position a location's fields give, as "Calc. Grid" reads them.
struct FieldPosition {
  DmsAngle Lat;  // magnitudes in whole seconds: the 6-character encoder's, the home file's
  DmsAngle Lon;
  double LatDegrees = 0.0;  // the same magnitudes in decimal degrees, seconds' decimals included
  double LonDegrees = 0.0;
  ArcUnits LatArc = 0;  // exactly, as the finer locators are encoded from
  ArcUnits LonArc = 0;
  int LatHemisphere = kNoSelection;  // the radio groups' item indexes
  int LonHemisphere = kNoSelection;
  SignedPosition Signed() const {
    return SignedByHemispheres(LatDegrees, LonDegrees, LatHemisphere, LonHemisphere);
  }
};

class LocationPanel {
 public:
  LocationPanel(WindowOperations& window, Side side);

  const LocationControls& Controls() const { return controls_; }
  bool DecimalFormat() const { return record_.DecimalFormat; }

  // The locator length the panel writes and reads, and the layout that holds
  // it: from 10 characters on the seconds show decimals, so that a cell's
  // centre lies inside it.
  int Characters() const { return characters_; }
  void SetCharacters(int characters);

  // Texts.
  std::string Grid() const;
  void SetGrid(const std::string& text);
  // Either degree field or the grid field holds something: the location is
  // not empty to the distance command.
  bool HasSomething() const;
  bool AnyCoordinateFieldEmpty() const;
  // Both degree fields hold something: the location has a position to show.
  bool HasPosition() const;

  // Reading. In degrees/minutes/seconds each field is a whole number (the
  // seconds, from 10 characters on, a decimal one), a text that is none
  // counting as the fallback's part; in decimal degrees the two degree fields
  // are read as decimal numbers (TessalyError for a text that is none) and
  // split, and the hidden fields are not read.
  FieldPosition Read(const DmsAngle& lat_fallback = {}, const DmsAngle& lon_fallback = {}) const;
  // What "Calc. Grid" and the distance command read, kept in the record.
  FieldPosition ReadAndStore();
  // The position shown, read as Read() but without failing: nothing where
  // decimal degrees are no number.
  std::optional<SignedPosition> ShownPosition() const;

  // Writing. Every write goes through the window, so the text-changed rule
  // runs (see RechecksLongitudeDegrees); the longitude degrees are always
  // written before the longitude minutes, so that the check sees them.
  void WriteCoordinates(const CoordinateTexts& texts);  // reading order
  void ClearCoordinates();                              // fields, then both hemisphere choices
  void SetField(Control field, const std::string& text);
  void SetHemispheres(int latitude_index, int longitude_index);
  // "Calc. Grid"'s write: the locator of the position read, in the panel's
  // length.
  void ShowLocatorOf(const FieldPosition& position);
  // "Calc. Lat/Lon"'s writes: the centre of a decoded cell (or, for a text
  // that is no locator, empty fields and "N" and "W"), in the location's
  // format, then the locator rewritten or " Error!".
  void ShowDecoded(const std::optional<DecodedLocator>& decoded);

  // The format switch (a double-click on the frame): toggles the flag and
  // converts the fields.
  void SwitchFormat();
  // Brings the location into `decimal` format from the other one: reads the
  // fields as the other format shows them and writes them in this one. An
  // empty degree field stays empty. A reading that fails (TessalyError)
  // changes nothing: flag, fields and layout stay as they were.
  void ApplyFormat(bool decimal);
  // The flag alone, as the recall sets it.
  void SetDecimalFormat(bool decimal) { record_.DecimalFormat = decimal; }
  // Decimal degrees into the degree fields only, as the switch and
  // "Calc. Lat/Lon" show them; the hidden fields keep their texts, and an
  // axis without a value is not written.
  void ShowDecimalDegrees(std::optional<double> lat, std::optional<double> lon);
  // The layout of a format: degree field widths, minute and second fields
  // and labels. A hidden field that held the focus hands it to the field
  // that now shows its coordinate.
  void ShowLayout(bool decimal);

  // The check when the focus leaves a coordinate field: a value above its
  // bound is emptied in place; a text that is no number throws.
  void CheckField(Control field);
  // Home's rule: every change of its longitude minutes checks its longitude
  // degrees again, whoever makes the change.
  void OnTextChanged(Control field);

 private:
  FieldPosition ReadWholeParts(const DmsAngle& lat_fallback, const DmsAngle& lon_fallback) const;
  // Seconds read and shown with decimals, from 10 characters on.
  int SecondDecimals() const;
  FieldPosition ReadDecimalDegrees() const;
  void ReadHemispheres(FieldPosition& position) const;

  WindowOperations& window_;
  const LocationControls& controls_;
  // Home has the re-check of its longitude degrees, the Destination none.
  bool rechecks_longitude_degrees_;
  Location record_;
  int characters_ = kDefaultCharacters;
};

}  // namespace tessaly
