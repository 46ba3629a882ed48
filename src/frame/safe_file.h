// Whole-file reads and writes that never leave a file half written or a
// caller with half a file: a write goes into a new file beside the target
// and replaces the target only when every byte reached it; a read returns
// the whole file or nothing.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "sim/types.h"

namespace pumpdrill {

// The step at which a whole-file write failed.
enum class WriteStep {
  Done,     // the target now holds exactly the bytes given
  Create,   // the new file could not be created (or the target may not be replaced)
  Write,    // writing, flushing or closing the new file failed
  Replace,  // the finished file could not be renamed over the target
};

// Writes size bytes to path through a temporary file in the same folder.
// On any failure the temporary file is removed and a previous file at path
// is left exactly as it was.
WriteStep WriteFileReplacing(const std::string& path, const void* data, std::size_t size);

// The step at which a whole-file read failed.
enum class ReadStep {
  Done,     // bytes holds the whole file
  Missing,  // no regular file at path
  Open,     // the file exists but cannot be opened
  Read,     // a read failed, or the file is longer than the limit
};

// Reads the whole file at path into bytes (at most maxBytes of it; a longer
// file fails with ReadStep::Read). bytes is left empty on failure.
ReadStep ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<Byte>& bytes);

}  // namespace pumpdrill
