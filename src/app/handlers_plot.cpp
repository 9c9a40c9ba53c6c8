// Plotting into CAD, the coordinate table and the plot range.
#include "app/main_form.h"
#include "cad/hand_over.h"
#include "dxf/plot_command.h"
#include "dxf/table_command.h"
#include "points/plot_range.h"
#include "points/working_array.h"

namespace surva::app {

namespace {

// The main window as the table command hands it to CAD and back.
class FormWindowState : public cad::MainWindowState {
 public:
  explicit FormWindowState(ui::Form& form) : form_(form) {}
  void minimise() override { form_.setWindowState(ui::WindowState::Minimized); }
  void restore() override { form_.setWindowState(ui::WindowState::Normal); }

 private:
  ui::Form& form_;
};

}  // namespace

void MainForm::Button2Click(const ui::Control& sender) {
  dxf::PlotSettings s;
  s.zFromList = &sender != &Button13;
  s.polylines = CheckBox21.checked();
  s.separator = Edit7.text();
  s.closed = CheckBox5.checked();
  s.threeD = CheckBox28.checked();
  s.orderByNearest = CheckBox7.checked();
  s.points = CheckBox22.checked();
  s.circles = CheckBox26.checked();
  s.names = CheckBox23.checked();
  s.coords = CheckBox4.checked();
  s.zOnly = CheckBox11.checked();
  s.polylineLayer = Edit2.text();
  s.pointLayer = Edit8.text();
  s.circleLayer = Edit18.text();
  s.nameLayer = Edit9.text();
  s.coordLayer = Edit10.text();
  s.radius = Edit19.text();
  s.nameHeight = Edit1.text();
  s.coordHeight = Edit13.text();
  s.dimscale = CheckBox24.checked();
  s.labelDecimals = UpDown6.position();
  s.plotRange = Edit31.text();
  dxf::PlotToCad({services(), state().targetProgId, state().exchangeDxfPath}, s, StringGrid1.cells(),
                 points::WorkingArray());
}

void MainForm::Button3Click(const ui::Control& sender) {
  dxf::TableSettings s;
  s.yxOrder = &sender == &Button8;
  s.zColumn = CheckBox8.checked();
  s.thousandths = CheckBox9.checked();
  s.dimscale = CheckBox24.checked();
  s.rowHeight = Edit15.text();
  s.nameWidth = Edit16.text();
  s.coordWidth = Edit17.text();
  s.textHeight = Edit14.text();
  s.decimals = Edit20.text();
  s.frameLayer = Edit11.text();
  s.textLayer = Edit12.text();
  FormWindowState window(*this);
  dxf::TableToCad({services(), state().targetProgId, state().exchangeDxfPath}, s, StringGrid1.cells(), window);
}

void MainForm::Edit31Change() { points::plotRangeChanged(StringGrid1); }

void MainForm::StringGrid1DrawCell(int col, int row, const ui::CellState&, ui::CellStyle& style) {
  points::plotListCellStyle(Edit31.text(), col, row, style);
}

}  // namespace surva::app
