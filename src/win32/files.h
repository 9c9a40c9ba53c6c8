#pragma once
// Files and the executable's paths through the Windows API.
#include "platform/files.h"

namespace surva::win32 {

class Win32FileSystem : public platform::FileSystem {
 public:
  std::optional<std::string> readFile(text::u16view path) override;
  void writeFileAtomic(text::u16view path, std::string_view bytes) override;
  bool exists(text::u16view path) override;
  void readFileInPieces(text::u16view path, const PieceSink& sink) override;
};

class Win32Paths : public platform::Paths {
 public:
  text::u16 executablePath() override;
  std::optional<text::u16> shortPath(text::u16view path) override;
};

}  // namespace surva::win32
