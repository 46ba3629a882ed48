#include "frame/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace pumpdrill {

namespace {

std::string SystemReason(int err) { return std::strerror(err); }

// The file that is really replaced: the end of a chain of symbolic links.
std::filesystem::path ResolveTarget(const std::filesystem::path& target) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(target, ec)) return target;
  std::filesystem::path real = std::filesystem::weakly_canonical(target, ec);
  return ec ? target : real;
}

// Creates a fresh temporary file beside target; returns its descriptor or -1.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& tmp) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = "." + target.filename().string() + ".tmp" + std::to_string(::getpid()) + "_" +
                       std::to_string(counter++);
    tmp = dir / name;
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool WriteAll(int fd, std::string_view data) {
  const char* p = data.data();
  std::size_t left = data.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view data) {
  const std::filesystem::path real = ResolveTarget(target);
  std::filesystem::path tmp;
  int fd = CreateTemporary(real, tmp);
  if (fd < 0) return {WriteFailure::Create, SystemReason(errno)};

  struct stat old {};
  if (::stat(real.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);

  if (!WriteAll(fd, data) || ::fsync(fd) != 0) {
    int err = errno;
    ::close(fd);
    ::unlink(tmp.c_str());
    return {WriteFailure::Write, SystemReason(err)};
  }
  if (::close(fd) != 0) {
    int err = errno;
    ::unlink(tmp.c_str());
    return {WriteFailure::Write, SystemReason(err)};
  }
  if (::rename(tmp.c_str(), real.c_str()) != 0) {
    int err = errno;
    ::unlink(tmp.c_str());
    return {WriteFailure::Replace, SystemReason(err)};
  }
  return {};
}

}  // namespace pumpdrill
