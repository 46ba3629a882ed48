#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "frame/safe_file.h"
#include "file_fault_support.h"
#include "scratch_dir.h"

namespace fs = std::filesystem;
using namespace pumpdrill;

namespace {

std::vector<Byte> Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SafeFile : public ::testing::Test {
 protected:
  pumpdrill::testing::ScratchDir scratch;
  fs::path dir = scratch.path();
};

TEST_F(SafeFile, WritesReplacesAndLeavesNoTemporaryFiles) {
  const std::string target = (dir / "a.EVO").string();
  std::vector<Byte> first(1000, 7), second(3000, 9);
  ASSERT_EQ(WriteFileReplacing(target, first.data(), first.size()), WriteStep::Done);
  EXPECT_EQ(Slurp(target), first);
  ASSERT_EQ(WriteFileReplacing(target, second.data(), second.size()), WriteStep::Done);
  EXPECT_EQ(Slurp(target), second);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

  std::vector<Byte> back;
  EXPECT_EQ(ReadWholeFile(target, 3000, back), ReadStep::Done);
  EXPECT_EQ(back, second);
  EXPECT_EQ(ReadWholeFile(target, 2999, back), ReadStep::Read);
  EXPECT_TRUE(back.empty());
  EXPECT_EQ(ReadWholeFile((dir / "none").string(), 10, back), ReadStep::Missing);
  EXPECT_EQ(ReadWholeFile(dir.string(), 10, back), ReadStep::Missing);  // a folder is no file
}

TEST_F(SafeFile, ReadOnlyFolderFailsAndKeepsTheOldFile) {
  const std::string target = (dir / "a.EVO").string();
  std::vector<Byte> old(500, 1), fresh(600, 2);
  ASSERT_EQ(WriteFileReplacing(target, old.data(), old.size()), WriteStep::Done);
  ::chmod(dir.c_str(), 0555);
  {
    UnprivilegedUser user;  // root ignores folder permissions
    EXPECT_EQ(WriteFileReplacing(target, fresh.data(), fresh.size()), WriteStep::Create);
  }
  ::chmod(dir.c_str(), 0755);
  EXPECT_EQ(Slurp(target), old);
}

TEST_F(SafeFile, FullDiskFailsAndKeepsTheOldFile) {
  const std::string target = (dir / "a.EVO").string();
  std::vector<Byte> old(500, 1), fresh(50000, 2);
  ASSERT_EQ(WriteFileReplacing(target, old.data(), old.size()), WriteStep::Done);
  {
    DiskFullAfter limit(20000);
    EXPECT_EQ(WriteFileReplacing(target, fresh.data(), fresh.size()), WriteStep::Write);
  }
  EXPECT_EQ(Slurp(target), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

}  // namespace
