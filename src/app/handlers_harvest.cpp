// Harvesting from CAD: "CADから" with the list display check boxes, "TEXT 取得"
// with the TEXT list, and clearing the harvest store.
#include "app/main_form.h"
#include "cad/cad_session.h"
#include "cad/harvest_command.h"
#include "cad/list_from_store.h"
#include "cad/target_check.h"
#include "cad/text_list.h"
#include "points/list_commands.h"

namespace surva::app {

namespace {

// The main window as one tab's harvest sees it.
class HarvestTab : public cad::HarvestWindow, public cad::HarvestProgress {
 public:
  HarvestTab(MainForm& form, ui::ProgressBar& bar, bool mainTab) : form_(form), bar_(bar), mainTab_(mainTab) {}

  void minimise() override { form_.setWindowState(ui::WindowState::Minimized); }
  void restore() override { form_.setWindowState(ui::WindowState::Normal); }
  void bringToFront() override { form_.bringToFront(); }
  cad::HarvestProgress& progress() override { return *this; }
  void setSummary(const text::u16& text) override { form_.StatusBar1.setPanelText(1, text); }
  void listFromStore() override { mainTab_ ? form_.EntToSL() : form_.EntToSL2(); }
  bool listShowsNothing() override {
    const ui::TextGrid& list = form_.StringGrid1.cells();
    return list.rowCount() <= 2 && list.cell(1, 1).empty();
  }
  void setListDisplayEnabled(bool enabled) override { form_.GroupBox2.setEnabled(enabled); }

  void setMax(int max) override { bar_.setRange(bar_.min(), max); }
  void setPosition(int position) override { bar_.setPosition(position); }
  void setStatus(const text::u16& text) override { form_.StatusBar1.setPanelText(0, text); }
  void processMessages() override { form_.processMessages(); }

 private:
  MainForm& form_;
  ui::ProgressBar& bar_;
  bool mainTab_;
};

// entToSlFlag is cleared also when a rebuild stops on an error, so that the
// list's PAN does not stay blocked for the rest of the run.
class FlagWhileListing {
 public:
  explicit FlagWhileListing(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagWhileListing() { flag_ = false; }
  FlagWhileListing(const FlagWhileListing&) = delete;
  FlagWhileListing& operator=(const FlagWhileListing&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void MainForm::Button4Click() {
  HarvestTab tab(*this, ProgressBar1, true);
  cad::HarvestToMainList({services(), state().targetProgId, state().harvest, UCS.checked()}, tab);
}

void MainForm::Button6Click() {
  HarvestTab tab(*this, ProgressBar2, false);
  cad::HarvestTexts({services(), state().targetProgId, state().harvest, UCS.checked()}, tab);
}

void MainForm::EntToSL() {
  FlagWhileListing flag(state().entToSlFlag);
  processMessages();
  cad::ListingOptions o;
  o.vertices = CheckBox1.checked();
  o.points = CheckBox2.checked();
  o.circles = CheckBox6.checked();
  o.texts = CheckBox27.checked();
  o.ucs = UCS.checked();
  o.decimals = UpDown6.position();
  o.nameSearch = CheckBox3.checked();
  o.range = cad::StationSearchRange(services(), state().targetProgId, Edit28.text(), CheckBox25.checked());
  o.layerFilter = CheckBox10.checked();
  o.layer = Edit29.text();
  cad::FillListFromStore(state().harvest, o, StringGrid1.cells());
  N10Click();
  N13Click();
  StatusBar1.setPanelText(0, u"1 / " + text::intToText(StringGrid1.cells().rowCount() - 1));
}

void MainForm::EntToSL2() { cad::FillTextList(state().harvest, UCS.checked(), UpDown6.position(), StringGrid2.cells()); }

void MainForm::CheckBox1Click() { EntToSL(); }

void MainForm::N17Click() {
  N7Click();
  state().harvest.clear();
  StatusBar1.setPanelText(1, {});
}

void MainForm::StringGrid2FixedCellClick(int col, int row) { cad::SortTextListByHeader(StringGrid2.cells(), col, row); }

void MainForm::StringGrid2DrawCell(int col, int row, const ui::CellState&, ui::CellStyle& style) {
  cad::TextListCellStyle(col, row, style);
}

void MainForm::SpeedButton4Click() {
  if (!cad::CheckTargetProgID(*services().automation, *services().dialogs, state().targetProgId)) return;
  const platform::ObjectPtr application = cad::RunningCad(*services().automation, state().targetProgId);
  services().windows->setForegroundWindow(cad::CadWindow(*application));
  application->get(u"ActiveDocument").toObject();
}

}  // namespace surva::app
