// Start-up, shutdown and the target CAD list.
#include <initializer_list>

#include "app/main_form.h"
#include "app/message_filter_registration.h"
#include "app/settings_io.h"
#include "app/target_cad_file.h"
#include "app/target_cad_form.h"
#include "text/error.h"

namespace surva::app {

using text::u16;

namespace {

// The letter beside a column up-down: "A" for position 0.
u16 columnLetter(const ui::UpDown& upDown) { return u16(1, static_cast<char16_t>(u'A' + upDown.position())); }

void writeHeader(ui::StringGrid& grid, std::initializer_list<const char16_t*> titles) {
  int col = 0;
  for (const char16_t* t : titles) grid.cells().setCell(col++, 0, t);
}

// The caption and the two fields of the CAD settings page name the target
// when the target CAD list holds it.
void showTargetName(MainForm& form) {
  auto& services = form.services();
  auto file = readTargetCadFile(*services.files, *services.codec, targetCadFilePath(services.paths->executablePath()));
  if (!file) return;
  auto entry = lookUpTargetCad(file->lines, form.state().targetProgId);
  if (!entry) return;
  form.setText(u16(kAppTitle) + u" [ " + entry->name + u" ]");
  form.Edit35.setText(entry->name);
  form.Edit36.setText(entry->progId);
}

// Start-up and shutdown go on after a file error: it is shown, not fatal.
template <class F>
void reporting(platform::Dialogs& dialogs, F&& step) {
  try {
    step();
  } catch (const std::exception& e) {
    reportError(dialogs, e);
  }
}

}  // namespace

void MainForm::FormCreate() {
  auto& services = this->services();
  state().targetProgId = kDefaultTargetProgId;
  // Every row is in the plot range at start.
  Edit31.setText(u"");

  StringGrid1.cells().setColCount(5);
  writeHeader(StringGrid1, {u" 測点", u" X座標", u" Y座標", u" Z座標", u" PLOT No."});
  writeHeader(StringGrid2, {u" TEXT", u" X座標", u" Y座標", u" Z座標"});
  for (ui::StringGrid* g : {&StringGrid3, &StringGrid4})
    writeHeader(*g, {u" コード", u" 点番号", u" 測点名", u" X座標", u" Y座標", u" Z座標"});

  const u16 exe = services.paths->executablePath();
  state().exchangeDxfPath = platform::replaceExtension(exe, u".dxf");

  IniFile ini;
  reporting(*services.dialogs, [&] {
    try {
      ini = IniFile::load(*services.files, *services.codec, settingsFilePath(exe));
    } catch (const std::exception& e) {
      settingsUnread_ = messageOf(e);
      throw;
    }
  });

  // One unit system: screen pixels, the window's size at the primary
  // monitor's DPI with the frame the system draws there.
  platform::Size outer;
  outerSizeOnPrimary(outer.width, outer.height);
  const platform::Size screen = services.screen->primarySize();
  WindowPosition at = placeWindow(ini, screen, outer);
  // A place on a monitor that is gone (a stored position far left or above)
  // would hide the window: it starts centred instead.
  if (!services.screen->showsPartOf(at.left, at.top, outer)) at = placeWindow(IniFile(), screen, outer);
  moveTo(at.left, at.top);

  // Rules that follow particular settings as they are read; check boxes that
  // change raise their own click handlers on the way.
  readSettings(ini, *this, state().targetProgId, [this](const Setting& s) {
    if (s.control == u"UpDown1") Edit3.setText(columnLetter(UpDown1));
    if (s.control == u"UpDown2") Edit4.setText(columnLetter(UpDown2));
    if (s.control == u"UpDown3") Edit5.setText(columnLetter(UpDown3));
    if (s.control == u"UpDown5") Edit21.setText(columnLetter(UpDown5));
    if (s.control == u"CheckBox8") CheckBox8Click();
    if (s.control == u"CheckBox11") CheckBox4Click();
    if (s.control == u"CheckBox28") {
      CheckBox21Click();
      CheckBox16Click();
    }
  });
  applyWindowRules();

  reporting(*services.dialogs, [&] { showTargetName(*this); });

  if (state().messageFilter) state().messageFilter->registerFilter();
  PageControl1.setActivePageIndex(0);
}

void MainForm::FormClose() {
  if (shutDown_) return;
  shutDown_ = true;
  auto& services = this->services();
  const u16 path = settingsFilePath(services.paths->executablePath());
  // Read afresh so keys written by others meanwhile are kept; a file that
  // cannot be read is never overwritten. One atomic replace: a failure
  // leaves the previous file whole.
  reporting(*services.dialogs, [&] {
    if (settingsUnread_)
      throw Failure(u"設定ファイル " + path + u" を起動時に読めなかったため，設定を保存しませんでした．\n" +
                    *settingsUnread_);
    IniFile ini = IniFile::load(*services.files, *services.codec, path);
    writeSettings(ini, *this, {bounds().left, bounds().top}, state().targetProgId);
    try {
      ini.save(*services.files, *services.codec, path);
    } catch (const Failure& f) {
      if (f.message().find(path) != u16::npos) throw;
      throw Failure(u"設定ファイル " + path + u" を保存できません．\n" + f.message());
    }
  });
  // Released while COM still runs; the filter is revoked even when saving
  // failed.
  WorkSheet = nullptr;
  WorkBook = nullptr;
  MSExcel = nullptr;
  if (state().messageFilter) state().messageFilter->revokeFilter();
}

void MainForm::SpeedButton5Click() {
  if (state().targetCadForm) state().targetCadForm->execute();
}

}  // namespace surva::app
