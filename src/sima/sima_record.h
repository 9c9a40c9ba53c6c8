#pragma once
// The SIMA point record: a line of comma-separated fields whose code is
// "A" and a number from 1 to 98 (A01 ... A98). Of its fields the first six
// are used: code, point number, station name, X, Y, Z.
#include <vector>

#include "text/u16.h"

namespace surva::sima {

inline constexpr std::size_t kSimaUsedFields = 6;
inline constexpr int kSimaNameField = 2;
inline constexpr int kSimaXField = 3;
inline constexpr int kSimaYField = 4;
inline constexpr int kSimaZField = 5;

// Only the first three characters count: "A" (upper case only), then the
// next two (fewer when the code is shorter), all digits, as a number from
// 1 to 98: a blank or tab in the code makes no point record.
bool IsSimaPointCode(text::u16view code);

// The fields of one line as SplitToList gives them (untrimmed): at least six
// and a point code in the first.
bool IsSimaPointRecord(const std::vector<text::u16>& fields);

}  // namespace surva::sima
