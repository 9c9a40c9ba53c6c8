#include "platform/posix/iconv_codec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <string>

namespace surva::platform::posix {

namespace {
iconv_t handle(void* p) { return static_cast<iconv_t>(p); }
}  // namespace

IconvCodec::IconvCodec(const char* codePage) {
  iconv_t to = iconv_open(codePage, "UTF-16LE");
  iconv_t from = iconv_open("UTF-16LE", codePage);
  if (to == reinterpret_cast<iconv_t>(-1) || from == reinterpret_cast<iconv_t>(-1))
    throw std::runtime_error(std::string("iconv has no code page ") + codePage);
  toAnsi_ = to;
  fromAnsi_ = from;
}

IconvCodec::~IconvCodec() {
  iconv_close(handle(toAnsi_));
  iconv_close(handle(fromAnsi_));
}

text::EncodeResult IconvCodec::encode(text::u16view text) const {
  text::EncodeResult result;
  std::string in;
  in.reserve(text.size() * 2);
  for (char16_t c : text) {
    in += char(c & 0xFF);
    in += char(c >> 8);
  }
  std::string& out = result.bytes;
  out.reserve(text.size() * 2);
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
    if (result.firstUnmappable == std::u16string::npos) result.firstUnmappable = unit;
    out += '?';
    char16_t c = text[unit];
    std::size_t skip = (c >= 0xD800 && c <= 0xDBFF && unit + 1 < text.size()) ? 4 : 2;
    skip = std::min(skip, inLeft);
    inPtr += skip;
    inLeft -= skip;
    iconv(handle(toAnsi_), nullptr, nullptr, nullptr, nullptr);
  }
  return result;
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
    // A byte the code page does not define, or a cut-off lead byte.
    out += u'\uFFFD';
    ++inPtr;
    --inLeft;
    iconv(handle(fromAnsi_), nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace surva::platform::posix
