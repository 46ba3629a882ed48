#include "frame/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "frame/replacing_file.h"

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

ReplacingFile::~ReplacingFile() { Discard(); }

void ReplacingFile::Discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
}

WriteStep ReplacingFile::Open(const std::string& path) {
  Discard();
  failed_ = false;
  if (path.empty()) return WriteStep::Create;
  // A target that may not be written stays as it is, as it would if it were
  // rewritten in place.
  struct stat st {};
  const bool exists = ::stat(path.c_str(), &st) == 0;
  if (exists && (!S_ISREG(st.st_mode) || ::access(path.c_str(), W_OK) != 0)) return WriteStep::Create;

  const std::string temp = TemporaryNameBeside(path);
  const mode_t mode = exists ? (st.st_mode & 07777) : 0666;
  fd_ = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd_ < 0) return WriteStep::Create;
  if (exists) ::fchmod(fd_, mode);  // keep the old file's permissions, whatever the umask
  path_ = path;
  temp_ = temp;
  return WriteStep::Done;
}

bool ReplacingFile::Append(const void* data, std::size_t size) {
  if (fd_ < 0 || failed_) return false;
  if (!WriteAll(fd_, static_cast<const Byte*>(data), size)) failed_ = true;
  return !failed_;
}

WriteStep ReplacingFile::Commit() {
  if (fd_ < 0) return WriteStep::Create;
  bool ok = !failed_ && ::fsync(fd_) == 0;
  ok = (::close(fd_) == 0) && ok;
  fd_ = -1;
  if (!ok) {
    Discard();
    return WriteStep::Write;
  }
  if (::rename(temp_.c_str(), path_.c_str()) != 0) {
    Discard();
    return WriteStep::Replace;
  }
  temp_.clear();
  return WriteStep::Done;
}

WriteStep WriteFileReplacing(const std::string& path, const void* data, std::size_t size) {
  ReplacingFile file;
  if (WriteStep step = file.Open(path); step != WriteStep::Done) return step;
  file.Append(data, size);
  return file.Commit();
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
