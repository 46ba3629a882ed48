#include <gtest/gtest.h>

#include "frame/configuration.h"
#include "frame/units.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

TEST(DisplayUnits, EnglishIsAllOnesAndMetricUsesTheRoundedConstants) {
  DisplayUnits u;
  EXPECT_EQ(u.Label[kUnitPressure], "psi");  // a new record shows English units
  ApplyUnits(u, true, false);
  EXPECT_EQ(u.DisplayFactor[kUnitDiameter], 25.5);
  EXPECT_EQ(u.DisplayFactor[kUnitDiameter2], 25.5);
  EXPECT_EQ(u.EntryFactor[kUnitDiameter], 1 / 25.5);
  EXPECT_EQ(u.DisplayFactor[kUnitFlow], 3.79);
  EXPECT_EQ(u.EntryFactor[kUnitVolume], 1 / 3.79);
  EXPECT_EQ(u.DisplayFactor[kUnitLength], 0.305);
  EXPECT_EQ(u.EntryFactor[kUnitLength], 1 / 0.305);
  EXPECT_EQ(u.Label[kUnitDiameter] + u.Label[kUnitFlow] + u.Label[kUnitLength] + u.Label[kUnitVolume], "mmlpmmL");
  EXPECT_DOUBLE_EQ(TempToDisplay(u, 212), 100);
  EXPECT_DOUBLE_EQ(TempFromEntry(u, -40), -40);
  EXPECT_EQ(u.TempLabel, "deg C");

  ApplyUnits(u, false, true);
  for (int q = kUnitDiameter; q <= kUnitVolume; ++q) {
    EXPECT_EQ(u.DisplayFactor[q], 1.0) << q;
    EXPECT_EQ(u.EntryFactor[q], 1.0) << q;
  }
  EXPECT_EQ(u.Label[kUnitDiameter] + u.Label[kUnitFlow] + u.Label[kUnitLength] + u.Label[kUnitPressure] +
                u.Label[kUnitVolume],
            "inchgpmftpsigal");
  EXPECT_EQ(TempToDisplay(u, 180), 180);
  EXPECT_EQ(u.TempLabel, "deg F");
}

TEST(DisplayUnits, MetricPressureInBarOrKpaFromTheConfiguration) {
  testing::ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  Configuration c;
  TShowOptionsRec show;
  testing::WriteText(ini, "[Desktop]\nUnits=METRIC\nUse Bars=1\n");
  ReadConfiguration(ini, c, show, 1);
  EXPECT_EQ(c.Units.Label[kUnitPressure], "bar");
  EXPECT_DOUBLE_EQ(ToDisplay(c.Units, kUnitPressure, 100), 6.894);
  EXPECT_EQ(c.Units.EntryFactor[kUnitPressure], 14.50536698578474);

  testing::WriteText(ini, "[Desktop]\nUnits=METRIC\nUse Bars=0\n");
  ReadConfiguration(ini, c, show, 1);
  EXPECT_EQ(c.Units.Label[kUnitPressure], "KPa");
  EXPECT_DOUBLE_EQ(ToDisplay(c.Units, kUnitPressure, 100), 689.4);
  EXPECT_EQ(c.Units.EntryFactor[kUnitPressure], 0.1450536698578474);

  ApplyUnits(c, false);
  EXPECT_EQ(c.Units.DisplayFactor[kUnitPressure], 1.0);
}

}  // namespace
}  // namespace pumpdrill
