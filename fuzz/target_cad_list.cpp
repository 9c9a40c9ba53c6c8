// The target CAD list: any bytes as TargetCAD_APIVersion.txt, shown in the
// dialog (sorted, the target selected) and in the main window's caption.
// Rewriting it after a change loses no line and no character.
#include <algorithm>

#include "app/program.h"
#include "app/target_cad_file.h"
#include "fuzz_check.h"
#include "platform/text_file.h"
#include "support/fakes.h"

using namespace surva;

namespace {

struct Session {
  fakes::TestServices fakes;
  app::Program program{fakes.services};
  text::u16 path = app::targetCadFilePath(fakes.paths.exe);
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Session s;
  if (size == 0) return 0;
  // The first byte picks the target: the default ProgID, or what follows
  // the first TAB of one of the file's lines.
  const std::uint8_t pick = data[0];
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  auto lines = platform::decodeText(bytes, s.fakes.codec).lines;
  text::u16 target = app::kDefaultTargetProgId;
  if ((pick & 1) && !lines.empty()) target = app::splitTargetCadLine(lines[(pick >> 1) % lines.size()]).progId;

  s.fakes.files.files = {{s.path, bytes}};
  s.fakes.dialogs.shown.clear();
  auto& main = s.program.mainForm();
  // Start-up names the default target in the caption and the CAD page's
  // fields (every other run: it costs more than the rest).
  if (pick & 0x80) {
    main.startUp();
    FUZZ_CHECK(s.fakes.dialogs.shown.empty());
    if (auto entry = app::lookUpTargetCad(lines, main.state().targetProgId))
      FUZZ_CHECK(main.Edit35.text() == entry->name && main.Edit36.text() == entry->progId);
  }

  s.program.state().targetProgId = target;
  auto& dialog = s.program.targetCadForm();
  dialog.FormShow();
  FUZZ_CHECK(s.fakes.dialogs.shown.empty());
  std::stable_sort(lines.begin(), lines.end());
  FUZZ_CHECK(dialog.ListBox1.items() == lines);
  const int selected = dialog.ListBox1.itemIndex();
  if (selected < 0) return 0;
  const text::u16& entry = lines.at(static_cast<std::size_t>(selected));
  FUZZ_CHECK(app::targetCadTabBefore(entry, target).has_value());
  FUZZ_CHECK(dialog.Edit1.text() + u"\t" + dialog.Edit2.text() == entry);

  // "変更" with the fields unchanged writes the same entries back.
  dialog.SpeedButton3Click();
  FUZZ_CHECK(s.fakes.dialogs.shown.empty());
  auto back = platform::decodeText(s.fakes.files.files.at(s.path), s.fakes.codec).lines;
  std::stable_sort(back.begin(), back.end());
  FUZZ_CHECK(back == lines);

  dialog.Button1Click();
  FUZZ_CHECK(main.text() == text::u16(app::kAppTitle) + u" [ " + dialog.Edit1.text() + u" ]");
  FUZZ_CHECK(s.program.state().targetProgId == dialog.Edit2.text());
  return 0;
}
