#include "win32/system_error.h"

#include <windows.h>

#include <cstdio>

namespace surva::win32 {

text::u16 systemMessage(std::uint32_t code) {
  wchar_t* buffer = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  text::u16 result;
  if (n > 0 && buffer) {
    result = text::fromWide(std::wstring_view(buffer, n));
    while (!result.empty() && (result.back() == u'\r' || result.back() == u'\n' || result.back() == u' '))
      result.pop_back();
  }
  if (buffer) LocalFree(buffer);
  if (result.empty()) {
    char hex[32];
    std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(code));
    result = text::ascii(hex);
  }
  return result;
}

}  // namespace surva::win32
