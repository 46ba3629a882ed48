// A file written piece by piece that never leaves a half-written target.
#pragma once

#include <cstddef>
#include <string>

#include "frame/safe_file.h"

namespace pumpdrill {

// A file written piece by piece that replaces path only when all of it was
// written: the pieces go into a new file beside path, Commit renames it
// over path. Destroyed uncommitted (or after a failure), the new file is
// removed and a previous file at path is left exactly as it was.
class ReplacingFile {
 public:
  ReplacingFile() = default;
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;
  ~ReplacingFile();

  // Creates the new file beside path. Create when it cannot be (or path may
  // not be replaced).
  WriteStep Open(const std::string& path);
  // Appends size bytes; false once any write failed.
  bool Append(const void* data, std::size_t size);
  // Flushes, closes and renames the new file over path.
  WriteStep Commit();

 private:
  void Discard();

  std::string path_;
  std::string temp_;
  int fd_ = -1;
  bool failed_ = false;
};

}  // namespace pumpdrill
