// Replacing a file whole: the new contents go to a temporary file in the
// same folder, which is then renamed over the old one. A failure at any
// step leaves the old file as it was and no temporary file behind.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pumpdrill {

enum class WriteFailure {
  None,
  Create,   // the temporary file could not be created (folder missing or read-only)
  Write,    // writing or flushing the data failed (disk full, I/O error)
  Replace,  // the temporary file could not take the place of the target
};

struct WriteResult {
  WriteFailure Failure = WriteFailure::None;
  std::string Reason;  // the system's explanation when Failure is not None

  bool ok() const { return Failure == WriteFailure::None; }
};

// Writes data as the whole new contents of target. A target reached
// through a symbolic link is replaced where the link points. An existing
// target keeps its permissions.
WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view data);

}  // namespace pumpdrill
