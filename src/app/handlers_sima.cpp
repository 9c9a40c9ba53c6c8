// SIMA files: reading and writing.
#include "app/main_form.h"
#include "platform/confirm.h"
#include "sima/sima_reader.h"
#include "sima/sima_transfer.h"
#include "sima/sima_write_list.h"
#include "sima/sima_writer.h"

namespace surva::app {

namespace {

// A SIMA read replaces what a harvest left: the line, circle, arc,
// polyline, vertex, text and point arrays of the harvest store are emptied.
void emptyHarvestStoreForSimaRead(AppState& state) {
  using cad::HarvestArray;
  state.harvest.clearExcept(HarvestArray::Ellipses | HarvestArray::Faces | HarvestArray::Inserts);
}

sima::SimaTransferOptions transferOptions(const MainForm& f) { return {f.CheckBox12.checked(), f.CheckBox13.checked()}; }

}  // namespace

void MainForm::Button9Click() {
  std::optional<text::u16> path = services().dialogs->openFile({kOpenTextFileDialog1Filter, u"", u""});
  if (!path || path->empty()) return;
  readSimaFile(*path);
}

void MainForm::readSimaFile(text::u16view path) {
  emptyHarvestStoreForSimaRead(state());
  GroupBox2.setEnabled(false);
  StatusBar1.setPanelText(1, u"");
  // Read whole before either list changes, so a failed read leaves both.
  std::vector<sima::SimaRecord> records = sima::ReadSimaPointRecords(*services().files, *services().codec, path);
  sima::LoadSimaRecords(std::move(records), StringGrid3.cells(), StringGrid1.cells(), transferOptions(*this));
  state().simaTransferRevision = StringGrid1.cells().revision();
}

// Before any SIMA read the boxes only set the options of the next read.
// After one, a main list changed since the transfer (edited, read from the
// sheet, picked) is replaced only when the user says so; either way the box
// stays as clicked.
void MainForm::CheckBox13Click() {
  const std::optional<std::uint64_t> transferred = state().simaTransferRevision;
  if (!transferred) return;
  ui::TextGrid& main = StringGrid1.cells();
  if (main.revision() != *transferred &&
      platform::confirm(*services().dialogs, sima::kSimaMainListChanged, platform::Buttons::YesNo) !=
          platform::Answer::Yes)
    return;
  sima::TransferSimaList(StringGrid3.cells(), main, transferOptions(*this));
  state().simaTransferRevision = main.revision();
}

bool MainForm::buildSimaWriteList() {
  return sima::BuildSimaWriteList(StringGrid1.cells(), StringGrid4.cells(),
                                  {Edit30.text(), CheckBox14.checked(), CheckBox15.checked()});
}

void MainForm::Button10Click() {
  // Said aloud: a silent refusal would leave an earlier survey's write list
  // looking like this one, ready to be saved under the new name.
  if (!buildSimaWriteList()) platform::confirm(*services().dialogs, sima::kFirstRowIncomplete);
}

// The boxes are also set from the settings file at start, before anything
// is built: only a build that would now stand in the wrong shape is told.
void MainForm::CheckBox14Click() {
  const bool built = sima::HoldsSimaWriteList(StringGrid4.cells());
  if (!buildSimaWriteList() && built) platform::confirm(*services().dialogs, sima::kFirstRowIncomplete);
}

void MainForm::Button11Click() { sima::SaveSimaWriteList(StringGrid4.cells(), services()); }

}  // namespace surva::app
