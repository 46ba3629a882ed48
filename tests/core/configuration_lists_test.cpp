#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/configuration.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

using testing::ReadText;
using testing::ScratchDir;
using testing::WriteText;
using List = std::vector<std::string>;

TEST(ConfigurationLists, ReadStopsAtTheFirstMissingKeyAndFailsForAnAbsentSection) {
  ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  WriteText(ini, "[Hose Friction]\n0=120\n1=130\n3=150\n[hose diam: english display]\n0=1-1/2\n1=-99\n2=2\n");

  List list{"stale"};
  EXPECT_TRUE(ReadIniList(ini, kSectionHoseFriction, list));
  EXPECT_EQ(list, (List{"120", "130"}));
  // A "-99" item ends the list like a missing key; section names ignore case.
  EXPECT_TRUE(ReadIniList(ini, kSectionHoseDiamEnglish, list));
  EXPECT_EQ(list, (List{"1-1/2"}));
  EXPECT_FALSE(ReadIniList(ini, kSectionHoseDiamMetric, list));
  EXPECT_TRUE(list.empty());
  EXPECT_FALSE(ReadIniList(dir / "none.INI", kSectionHoseFriction, list));
}

TEST(ConfigurationLists, WriteReplacesTheWholeSectionInItsPlace) {
  ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  WriteText(ini, "[Hose Friction]\n0=1\n1=2\n2=3\n3=4\n[Desktop]\nDeptName=E4\n");
  ASSERT_TRUE(WriteIniList(ini, kSectionHoseFriction, {"140", "141"}).Ok);
  EXPECT_EQ(ReadText(ini), "[Hose Friction]\n0=140\n1=141\n\n\n[Desktop]\nDeptName=E4\n");
  List list;
  EXPECT_TRUE(ReadIniList(ini, kSectionHoseFriction, list));
  EXPECT_EQ(list, (List{"140", "141"}));
}

TEST(ConfigurationLists, UsersFallBackToTheDefaultsAndWriteThem) {
  ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  WriteText(ini, "[Hose Diam: Metric Display]\n0=38\n1=65\n");
  Configuration config;
  config.HoseFriction.clear();
  ConfigReport r = ReadHoseLists(ini, config);
  EXPECT_TRUE(r.Ok);
  EXPECT_TRUE(r.Problems.empty());
  EXPECT_EQ(config.HoseDiamMetric, (List{"38", "65"}));  // the user's own list stands
  EXPECT_EQ(config.HoseDiamEnglish, DefaultHoseDiamEnglish());
  EXPECT_EQ(config.HoseFriction, DefaultHoseFriction());
  ASSERT_EQ(DefaultHoseDiamEnglish().size(), 13u);
  EXPECT_EQ(DefaultHoseDiamEnglish()[2], "1-1/2");
  EXPECT_EQ(DefaultHoseDiamMetric()[12], "150");
  EXPECT_EQ(DefaultHoseFriction()[3], "139");

  List english, friction;
  EXPECT_TRUE(ReadIniList(ini, kSectionHoseDiamEnglish, english));
  EXPECT_EQ(english, DefaultHoseDiamEnglish());
  EXPECT_TRUE(ReadIniList(ini, kSectionHoseFriction, friction));
  EXPECT_EQ(friction, DefaultHoseFriction());
  EXPECT_NE(ReadText(ini).find("[Hose Diam: English Display]\n0=3/4\n1=1\n2=1-1/2\n"), std::string::npos);

  // Unreadable: the defaults are used and the file is not touched.
  const auto blocked = dir / "blocked.INI";
  std::filesystem::create_directory(blocked);
  List list;
  ConfigReport bad = ReadListOrDefaults(blocked, kSectionHoseFriction, list, DefaultHoseFriction());
  EXPECT_FALSE(bad.Ok);
  EXPECT_EQ(list, DefaultHoseFriction());
  EXPECT_TRUE(std::filesystem::is_directory(blocked));
}

}  // namespace
}  // namespace pumpdrill
