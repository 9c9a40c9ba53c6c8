#pragma once
// UTF-16 text helpers. Core text is std::u16string so that "the first L
// characters" and digit tests mean the same on every platform.
#include <string>
#include <string_view>

namespace surva::text {

using u16 = std::u16string;
using u16view = std::u16string_view;

// Removes blanks and control characters (code < 33) at both ends.
u16 trim(u16view s);
u16 trimLeft(u16view s);
u16 trimRight(u16view s);

// Upper-cases ASCII letters only; every other code unit is kept.
u16 upperAscii(u16view s);
u16 lowerAscii(u16view s);
bool equalsIgnoreAsciiCase(u16view a, u16view b);

// Conversions at the edges. Invalid sequences become U+FFFD.
u16 fromUtf8(std::string_view s);
std::string toUtf8(u16view s);
std::wstring toWide(u16view s);
u16 fromWide(std::wstring_view s);

// Literal helper for ASCII-only text built at run time.
u16 ascii(std::string_view s);

// Decimal text of an integer.
u16 intToText(long long value);

}  // namespace surva::text
