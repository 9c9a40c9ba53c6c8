#pragma once
// The SIMA read list and its transfer into the main list. The read list
// keeps the file's texts, so the main list can be transferred again from it
// with other options and "×1000" never multiplies twice.
#include <vector>

#include "sima/sima_reader.h"
#include "ui/text_grid.h"

namespace surva::sima {

struct SimaTransferOptions {
  bool swapXY = true;     // "X-Y 反転": the file's Y goes to X and its X to Y
  bool times1000 = true;  // "×1000"
};

// A coordinate text as it goes into the main list: unchanged, or with
// "×1000" read as a number (0 when it is none), multiplied by 1000 and
// written in the general form: "100.5" -> "100500", "" -> "0".
text::u16 SimaTransferValue(text::u16view fileText, bool times1000);

// The read list takes the records from data row 1 on, cut to exactly the
// records (one empty row when there are none); the main list is then
// transferred from it.
void LoadSimaRecords(std::vector<SimaRecord> records, ui::TextGrid& simaList, ui::TextGrid& mainList,
                     const SimaTransferOptions& options);

// The main list from the read list, every row by the same rule, so the whole
// list stands in one unit and one axis order: rows overwritten in place from
// data row 1, cut to exactly the read list's records (one empty row when it
// holds none), PLOT No. renumbered.
void TransferSimaList(const ui::TextGrid& simaList, ui::TextGrid& mainList, const SimaTransferOptions& options);

// Asked before a transfer again replaces a main list changed since the last
// transfer.
inline constexpr char16_t kSimaMainListChanged[] =
    u"メインリストは SIMA 読み込みの後に変更されています．SIMA データから転記し直しますか？";

}  // namespace surva::sima
