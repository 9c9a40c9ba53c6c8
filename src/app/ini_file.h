#pragma once
// A Windows-style INI file held as its lines, so that writing a key changes
// only that key's line: comments, blank lines, unknown sections and keys stay
// as they were. Section and key names match without regard to letter case.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/files.h"
#include "platform/text_file.h"
#include "text/codec.h"

namespace surva::app {

class IniFile {
 public:
  IniFile() = default;
  explicit IniFile(std::vector<text::u16> lines, platform::TextEncoding encoding = platform::TextEncoding::Ansi)
      : lines_(std::move(lines)), encoding_(encoding) {}

  // A missing file gives an empty one. Throws Failure when the file exists
  // but cannot be read.
  static IniFile load(platform::FileSystem& fs, const text::AnsiCodec& codec, text::u16view path);
  // The whole file in one atomic replace, in the encoding it was read in.
  // An ANSI file whose text the code page cannot hold is written as UTF-16
  // with a byte-order mark instead, so no character is lost.
  void save(platform::FileSystem& fs, const text::AnsiCodec& codec, text::u16view path) const;

  // The value as written after "=", blanks around it removed and one pair
  // of enclosing quotes taken off; nullopt when the key is absent.
  std::optional<text::u16> value(text::u16view section, text::u16view key) const;

  text::u16 readString(text::u16view section, text::u16view key, text::u16view fallback) const;
  // Decimal, or hexadecimal after "0x"; anything else gives the fallback.
  std::int32_t readInteger(text::u16view section, text::u16view key, std::int32_t fallback) const;
  // Read as an integer; any non-zero integer is true.
  bool readBool(text::u16view section, text::u16view key, bool fallback) const;

  // How an existing key's name is spelt after a write.
  enum class KeyName {
    Keep,     // as the file already spells it
    Respell,  // as the writer spells it
  };
  // An existing key is replaced where it stands; a new key goes after the
  // last line of its section, a new section at the end of the file.
  void writeString(text::u16view section, text::u16view key, text::u16view value, KeyName name = KeyName::Keep);
  void writeInteger(text::u16view section, text::u16view key, std::int32_t value, KeyName name = KeyName::Keep);
  void writeBool(text::u16view section, text::u16view key, bool value, KeyName name = KeyName::Keep);

  const std::vector<text::u16>& lines() const { return lines_; }
  platform::TextEncoding encoding() const { return encoding_; }

 private:
  // Views into lines_: valid until a line changes.
  struct Found {
    std::size_t line = 0;
    text::u16view name;   // key name as the file spells it
    text::u16view value;  // raw text after "="
  };
  // [first, end) lines of the first section of that name, header included.
  std::optional<std::pair<std::size_t, std::size_t>> sectionRange(text::u16view section) const;
  std::optional<Found> findKey(text::u16view section, text::u16view key) const;

  // The section headers, found once and kept until a line is added or a
  // header written: start-up and shutdown look up every setting in turn.
  struct Header {
    std::size_t line;
    text::u16 name;
  };
  const std::vector<Header>& headers() const;

  std::vector<text::u16> lines_;
  mutable std::vector<Header> headers_;
  mutable bool headersKnown_ = false;
  platform::TextEncoding encoding_ = platform::TextEncoding::Ansi;
};

// The text stored after "=" for a value, quoted when reading would otherwise
// change it (blanks at either end, enclosing quotes). Line breaks, which
// would split the entry, become blanks.
text::u16 iniStoredValue(text::u16view value);

}  // namespace surva::app
