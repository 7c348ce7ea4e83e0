#pragma once
// Makes the system refuse to let any file of this process grow past a size
// while it lives: a write beyond it fails with EFBIG (the signal SIGXFSZ, which
// would end the process, is ignored meanwhile). The old limit and the old
// signal handling come back at the end, so the rest of the test run is
// unaffected. A file written through a buffer fails only when the buffer is
// flushed, as on a full disk.
#include <sys/resource.h>
#include <csignal>

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ok_ = getrlimit(RLIMIT_FSIZE, &old_) == 0;
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    if (!ok_) return;
    rlimit lower = old_;
    lower.rlim_cur = bytes;
    ok_ = setrlimit(RLIMIT_FSIZE, &lower) == 0;
  }
  ~FileSizeLimit() {
    if (ok_) setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  // False when the limit could not be set.
  bool ok() const { return ok_; }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = SIG_DFL;
  bool ok_ = false;
};
