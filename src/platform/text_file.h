#pragma once
// Text files: read by byte-order mark (else UTF-8 when the bytes are UTF-8
// with some non-ASCII character, else the ANSI code page), written with CR
// LF after every line through an atomic replace.
#include <optional>
#include <vector>

#include "platform/files.h"
#include "platform/text_stream.h"
#include "text/codec.h"

namespace surva::platform {

struct TextFileContent {
  std::vector<text::u16> lines;
  TextEncoding encoding = TextEncoding::Ansi;
};

// Lines end at CR LF, LF or CR; a final line break makes no extra line.
TextFileContent decodeText(std::string_view bytes, const text::AnsiCodec& codec);
// Every line followed by CR LF. `complete` is false when the bytes would not
// read back as the lines: for Ansi, a character the code page cannot hold
// (badLine, badColumn) or bytes that would pass for another encoding; for
// Utf8, a first line opening with U+FEFF.
struct EncodedText {
  std::string bytes;
  bool complete = true;
  std::size_t badLine = 0;
  std::size_t badColumn = 0;
};
EncodedText encodeText(const std::vector<text::u16>& lines, TextEncoding encoding, const text::AnsiCodec& codec);

// nullopt when the file does not exist.
std::optional<TextFileContent> readTextFile(FileSystem& fs, const text::AnsiCodec& codec, text::u16view path);
// Writes atomically; returns the encoding result so callers can tell what the
// code page could not hold.
EncodedText writeTextFile(FileSystem& fs, const text::AnsiCodec& codec, text::u16view path,
                          const std::vector<text::u16>& lines, TextEncoding encoding = TextEncoding::Ansi);

}  // namespace surva::platform
