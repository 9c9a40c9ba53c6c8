#include "text/u16.h"

namespace surva::text {

namespace {
bool isBlank(char16_t c) { return c < 33; }
char16_t upper(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; }
char16_t lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

void appendUtf16(u16& out, char32_t cp) {
  if (cp < 0x10000) {
    out += char16_t(cp);
  } else {
    cp -= 0x10000;
    out += char16_t(0xD800 + (cp >> 10));
    out += char16_t(0xDC00 + (cp & 0x3FF));
  }
}

// Next code point of UTF-16 text; a lone surrogate becomes U+FFFD.
char32_t nextCodePoint(u16view s, std::size_t& i) {
  char16_t c = s[i++];
  if (c >= 0xD800 && c <= 0xDBFF) {
    if (i < s.size() && s[i] >= 0xDC00 && s[i] <= 0xDFFF) {
      char32_t lo = s[i++];
      return 0x10000 + ((char32_t(c) - 0xD800) << 10) + (lo - 0xDC00);
    }
    return 0xFFFD;
  }
  if (c >= 0xDC00 && c <= 0xDFFF) return 0xFFFD;
  return c;
}
}  // namespace

u16 trimLeft(u16view s) {
  std::size_t b = 0;
  while (b < s.size() && isBlank(s[b])) ++b;
  return u16(s.substr(b));
}

u16 trimRight(u16view s) {
  std::size_t e = s.size();
  while (e > 0 && isBlank(s[e - 1])) --e;
  return u16(s.substr(0, e));
}

u16 trim(u16view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return u16(s.substr(b, e - b));
}

u16 upperAscii(u16view s) {
  u16 r(s);
  for (auto& c : r) c = upper(c);
  return r;
}

u16 lowerAscii(u16view s) {
  u16 r(s);
  for (auto& c : r) c = lower(c);
  return r;
}

bool equalsIgnoreAsciiCase(u16view a, u16view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (upper(a[i]) != upper(b[i])) return false;
  return true;
}

u16 fromUtf8(std::string_view s) {
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  u16 out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      out += char16_t(c);
      ++i;
      continue;
    }
    int extra = (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    bool ok = extra > 0 && i + extra < s.size();
    char32_t cp = extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; ok && k <= extra; ++k) {
      unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc >> 6) != 2)
        ok = false;
      else
        cp = (cp << 6) | (cc & 0x3F);
    }
    if (!ok || cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out += u'\uFFFD';
      ++i;
      continue;
    }
    appendUtf16(out, cp);
    i += extra + 1;
  }
  return out;
}

std::string toUtf8(u16view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) appendUtf8(out, nextCodePoint(s, i));
  return out;
}

std::wstring toWide(u16view s) {
  if constexpr (sizeof(wchar_t) == 2) {
    return std::wstring(s.begin(), s.end());
  } else {
    std::wstring out;
    for (std::size_t i = 0; i < s.size();) out += wchar_t(nextCodePoint(s, i));
    return out;
  }
}

u16 fromWide(std::wstring_view s) {
  if constexpr (sizeof(wchar_t) == 2) {
    return u16(s.begin(), s.end());
  } else {
    u16 out;
    for (wchar_t c : s) {
      char32_t cp = static_cast<char32_t>(c);
      appendUtf16(out, (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) ? 0xFFFD : cp);
    }
    return out;
  }
}

u16 ascii(std::string_view s) { return u16(s.begin(), s.end()); }

u16 intToText(long long value) { return ascii(std::to_string(value)); }

}  // namespace surva::text
