// Which handler runs for which user event.
#include "app/tessaly.h"

namespace tessaly {

void TTessaly1::OnCreate() {
  FormCreate();
}

void TTessaly1::OnFirstShow() {
  FormShow();
}

void TTessaly1::OnKeyDown(Control focused, KeyCode key, ShiftState shift) {
  FormKeyDown(key, shift);
  if (focused == Control::Edit7) Edit7KeyDown(key, shift);
  if (focused == Control::Edit14) Edit14KeyDown(key, shift);
}

char TTessaly1::OnKeyTyped(Control focused, char key) {
  switch (focused) {
    case Control::Edit1: return Edit1KeyPress(key);
    case Control::Edit2: return Edit2KeyPress(key);
    case Control::Edit3: return Edit3KeyPress(key);
    case Control::Edit4: return Edit4KeyPress(key);
    case Control::Edit5: return Edit5KeyPress(key);
    case Control::Edit6: return Edit6KeyPress(key);
    case Control::Edit8: return Edit8KeyPress(key);
    case Control::Edit9: return Edit9KeyPress(key);
    case Control::Edit10: return Edit10KeyPress(key);
    case Control::Edit11: return Edit11KeyPress(key);
    case Control::Edit12: return Edit12KeyPress(key);
    case Control::Edit13: return Edit13KeyPress(key);
    default: return key;
  }
}

void TTessaly1::OnFocusLeft(Control control) {
  switch (control) {
    case Control::Edit1: return Edit1Exit();
    case Control::Edit2: return Edit2Exit();
    case Control::Edit3: return Edit3Exit();
    case Control::Edit4: return Edit4Exit();
    case Control::Edit5: return Edit5Exit();
    case Control::Edit6: return Edit6Exit();
    case Control::Edit8: return Edit8Exit();
    case Control::Edit9: return Edit9Exit();
    case Control::Edit10: return Edit10Exit();
    case Control::Edit11: return Edit11Exit();
    case Control::Edit12: return Edit12Exit();
    case Control::Edit13: return Edit13Exit();
    default: return;
  }
}

void TTessaly1::OnClick(Control control) {
  switch (control) {
    case Control::Edit1: return Edit1Click();
    case Control::Edit2: return Edit2Click();
    case Control::Edit3: return Edit3Click();
    case Control::Edit4: return Edit4Click();
    case Control::Edit5: return Edit5Click();
    case Control::Edit6: return Edit6Click();
    case Control::Edit7: return Edit7Click();
    case Control::Edit8: return Edit8Click();
    case Control::Edit9: return Edit9Click();
    case Control::Edit10: return Edit10Click();
    case Control::Edit11: return Edit11Click();
    case Control::Edit12: return Edit12Click();
    case Control::Edit13: return Edit13Click();
    case Control::Edit14: return Edit14Click();
    case Control::Button1: return Button1Click();
    case Control::Button2: return Button2Click();
    case Control::Button3: return Button3Click();
    case Control::Button4: return Button4Click();
    case Control::Button5: return Button5Click();
    case Control::Label24: return Label24Click();
    default: return;
  }
}

void TTessaly1::OnDoubleClick(Control control) {
  switch (control) {
    case Control::Panel1: return Panel1DblClick();
    case Control::Panel2: return Panel2DblClick();
    case Control::Window: return FormDblClick();
    default: return;
  }
}

// Whoever changes the Home longitude minutes, the Home longitude degrees are
// checked again.
void TTessaly1::OnTextChanged(Control control) {
  if (control == Control::Edit5) Edit4Exit();
}

void TTessaly1::OnMenu(MenuItem item) {
  switch (item) {
    case MenuItem::Exit: return Exit1Click();
    case MenuItem::SaveHome: return SaveHome1Click();
    case MenuItem::RecallHome: return RecallHome1Click();
    case MenuItem::About: return About1Click();
  }
}

}  // namespace tessaly
