#include "platform/text_stream.h"

#include <cstdint>
#include <cstring>

namespace surva::platform {

namespace {

// Held back at most this much while no safe place to cut the bytes shows
// up; a longer run is decoded as it stands (no point record is that long).
constexpr std::size_t kMaxHeld = 1 << 20;

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

text::u16 decodeUtf16(std::string_view bytes, bool bigEndian) {
  text::u16 out;
  out.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    auto a = static_cast<unsigned char>(bytes[i]);
    auto b = static_cast<unsigned char>(bytes[i + 1]);
    out += bigEndian ? char16_t((a << 8) | b) : char16_t((b << 8) | a);
  }
  return out;
}

// Where the bytes can be cut without splitting a character. A byte below
// 0x40 is never part of a double-byte character of the ANSI code pages
// (nor of a UTF-8 sequence), and line breaks and commas are such bytes.
std::size_t ansiCut(std::string_view b) {
  for (std::size_t i = b.size(); i > 0; --i)
    if (static_cast<unsigned char>(b[i - 1]) < 0x40) return i;
  return b.size() >= kMaxHeld ? b.size() : 0;
}

std::size_t utf8Cut(std::string_view b) {
  std::size_t i = b.size();
  while (i > 0 && b.size() - i < 3 && (static_cast<unsigned char>(b[i - 1]) & 0xC0) == 0x80) --i;
  if (i > 0 && static_cast<unsigned char>(b[i - 1]) >= 0xC0) --i;  // an unfinished sequence waits
  return i;
}

}  // namespace

void Utf8Check::feed(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size() && !invalid_; ++i) {
    // Runs of ASCII without NUL, eight bytes at a time: a large file is
    // read once more only to tell its encoding.
    while (needed_ == 0 && i + 8 <= bytes.size()) {
      std::uint64_t v;
      std::memcpy(&v, bytes.data() + i, 8);
      constexpr std::uint64_t kOnes = 0x0101010101010101, kHigh = 0x8080808080808080;
      if (((v | ((v - kOnes) & ~v)) & kHigh) != 0) break;  // a high bit or a zero byte
      i += 8;
    }
    if (i >= bytes.size()) break;
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (needed_ > 0) {
      if (b < low_ || b > high_) {
        invalid_ = true;
        break;
      }
      --needed_;
      low_ = 0x80;
      high_ = 0xBF;
      continue;
    }
    if (b == 0) {
      invalid_ = true;  // binary data is never taken for UTF-8 text
      break;
    }
    if (b < 0x80) continue;
    nonAscii_ = true;
    if (b >= 0xC2 && b <= 0xDF) {
      needed_ = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
      needed_ = 2;
      if (b == 0xE0) low_ = 0xA0;   // no overlong form
      if (b == 0xED) high_ = 0x9F;  // no surrogate
    } else if (b >= 0xF0 && b <= 0xF4) {
      needed_ = 3;
      if (b == 0xF0) low_ = 0x90;
      if (b == 0xF4) high_ = 0x8F;  // nothing above U+10FFFF
    } else {
      invalid_ = true;
    }
  }
}

bool isUtf8WithoutMark(std::string_view bytes) {
  Utf8Check check;
  check.feed(bytes);
  return check.isUtf8();
}

void TextDecoder::feed(std::string_view bytes) {
  if (held_.empty() && chosen_) {
    decodeHeld(bytes, false);
    return;
  }
  held_.append(bytes);
  if (!chosen_) {
    if (held_.size() < 3) return;
    chooseEncoding();
  }
  std::string pending;
  pending.swap(held_);
  decodeHeld(pending, false);
}

void TextDecoder::finish() {
  if (!chosen_) chooseEncoding();
  std::string pending;
  pending.swap(held_);
  decodeHeld(pending, true);
  if (lineOpen_) {
    lineOpen_ = false;
    sink_.lineEnd();
  }
}

void TextDecoder::chooseEncoding() {
  chosen_ = true;
  std::size_t mark = 0;
  if (startsWith(held_, "\xEF\xBB\xBF")) {
    encoding_ = TextEncoding::Utf8Bom;
    mark = 3;
  } else if (startsWith(held_, "\xFF\xFE")) {
    encoding_ = TextEncoding::Utf16LeBom;
    mark = 2;
  } else if (startsWith(held_, "\xFE\xFF")) {
    encoding_ = TextEncoding::Utf16BeBom;
    mark = 2;
  } else if (utf8WithoutMark_) {
    encoding_ = TextEncoding::Utf8;
  }
  held_.erase(0, mark);
}

void TextDecoder::decodeHeld(std::string_view bytes, bool last) {
  std::size_t cut = bytes.size();
  switch (encoding_) {
    case TextEncoding::Ansi:
      if (!last) cut = ansiCut(bytes);
      emit(codec_.decode(bytes.substr(0, cut)));
      break;
    case TextEncoding::Utf8Bom:
    case TextEncoding::Utf8:
      if (!last) cut = utf8Cut(bytes);
      emit(text::fromUtf8(bytes.substr(0, cut)));
      break;
    case TextEncoding::Utf16LeBom:
    case TextEncoding::Utf16BeBom: {
      cut = bytes.size() & ~std::size_t(1);
      text::u16 units = decodeUtf16(bytes.substr(0, cut), encoding_ == TextEncoding::Utf16BeBom);
      // A cut-off last unit is not dropped silently.
      if (last && cut < bytes.size()) {
        units += u'\uFFFD';
        cut = bytes.size();
      }
      emit(units);
      break;
    }
  }
  held_.assign(bytes.substr(cut));
}

void TextDecoder::emit(text::u16view d) {
  if (d.empty()) return;
  std::size_t start = 0;
  if (afterCr_) {
    afterCr_ = false;
    if (d[0] == u'\n') start = 1;  // the LF of a CR LF cut between two pieces
  }
  for (std::size_t i = start; i < d.size(); ++i) {
    char16_t c = d[i];
    if (c != u'\r' && c != u'\n') continue;
    if (i > start) sink_.text(d.substr(start, i - start));
    sink_.lineEnd();
    lineOpen_ = false;
    if (c == u'\r') {
      if (i + 1 == d.size())
        afterCr_ = true;
      else if (d[i + 1] == u'\n')
        ++i;
    }
    start = i + 1;
  }
  if (start < d.size()) {
    sink_.text(d.substr(start));
    lineOpen_ = true;
  }
}

namespace {

struct NotUtf8 {};

bool fileIsUtf8WithoutMark(FileSystem& fs, text::u16view path) {
  Utf8Check check;
  std::string head;  // the first bytes, to see a byte-order mark
  try {
    fs.readFileInPieces(path, [&](std::string_view piece) {
      if (head.size() < 3) head.append(piece.substr(0, 3 - head.size()));
      if (head.starts_with("\xEF\xBB\xBF") || head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF"))
        throw NotUtf8{};  // the mark decides
      check.feed(piece);
      if (check.invalid()) throw NotUtf8{};
    });
  } catch (const NotUtf8&) {
    return false;
  }
  return check.isUtf8();
}

}  // namespace

TextEncoding readTextLines(FileSystem& fs, const text::AnsiCodec& codec, text::u16view path, TextLineSink& sink) {
  TextDecoder decoder(codec, sink, fileIsUtf8WithoutMark(fs, path));
  fs.readFileInPieces(path, [&](std::string_view piece) { decoder.feed(piece); });
  decoder.finish();
  return decoder.encoding();
}

}  // namespace surva::platform
