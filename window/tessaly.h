// SPDX-License-Identifier: GPL-3.0-or-later
// The main window without its toolkit: the two location panels, the results
// and the handlers of every user event. A handler reaches the screen only
// through WindowOperations, so it runs the same on the Qt window and on a
// test screen.
//
// How input reaches the display: the adapter turns a user event into one of
// the On... calls below (the event table); the table picks the handler by the
// control and, for per-field and per-location handlers, by the field's role
// and side; the handler reads field texts through the panels, computes with
// geo/, and writes the results back through them, whose text changes come
// back here as OnTextChanged.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "geo/location.h"
#include "geo/locator.h"
#include "home/home_file.h"
#include "window/controls.h"
#include "window/location_panel.h"
#include "window/map_view.h"
#include "window/menu.h"
#include "window/results.h"
#include "window/version.h"
#include "window/window_operations.h"

namespace tessaly {

// Key codes as key-down handlers receive them.
using KeyCode = std::uint16_t;
inline constexpr KeyCode kKeyEnter = 13;
inline constexpr KeyCode kKeyControl = 17;
inline constexpr KeyCode kKeyDelete = 46;

inline constexpr std::string_view kWindowCaption = "   Tessaly  V" TESSALY_VERSION;
inline constexpr std::string_view kApplicationTitle = "Tessaly";

class TTessaly1 {
 public:
  // `home_directory` is where the home file lives (created on the first save).
  TTessaly1(WindowOperations& window, std::string home_directory);

  // The event table: the adapters report each user event here, and it runs
  // the bound handler. Handlers throw TessalyError; callers show it.
  void OnCreate();
  void OnFirstShow();
  // Key preview first, then the focused control's own key-down handler.
  void OnKeyDown(Control focused, KeyCode key);
  // A typed character for the focused control; returns the character the
  // control should act on, '\0' to drop it.
  char OnKeyTyped(Control focused, char key);
  void OnFocusLeft(Control control);
  void OnClick(Control control);
  void OnDoubleClick(Control control);
  void OnTextChanged(Control control);
  // The main window's menu items; the others are the adapter's.
  void OnMenu(MenuItem item);

  // Whether a View item shows its check mark: the state its handler toggles,
  // however it last changed. Other items have none.
  bool IsChecked(MenuItem item) const;

  // The locator length the commands write and read: 6 (as the window has
  // always had it), 8, 10 or 12 characters; anything else is ignored. A
  // preference of the user's, kept by the adapter: the fields keep their
  // texts, and the layout follows.
  void SetPrecision(int characters);
  int Precision() const { return precision_; }

  // What the great-circle map shows now: the last path the distance command
  // measured, while its results are still shown; else Home alone, where its
  // fields put it. Nothing while those fields give no position (decimal
  // degrees that are no number). Reads the fields and changes nothing.
  std::optional<MapContent> MapView() const;
  // A point of the map chosen as the Destination: its locator at the
  // chosen precision put into the Destination grid field, then what Enter
  // runs (see map_view.cpp).
  void SetDestinationAt(const SignedPosition& point);

 private:
  LocationPanel& Panel(Side side) { return side == Side::Home ? home_ : destination_; }

  // The window's own handlers, by the names of their bindings.
  void FormCreate();
  void FormShow();
  void FormKeyDown(KeyCode key);  // the Enter command
  void FormDblClick();            // both format switches
  void Button5Click();            // the distance command
  void Label24Click();            // the unit switch
  void SaveHome1Click();
  void RecallHome1Click();
  void Exit1Click();
  void About1Click();

  // The handlers of either location. Home's are bound as Button1Click,
  // Button2Click, Panel1DblClick, Edit7Click and Edit7KeyDown; the
  // Destination's as Button3Click, Button4Click, Panel2DblClick, Edit14Click
  // and Edit14KeyDown.
  // "Calc. Grid": returns the position it read, in signed decimal degrees.
  SignedPosition CalcGrid(Side side);
  // "Calc. Lat/Lon": returns whether the grid field held a locator (if not,
  // it now shows " Error!").
  bool CalcLatLon(Side side);
  void ClearLocation(Side side);

  // The handlers of every coordinate field: EditNKeyPress, EditNExit and
  // EditNClick.
  char FilterKey(char key) const;
  void ClickCoordinateField(Control field);

  // Home commands. The recall as the first show runs it, before the focus
  // moves and the Home locator is computed; "Recall Home" computes it too.
  void Recall();
  void RecallDefaultHome();
  void RecallHome(const RecalledHome& home);
  // The recall's last step for the Destination; `was_decimal` is its flag
  // before the recall.
  void BringDestinationInto(bool decimal, bool was_decimal);

  WindowOperations& window_;
  std::string home_directory_;
  std::string home_file_path_;
  LocationPanel home_;
  LocationPanel destination_;
  Results results_;
  int precision_ = kDefaultCharacters;
};

}  // namespace tessaly
