// Point files: the main list read from and saved to CSV and text files.
#include "app/main_form.h"
#include "platform/confirm.h"
#include "sheet/point_file.h"
#include "sheet/point_file_fields.h"

namespace surva::app {

namespace {

bool hasExtensionOf(text::u16view path, text::u16view extension) {
  return path.size() > extension.size() &&
         text::equalsIgnoreAsciiCase(path.substr(path.size() - extension.size()), extension);
}

}  // namespace

void MainForm::readPointFile(text::u16view path) {
  // Read whole before the list changes, so a failed read leaves it.
  std::vector<sheet::PointRow> rows =
      sheet::ReadPointFile(*services().files, *services().codec, path, sheetColumns());
  if (rows.empty()) {
    // A list emptied by the wrong file or the wrong columns would be lost.
    platform::confirm(*services().dialogs, text::u16(sheet::kNoPointsInFile) + text::u16(path));
    return;
  }
  sheet::LoadPointRows(rows, StringGrid1.cells());
  listReadEnded();
}

void MainForm::N32Click() {
  std::optional<text::u16> path = services().dialogs->openFile({sheet::kPointFileFilter, u"", u""});
  if (!path || path->empty()) return;
  readPointFile(*path);
}

void MainForm::N33Click() {
  const ui::TextGrid& list = StringGrid1.cells();
  const sheet::SheetColumns columns = sheetColumns();
  if (sheet::PointFileLines(list, columns, u',').empty()) return;
  platform::Dialogs& dialogs = *services().dialogs;
  // As the SIMA save: no overwrite prompt in the dialog, only ours below.
  std::optional<text::u16> path = dialogs.saveFile({sheet::kPointFileSaveFilter, u"", u""});
  if (!path || path->empty()) return;
  if (!platform::hasExtension(*path)) *path += u".csv";
  if (services().files->exists(*path) &&
      platform::confirm(dialogs, u"すでにファイルが存在します．上書きしますか？", platform::Buttons::YesNo) !=
          platform::Answer::Yes)
    return;
  const auto lines = sheet::PointFileLines(list, columns, sheet::pointFileSeparatorForWrite(*path));
  sheet::PointFileBytes file = sheet::EncodePointFile(lines, *services().codec);
  services().files->writeFileAtomic(*path, file.bytes);
  StatusBar1.setPanelText(1, file.utf8 ? text::u16(sheet::kSavedAsUtf8) : text::u16());
}

void MainForm::FormDropFiles(const std::vector<text::u16>& paths) {
  if (paths.size() == 1) {
    const text::u16& path = paths.front();
    if (hasExtensionOf(path, u".sim")) return readSimaFile(path);
    for (text::u16view e : {u".csv", u".tsv", u".txt"})
      if (hasExtensionOf(path, e)) return readPointFile(path);
  }
  platform::confirm(*services().dialogs, kDropOneFile);
}

}  // namespace surva::app
