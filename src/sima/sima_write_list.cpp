#include "sima/sima_write_list.h"

#include "points/list_columns.h"
#include "points/station_name.h"
#include "sima/sima_record.h"
#include "text/decimal_shift.h"
#include "text/error.h"
#include "text/number.h"

namespace surva::sima {

namespace {

constexpr char16_t kRecordsStart[] = u"A00";

// Right-aligned with blanks to five characters; longer numbers as they are.
text::u16 pointNumber(long long r) {
  text::u16 digits = text::intToText(r);
  if (digits.size() < 5) digits.insert(0, 5 - digits.size(), u' ');
  return digits;
}

}  // namespace

text::u16 SimaWriteValue(text::u16view listText, bool thousandths) {
  if (!thousandths) return text::u16(listText);
  return text::formatFixedShifted(text::parseNumber(listText), -3, 3);
}

bool BuildSimaWriteList(const ui::TextGrid& mainList, ui::TextGrid& writeList, const SimaWriteOptions& options) {
  using namespace points;
  if (mainList.cell(kXCol, 1).empty() || mainList.cell(kYCol, 1).empty() || mainList.cell(kZCol, 1).empty())
    return false;

  // The start name is worked out first, so a bad one leaves the list as it was.
  StationNameParts start = SplitStationName(options.startName);
  long long first = 0;
  if (start.hasNumber) {
    auto n = text::tryParseInt(start.numberPart);
    if (!n) throw Failure(u"'" + start.numberPart + u"' は有効な整数値ではありません");
    first = *n;
  }

  ui::TextGrid::BatchUpdate batch(writeList);
  if (writeList.colCount() < static_cast<int>(kSimaUsedFields)) writeList.setColCount(kSimaUsedFields);
  writeList.setRowCount(mainList.rowCount() + 2);
  writeList.setCell(0, 1, kRecordsStart);
  int c = 0;
  for (int r = 1; r < mainList.rowCount(); ++r) {
    const text::u16& x = mainList.cell(kXCol, r);
    const text::u16& y = mainList.cell(kYCol, r);
    if (x.empty() || y.empty()) continue;
    ++c;
    // 64-bit, so that a start number near the 32-bit limit counts on
    // instead of turning negative.
    writeList.setRowCells(c + 1, {u"A01", pointNumber(r), start.textPart + text::intToText(first + r - 1),
                                  SimaWriteValue(options.swapXY ? y : x, options.thousandths),
                                  SimaWriteValue(options.swapXY ? x : y, options.thousandths),
                                  SimaWriteValue(mainList.cell(kZCol, r), options.thousandths)});
  }
  writeList.setRowCount(c + 3);
  writeList.setRowCells(c + 2, {u"A99"});
  return true;
}

bool HoldsSimaWriteList(const ui::TextGrid& writeList) { return writeList.cell(0, 1) == kRecordsStart; }

}  // namespace surva::sima
