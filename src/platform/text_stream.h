#pragma once
// Text decoded piece by piece as it is read, so that reading a large file
// holds only what the reader keeps of it: the byte-order mark picks UTF-8,
// UTF-16 LE or BE; without one, bytes that are valid UTF-8 and hold some
// non-ASCII character are UTF-8 (what web tools and current editors write),
// otherwise the ANSI code page. Lines end at CR LF, LF or CR, and a final
// line break makes no extra line.
#include <string>
#include <string_view>

#include "platform/files.h"
#include "text/codec.h"

namespace surva::platform {

enum class TextEncoding { Ansi, Utf8Bom, Utf16LeBom, Utf16BeBom, Utf8 };

// Whether bytes fed in order are UTF-8 without a mark: strictly valid (no
// overlong forms, no surrogates, nothing above U+10FFFF, no cut-off last
// character, no NUL byte) and holding at least one non-ASCII character. Double-byte
// code-page text is next to never valid UTF-8: its trail bytes fall in
// 0x40-0x7E or after lead bytes UTF-8 does not continue.
class Utf8Check {
 public:
  void feed(std::string_view bytes);
  bool invalid() const { return invalid_; }
  bool isUtf8() const { return !invalid_ && needed_ == 0 && nonAscii_; }

 private:
  bool invalid_ = false;
  bool nonAscii_ = false;
  int needed_ = 0;                 // continuation bytes still to come
  unsigned char low_ = 0x80, high_ = 0xBF;  // range of the next continuation byte
};
bool isUtf8WithoutMark(std::string_view bytes);

class TextLineSink {
 public:
  virtual ~TextLineSink() = default;
  // Text of the current line; one line may arrive in several pieces.
  virtual void text(text::u16view piece) = 0;
  // The current line has ended.
  virtual void lineEnd() = 0;
};

class TextDecoder {
 public:
  // `utf8WithoutMark`: what Utf8Check found for the whole input; it applies
  // only when the input has no byte-order mark.
  TextDecoder(const text::AnsiCodec& codec, TextLineSink& sink, bool utf8WithoutMark = false)
      : codec_(codec), sink_(sink), utf8WithoutMark_(utf8WithoutMark) {}
  void feed(std::string_view bytes);
  // End of the input: what is held back is decoded (a cut-off UTF-16 unit
  // gives U+FFFD) and an unfinished last line ends.
  void finish();
  TextEncoding encoding() const { return encoding_; }

 private:
  void chooseEncoding();
  void decodeHeld(std::string_view bytes, bool last);
  void emit(text::u16view decoded);

  const text::AnsiCodec& codec_;
  TextLineSink& sink_;
  bool utf8WithoutMark_;
  bool chosen_ = false;
  TextEncoding encoding_ = TextEncoding::Ansi;
  std::string held_;  // bytes not yet decoded: the mark's look-ahead, a cut character
  bool afterCr_ = false;
  bool lineOpen_ = false;
};

// Reads the file through a TextDecoder into `sink`; throws as
// FileSystem::readFileInPieces does. The encoding that was found. A file
// without a byte-order mark is read twice (once to tell UTF-8), so that
// memory never follows the size of the file.
TextEncoding readTextLines(FileSystem& fs, const text::AnsiCodec& codec, text::u16view path, TextLineSink& sink);

}  // namespace surva::platform
