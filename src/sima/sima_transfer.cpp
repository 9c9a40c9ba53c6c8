#include "sima/sima_transfer.h"

#include "points/list_columns.h"
#include "points/list_commands.h"
#include "sima/sima_record.h"
#include "text/decimal_shift.h"
#include "text/number.h"

namespace surva::sima {

namespace {

// `field(i)` gives field i of the SIMA row.
template <class Field>
void transferRow(Field field, ui::TextGrid& mainList, int row, const SimaTransferOptions& options) {
  const text::u16& x = field(options.swapXY ? kSimaYField : kSimaXField);
  const text::u16& y = field(options.swapXY ? kSimaXField : kSimaYField);
  mainList.setCell(points::kNameCol, row, field(kSimaNameField));
  mainList.setCell(points::kXCol, row, SimaTransferValue(x, options.times1000));
  mainList.setCell(points::kYCol, row, SimaTransferValue(y, options.times1000));
  mainList.setCell(points::kZCol, row, SimaTransferValue(field(kSimaZField), options.times1000));
}

void growTo(ui::TextGrid& grid, int rows) {
  if (grid.rowCount() < rows) grid.setRowCount(rows);
}

}  // namespace

text::u16 SimaTransferValue(text::u16view fileText, bool times1000) {
  if (!times1000) return text::u16(fileText);
  return text::formatGeneralShifted(text::parseNumber(fileText), 3);
}

void LoadSimaRecords(std::vector<SimaRecord> records, ui::TextGrid& simaList, ui::TextGrid& mainList,
                     const SimaTransferOptions& options) {
  {
    ui::TextGrid::BatchUpdate batch(simaList);
    const int rows = static_cast<int>(records.size()) + 1;
    growTo(simaList, rows);
    for (int r = 1; r < rows; ++r) simaList.setRowCells(r, std::move(records[r - 1]));
    if (records.empty()) {
      simaList.setRowCount(2);
      simaList.setRowCells(1, {});
    } else {
      simaList.setRowCount(rows);
    }
  }
  TransferSimaList(simaList, mainList, options);
}

void TransferSimaList(const ui::TextGrid& simaList, ui::TextGrid& mainList, const SimaTransferOptions& options) {
  ui::TextGrid::BatchUpdate batch(mainList);
  // Every point record has its code; the one row of a read without records has none.
  const int rows = simaList.cell(0, 1).empty() ? 1 : simaList.rowCount();
  growTo(mainList, rows);
  for (int r = 1; r < rows; ++r)
    transferRow([&](int i) -> const text::u16& { return simaList.cell(i, r); }, mainList, r, options);
  if (rows == 1) {
    mainList.setRowCount(2);
    mainList.setRowCells(1, {});
  } else {
    mainList.setRowCount(rows);
  }
  points::RenumberPlotNo(mainList);
}

}  // namespace surva::sima
