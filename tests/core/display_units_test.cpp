#include <gtest/gtest.h>

#include "frame/configuration.h"
#include "frame/units.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

TEST(DisplayUnits, EnglishIsAllOnes) {
  DisplayUnits u;
  ApplyUnits(u, true, true);
  ApplyUnits(u, false, true);
  for (int q = kUnitDiameter; q <= kUnitVolume; ++q) {
    EXPECT_EQ(u.DisplayFactor[q], 1.0) << q;
    EXPECT_EQ(u.EntryFactor[q], 1.0) << q;
  }
  EXPECT_EQ(u.Label[kUnitDiameter], "inch");
  EXPECT_EQ(u.Label[kUnitFlow], "gpm");
  EXPECT_EQ(u.Label[kUnitLength], "ft");
  EXPECT_EQ(u.Label[kUnitPressure], "psi");
  EXPECT_EQ(u.Label[kUnitVolume], "gal");
  EXPECT_EQ(u.TempLabel, "deg F");
  EXPECT_EQ(TempToDisplay(u, 180), 180);
  EXPECT_EQ(TempFromEntry(u, 180), 180);
  EXPECT_EQ(DisplayUnits().Label[kUnitPressure], "psi");  // a new record shows English units
}

TEST(DisplayUnits, MetricUsesTheRoundedConstantsWithBarOrKpa) {
  DisplayUnits u;
  ApplyUnits(u, true, false);
  EXPECT_EQ(u.DisplayFactor[kUnitDiameter], 25.5);
  EXPECT_EQ(u.DisplayFactor[kUnitDiameter2], 25.5);
  EXPECT_EQ(u.EntryFactor[kUnitDiameter], 1 / 25.5);
  EXPECT_EQ(u.DisplayFactor[kUnitFlow], 3.79);
  EXPECT_EQ(u.DisplayFactor[kUnitVolume], 3.79);
  EXPECT_EQ(u.EntryFactor[kUnitVolume], 1 / 3.79);
  EXPECT_EQ(u.DisplayFactor[kUnitLength], 0.305);
  EXPECT_EQ(u.EntryFactor[kUnitLength], 1 / 0.305);
  EXPECT_EQ(u.Label[kUnitDiameter], "mm");
  EXPECT_EQ(u.Label[kUnitFlow], "lpm");
  EXPECT_EQ(u.Label[kUnitLength], "m");
  EXPECT_EQ(u.Label[kUnitVolume], "L");
  EXPECT_EQ(u.Label[kUnitPressure], "KPa");
  EXPECT_DOUBLE_EQ(ToDisplay(u, kUnitPressure, 100), 689.4);
  EXPECT_EQ(u.EntryFactor[kUnitPressure], 0.1450536698578474);

  ApplyUnits(u, true, true);
  EXPECT_EQ(u.Label[kUnitPressure], "bar");
  EXPECT_DOUBLE_EQ(ToDisplay(u, kUnitPressure, 100), 6.894);
  EXPECT_EQ(u.EntryFactor[kUnitPressure], 14.50536698578474);
  EXPECT_DOUBLE_EQ(FromEntry(u, kUnitPressure, 10), 145.0536698578474);

  EXPECT_EQ(u.TempLabel, "deg C");
  EXPECT_DOUBLE_EQ(TempToDisplay(u, 212), 100);
  EXPECT_DOUBLE_EQ(TempToDisplay(u, 32), 0);
  EXPECT_DOUBLE_EQ(TempFromEntry(u, 100), 212);
  EXPECT_DOUBLE_EQ(TempFromEntry(u, -40), -40);
}

TEST(DisplayUnits, TheConfigurationAppliesItsUnitsWhenRead) {
  testing::ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  Configuration c;
  TShowOptionsRec show;
  testing::WriteText(ini, "[Desktop]\nUnits=METRIC\nUse Bars=1\n");
  ReadConfiguration(ini, c, show, 1);
  EXPECT_EQ(c.Units.Label[kUnitPressure], "bar");
  EXPECT_EQ(c.Units.DisplayFactor[kUnitPressure], 0.06894);

  testing::WriteText(ini, "[Desktop]\nUnits=METRIC\nUse Bars=0\n");
  ReadConfiguration(ini, c, show, 1);
  EXPECT_EQ(c.Units.DisplayFactor[kUnitPressure], 6.894);

  ApplyUnits(c, false);
  EXPECT_EQ(c.Units.DisplayFactor[kUnitPressure], 1.0);
  EXPECT_FALSE(c.Units.Metric);
}

}  // namespace
}  // namespace pumpdrill
