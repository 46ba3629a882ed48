// Test helpers for file failures: a process that may not write where
// permissions forbid it (even when the tests run as root), and a disk that
// fills up after a given number of bytes.
#pragma once

#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

namespace pumpdrill {

// While alive, file access is checked as for the user "nobody" when the
// process runs as root; otherwise it changes nothing.
class UnprivilegedUser {
 public:
  UnprivilegedUser() {
    if (::geteuid() != 0) return;
    const passwd* nobody = ::getpwnam("nobody");
    const uid_t uid = nobody ? nobody->pw_uid : 65534;
    switched_ = ::seteuid(uid) == 0;
  }
  ~UnprivilegedUser() {
    if (switched_) (void)::seteuid(0);
  }
  UnprivilegedUser(const UnprivilegedUser&) = delete;
  UnprivilegedUser& operator=(const UnprivilegedUser&) = delete;

 private:
  bool switched_ = false;
};

// While alive, writing a file beyond `bytes` fails as on a full disk.
class DiskFullAfter {
 public:
  explicit DiskFullAfter(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    old_handler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~DiskFullAfter() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, old_handler_);
  }
  DiskFullAfter(const DiskFullAfter&) = delete;
  DiskFullAfter& operator=(const DiskFullAfter&) = delete;

 private:
  rlimit saved_{};
  sighandler_t old_handler_{};
};

}  // namespace pumpdrill
