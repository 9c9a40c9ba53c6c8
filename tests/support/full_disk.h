#pragma once
// Makes file writes fail part-way, as a full disk does, for the life of the
// object: a file-size limit of a few bytes (it binds root too), with the
// signal it raises ignored so the write returns an error instead.
#include <sys/resource.h>

#include <csignal>

namespace surva::fakes {

class FullDisk {
 public:
  FullDisk() : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit small = old_;
    small.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FullDisk() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

 private:
  void (*oldHandler_)(int);
  rlimit old_{};
};

}  // namespace surva::fakes
