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

// Status panel 0 shows how far a transfer has got while the spreadsheet
// answers block after block, and what it showed before once it ends.
class TransferPanel {
 public:
  explicit TransferPanel(MainForm& f) : form_(f), before_(f.StatusBar1.panelText(0)) {}
  ~TransferPanel() { form_.StatusBar1.setPanelText(0, before_); }
  TransferPanel(const TransferPanel&) = delete;
  TransferPanel& operator=(const TransferPanel&) = delete;
  sheet::Progress progress() {
    return [this](const text::u16& t) { form_.StatusBar1.setPanelText(0, t); };
  }

 private:
  MainForm& form_;
  text::u16 before_;
};

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
  TransferPanel panel(*this);
  if (sheet::ReadList(link, list, sheetColumns(), panel.progress()) != sheet::ReadEnd::Finished) return;
  listReadEnded();
}

void MainForm::listReadEnded() {
  points::RenumberPlotNo(StringGrid1.cells());
  GroupBox2.setEnabled(false);
  StatusBar1.setPanelText(1, u"");
}

void MainForm::Button5Click() {
  sheet::ExcelLink link = linkOf(*this);
  TransferPanel panel(*this);
  sheet::WriteList(link, StringGrid1.cells(), sheetColumns(), sheet::FirstColumn::StationNames, panel.progress());
}

void MainForm::Button7Click() {
  sheet::ExcelLink link = linkOf(*this);
  TransferPanel panel(*this);
  sheet::WriteList(link, StringGrid2.cells(), sheetColumns(), sheet::FirstColumn::DrawingTexts, panel.progress());
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
