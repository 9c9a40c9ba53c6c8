#include "platform/posix/iconv_codec.h"

#include <iconv.h>

#include <cctype>
#include <cerrno>
#include <stdexcept>
#include <string>

namespace surva::platform::posix {

namespace {

iconv_t handle(void* p) { return static_cast<iconv_t>(p); }

// Where iconv's CP932 and Windows' code page 932 (written with
// WC_NO_BEST_FIT_CHARS) part. iconv best-fits these characters onto codes
// that read back as others (\u00A5 as "\\", \u2014 as \u2015); Windows
// leaves them unmapped.
constexpr char16_t kBestFitOnly[] = {0x00A2, 0x00A3, 0x00A5, 0x00AC, 0x2014, 0x2016, 0x203E, 0x2212, 0x301C};
// Windows' single bytes that iconv does not define.
struct SingleByte {
  char16_t unit;
  unsigned char byte;
};
constexpr SingleByte kSingleBytes[] = {{0x0080, 0x80}, {0xF8F0, 0xA0}, {0xF8F1, 0xFD}, {0xF8F2, 0xFE}, {0xF8F3, 0xFF}};

bool bestFitOnly(char16_t c) {
  for (char16_t b : kBestFitOnly)
    if (b == c) return true;
  return false;
}

const SingleByte* singleByteOf(char16_t c) {
  for (const auto& s : kSingleBytes)
    if (s.unit == c) return &s;
  return nullptr;
}

const SingleByte* singleByteOf(unsigned char b) {
  for (const auto& s : kSingleBytes)
    if (s.byte == b) return &s;
  return nullptr;
}

bool isCp932(const char* codePage) {
  std::string n(codePage);
  for (auto& ch : n) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return n == "CP932" || n == "WINDOWS-31J";
}

}  // namespace

IconvCodec::IconvCodec(const char* codePage) {
  iconv_t to = iconv_open(codePage, "UTF-16LE");
  iconv_t from = iconv_open("UTF-16LE", codePage);
  if (to == reinterpret_cast<iconv_t>(-1) || from == reinterpret_cast<iconv_t>(-1))
    throw std::runtime_error(std::string("iconv has no code page ") + codePage);
  toAnsi_ = to;
  fromAnsi_ = from;
  windows932_ = isCp932(codePage);
}

IconvCodec::~IconvCodec() {
  iconv_close(handle(toAnsi_));
  iconv_close(handle(fromAnsi_));
}

text::EncodeResult IconvCodec::encode(text::u16view text) const {
  text::EncodeResult result;
  result.bytes.reserve(text.size() * 2);
  std::size_t runStart = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const bool special = i < text.size() && windows932_ && (bestFitOnly(text[i]) || singleByteOf(text[i]));
    if (i < text.size() && !special) continue;
    encodeRun(text.substr(runStart, i - runStart), runStart, result);
    runStart = i + 1;
    if (i == text.size()) break;
    if (const SingleByte* s = singleByteOf(text[i])) {
      result.bytes += static_cast<char>(s->byte);
    } else {
      if (result.firstUnmappable == std::u16string::npos) result.firstUnmappable = i;
      result.bytes += '?';
    }
  }
  return result;
}

void IconvCodec::encodeRun(text::u16view text, std::size_t offset, text::EncodeResult& result) const {
  if (text.empty()) return;
  std::string in;
  in.reserve(text.size() * 2);
  for (char16_t c : text) {
    in += char(c & 0xFF);
    in += char(c >> 8);
  }
  std::string& out = result.bytes;
  char* inPtr = in.data();
  std::size_t inLeft = in.size();
  iconv(handle(toAnsi_), nullptr, nullptr, nullptr, nullptr);
  char buf[4096];
  while (inLeft > 0) {
    char* outPtr = buf;
    std::size_t outLeft = sizeof buf;
    std::size_t rc = iconv(handle(toAnsi_), &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buf, outPtr - buf);
    if (rc != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: this character has no place in the code page.
    std::size_t unit = (inPtr - in.data()) / 2;
    if (result.firstUnmappable == std::u16string::npos) result.firstUnmappable = offset + unit;
    out += '?';
    char16_t c = text[unit];
    std::size_t skip = (c >= 0xD800 && c <= 0xDBFF && unit + 1 < text.size()) ? 4 : 2;
    skip = std::min(skip, inLeft);
    inPtr += skip;
    inLeft -= skip;
    iconv(handle(toAnsi_), nullptr, nullptr, nullptr, nullptr);
  }
}

text::u16 IconvCodec::decode(std::string_view bytes) const {
  text::u16 out;
  out.reserve(bytes.size());
  std::string in(bytes);
  char* inPtr = in.data();
  std::size_t inLeft = in.size();
  iconv(handle(fromAnsi_), nullptr, nullptr, nullptr, nullptr);
  char buf[4096];
  auto flush = [&](char* end) {
    for (char* p = buf; p + 1 < end; p += 2)
      out += char16_t(static_cast<unsigned char>(p[0]) | (static_cast<unsigned char>(p[1]) << 8));
  };
  while (inLeft > 0) {
    char* outPtr = buf;
    std::size_t outLeft = sizeof buf;
    std::size_t rc = iconv(handle(fromAnsi_), &inPtr, &inLeft, &outPtr, &outLeft);
    flush(outPtr);
    if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    // A byte the code page does not define, or a cut-off lead byte; where
    // a character starts, Windows' single bytes are defined.
    const SingleByte* single = windows932_ ? singleByteOf(static_cast<unsigned char>(*inPtr)) : nullptr;
    out += single ? single->unit : u'\uFFFD';
    ++inPtr;
    --inLeft;
    iconv(handle(fromAnsi_), nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace surva::platform::posix
