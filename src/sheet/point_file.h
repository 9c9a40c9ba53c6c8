#pragma once
// Reading and writing the main list as a point file (CSV or text): the file
// stands for a worksheet, so the columns and the start row chosen for the
// spreadsheet choose its fields, and reading stops at the first row
// without X or Y as the worksheet read does. Texts are taken as written
// ("007" stays "007"; numbers are not reformatted).
#include <array>
#include <vector>

#include "platform/files.h"
#include "platform/text_file.h"
#include "sheet/sheet_columns.h"
#include "text/codec.h"
#include "ui/text_grid.h"

namespace surva::sheet {

// Name, X, Y, Z as the file has them.
using PointRow = std::array<text::u16, 4>;

// The point rows of the file, from the start row to the first row whose X
// or Y field is empty. The file is decoded as it is read and reading stops
// there, so memory follows the points read, never the size of the file.
// Throws Failure naming the file when it cannot be read, is no text (NUL
// characters), holds bytes its encoding does not define in a point row, a
// row longer than kMaxPointRecordChars, or a quote left open.
std::vector<PointRow> ReadPointFile(platform::FileSystem& fs, const text::AnsiCodec& codec, text::u16view path,
                                    const SheetColumns& columns);

// The list's data rows become exactly `rows` (the list's other columns
// empty); nothing else changes.
void LoadPointRows(const std::vector<PointRow>& rows, ui::TextGrid& list);

// The file's lines for the list's data rows up to the last one that holds
// anything (none for an empty list). Worksheet rows above the start row are
// empty lines, but the one just above holds the column captions.
std::vector<text::u16> PointFileLines(const ui::TextGrid& list, const SheetColumns& columns, char16_t separator);

// The file's bytes: the code page with CR LF, or UTF-8 with a byte-order
// mark when the code page cannot hold a text (`utf8` then set).
struct PointFileBytes {
  std::string bytes;
  bool utf8 = false;
};
PointFileBytes EncodePointFile(const std::vector<text::u16>& lines, const text::AnsiCodec& codec);

inline constexpr char16_t kPointFileFilter[] = u"点ファイル (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt|*.*|*.*";
inline constexpr char16_t kPointFileSaveFilter[] =
    u"CSV (*.csv)|*.csv|タブ区切り (*.tsv)|*.tsv|テキスト (*.txt)|*.txt|*.*|*.*";
inline constexpr char16_t kNoPointsInFile[] =
    u"点ファイルに点がありません．「開始行」と X座標，Y座標 の列を確かめてください．\n";
inline constexpr char16_t kSavedAsUtf8[] = u"Shift_JIS にない文字があるため UTF-8 で保存しました";

}  // namespace surva::sheet
