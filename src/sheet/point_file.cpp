#include "sheet/point_file.h"

#include <new>

#include "sheet/point_file_fields.h"
#include "text/error.h"

namespace surva::sheet {

namespace {

using text::u16;

struct Enough {};  // reading has what it needs

// Whether a ".txt" file holds a TAB, and whether it holds a comma.
struct SeparatorScan : platform::TextLineSink {
  bool tab = false, comma = false;
  void text(text::u16view piece) override {
    if (piece.find(u'\t') != text::u16view::npos) {
      tab = true;
      throw Enough{};
    }
    if (piece.find(u',') != text::u16view::npos) comma = true;
  }
  void lineEnd() override {}
};

char16_t separatorOf(platform::FileSystem& fs, const text::AnsiCodec& codec, text::u16view path) {
  if (pointFileSeparator(path, true, true) != pointFileSeparator(path, false, true)) {
    SeparatorScan scan;
    try {
      platform::readTextLines(fs, codec, path, scan);
    } catch (const Enough&) {
    }
    return pointFileSeparator(path, scan.tab, scan.comma);
  }
  return pointFileSeparator(path, false, false);
}

// A character the decoder could not read, or half of a UTF-16 pair: no
// encoding can save it again, so the file would not read back as it was.
bool unreadable(text::u16view s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char16_t c = s[i];
    if (c == u'\uFFFD' || (c >= 0xDC00 && c <= 0xDFFF)) return true;
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 == s.size() || s[i + 1] < 0xDC00 || s[i + 1] > 0xDFFF) return true;
      ++i;
    }
  }
  return false;
}

u16 lineText(std::size_t line) { return text::intToText(static_cast<long long>(line)) + u" 行目"; }

}  // namespace

std::vector<PointRow> ReadPointFile(platform::FileSystem& fs, const text::AnsiCodec& codec, text::u16view path,
                                    const SheetColumns& columns) {
  std::vector<PointRow> rows;
  try {
    const char16_t separator = separatorOf(fs, codec, path);
    std::int32_t row = 0;
    PointFileRecords records(separator, [&](const std::vector<u16>& fields, std::size_t line) {
      if (++row < columns.startRow) return;
      PointRow point;
      for (int i = 0; i < 4; ++i) {
        const std::int32_t col = columns.fields[i];
        if (col > 0 && static_cast<std::size_t>(col) <= fields.size()) point[i] = fields[col - 1];
        if (unreadable(point[i]))
          throw PointFileError{line, lineText(line) + u"に読めない文字があります．文字コードを確かめてください．"};
      }
      if (point[kXField].empty() || point[kYField].empty()) throw Enough{};
      rows.push_back(std::move(point));
    });
    try {
      platform::readTextLines(fs, codec, path, records);
      records.finish();
    } catch (const Enough&) {
    }
  } catch (const PointFileError& e) {
    throw Failure(platform::readFailureMessage(path, e.reason));
  } catch (const std::bad_alloc&) {
    rows = {};
    throw Failure(platform::readFailureMessage(path, u"メモリが足りません．"));
  }
  return rows;
}

void LoadPointRows(const std::vector<PointRow>& rows, ui::TextGrid& list) {
  ui::TextGrid::BatchUpdate batch(list);
  list.setRowCount(list.fixedRows());
  list.setRowCount(list.fixedRows() + static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    for (int c = 0; c < 4; ++c) list.setCell(c, list.fixedRows() + static_cast<int>(i), rows[i][c]);
}

std::vector<u16> PointFileLines(const ui::TextGrid& list, const SheetColumns& columns, char16_t separator) {
  int last = list.rowCount() - 1;
  auto emptyRow = [&](int r) {
    for (int c = 0; c < 4; ++c)
      if (!list.cell(c, r).empty()) return false;
    return true;
  };
  while (last >= list.fixedRows() && emptyRow(last)) --last;
  std::vector<u16> lines;
  if (last < list.fixedRows()) return lines;

  std::int32_t width = 0;
  for (std::int32_t col : columns.fields) width = std::max(width, col);
  auto record = [&](auto cellText) {
    std::vector<u16> fields(static_cast<std::size_t>(width));
    for (int i = 0; i < 4; ++i)
      if (columns.fields[i] > 0) fields[columns.fields[i] - 1] = cellText(i);
    u16 line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (i > 0) line += separator;
      line += pointFileField(fields[i], separator);
    }
    return line;
  };
  for (std::int32_t r = 1; r + 1 < columns.startRow; ++r) lines.emplace_back();
  if (columns.startRow > 1) {
    static const u16 captions[] = {u"測点名", u"X座標", u"Y座標", u"Z座標"};
    lines.push_back(record([](int i) { return captions[i]; }));
  }
  for (int r = list.fixedRows(); r <= last; ++r) lines.push_back(record([&](int i) { return list.cell(i, r); }));
  return lines;
}

PointFileBytes EncodePointFile(const std::vector<u16>& lines, const text::AnsiCodec& codec) {
  platform::EncodedText ansi = platform::encodeText(lines, platform::TextEncoding::Ansi, codec);
  if (ansi.complete) return {std::move(ansi.bytes), false};
  return {platform::encodeText(lines, platform::TextEncoding::Utf8Bom, codec).bytes, true};
}

}  // namespace surva::sheet
