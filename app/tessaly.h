// The main window's state and handlers. Each handler is defined in the folder
// of the subsystem it belongs to and reaches the screen only through
// WindowOperations, so it runs the same on the Qt window and on a test screen.
#pragma once

#include <cstdint>
#include <string>

#include "app/controls.h"
#include "app/location_controls.h"
#include "app/window_operations.h"
#include "geo/location.h"

namespace tessaly {

// Key codes as key-down handlers receive them.
using KeyCode = std::uint16_t;
inline constexpr KeyCode kKeyEnter = 13;
inline constexpr KeyCode kKeyControl = 17;
inline constexpr KeyCode kKeyDelete = 46;

// Modifier keys held with a key-down.
enum ShiftState : unsigned { kNoShift = 0, kShift = 1, kAlt = 2, kCtrl = 4 };

enum class MenuItem { Exit, SaveHome, RecallHome, About };

inline constexpr std::string_view kWindowCaption = "   Tessaly  V4.1";
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
  void OnKeyDown(Control focused, KeyCode key, ShiftState shift);
  // A typed character for the focused control; returns the character the
  // control should act on, '\0' to drop it.
  char OnKeyTyped(Control focused, char key);
  void OnFocusLeft(Control control);
  void OnClick(Control control);
  void OnDoubleClick(Control control);
  void OnTextChanged(Control control);
  void OnMenu(MenuItem item);

  // State shared by the handlers.
  Location Home;
  Location Destination;
  double DistanceFactor = 0.0;
  std::string HomeFilePath;

  // --- app/: frame
  void Exit1Click();
  void About1Click();

  // --- geo/: locator and distance commands
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Label24Click();

  // --- entry/: key filter, field checks, clicks
  char FilterKey(char key) const;
  char Edit1KeyPress(char key);
  char Edit2KeyPress(char key);
  char Edit3KeyPress(char key);
  char Edit4KeyPress(char key);
  char Edit5KeyPress(char key);
  char Edit6KeyPress(char key);
  char Edit8KeyPress(char key);
  char Edit9KeyPress(char key);
  char Edit10KeyPress(char key);
  char Edit11KeyPress(char key);
  char Edit12KeyPress(char key);
  char Edit13KeyPress(char key);
  void Edit1Exit();
  void Edit2Exit();
  void Edit3Exit();
  void Edit4Exit();
  void Edit5Exit();
  void Edit6Exit();
  void Edit8Exit();
  void Edit9Exit();
  void Edit10Exit();
  void Edit11Exit();
  void Edit12Exit();
  void Edit13Exit();
  void Edit1Click();
  void Edit2Click();
  void Edit3Click();
  void Edit4Click();
  void Edit5Click();
  void Edit6Click();
  void Edit8Click();
  void Edit9Click();
  void Edit10Click();
  void Edit11Click();
  void Edit12Click();
  void Edit13Click();

  // --- entry/: grid fields and the Enter command
  void Edit7Click();
  void Edit14Click();
  void Edit7KeyDown(KeyCode key, ShiftState shift);
  void Edit14KeyDown(KeyCode key, ShiftState shift);
  void FormKeyDown(KeyCode key, ShiftState shift);

  // --- entry/: format switch
  void Panel1DblClick();
  void Panel2DblClick();
  void FormDblClick();

  // --- home/: the home file
  void FormCreate();
  void FormShow();
  void SaveHome1Click();
  void RecallHome1Click();

 private:
  WindowOperations& window_;
  std::string home_directory_;

  Location& Record(Side side) { return side == Side::Home ? Home : Destination; }

  // Shared bodies of the handlers that exist once per field or location.
  void CheckCoordinateField(Control field);
  void ClickCoordinateField(Control field);
  void ClearLocation(Side side);
  void ClearOnKey(Side side, KeyCode key);
  void CalcGrid(Side side);
  void CalcLatLon(Side side);
  void SwitchFormat(Side side);
  // Sets DistanceFactor (kMilesPerKilometre or kKilometresPerKilometre) and
  // the distance caption that names its unit.
  void SetDistanceUnit(double factor);
  // The widths and visible fields of a location's format, without converting.
  void ShowFormatLayout(Side side, bool decimal);
  // Sets the flag to the other value and runs the switch, which toggles it
  // back and converts the fields: the location ends in `decimal` format.
  void ApplyFormat(Side side, bool decimal);
};

}  // namespace tessaly
