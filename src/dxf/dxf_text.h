#pragma once
// The exchange DXF text: an ordered list of items, each one or more lines
// joined by CR LF, saved with CR LF after every item. Items are kept already
// encoded in the ANSI code page, so saving is one write of the bytes.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "text/codec.h"

namespace surva::dxf {

class DxfText {
 public:
  explicit DxfText(const text::AnsiCodec& codec) : codec_(&codec) {}

  // One item; `lines` are its lines joined by CR LF, already encoded.
  void addItem(std::string_view lines);
  // One item of the given lines.
  void addItem(std::initializer_list<std::string_view> lines);

  // A text or layer value as the CAD must read it on one value line:
  // characters below code 32 become blanks (a line break would split the
  // value), and characters the code page cannot hold become "\U+XXXX"
  // (one escape per UTF-16 code unit) instead of "?".
  std::string encodeValue(text::u16view value) const;

  std::size_t itemCount() const { return items_; }
  // The file: every item followed by CR LF.
  const std::string& bytes() const { return bytes_; }
  void reserve(std::size_t bytes) { bytes_.reserve(bytes); }

 private:
  const text::AnsiCodec* codec_;
  std::string bytes_;
  std::size_t items_ = 0;
};

// Writes the text to `path` in one atomic replace; throws Failure naming the
// file when it cannot be written.
void saveDxf(platform::FileSystem& files, text::u16view path, const DxfText& dxf);

}  // namespace surva::dxf
