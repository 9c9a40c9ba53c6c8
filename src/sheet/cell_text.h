#pragma once
// A worksheet cell's value as the text the lists hold.
#include "platform/variant.h"

namespace surva::sheet {

// Empty cell: the empty text. Number: the general form, at most 15
// significant digits ("12345.678", "100", "1E300"). Text: unchanged.
// Truth value: "TRUE" or "FALSE", as the sheet shows it. Date:
// "2024/02/21" (with " 9:05:00" when it has a time; a time alone "9:05:00").
// Currency: its exact decimal, without symbol or grouping ("1234.5").
// Error value: its name in the sheet ("#DIV/0!", "#N/A"). Anything else
// fails as a type mismatch.
text::u16 CellText(const platform::Variant& value);

}  // namespace surva::sheet
