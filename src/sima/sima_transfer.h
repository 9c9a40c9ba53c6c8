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

// Both lists take the records from data row 1 on, overwriting rows in place
// and cut to exactly the records (one empty row when there are none); the
// main list's PLOT No. is renumbered.
void LoadSimaRecords(std::vector<SimaRecord> records, ui::TextGrid& simaList, ui::TextGrid& mainList,
                     const SimaTransferOptions& options);

// The main list again from the read list: as many rows as the read list,
// rows transferred until the first read row without X or Y (none when the
// first row lacks one); rows from there on keep what they held. PLOT No. is
// renumbered.
void TransferSimaList(const ui::TextGrid& simaList, ui::TextGrid& mainList, const SimaTransferOptions& options);

}  // namespace surva::sima
