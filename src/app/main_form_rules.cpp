// The rules that tie the main window's controls together, and the version
// dialog.
#include "app/about_box.h"
#include "app/main_form.h"

namespace surva::app {

void MainForm::CheckBox8Click() {
  // The Z column is chosen only while Z is read.
  Edit21.setEnabled(CheckBox8.checked());
  UpDown5.setEnabled(CheckBox8.checked());
}

void MainForm::CheckBox21Click() {
  // Disabling keeps the checks, so they come back with PLINE.
  CheckBox5.setEnabled(CheckBox21.checked());
  CheckBox7.setEnabled(CheckBox21.checked());
  CheckBox28.setEnabled(CheckBox21.checked());
}

void MainForm::CheckBox4Click() { CheckBox11.setEnabled(CheckBox4.checked()); }

void MainForm::CheckBox16Click() { Button12.setText(CheckBox16.checked() ? u"ID (INT)" : u"ID"); }

void MainForm::CheckBox11MouseDown(ui::MouseButton button, int, int) {
  // The right button flips the INT option of point picking; it neither
  // clicks Button12 nor changes CheckBox11.
  if (button == ui::MouseButton::Right) CheckBox16.setChecked(!CheckBox16.checked());
}

void MainForm::N12Click() {
  AboutBox box(*this);
  box.showModal();
}

void MainForm::applyWindowRules() {
  CheckBox8Click();
  CheckBox4Click();
  CheckBox21Click();
  CheckBox16Click();
}

}  // namespace surva::app
