#include "platform/posix/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "text/error.h"

namespace surva::platform::posix {

namespace {

text::u16 reason(int err) { return text::fromUtf8(std::strerror(err)); }

[[noreturn]] void failWrite(text::u16view path, int err) {
  throw Failure(u"ファイル " + text::u16(path) + u" に書き込めません．\n" + reason(err));
}

[[noreturn]] void failRead(text::u16view path, int err) { throw Failure(readFailureMessage(path, reason(err))); }

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::optional<std::string> PosixFileSystem::readFile(text::u16view path) {
  struct stat st{};
  if (::stat(text::toUtf8(path).c_str(), &st) != 0 && errno == ENOENT) return std::nullopt;
  std::string data;
  readFileInPieces(path, [&](std::string_view piece) { data.append(piece); });
  return data;
}

void PosixFileSystem::readFileInPieces(text::u16view path, const PieceSink& sink) {
  std::string p = text::toUtf8(path);
  int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) failRead(path, errno);
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat st{};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) throw Failure(readFailureMessage(path, kFolderIsNotAFile));
  std::string buf(1 << 18, '\0');
  for (;;) {
    ssize_t n = ::read(fd, buf.data(), buf.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      failRead(path, errno);
    }
    if (n == 0) break;
    sink(std::string_view(buf.data(), static_cast<std::size_t>(n)));
  }
}

void PosixFileSystem::writeFileAtomic(text::u16view path, std::string_view bytes) {
  std::string target = text::toUtf8(path);
  std::string temp = target + ".tmp" + std::to_string(::getpid());
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) failWrite(path, errno);
  if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
    int err = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    failWrite(path, err);
  }
  if (::close(fd) != 0 || ::rename(temp.c_str(), target.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    failWrite(path, err);
  }
}

bool PosixFileSystem::exists(text::u16view path) {
  struct stat st{};
  return ::stat(text::toUtf8(path).c_str(), &st) == 0;
}

text::u16 PosixPaths::executablePath() {
  char buf[4096];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return u"surva";
  return text::fromUtf8(std::string_view(buf, static_cast<std::size_t>(n)));
}

}  // namespace surva::platform::posix
