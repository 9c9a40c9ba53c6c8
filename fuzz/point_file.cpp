// Point files: any bytes as a .csv, .tsv or .txt file, with the columns and
// start row from the first byte. A file is read or refused with a Failure
// naming it; no row lacks X or Y; the rows read, saved as a point file and
// read back with the same columns, are the same rows.
#include "fuzz_check.h"
#include "sheet/point_file.h"
#include "sheet/point_file_fields.h"
#include "support/fakes.h"
#include "text/error.h"

using namespace surva;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fakes::TestServices fakes;
  static const text::u16 names[] = {u"C:\\Survey\\p.csv", u"C:\\Survey\\p.tsv", u"C:\\Survey\\p.txt"};
  if (size == 0) return 0;
  const text::u16& path = names[(data[0] & 3) % 3];
  sheet::SheetColumns columns;
  if (data[0] & 4) columns.fields = {2, 4, 3, (data[0] & 8) ? 1 : 0};
  columns.startRow = 1 + (data[0] >> 4) % 3;
  fakes.files.files = {{path, std::string(reinterpret_cast<const char*>(data) + 1, size - 1)}};

  std::vector<sheet::PointRow> rows;
  try {
    rows = sheet::ReadPointFile(fakes.files, fakes.codec, path, columns);
  } catch (const Failure& f) {
    FUZZ_CHECK(f.message().find(path) != text::u16::npos);
    return 0;
  }
  for (const auto& r : rows) FUZZ_CHECK(!r[sheet::kXField].empty() && !r[sheet::kYField].empty());
  if (rows.empty()) return 0;

  ui::TextGrid list(5, 1);
  sheet::LoadPointRows(rows, list);
  static const text::u16 saved = u"C:\\Survey\\saved.csv";
  const auto lines = sheet::PointFileLines(list, columns, sheet::pointFileSeparatorForWrite(saved));
  fakes.files.files[saved] = sheet::EncodePointFile(lines, fakes.codec).bytes;
  FUZZ_CHECK(sheet::ReadPointFile(fakes.files, fakes.codec, saved, columns) == rows);
  return 0;
}
