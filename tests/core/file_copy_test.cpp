#include <gtest/gtest.h>

#include <string>

#include "file_fault_support.h"
#include "frame/file_copy.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

using testing::ReadText;
using testing::ScratchDir;
using testing::WriteText;

std::string CopyError(const std::filesystem::path& from, const std::filesystem::path& to) {
  try {
    CopyFileChecked(from, to);
  } catch (const FileCopyError& e) {
    return e.what();
  }
  return "";
}

TEST(FileCopy, CopiesWholeAndReplacesTheDestination) {
  ScratchDir dir;
  std::string data(100000, '\0');
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7);
  WriteText(dir / "a.DTA", data);
  WriteText(dir / "b.DTA", "old contents that are longer than nothing");
  CopyFileChecked(dir / "a.DTA", dir / "b.DTA");
  EXPECT_EQ(ReadText(dir / "b.DTA"), data);
  CopyFileChecked(dir / "a.DTA", dir / "a.DTA");  // onto itself: unchanged
  EXPECT_EQ(ReadText(dir / "a.DTA"), data);
  WriteText(dir / "empty", "");
  CopyFileChecked(dir / "empty", dir / "c");
  EXPECT_TRUE(std::filesystem::exists(dir / "c"));
}

TEST(FileCopy, FailuresRaiseTheirMessagesAndKeepTheDestination) {
  ScratchDir dir;
  const auto src = dir / "src.ITX";
  const auto dst = dir / "dst.ITX";
  WriteText(src, "[Calls]\n");
  WriteText(dst, "kept");

  EXPECT_EQ(CopyError(dir / "missing.ITX", dst), "Error opening source file \"" + (dir / "missing.ITX").string() + "\"");
  EXPECT_EQ(CopyError(dir.path(), dst), "Error opening source file \"" + dir.path().string() + "\"");
  EXPECT_EQ(CopyError(src, dir / "no" / "such.ITX"),
            "Error opening destination file \"" + (dir / "no" / "such.ITX").string() + "\"");
  {
    DiskFullAfter limit(4);
    EXPECT_EQ(CopyError(src, dst), "Error copying file \"" + src.string() + "\"");
  }
  EXPECT_EQ(ReadText(dst), "kept");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

}  // namespace
}  // namespace pumpdrill
