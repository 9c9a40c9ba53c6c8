#pragma once
// Files and paths. Paths are UTF-16 text as Windows has them.
#include <functional>
#include <optional>
#include <string>

#include "text/u16.h"

namespace surva::platform {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The whole file; nullopt when it does not exist. Throws Failure naming the
  // file and the system's reason when it exists but cannot be read.
  virtual std::optional<std::string> readFile(text::u16view path) = 0;
  // Writes a temporary file beside the target and renames it over the target,
  // so a failed write never destroys the previous file. Throws Failure naming
  // the file and the system's reason.
  virtual void writeFileAtomic(text::u16view path, std::string_view bytes) = 0;
  virtual bool exists(text::u16view path) = 0;
  // The file in pieces, in order, so that a large file is never held whole.
  // Throws Failure naming the file and the system's reason when it does not
  // exist, is a folder, or cannot be read. This default reads it whole.
  using PieceSink = std::function<void(std::string_view)>;
  virtual void readFileInPieces(text::u16view path, const PieceSink& sink);
};

// "ファイル <path> を読み込めません．" and the reason on the next line.
text::u16 readFailureMessage(text::u16view path, text::u16view reason);
// The reason given when a folder is chosen as a file to read.
inline constexpr char16_t kFolderIsNotAFile[] = u"フォルダーはファイルとして読み込めません．";

class Paths {
 public:
  virtual ~Paths() = default;
  // Full path of the running executable.
  virtual text::u16 executablePath() = 0;
  // The 8.3 short form of an existing path; nullopt when the system offers none.
  virtual std::optional<text::u16> shortPath(text::u16view path) = 0;
};

// "C:\dir\surva.exe" with ".ini" -> "C:\dir\surva.ini".
text::u16 replaceExtension(text::u16view path, text::u16view extension);
// Whether the file name (after the last separator) has a dot in it.
bool hasExtension(text::u16view path);
// The folder of a path, with its trailing separator.
text::u16 folderOf(text::u16view path);

}  // namespace surva::platform
