#pragma once
// A fresh folder under the system's temporary folder, removed afterwards.
#include <filesystem>
#include <string>

#include "text/u16.h"

namespace surva::fakes {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  // A file name inside the folder as program text.
  text::u16 file(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace surva::fakes
