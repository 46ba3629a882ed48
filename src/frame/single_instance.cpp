#include "frame/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace pumpdrill {

namespace {

// Whether path still names the file open as fd: a program that ended
// cleanly removes the file, and a lock taken on a removed file guards
// nothing.
bool SameFile(int fd, const std::string& path) {
  struct stat open {
  }, named{};
  if (::fstat(fd, &open) != 0 || ::stat(path.c_str(), &named) != 0) return false;
  return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

}  // namespace

SingleInstanceLock::~SingleInstanceLock() { Release(); }

bool SingleInstanceLock::Acquire(const std::string& path) {
  Release();
  // A few tries: the holder may remove the file between our open and lock.
  for (int attempt = 0; attempt < 5; ++attempt) {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return true;  // no lock possible: do not keep the program from starting
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      bool busy = errno == EWOULDBLOCK;
      ::close(fd);
      return !busy;
    }
    if (!SameFile(fd, path)) {
      ::close(fd);
      continue;
    }
    // The holder's process id, for whoever looks at the file.
    std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0) {
      ssize_t written = ::write(fd, pid.data(), pid.size());
      (void)written;
    }
    fd_ = fd;
    path_ = path;
    return true;
  }
  return true;
}

void SingleInstanceLock::Release() {
  if (fd_ < 0) return;
  // Removed while still locked, so that no one takes the lock on a file
  // that is about to disappear.
  if (SameFile(fd_, path_)) ::unlink(path_.c_str());
  ::flock(fd_, LOCK_UN);
  ::close(fd_);
  fd_ = -1;
  path_.clear();
}

}  // namespace pumpdrill
