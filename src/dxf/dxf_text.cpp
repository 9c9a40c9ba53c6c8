#include "dxf/dxf_text.h"

namespace surva::dxf {

namespace {

bool isAsciiPrintable(const text::u16view s) {
  for (char16_t c : s)
    if (c < 32 || c > 126) return false;
  return true;
}

void appendEscape(std::string& out, char16_t unit) {
  static const char kHex[] = "0123456789ABCDEF";
  out += "\\U+";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
}

bool isHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

void DxfText::addItem(std::string_view lines) {
  bytes_.append(lines);
  bytes_ += "\r\n";
  ++items_;
}

void DxfText::addItem(std::initializer_list<std::string_view> lines) {
  bool first = true;
  for (std::string_view line : lines) {
    if (!first) bytes_ += "\r\n";
    bytes_.append(line);
    first = false;
  }
  bytes_ += "\r\n";
  ++items_;
}

std::string DxfText::encodeValue(text::u16view value) const {
  if (isAsciiPrintable(value)) return std::string(value.begin(), value.end());

  text::u16 clean(value);
  for (char16_t& c : clean)
    if (c < 32) c = u' ';
  text::EncodeResult whole = codec_->encode(clean);
  if (whole.complete()) return std::move(whole.bytes);

  // Encode character by character so that only what the code page lacks is
  // escaped; a surrogate pair is one character, a lone surrogate is escaped.
  std::string out;
  std::size_t i = 0;
  while (i < clean.size()) {
    std::size_t len = (isHigh(clean[i]) && i + 1 < clean.size() && isLow(clean[i + 1])) ? 2 : 1;
    text::u16view ch(clean.data() + i, len);
    if (ch[0] < 128) {
      out += static_cast<char>(ch[0]);
    } else if (codec_->canEncode(ch)) {
      out += codec_->encode(ch).bytes;
    } else {
      for (char16_t unit : ch) appendEscape(out, unit);
    }
    i += len;
  }
  return out;
}

void saveDxf(platform::FileSystem& files, text::u16view path, const DxfText& dxf) {
  files.writeFileAtomic(path, dxf.bytes());
}

}  // namespace surva::dxf
