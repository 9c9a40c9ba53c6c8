// The spreadsheet link: reading and writing the lists, and the up-downs
// that choose the columns and the start row.
#include "app/main_form.h"
#include "points/list_commands.h"
#include "sheet/list_transfer.h"
#include "text/number.h"

namespace surva::app {

namespace {

sheet::ExcelLink linkOf(MainForm& f) {
  return {f.services(),
          {f.EXcelHandle, f.MSExcel, f.WorkBook, f.WorkSheet},
          kAppTitle,
          [&f](const text::u16& caption) { f.setText(caption); }};
}

// The letter edit shows the column the hidden edit holds: "A" for 0.
void showLetter(ui::Edit& letter, const ui::Edit& hidden, const ui::UpDown& upDown) {
  int n = text::tryParseInt(hidden.text()).value_or(upDown.position());
  letter.setText(text::u16(1, static_cast<char16_t>(u'A' + n)));
}

void columnClick(MainForm& f, ui::Edit& letter, const ui::Edit& hidden, const ui::UpDown& upDown) {
  showLetter(letter, hidden, upDown);
  sheet::ExcelLink link = linkOf(f);
  sheet::ExcelColSelect(link, upDown.position() + 1);
}

}  // namespace

sheet::SheetColumns MainForm::sheetColumns() const {
  sheet::SheetColumns c;
  c.fields = {UpDown1.position() + 1, UpDown2.position() + 1, UpDown3.position() + 1,
              CheckBox8.checked() ? UpDown5.position() + 1 : 0};
  c.startRow = UpDown4.position();
  return c;
}

void MainForm::Button1Click() {
  sheet::ExcelLink link = linkOf(*this);
  ui::TextGrid& list = StringGrid1.cells();
  if (sheet::ReadList(link, list, sheetColumns()) != sheet::ReadEnd::Finished) return;
  listReadEnded();
}

void MainForm::listReadEnded() {
  points::RenumberPlotNo(StringGrid1.cells());
  GroupBox2.setEnabled(false);
  StatusBar1.setPanelText(1, u"");
}

void MainForm::Button5Click() {
  sheet::ExcelLink link = linkOf(*this);
  sheet::WriteList(link, StringGrid1.cells(), sheetColumns(), sheet::FirstColumn::StationNames);
}

void MainForm::Button7Click() {
  sheet::ExcelLink link = linkOf(*this);
  sheet::WriteList(link, StringGrid2.cells(), sheetColumns(), sheet::FirstColumn::DrawingTexts);
}

void MainForm::UpDown1Click(ui::UpDownButton) { columnClick(*this, Edit3, Edit22, UpDown1); }
void MainForm::UpDown2Click(ui::UpDownButton) { columnClick(*this, Edit4, Edit23, UpDown2); }
void MainForm::UpDown3Click(ui::UpDownButton) { columnClick(*this, Edit5, Edit24, UpDown3); }
void MainForm::UpDown5Click(ui::UpDownButton) {
  if (CheckBox8.checked()) columnClick(*this, Edit21, Edit25, UpDown5);
}
void MainForm::UpDown4Click(ui::UpDownButton) {
  sheet::ExcelLink link = linkOf(*this);
  sheet::ExcelRowSelect(link, UpDown4.position());
}

}  // namespace surva::app
