// SIMA files: any bytes as a .sim file, read into the SIMA read list and
// the main list with either state of both check boxes. A file is read or
// refused with a Failure naming it; every record keeps six fields, in both
// lists, one row each (one empty row for none); transferring again from
// the read list gives the main list its rows; the records read, saved as
// a SIMA write list, read back with the same cells (or the save refuses
// them with a message and writes nothing).
#include "fuzz_check.h"
#include "points/list_columns.h"
#include "sima/sima_reader.h"
#include "sima/sima_record.h"
#include "sima/sima_transfer.h"
#include "sima/sima_writer.h"
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

  // The write list as "データ作成" lays it out: A00, the point rows, A99.
  ui::TextGrid writeList(points::kSimaCols, static_cast<int>(records.size()) + 3);
  writeList.setCell(0, 1, u"A00");
  for (std::size_t i = 0; i < records.size(); ++i) writeList.setRowCells(static_cast<int>(i) + 2, records[i]);
  writeList.setCell(0, writeList.rowCount() - 1, u"A99");
  static const text::u16 saved = u"C:\\Survey\\saved.sim";
  fakes.dialogs.shown.clear();
  fakes.dialogs.fileRequests.clear();
  fakes.dialogs.saveAnswers = {saved};
  sima::SaveSimaWriteList(writeList, fakes.services);
  if (fakes.files.files.count(saved)) {
    FUZZ_CHECK(sima::ReadSimaPointRecords(fakes.files, fakes.codec, saved) == records);
  } else {
    FUZZ_CHECK(records.size() < 2 || !fakes.dialogs.shown.empty() || records[0][sima::kSimaXField].empty() ||
               records[0][sima::kSimaYField].empty() || records[0][sima::kSimaZField].empty());
  }

  ui::TextGrid simaList(points::kSimaCols, 2), mainList(points::kMainListCols, 2);
  const std::size_t count = records.size();
  sima::LoadSimaRecords(std::move(records), simaList, mainList, options);
  const int rows = static_cast<int>(count == 0 ? 2 : count + 1);
  FUZZ_CHECK(simaList.rowCount() == rows && mainList.rowCount() == rows);
  for (int r = 1; r < rows; ++r) FUZZ_CHECK(mainList.cell(points::kPlotNoCol, r) == text::intToText(r));

  // Transferring again gives the main list of the read, row for row.
  ui::TextGrid again(points::kMainListCols, 2);
  sima::TransferSimaList(simaList, again, options);
  FUZZ_CHECK(again.rowCount() == rows);
  for (int r = 1; r < rows; ++r) FUZZ_CHECK(again.rowCells(r) == mainList.rowCells(r));
  return 0;
}
