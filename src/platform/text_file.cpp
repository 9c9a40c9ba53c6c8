#include "platform/text_file.h"

namespace surva::platform {

namespace {

text::u16 decodeUtf16(std::string_view bytes, bool bigEndian) {
  text::u16 out;
  out.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    auto a = static_cast<unsigned char>(bytes[i]);
    auto b = static_cast<unsigned char>(bytes[i + 1]);
    out += bigEndian ? char16_t((a << 8) | b) : char16_t((b << 8) | a);
  }
  if (bytes.size() % 2) out += u'\uFFFD';  // a cut-off last unit is not dropped silently
  return out;
}

void appendUtf16(std::string& out, text::u16view s, bool bigEndian) {
  for (char16_t c : s) {
    char hi = char(c >> 8), lo = char(c & 0xFF);
    if (bigEndian) {
      out += hi;
      out += lo;
    } else {
      out += lo;
      out += hi;
    }
  }
}

std::vector<text::u16> splitLines(text::u16view s) {
  std::vector<text::u16> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == u'\r' || s[i] == u'\n') {
      lines.emplace_back(s.substr(start, i - start));
      if (s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n') ++i;
      start = i + 1;
    }
  }
  if (start < s.size()) lines.emplace_back(s.substr(start));
  return lines;
}

}  // namespace

TextFileContent decodeText(std::string_view bytes, const text::AnsiCodec& codec) {
  TextFileContent content;
  text::u16 all;
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    content.encoding = TextEncoding::Utf8Bom;
    all = text::fromUtf8(bytes.substr(3));
  } else if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") {
    content.encoding = TextEncoding::Utf16LeBom;
    all = decodeUtf16(bytes.substr(2), false);
  } else if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF") {
    content.encoding = TextEncoding::Utf16BeBom;
    all = decodeUtf16(bytes.substr(2), true);
  } else {
    content.encoding = TextEncoding::Ansi;
    all = codec.decode(bytes);
  }
  content.lines = splitLines(all);
  return content;
}

EncodedText encodeText(const std::vector<text::u16>& lines, TextEncoding encoding, const text::AnsiCodec& codec) {
  EncodedText out;
  switch (encoding) {
    case TextEncoding::Utf8Bom:
      out.bytes = "\xEF\xBB\xBF";
      for (const auto& l : lines) out.bytes += text::toUtf8(l) + "\r\n";
      break;
    case TextEncoding::Utf16LeBom:
    case TextEncoding::Utf16BeBom: {
      bool be = encoding == TextEncoding::Utf16BeBom;
      out.bytes = be ? "\xFE\xFF" : "\xFF\xFE";
      for (const auto& l : lines) appendUtf16(out.bytes, l + u"\r\n", be);
      break;
    }
    case TextEncoding::Ansi:
      for (std::size_t i = 0; i < lines.size(); ++i) {
        text::EncodeResult r = codec.encode(lines[i]);
        if (!r.complete() && out.complete) {
          out.complete = false;
          out.badLine = i;
          out.badColumn = r.firstUnmappable;
        }
        out.bytes += r.bytes;
        out.bytes += "\r\n";
      }
      break;
  }
  return out;
}

std::optional<TextFileContent> readTextFile(FileSystem& fs, const text::AnsiCodec& codec, text::u16view path) {
  auto bytes = fs.readFile(path);
  if (!bytes) return std::nullopt;
  return decodeText(*bytes, codec);
}

EncodedText writeTextFile(FileSystem& fs, const text::AnsiCodec& codec, text::u16view path,
                          const std::vector<text::u16>& lines, TextEncoding encoding) {
  EncodedText encoded = encodeText(lines, encoding, codec);
  fs.writeFileAtomic(path, encoded.bytes);
  return encoded;
}

}  // namespace surva::platform
