#include <gtest/gtest.h>

#include <string>

#include "frame/ini_file.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

using testing::ReadText;
using testing::ScratchDir;
using testing::WriteText;

TEST(IniFile, NamesIgnoreCaseAndRepeatedKeysReadTheFirst) {
  ScratchDir dir;
  const auto path = dir / "a.ini";
  WriteText(path, "[Sec]\r\nKey=first\r\nkey=second\r\nOther = spaced value \r\n");
  IniFile ini(path);
  ASSERT_TRUE(ini.Load());
  EXPECT_TRUE(ini.Existed());
  EXPECT_EQ(ini.Get("SEC", "KEY", "-"), "first");
  EXPECT_EQ(ini.Get("sec", "other", "-"), "spaced value");
  EXPECT_EQ(ini.Get("sec", "missing", "-"), "-");
  EXPECT_FALSE(ini.Get("nosec", "key").has_value());
  EXPECT_EQ(ini.Keys("sec"), (std::vector<std::string>{"Key", "Other"}));

  // Setting a repeated key leaves one line, in the first one's place.
  ini.Set("SEC", "KEY", "new");
  ini.Set("sec", "Added", "1\n[Evil]\r\nx=2");
  ASSERT_TRUE(ini.Save());
  EXPECT_EQ(ReadText(path), "[Sec]\nKey=new\nOther=spaced value\nAdded=1 [Evil]  x=2\n");
}

TEST(IniFile, CommentsAndLooseTextSurvive) {
  ScratchDir dir;
  const auto path = dir / "a.ini";
  // Only comments: kept whole, new sections follow them.
  WriteText(path, "; one\n\n; two\n");
  {
    IniFile ini(path);
    ASSERT_TRUE(ini.Load());
    ini.Set("S", "k", "v");
    ASSERT_TRUE(ini.Save());
  }
  EXPECT_EQ(ReadText(path), "; one\n\n; two\n\n[S]\nk=v\n");

  // A byte-order mark and what follows the last key are kept.
  WriteText(path, "\xEF\xBB\xBF[S]\nk=v\n# closing note\nloose words\n");
  {
    IniFile ini(path);
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.Get("S", "k", ""), "v");
    ini.Set("T", "x", "1");
    ASSERT_TRUE(ini.Save());
  }
  EXPECT_EQ(ReadText(path), "\xEF\xBB\xBF[S]\nk=v\n\n\n[T]\nx=1\n# closing note\nloose words\n");
}

TEST(IniFile, ALinkedFileIsReplacedWhereTheLinkLeads) {
  ScratchDir dir;
  const auto real = dir / "real.ini";
  const auto link = dir / "link.ini";
  WriteText(real, "[S]\nk=1\n");
  std::filesystem::create_symlink(real, link);
  IniFile ini(link);
  ASSERT_TRUE(ini.Load());
  ini.Set("S", "k", "2");
  ASSERT_TRUE(ini.Save());
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadText(real), "[S]\nk=2\n");
}

}  // namespace
}  // namespace pumpdrill
