// SIMA files: any bytes as a .sim file, read into the SIMA read list and
// the main list with either state of both check boxes. A file is read or
// refused with a Failure naming it; every record keeps six fields, in both
// lists, one row each (one empty row for none); transferring again from
// the read list gives the main list the same rows.
#include "fuzz_check.h"
#include "points/list_columns.h"
#include "sima/sima_reader.h"
#include "sima/sima_record.h"
#include "sima/sima_transfer.h"
#include "support/fakes.h"
#include "text/error.h"

using namespace surva;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fakes::TestServices fakes;
  static const text::u16 path = u"C:\\Survey\\field.sim";
  if (size == 0) return 0;
  const sima::SimaTransferOptions options{(data[0] & 1) != 0, (data[0] & 2) != 0};
  fakes.files.files = {{path, std::string(reinterpret_cast<const char*>(data) + 1, size - 1)}};

  std::vector<sima::SimaRecord> records;
  try {
    records = sima::ReadSimaPointRecords(fakes.files, fakes.codec, path);
  } catch (const Failure& f) {
    FUZZ_CHECK(f.message().find(path) != text::u16::npos);
    return 0;
  }
  for (const auto& r : records) FUZZ_CHECK(r.size() == sima::kSimaUsedFields);

  ui::TextGrid simaList(points::kSimaCols, 2), mainList(points::kMainListCols, 2);
  const std::size_t count = records.size();
  sima::LoadSimaRecords(std::move(records), simaList, mainList, options);
  const int rows = static_cast<int>(count == 0 ? 2 : count + 1);
  FUZZ_CHECK(simaList.rowCount() == rows && mainList.rowCount() == rows);
  for (int r = 1; r < rows; ++r) FUZZ_CHECK(mainList.cell(points::kPlotNoCol, r) == text::intToText(r));

  ui::TextGrid again(points::kMainListCols, 2);
  sima::TransferSimaList(simaList, again, options);
  FUZZ_CHECK(again.rowCount() == rows);
  return 0;
}
