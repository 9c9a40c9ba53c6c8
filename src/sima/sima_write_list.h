#pragma once
// The SIMA write list: the records of the file to be written, built from the
// main list, one cell per field, editable before it is saved.
//
//   row 1        "A00"
//   rows 2 ...   "A01", point number, station name, X, Y, Z
//   last row     "A99"
#include "text/u16.h"
#include "ui/text_grid.h"

namespace surva::sima {

struct SimaWriteOptions {
  text::u16 startName = u"A1";  // numbered on from its trailing digits
  bool thousandths = true;      // "1/1000": divided by 1000, three decimals
  bool swapXY = true;           // "X-Y 反転"
};

// A coordinate text as it goes into the write list: unchanged, or with
// "1/1000" read as a number (0 when it is none), divided by 1000 and written
// with three decimals, halves of the typed decimal away from zero:
// "12345" -> "12.345", "12345.5" -> "12.346".
text::u16 SimaWriteValue(text::u16view listText, bool thousandths);

// Told when the write list was not built because the main list's first row
// lacks X, Y or Z: what the write list still shows is an earlier build.
inline constexpr char16_t kFirstRowIncomplete[] =
    u"リストの 1 行目の X, Y, Z に空白があります．\nSIMA データは作成されていません．";

// Builds the write list from the main list; false, changing nothing, when
// the main list's first row lacks X, Y or Z. Rows without X or Y are left
// out but use up their number. Throws Failure, before anything changes, when
// the start name's trailing digits are no 32-bit integer.
bool BuildSimaWriteList(const ui::TextGrid& mainList, ui::TextGrid& writeList, const SimaWriteOptions& options);
// True when the write list holds a build (its row 1 starts the records).
bool HoldsSimaWriteList(const ui::TextGrid& writeList);

}  // namespace surva::sima
