#include "support/temp_dir.h"

#include <cstdlib>
#include <stdexcept>

namespace surva::fakes {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "surva-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

text::u16 TempDir::file(const std::string& name) const { return text::fromUtf8((path_ / name).string()); }

}  // namespace surva::fakes
