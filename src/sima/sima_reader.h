#pragma once
// Reading the point records of a SIMA file.
#include <vector>

#include "platform/files.h"
#include "text/codec.h"

namespace surva::sima {

// The first six fields of one point record, as the file has them.
using SimaRecord = std::vector<text::u16>;

// Every point record of the file, in file order; all other lines are passed
// over. The file is decoded as it is read, so memory follows the point
// records, not the size of the file. Throws Failure naming the file when it
// cannot be read (missing, a folder, a read error, out of memory) or when a
// point record is far longer than any instrument writes.
std::vector<SimaRecord> ReadSimaPointRecords(platform::FileSystem& fs, const text::AnsiCodec& codec,
                                             text::u16view path);

}  // namespace surva::sima
