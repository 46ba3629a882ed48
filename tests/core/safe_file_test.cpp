#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "frame/safe_file.h"
#include "scratch_dir.h"

namespace fs = std::filesystem;
using namespace pumpdrill;

namespace {

class SafeFile : public ::testing::Test {
 protected:
  pumpdrill::testing::ScratchDir scratch;
  fs::path dir = scratch.path();
};

TEST_F(SafeFile, WritesReplacesAndLeavesNoTemporaryFiles) {
  const std::string target = (dir / "a.EVO").string();
  std::vector<Byte> first(1000, 7), second(3000, 9);
  ASSERT_EQ(WriteFileReplacing(target, first.data(), first.size()), WriteStep::Done);
  EXPECT_EQ(pumpdrill::testing::ReadBytes(target), first);
  ASSERT_EQ(WriteFileReplacing(target, second.data(), second.size()), WriteStep::Done);
  EXPECT_EQ(pumpdrill::testing::ReadBytes(target), second);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

  std::vector<Byte> back;
  EXPECT_EQ(ReadWholeFile(target, 3000, back), ReadStep::Done);
  EXPECT_EQ(back, second);
  EXPECT_EQ(ReadWholeFile(target, 2999, back), ReadStep::Read);
  EXPECT_TRUE(back.empty());
  EXPECT_EQ(ReadWholeFile((dir / "none").string(), 10, back), ReadStep::Missing);
  EXPECT_EQ(ReadWholeFile(dir.string(), 10, back), ReadStep::Missing);  // a folder is no file
}

}  // namespace
