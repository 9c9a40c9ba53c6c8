#pragma once
// Makes a folder refuse new files for the life of the object, also for root
// (which ignores permission bits): the immutable attribute where the file
// system has one, else the permission bits.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>

namespace surva::fakes {

class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const std::filesystem::path& folder) : folder_(folder) {
    if (::geteuid() != 0) {
      std::filesystem::permissions(folder_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
      active_ = true;
      return;
    }
    int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      active_ = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
      immutable_ = active_;
    }
    ::close(fd);
  }
  ~ReadOnlyFolder() {
    if (!active_) return;
    if (!immutable_) {
      std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
      return;
    }
    int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags &= ~FS_IMMUTABLE_FL;
      ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    if (fd >= 0) ::close(fd);
  }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
  // False when this system offers no way to refuse writes; tests then skip.
  bool active() const { return active_; }

 private:
  std::filesystem::path folder_;
  bool active_ = false;
  bool immutable_ = false;
};

}  // namespace surva::fakes
