#pragma once
// Text decoded piece by piece as it is read, so that reading a large file
// holds only what the reader keeps of it: the byte-order mark picks UTF-8,
// UTF-16 LE or BE, otherwise the ANSI code page; lines end at CR LF, LF or
// CR, and a final line break makes no extra line.
#include <string>
#include <string_view>

#include "platform/files.h"
#include "text/codec.h"

namespace surva::platform {

enum class TextEncoding { Ansi, Utf8Bom, Utf16LeBom, Utf16BeBom };

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
  TextDecoder(const text::AnsiCodec& codec, TextLineSink& sink) : codec_(codec), sink_(sink) {}
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
  bool chosen_ = false;
  TextEncoding encoding_ = TextEncoding::Ansi;
  std::string held_;  // bytes not yet decoded: the mark's look-ahead, a cut character
  bool afterCr_ = false;
  bool lineOpen_ = false;
};

// Reads the file through a TextDecoder into `sink`; throws as
// FileSystem::readFileInPieces does. The encoding that was found.
TextEncoding readTextLines(FileSystem& fs, const text::AnsiCodec& codec, text::u16view path, TextLineSink& sink);

}  // namespace surva::platform
