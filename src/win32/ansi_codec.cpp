#include "win32/ansi_codec.h"

#include <windows.h>

namespace surva::win32 {

namespace {

bool isHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// One character (one code unit, or a surrogate pair) in the code page;
// false when the code page has no place for it.
bool encodeOne(UINT codePage, const wchar_t* s, int n, std::string& out) {
  char buf[16];
  BOOL usedDefault = FALSE;
  int len = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, s, n, buf, sizeof buf, nullptr, &usedDefault);
  if (len <= 0 || usedDefault) return false;
  out.append(buf, len);
  return true;
}

// UTF-8 as the system code page (65001): every character has a place, and
// the best-fit flag and default-character check are refused by Windows for
// it. Only a lone surrogate is no character.
text::EncodeResult encodeUtf8(text::u16view in) {
  text::EncodeResult result;
  result.bytes.reserve(in.size() * 3);
  for (std::size_t i = 0; i < in.size();) {
    std::size_t units = (isHigh(in[i]) && i + 1 < in.size() && isLow(in[i + 1])) ? 2 : 1;
    if (units == 1 && (isHigh(in[i]) || isLow(in[i]))) {
      if (result.firstUnmappable == std::u16string::npos) result.firstUnmappable = i;
      result.bytes += '?';
    } else {
      result.bytes += text::toUtf8(in.substr(i, units));
    }
    i += units;
  }
  return result;
}

}  // namespace

AnsiCodePage::AnsiCodePage() : codePage_(GetACP()) {}

text::EncodeResult AnsiCodePage::encode(text::u16view in) const {
  text::EncodeResult result;
  if (in.empty()) return result;
  if (codePage_ == CP_UTF8) return encodeUtf8(in);
  std::wstring wide = text::toWide(in);
  int n = static_cast<int>(wide.size());
  // Fast path: the whole text at once; only when something did not map do
  // we go character by character to find where and to write "?" for it.
  BOOL usedDefault = FALSE;
  int len = WideCharToMultiByte(codePage_, WC_NO_BEST_FIT_CHARS, wide.data(), n, nullptr, 0, nullptr, &usedDefault);
  if (len > 0 && !usedDefault) {
    result.bytes.resize(len);
    WideCharToMultiByte(codePage_, WC_NO_BEST_FIT_CHARS, wide.data(), n, result.bytes.data(), len, nullptr, nullptr);
    return result;
  }
  result.bytes.reserve(wide.size() * 2);
  for (int i = 0; i < n;) {
    int units = (isHigh(in[i]) && i + 1 < n && isLow(in[i + 1])) ? 2 : 1;
    if (!encodeOne(codePage_, wide.data() + i, units, result.bytes)) {
      if (result.firstUnmappable == std::u16string::npos) result.firstUnmappable = static_cast<std::size_t>(i);
      result.bytes += '?';
    }
    i += units;
  }
  return result;
}

text::u16 AnsiCodePage::decode(std::string_view bytes) const {
  if (bytes.empty()) return {};
  if (codePage_ == CP_UTF8) return text::fromUtf8(bytes);  // a bad byte decodes as U+FFFD
  int n = static_cast<int>(bytes.size());
  int len = MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, bytes.data(), n, nullptr, 0);
  if (len > 0) {
    std::wstring wide(len, L'\0');
    MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, bytes.data(), n, wide.data(), len);
    return text::fromWide(wide);
  }
  // Some byte is not defined: decode character by character so that only
  // that character becomes U+FFFD.
  text::u16 out;
  out.reserve(bytes.size());
  for (int i = 0; i < n;) {
    int units = (IsDBCSLeadByteEx(codePage_, static_cast<BYTE>(bytes[i])) && i + 1 < n) ? 2 : 1;
    wchar_t buf[4];
    int got = MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, bytes.data() + i, units, buf, 4);
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
