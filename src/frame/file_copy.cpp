#include "frame/file_copy.h"

#include <system_error>

#include <string>
#include <vector>

#include "frame/safe_file.h"

namespace pumpdrill {

namespace {

// Larger than any file the program copies (data files are limited to a
// few megabytes by the options).
constexpr std::size_t kMaxCopyBytes = std::size_t{1} << 30;

std::string Quoted(const std::filesystem::path& p) { return "\"" + p.string() + "\""; }

}  // namespace

void CopyFileChecked(const std::filesystem::path& source, const std::filesystem::path& destination) {
  std::vector<Byte> bytes;
  switch (ReadWholeFile(source.string(), kMaxCopyBytes, bytes)) {
    case ReadStep::Done:
      break;
    case ReadStep::Missing:
    case ReadStep::Open:
      throw FileCopyError("Error opening source file " + Quoted(source));
    case ReadStep::Read:
      throw FileCopyError("Error copying file " + Quoted(source));
  }
  switch (WriteFileReplacing(destination.string(), bytes.data(), bytes.size())) {
    case WriteStep::Done:
      return;
    case WriteStep::Create:
      throw FileCopyError("Error opening destination file " + Quoted(destination));
    case WriteStep::Write:
    case WriteStep::Replace:
      throw FileCopyError("Error copying file " + Quoted(source));
  }
}

bool IsExistingFile(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

std::string FileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

}  // namespace pumpdrill
