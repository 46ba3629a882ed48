// Only one copy of the program may run on one installation: two copies
// would write the same configuration, temporary Evolution and data files.
// The first copy holds an exclusive lock on a file in the Ini folder for as
// long as it runs and removes the file when it ends; the system drops the
// lock when the process ends in any way, so the file a crash leaves behind
// never blocks the next start.
#pragma once

#include <string>

namespace pumpdrill {

inline constexpr const char* kSingleInstanceMessage = "Only one Pumpdrill can be running at one time.";
inline constexpr const char* kInstanceLockName = "pumpdrill.lock";

class SingleInstanceLock {
 public:
  SingleInstanceLock() = default;
  ~SingleInstanceLock();
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  // Takes the lock on the file at path (created when missing). Returns false
  // when another running program holds it. A lock file that cannot be
  // created at all does not stop the program: the check is then skipped.
  bool Acquire(const std::string& path);
  // Lets go of the lock and removes its file.
  void Release();
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
  std::string path_;
};

}  // namespace pumpdrill
