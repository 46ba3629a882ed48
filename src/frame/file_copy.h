// Copying a file whole, as when a data file is saved under a new name or
// an Evolution's radio calls follow it to a new name.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace pumpdrill {

// Raised by CopyFileChecked; what() is the message to show.
class FileCopyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Copies source over destination. The destination is replaced only once
// the whole copy is written, so a failure leaves it as it was. Raises
// FileCopyError with
//   Error opening source file "<source>"       when the source cannot be read,
//   Error opening destination file "<dest>"    when the destination cannot be created,
//   Error copying file "<source>"              when reading or writing fails on the way.
void CopyFileChecked(const std::filesystem::path& source, const std::filesystem::path& destination);

// Whether path names an existing regular file (false for "" and on any error).
bool IsExistingFile(const std::string& path);

// The file name of path without its folder.
std::string FileNameOf(const std::string& path);

}  // namespace pumpdrill
