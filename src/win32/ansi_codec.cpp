#include "win32/ansi_codec.h"

#include <windows.h>

namespace surva::win32 {

namespace {

bool isHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// One character (one code unit, or a surrogate pair) in the code page;
// false when the code page has no place for it.
bool encodeOne(const wchar_t* s, int n, std::string& out) {
  char buf[16];
  BOOL usedDefault = FALSE;
  int len = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, s, n, buf, sizeof buf, nullptr, &usedDefault);
  if (len <= 0 || usedDefault) return false;
  out.append(buf, len);
  return true;
}

}  // namespace

text::EncodeResult AnsiCodePage::encode(text::u16view in) const {
  text::EncodeResult result;
  if (in.empty()) return result;
  std::wstring wide = text::toWide(in);
  int n = static_cast<int>(wide.size());
  // Fast path: the whole text at once; only when something did not map do
  // we go character by character to find where and to write "?" for it.
  BOOL usedDefault = FALSE;
  int len = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), n, nullptr, 0, nullptr, &usedDefault);
  if (len > 0 && !usedDefault) {
    result.bytes.resize(len);
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), n, result.bytes.data(), len, nullptr, nullptr);
    return result;
  }
  result.bytes.reserve(wide.size() * 2);
  for (int i = 0; i < n;) {
    int units = (isHigh(in[i]) && i + 1 < n && isLow(in[i + 1])) ? 2 : 1;
    if (!encodeOne(wide.data() + i, units, result.bytes)) {
      if (result.firstUnmappable == std::u16string::npos) result.firstUnmappable = static_cast<std::size_t>(i);
      result.bytes += '?';
    }
    i += units;
  }
  return result;
}

text::u16 AnsiCodePage::decode(std::string_view bytes) const {
  if (bytes.empty()) return {};
  int n = static_cast<int>(bytes.size());
  int len = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), n, nullptr, 0);
  if (len > 0) {
    std::wstring wide(len, L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), n, wide.data(), len);
    return text::fromWide(wide);
  }
  // Some byte is not defined: decode character by character so that only
  // that character becomes U+FFFD.
  text::u16 out;
  out.reserve(bytes.size());
  for (int i = 0; i < n;) {
    int units = (IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(bytes[i])) && i + 1 < n) ? 2 : 1;
    wchar_t buf[4];
    int got = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data() + i, units, buf, 4);
    if (got <= 0 && units == 2) {
      // A lead byte whose trail is not valid: the lead alone is the fault.
      units = 1;
      got = 0;
    }
    if (got > 0)
      out.append(reinterpret_cast<const char16_t*>(buf), got);
    else
      out += u'\uFFFD';
    i += units;
  }
  return out;
}

}  // namespace surva::win32
