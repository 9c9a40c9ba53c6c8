#include "app/target_cad_form.h"

#include "app/target_cad_form_layout.h"

namespace surva::app {

using text::u16;

TTargetCADForm::TTargetCADForm(platform::Services& services, TargetCadLinks links, ui::Form* owner)
    : ui::Form(u"TargetCADForm", nullptr, owner),
      ListBox1((buildLayout(), get<ui::ListBox>(u"ListBox1"))),
      GroupBox1(get<ui::GroupBox>(u"GroupBox1")),
      Label1(get<ui::Label>(u"Label1")),
      Edit1(get<ui::Edit>(u"Edit1")),
      Label2(get<ui::Label>(u"Label2")),
      Edit2(get<ui::Edit>(u"Edit2")),
      SpeedButton1(get<ui::SpeedButton>(u"SpeedButton1")),
      SpeedButton2(get<ui::SpeedButton>(u"SpeedButton2")),
      SpeedButton3(get<ui::SpeedButton>(u"SpeedButton3")),
      Button1(get<ui::Button>(u"Button1")),
      Button2(get<ui::Button>(u"Button2")),
      links_(links),
      runner_(services.dialogs),
      list_(*services.files, *services.codec, targetCadFilePath(services.paths->executablePath())) {
  ListBox1.onClick = guarded(&TTargetCADForm::ListBox1Click);
  SpeedButton1.onClick = guarded(&TTargetCADForm::SpeedButton1Click);
  SpeedButton2.onClick = guarded(&TTargetCADForm::SpeedButton2Click);
  SpeedButton3.onClick = guarded(&TTargetCADForm::SpeedButton3Click);
  Edit1.onKeyDown = guarded(&TTargetCADForm::Edit1KeyPress);
  Edit2.onKeyDown = guarded(&TTargetCADForm::Edit1KeyPress);
  Button1.onClick = guarded(&TTargetCADForm::Button1Click);
}

bool TTargetCADForm::buildLayout() {
  setText(kTargetCadFormCaption);
  setBounds({0, 0, kTargetCadClientWidth, kTargetCadClientHeight});
  setBorderStyle(ui::BorderStyle::Dialog);
  setBorderIcons({.systemMenu = true, .minimize = false, .maximize = false});
  setPositionMode(ui::FormPosition::ScreenCenter);
  setFont({.name = kTargetCadFontName, .sizePx = kTargetCadFontSize});
  ui::buildForm(*this, targetCadFormLayout());
  return true;
}

ui::ModalResult TTargetCADForm::execute() {
  runner_.run([this] { FormShow(); });
  return showModal();
}

void TTargetCADForm::pull() {
  list_.state.name = Edit1.text();
  list_.state.progId = Edit2.text();
  list_.state.selected = ListBox1.itemIndex();
}

void TTargetCADForm::push() {
  if (ListBox1.items() != list_.state.entries) ListBox1.setItems(list_.state.entries);
  ListBox1.setItemIndex(list_.state.selected);
  Edit1.setText(list_.state.name);
  Edit2.setText(list_.state.progId);
}

void TTargetCADForm::FormShow() {
  pull();
  list_.show(links_.targetProgId);
  push();
}

void TTargetCADForm::ListBox1Click() {
  pull();
  list_.select(ListBox1.itemIndex());
  push();
}

void TTargetCADForm::SpeedButton1Click() {
  pull();
  list_.add();
  push();
}

void TTargetCADForm::SpeedButton2Click() {
  pull();
  list_.remove();
  push();
}

void TTargetCADForm::SpeedButton3Click() {
  pull();
  list_.change();
  push();
}

void TTargetCADForm::Edit1KeyPress(ui::KeyCode& key, ui::ShiftState) {
  if (key != ui::keys::Return) return;
  key = ui::keys::None;
  SpeedButton3Click();
}

void TTargetCADForm::Button1Click() {
  links_.mainWindow.setText(u16(kAppTitle) + u" [ " + Edit1.text() + u" ]");
  links_.targetProgId = Edit2.text();
  links_.nameBox.setText(Edit1.text());
  links_.progIdBox.setText(Edit2.text());
}

}  // namespace surva::app
