#include "setup/nozzle_setup.h"

#include <gtest/gtest.h>

#include <cmath>

#include "default_state.h"
#include "frame/configuration.h"
#include "frame/utf8_text.h"
#include "recording_host.h"
#include "setup/nozzle_catalogue.h"
#include "sim/state.h"
#include "units_configuration.h"

namespace pumpdrill {
namespace {

Configuration Units(bool metric, bool bars = false) {
  return testing::UnitsConfiguration(metric, bars);
}

TEST(NozzleCatalogue, RowsPicturesAndNames) {
  for (int row = 0; row < kNozzleRows; ++row)
    EXPECT_EQ(IsSelectableRow(row), row != 3 && row != 7 && row != 8) << row;
  EXPECT_FALSE(IsSelectableRow(-1));
  EXPECT_FALSE(IsSelectableRow(9));
  struct Case {
    int type;
    bool master;
    int mount;
    bool handle;
    const char* picture;
    int row;
  };
  for (const Case& c : {Case{0, false, 0, true, "NZ_STR_TIP", 0},
                        {0, false, 0, false, "NZ_STR_TIP_NO_HND", 0},
                        {1, false, 0, true, "NZ_FOG_TIP", 1},
                        {3, false, 2, false, "NZ_FOG_TIP_NO_HND", 2},
                        {0, true, 1, false, "NZ_STR_PORT", 4},
                        {0, true, 2, true, "NZ_STR_ELEV", 4},
                        {2, true, 0, false, "NZ_FOG_DECK", 5},
                        {3, true, 2, false, "NZ_FOG_ELEV", 6},
                        {4, true, 0, false, "", 0}}) {
    EXPECT_EQ(NozzlePictureName(c.type, c.master, c.mount, c.handle), c.picture);
    EXPECT_EQ(RowOfNozzle(c.type, c.master), c.row);
  }
  EXPECT_EQ(NozzleTypeName(0), "straight");
  EXPECT_EQ(NozzleTypeName(3), "gallonage");
  EXPECT_EQ(NozzleTypeName(4), "");
  EXPECT_EQ(RatedNozzlePress(false, 0), 50);
  EXPECT_EQ(RatedNozzlePress(true, 0), 80);
  EXPECT_EQ(RatedNozzlePress(true, 3), 100);
  EXPECT_EQ(NoNozzleMessage(4), "No nozzle defined for discharge 4");
}

TEST(NozzleCatalogue, MetricBoresAreExactSizes) {
  double feet = 0;
  ASSERT_TRUE(BoreChoiceFeet("77", true, feet));
  EXPECT_NEAR(feet * 12, 3.0, 1e-12);  // 76.2 mm, not 77 / 25.5
  ASSERT_TRUE(BoreChoiceFeet("1-1/8", false, feet));
  EXPECT_DOUBLE_EQ(feet, 1.125 / 12);
  EXPECT_EQ(ExactBoreMm(40), 40);
  EXPECT_EQ(FindBoreChoice(1.125 / 12, false), 5);
  EXPECT_EQ(FindBoreChoice(1.125 / 12, true), 5);  // "29"
  EXPECT_EQ(FindBoreChoice(1.2 / 12, false), -1);
}

TEST(NozzleSetup, FindsTheRowAndSizeOfTheLine) {
  auto s = testing::MakeDefaultState();
  s->Discharges[2].TipDiam = 1.125 / 12;
  struct Case {
    bool metric;
    int line;
    int row;
    const char* item;
  };
  // Line 1 is a fog nozzle: it has a bore as a smooth bore has.
  for (const Case& c : {Case{false, 2, 0, "1-1/8"},
                        {true, 2, 0, "29"},
                        {false, 1, 1, "1"},
                        {false, 4, 4, "1-1/2"},
                        {true, 8, 4, "45"}}) {
    Configuration cfg = Units(c.metric);
    NozzleSetup n(*s, c.line, cfg.Units);
    EXPECT_EQ(n.Row(), c.row) << c.line;
    ASSERT_GE(n.Size(), 0) << c.line;
    EXPECT_EQ(n.SizeItems()[n.Size()], c.item);
  }
  Configuration cfg = Units(false);
  EXPECT_EQ(NozzleSetup(*s, 99, cfg.Units).Line(), 1);
}

TEST(NozzleSetup, AutomaticSizeOneStoresItsRangeAndASixInchTip) {
  auto s = testing::MakeDefaultState();
  Configuration cfg = Units(false);
  RecordingHost host;
  NozzleSetup n(*s, 3, cfg.Units);
  ASSERT_TRUE(n.SelectRow(1));
  EXPECT_EQ(n.Size(), -1);
  EXPECT_EQ(n.AttrCaption(), "line size (inch)      flow range (gpm)  @ 100 psi");
  // No size: OK refuses with the caption.
  EXPECT_FALSE(n.Ok(*s, "3.0", "", host));
  EXPECT_EQ(host.Texts(), "line size (inch)      flow range (gpm)  @ 100 psi: No value entered.\n");
  n.SelectSize(1);
  ASSERT_TRUE(n.Ok(*s, "3.0", "combination", host));
  const TDischargeRec& d = s->Discharges[3];
  EXPECT_EQ(d.NozzleType, 2);
  EXPECT_EQ(d.AutoGpmMin, 70);
  EXPECT_EQ(d.AutoGpmMax, 200);
  EXPECT_EQ(d.TipDiam, 0.5);
  EXPECT_EQ(d.NozzleName.str(), "combination");
  EXPECT_EQ(d.NozzleRatedPress, 100);
  EXPECT_EQ(s->Discharges[2].NozzleRatedPress, 50);  // every line by the rule
  EXPECT_EQ(s->Discharges[4].NozzleRatedPress, 80);
}

TEST(NozzleSetup, MasterGallonageGetsFlowingCoefficients) {
  auto s = testing::MakeDefaultState();
  Configuration cfg = Units(false);
  RecordingHost host;
  NozzleSetup n(*s, 5, cfg.Units);
  ASSERT_TRUE(n.SelectRow(6));
  n.SetMounting(kElevatedMaster);
  EXPECT_EQ(n.PictureName(), "NZ_FOG_ELEV");
  n.SelectSize(1);
  EXPECT_EQ(n.GallonageItems(), (std::vector<std::string>{"500", "750", "1000", "1250"}));
  EXPECT_EQ(n.GallonageItem(), -1);
  // A new size has no flow chosen: OK says so.
  EXPECT_FALSE(n.Ok(*s, "3.0", "", host));
  EXPECT_EQ(host.Texts(), "Gallonage (gpm): No value entered.\n");
  n.SelectGallonage(2);
  ASSERT_TRUE(n.Ok(*s, "3.0", "", host));
  const TDischargeRec& d = s->Discharges[5];
  EXPECT_EQ(d.GpmIndex, 3);
  EXPECT_EQ(d.GpmSetting[3], 1000);
  EXPECT_EQ(d.NozzleOpen, 1);
  EXPECT_FALSE(d.NozzleShut);  // the shut-off was recomputed for the opening
  EXPECT_LT(d.ShutoffK, 10);
  EXPECT_EQ(d.MasterKind, kElevatedMaster);
}

TEST(NozzleSetup, HeightStaysWithinTheHoseLength) {
  auto s = testing::MakeDefaultState();  // line 2: 250 ft, pump end at 3 ft
  Configuration cfg = Units(false);
  NozzleSetup n(*s, 2, cfg.Units);
  std::string error;
  struct Case {
    const char* text;
    bool ok;
    const char* shown;
  };
  for (const Case& c : {Case{"40", true, "40.0"},
                        {"400", true, "253.0"},
                        {"-300", true, "-247.0"},
                        {"1O0", false, "-247.0"},
                        {"", false, "-247.0"}}) {
    EXPECT_EQ(n.SetHeightText(c.text, error), c.ok) << c.text;
    EXPECT_EQ(n.HeightText(), c.shown) << c.text;
  }
  n.SetHeightText("252.5", error);
  n.StepHeight(1);
  n.StepHeight(1);
  EXPECT_EQ(n.HeightText(), "253.0");
  RecordingHost host;
  auto before = *s;
  EXPECT_FALSE(n.Ok(*s, "x", "", host));
  EXPECT_EQ(host.Texts(), "Initial Nozzle Height: Invalid character in number\n");
  EXPECT_EQ(std::memcmp(&before, s.get(), sizeof(State)), 0);
}

TEST(NozzleSetup, TextsInBothUnits) {
  auto s = testing::MakeDefaultState();
  struct Case {
    bool metric, bars;
    int line;
    const char* caption;
    const char* flow;
  };
  // Line 4's 1-1/2 in master tip at 80 psi: K = 8 (1/0.703^2 - 1) /
  // (317.8 x 0.125^4) = 105.5, q = sqrt(184.6 / 105.5) = 1.323 cfs = 594 gpm.
  for (const Case& c :
       {Case{false, false, 2, "bore size (inch)    @ 50 psi", "tip flow 209 gpm"},
        {true, true, 2, "bore size (mm)    @ 3.4 bar", "tip flow 791 lpm"},
        {true, false, 4, "bore size (mm)    rated @ 552 KPa", "tip flow 2250 lpm"}}) {
    Configuration cfg = Units(c.metric, c.bars);
    NozzleSetup n(*s, c.line, cfg.Units);
    EXPECT_EQ(n.AttrCaption(), c.caption);
    EXPECT_EQ(n.TipFlowText(), c.flow);
  }
}

TEST(Utf8Text, CutsAtACharacterBoundary) {
  EXPECT_EQ(Utf8Prefix("abc", 255), "abc");
  std::string s(254, 'a');
  s += "\xC3\xA9";  // an e with an accent: two bytes
  EXPECT_EQ(Utf8Prefix(s, 255), std::string(254, 'a'));
  EXPECT_EQ(Utf8Prefix(s, 256), s);
}

}  // namespace
}  // namespace pumpdrill
