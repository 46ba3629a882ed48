#include "frame/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace pumpdrill {

namespace {

// A name beside path that no other save of this process uses at the same time.
std::string TemporaryNameBeside(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return path + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
}

bool WriteAll(int fd, const Byte* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

WriteStep WriteFileReplacing(const std::string& path, const void* data, std::size_t size) {
  if (path.empty()) return WriteStep::Create;
  // A target that may not be written stays as it is, as it would if it were
  // rewritten in place.
  struct stat st {};
  const bool exists = ::stat(path.c_str(), &st) == 0;
  if (exists && (!S_ISREG(st.st_mode) || ::access(path.c_str(), W_OK) != 0)) return WriteStep::Create;

  const std::string temp = TemporaryNameBeside(path);
  const mode_t mode = exists ? (st.st_mode & 07777) : 0666;
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd < 0) return WriteStep::Create;
  if (exists) ::fchmod(fd, mode);  // keep the old file's permissions, whatever the umask

  bool ok = WriteAll(fd, static_cast<const Byte*>(data), size);
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (!ok) {
    ::unlink(temp.c_str());
    return WriteStep::Write;
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return WriteStep::Replace;
  }
  return WriteStep::Done;
}

ReadStep ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<Byte>& bytes) {
  bytes.clear();
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return ReadStep::Missing;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return ReadStep::Open;

  std::vector<Byte> data;
  Byte chunk[16384];
  bool ok = true;
  for (;;) {
    ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    if (n == 0) break;
    if (data.size() + static_cast<std::size_t>(n) > maxBytes) {
      ok = false;
      break;
    }
    data.insert(data.end(), chunk, chunk + n);
  }
  ::close(fd);
  if (!ok) return ReadStep::Read;
  bytes = std::move(data);
  return ReadStep::Done;
}

}  // namespace pumpdrill
