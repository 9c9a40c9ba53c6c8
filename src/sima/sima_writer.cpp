#include "sima/sima_writer.h"

#include "platform/confirm.h"
#include "platform/text_file.h"
#include "points/list_columns.h"
#include "sima/sima_record.h"

namespace surva::sima {

namespace {

using text::u16;

constexpr int kSimaCols = static_cast<int>(kSimaUsedFields);

// Calls `cell(col, row)` for every cell the file holds, in file order,
// until it returns false.
template <class F>
void forEachWrittenCell(const ui::TextGrid& list, F cell) {
  const int last = list.rowCount() - 1;
  if (!cell(0, 1)) return;
  for (int r = 2; r < last; ++r)
    for (int c = 0; c < kSimaCols; ++c)
      if (!cell(c, r)) return;
  cell(0, last);
}

u16 columnName(int col) { return text::trim(points::SimaListHeader().at(col)); }

u16 hex(char32_t cp) {
  static const char16_t digits[] = u"0123456789ABCDEF";
  u16 out;
  for (; cp != 0 || out.size() < 4; cp >>= 4) out.insert(out.begin(), digits[cp & 0xF]);
  return out;
}

bool isHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Rows as the write list counts them (header 0).
u16 rowText(int row) { return text::intToText(row); }

bool emptyNamesReported(const ui::TextGrid& list, platform::Dialogs& dialogs) {
  bool any = false;
  for (int i = 2; i <= list.rowCount() - 2; ++i) {
    if (!list.cell(kSimaNameField, i).empty()) continue;
    platform::confirm(dialogs, rowText(i) + u" 行の測点名が空白です.");
    any = true;
  }
  return any;
}

// A comma would shift the fields an instrument reads; CR or LF would split
// the record in two.
bool separatorReported(const ui::TextGrid& list, platform::Dialogs& dialogs) {
  bool found = false;
  forEachWrittenCell(list, [&](int c, int r) {
    if (list.cell(c, r).find_first_of(u",\r\n") == u16::npos) return true;
    platform::confirm(dialogs, rowText(r) + u" 行 " + columnName(c) +
                                   u" にカンマまたは改行が含まれているため保存できません.");
    found = true;
    return false;
  });
  return found;
}

// The cell and character of the first unmappable character of line
// `line`, column `unit` (the lines of SimaFileLines, no cell holding a comma).
void reportUnmappable(const std::vector<u16>& lines, std::size_t line, std::size_t unit, platform::Dialogs& dialogs) {
  const u16& l = lines.at(line);
  int col = 0;
  for (std::size_t i = 0; i < unit; ++i)
    if (l[i] == u',') ++col;
  u16 ch(1, l[unit]);
  char32_t cp = l[unit];
  if (isHigh(l[unit]) && unit + 1 < l.size() && isLow(l[unit + 1])) {
    ch += l[unit + 1];
    cp = 0x10000 + ((cp - 0xD800) << 10) + (l[unit + 1] - 0xDC00);
  }
  // Line 3 holds row 1, and every later line the row after.
  int row = static_cast<int>(line) - 1;
  platform::confirm(dialogs, rowText(row) + u" 行 " + columnName(col) + u" の文字「" + ch + u"」(U+" + hex(cp) +
                                 u") は Shift_JIS にないため保存できません.");
}

}  // namespace

std::vector<u16> SimaFileLines(const ui::TextGrid& list) {
  std::vector<u16> lines{u"G00,01,,", u"Z00,// AutoCAD座標読み取りデータ//,"};
  lines.reserve(list.rowCount() + 2);
  u16 line;
  int lastRow = 1;
  forEachWrittenCell(list, [&](int c, int r) {
    if (r != lastRow) {
      lines.push_back(std::move(line));
      line.clear();
      lastRow = r;
    }
    line += list.cell(c, r);
    line += u',';
    return true;
  });
  lines.push_back(std::move(line));
  return lines;
}

void SaveSimaWriteList(const ui::TextGrid& list, platform::Services& services) {
  platform::Dialogs& dialogs = *services.dialogs;
  if (list.rowCount() < 5) return;
  for (int c = kSimaXField; c <= kSimaZField; ++c)
    if (list.cell(c, 2).empty()) return;
  if (emptyNamesReported(list, dialogs)) return;
  if (separatorReported(list, dialogs)) return;

  const std::vector<u16> lines = SimaFileLines(list);
  platform::EncodedText encoded = platform::encodeText(lines, platform::TextEncoding::Ansi, *services.codec);
  if (!encoded.complete) {
    reportUnmappable(lines, encoded.badLine, encoded.badColumn, dialogs);
    return;
  }

  // No default extension and no overwrite prompt in the dialog: the only
  // question is ours, below.
  std::optional<u16> path = dialogs.saveFile({kSimaSaveFilter, u"", u""});
  if (!path || path->empty()) return;
  if (!platform::hasExtension(*path)) *path += u".sim";
  if (services.files->exists(*path) &&
      platform::confirm(dialogs, u"すでにファイルが存在します．上書きしますか？", platform::Buttons::YesNo) !=
          platform::Answer::Yes)
    return;
  services.files->writeFileAtomic(*path, encoded.bytes);
}

}  // namespace surva::sima
