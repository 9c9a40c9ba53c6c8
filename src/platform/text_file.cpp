#include "platform/text_file.h"

namespace surva::platform {

namespace {

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

// Collects whole lines.
class LineCollector : public TextLineSink {
 public:
  explicit LineCollector(std::vector<text::u16>& lines) : lines_(lines) {}
  void text(text::u16view piece) override { line_ += piece; }
  void lineEnd() override {
    lines_.push_back(std::move(line_));
    line_.clear();
  }

 private:
  std::vector<text::u16>& lines_;
  text::u16 line_;
};

}  // namespace

TextFileContent decodeText(std::string_view bytes, const text::AnsiCodec& codec) {
  TextFileContent content;
  LineCollector lines(content.lines);
  TextDecoder decoder(codec, lines, isUtf8WithoutMark(bytes));
  decoder.feed(bytes);
  decoder.finish();
  content.encoding = decoder.encoding();
  return content;
}

EncodedText encodeText(const std::vector<text::u16>& lines, TextEncoding encoding, const text::AnsiCodec& codec) {
  EncodedText out;
  switch (encoding) {
    case TextEncoding::Utf8Bom:
    case TextEncoding::Utf8:
      if (encoding == TextEncoding::Utf8Bom) out.bytes = "\xEF\xBB\xBF";
      for (const auto& l : lines) out.bytes += text::toUtf8(l) + "\r\n";
      // A first line opening with U+FEFF would read back as a mark.
      if (encoding == TextEncoding::Utf8 && out.bytes.starts_with("\xEF\xBB\xBF")) out.complete = false;
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
      // Code-page text that opens with the bytes of a byte-order mark (0xFF
      // 0xFE is U+F8F3 U+F8F2 in Windows' CP932) would read back as another
      // encoding: such lines need a file with a real mark.
      // Nor may the bytes pass for UTF-8 without a mark.
      if (out.complete && (out.bytes.starts_with("\xFF\xFE") || out.bytes.starts_with("\xFE\xFF") ||
                           out.bytes.starts_with("\xEF\xBB\xBF") || isUtf8WithoutMark(out.bytes))) {
        out.complete = false;
        out.badLine = 0;
        out.badColumn = 0;
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
