#pragma once
// UTF-16 text between the portable core (char16_t) and the Windows API
// (wchar_t, also 16 bits here).
#include <oleauto.h>

#include "text/u16.h"

namespace surva::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline const wchar_t* wideOf(const text::u16& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }
inline text::u16 fromWideZ(const wchar_t* s) {
  return s ? text::u16(reinterpret_cast<const char16_t*>(s)) : text::u16();
}
inline text::u16 fromBstr(BSTR b) {
  return b ? text::u16(reinterpret_cast<const char16_t*>(b), SysStringLen(b)) : text::u16();
}
inline BSTR toBstr(text::u16view s) {
  return SysAllocStringLen(reinterpret_cast<const wchar_t*>(s.data()), static_cast<UINT>(s.size()));
}

}  // namespace surva::win32
