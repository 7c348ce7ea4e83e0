#pragma once
// Takes away the superuser's rights while it lives: root may write into any
// folder, so a test of a write-protected folder must run as somebody else.
// The saved user stays root, so the rights come back at the end.
#include <unistd.h>

class WithoutRootRights {
 public:
  WithoutRootRights() {
    if (geteuid() != 0) return;
    dropped_ = setresgid(kNobody, kNobody, 0) == 0 && setresuid(kNobody, kNobody, 0) == 0;
  }
  ~WithoutRootRights() {
    if (!dropped_) return;
    [[maybe_unused]] const int u = setresuid(0, 0, 0);
    [[maybe_unused]] const int g = setresgid(0, 0, 0);
  }
  WithoutRootRights(const WithoutRootRights&) = delete;
  WithoutRootRights& operator=(const WithoutRootRights&) = delete;
  // False when root's rights could not be dropped.
  bool ok() const { return geteuid() != 0; }

 private:
  static constexpr uid_t kNobody = 65534;
  bool dropped_ = false;
};
