#pragma once
// Files on a POSIX system (tests and native tools).
#include "platform/files.h"

namespace surva::platform::posix {

class PosixFileSystem : public FileSystem {
 public:
  std::optional<std::string> readFile(text::u16view path) override;
  void writeFileAtomic(text::u16view path, std::string_view bytes) override;
  bool exists(text::u16view path) override;
  void readFileInPieces(text::u16view path, const PieceSink& sink) override;
};

class PosixPaths : public Paths {
 public:
  text::u16 executablePath() override;
  // POSIX file systems have no short names.
  std::optional<text::u16> shortPath(text::u16view) override { return std::nullopt; }
};

}  // namespace surva::platform::posix
