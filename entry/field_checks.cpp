// The check of a coordinate field when the focus leaves it, and what a click
// in one clears.
#include "app/tessaly.h"

namespace tessaly {

namespace {

// Inclusive maxima: the hemisphere is chosen apart, so there is no lower bound.
constexpr double kMaxLatitudeDegrees = 89.0;
constexpr double kMaxLongitudeDegrees = 179.0;
constexpr std::int32_t kMaxMinutesOrSeconds = 59;

bool IsLatitudeDegrees(Control field) {
  return field == ControlsOf(SideOf(field)).LatDegrees;
}
bool IsLongitudeDegrees(Control field) {
  return field == ControlsOf(SideOf(field)).LonDegrees;
}

// Degree fields may hold decimal degrees; minutes and seconds are whole.
bool ExceedsBound(Control field, const std::string& text) {
  if (IsLatitudeDegrees(field)) return ReadDecimal(text) > kMaxLatitudeDegrees;
  if (IsLongitudeDegrees(field)) return ReadDecimal(text) > kMaxLongitudeDegrees;
  return ReadWholeNumber(text) > kMaxMinutesOrSeconds;
}

}  // namespace

// A value above the bound is emptied in place; an accepted one keeps the
// text the user typed ("007" stays "007"). A text that is no number throws.
void TTessaly1::CheckCoordinateField(Control field) {
  const std::string text = window_.GetText(field);
  if (text.empty()) return;
  if (ExceedsBound(field, text)) window_.SetText(field, "");
}

// The location's locator and the results no longer match what is being
// typed, so they go together with the clicked value.
void TTessaly1::ClickCoordinateField(Control field) {
  window_.SetText(field, "");
  window_.SetText(ControlsOf(SideOf(field)).Grid, "");
  window_.SetText(Control::Edit15, "");
  window_.SetText(Control::Edit16, "");
}

void TTessaly1::Edit1Exit() {
  CheckCoordinateField(Control::Edit1);
}
void TTessaly1::Edit2Exit() {
  CheckCoordinateField(Control::Edit2);
}
void TTessaly1::Edit3Exit() {
  CheckCoordinateField(Control::Edit3);
}
void TTessaly1::Edit4Exit() {
  CheckCoordinateField(Control::Edit4);
}
void TTessaly1::Edit5Exit() {
  CheckCoordinateField(Control::Edit5);
}
void TTessaly1::Edit6Exit() {
  CheckCoordinateField(Control::Edit6);
}
void TTessaly1::Edit8Exit() {
  CheckCoordinateField(Control::Edit8);
}
void TTessaly1::Edit9Exit() {
  CheckCoordinateField(Control::Edit9);
}
void TTessaly1::Edit10Exit() {
  CheckCoordinateField(Control::Edit10);
}
void TTessaly1::Edit11Exit() {
  CheckCoordinateField(Control::Edit11);
}
void TTessaly1::Edit12Exit() {
  CheckCoordinateField(Control::Edit12);
}
void TTessaly1::Edit13Exit() {
  CheckCoordinateField(Control::Edit13);
}

void TTessaly1::Edit1Click() {
  ClickCoordinateField(Control::Edit1);
}
void TTessaly1::Edit2Click() {
  ClickCoordinateField(Control::Edit2);
}
void TTessaly1::Edit3Click() {
  ClickCoordinateField(Control::Edit3);
}
void TTessaly1::Edit4Click() {
  ClickCoordinateField(Control::Edit4);
}
void TTessaly1::Edit5Click() {
  ClickCoordinateField(Control::Edit5);
}
void TTessaly1::Edit6Click() {
  ClickCoordinateField(Control::Edit6);
}
void TTessaly1::Edit8Click() {
  ClickCoordinateField(Control::Edit8);
}
void TTessaly1::Edit9Click() {
  ClickCoordinateField(Control::Edit9);
}
void TTessaly1::Edit10Click() {
  ClickCoordinateField(Control::Edit10);
}
void TTessaly1::Edit11Click() {
  ClickCoordinateField(Control::Edit11);
}
void TTessaly1::Edit12Click() {
  ClickCoordinateField(Control::Edit12);
}
void TTessaly1::Edit13Click() {
  ClickCoordinateField(Control::Edit13);
}

}  // namespace tessaly
