// Point picking, panning and the text-layer pick.
#include "app/main_form.h"
#include "cad/point_picking.h"
#include "cad/text_layer_pick.h"
#include "cad/view_pan.h"
#include "points/list_commands.h"

namespace surva::app {

namespace {

// The main window as the picking commands hand it to CAD and back.
class PickingForm : public cad::PickingWindow {
 public:
  explicit PickingForm(MainForm& form) : form_(form) {}
  void minimise() override { form_.setWindowState(ui::WindowState::Minimized); }
  void restore() override { form_.setWindowState(ui::WindowState::Normal); }
  void showNextName(const text::u16& name) override { form_.Edit33.setText(name); }
  void pickWritten() override {
    form_.GroupBox2.setEnabled(false);
    form_.StatusBar1.setPanelText(1, u"");
  }
  void bringToFront() override { form_.bringToFront(); }

 private:
  MainForm& form_;
};

}  // namespace

void MainForm::Button12Click() {
  cad::PickingSettings s;
  s.intersectionSnap = CheckBox16.checked();
  s.decimals = UpDown7.position();
  s.labels = CheckBox19.checked();
  s.labelHeight = Edit34.text();
  s.dimscale = CheckBox20.checked();
  s.nextName = Edit33.text();
  s.labelLayer = Edit9.text();
  PickingForm window(*this);
  cad::PickPointsToList(services(), state().targetProgId, s, StringGrid1.cells(), window);
}

void MainForm::SpeedButton3Click() {
  // The harvest rewrites the main list meanwhile.
  if (state().entToSlFlag) return;
  cad::PanToCurrentRow(services(), state().targetProgId, StringGrid1.cells());
}

void MainForm::SpeedButton1Click() { cad::PanToCurrentRow(services(), state().targetProgId, StringGrid2.cells()); }

void MainForm::StringGrid1Click() {
  ui::TextGrid& list = StringGrid1.cells();
  StatusBar1.setPanelText(0, points::RowPanelText(list));
  // PLOT No. is not for editing: moving off it runs this handler again.
  if (list.col() == 4) list.setCurrent(0, list.row());
  if (CheckBox18.checked()) SpeedButton3Click();
}

void MainForm::StringGrid2Click() {
  if (CheckBox17.checked()) SpeedButton1Click();
}

void MainForm::SpeedButton2Click() {
  PickingForm window(*this);
  if (auto layer = cad::PickTextLayer(services(), state().targetProgId, window)) Edit29.setText(*layer);
}

}  // namespace surva::app
