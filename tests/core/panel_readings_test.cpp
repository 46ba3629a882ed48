#include "panel/panel_readings.h"

#include <gtest/gtest.h>

#include <numbers>

#include "default_state.h"
#include "panel/gauge_faces.h"
#include "panel/gauge_tag.h"
#include "panel/gauge_needle.h"

namespace pumpdrill {
namespace {

constexpr double kPi = std::numbers::pi;

struct NeedleCase {
  const char* what;
  double minimum, value;
  bool vibration, raised;
  double shown;
};

TEST(GaugeNeedle, ClampsAndVibratesWithoutPassingTheEnds) {
  const NeedleCase cases[] = {
      {"just under the maximum", 0, 599.995, false, false, 600},
      {"intake just above its minimum", -15, -14.995, false, false, -15},
      {"beyond the maximum", 0, 750, true, true, 600},
      {"vibration, raised turn", 0, 100, true, true, 105},
      {"vibration, other turn", 0, 100, true, false, 100},
      {"vibration off", 0, 100, false, true, 100},
      {"vibration near the maximum stops there", 0, 596, true, true, 600},
      {"0 is not shifted", 0, 0, true, true, 0},
      {"0 on the compound gauge is not shifted", -15, 0, true, true, 0},
      {"the maximum is not shifted", 0, 600, true, true, 600},
      {"vacuum vibrates too", -15, -10, true, true, -5},
  };
  for (const NeedleCase& c : cases)
    EXPECT_DOUBLE_EQ(NeedleValue(c.minimum, 600, c.value, c.vibration, c.raised), c.shown)
        << c.what;
  EXPECT_NEAR(NeedleAngle(4, 599.995, false, false), -kPi / 4, 1e-12);
  EXPECT_NEAR(NeedleAngle(kIntakeGauge, -14.995, false, false), 5 * kPi / 4, 1e-12);
  EXPECT_NEAR(NeedleAngle(kMasterGauge, 600, true, true), -kPi / 4, 1e-12);
  // The master gauge's compound face has its 0 past the vacuum sector.
  EXPECT_NEAR(NeedleAngle(kMasterGauge, 0, false, false),
              GaugeAngle(kPressureSweep, -15, 600, 0), 1e-12);
}

TEST(GaugeFaces, NamesByIndexColourAndUnits) {
  struct Case {
    int gauge, colour;
    bool metric;
    const char* name;
  } const cases[] = {
      {1, 1, false, "GAUGE_SMALL_E"},         {15, 2, false, "GAUGE_SMALL_E_WHITE"},
      {7, 1, true, "GAUGE_SMALL_M"},          {3, 2, true, "GAUGE_SMALL_M_WHITE"},
      {18, 1, false, "GAUGE_BIG_E"},          {19, 2, true, "GAUGE_BIG_M_WHITE"},
      {19, 1, true, "GAUGE_BIG_M"},           {18, 7, false, "GAUGE_BIG_E"},
      {20, 2, false, "GAUGE_TEMP_ENGLISH"},   {20, 1, true, "GAUGE_TEMP_METRIC"},
      {21, 1, false, "GAUGE_OIL_ENGLISH"},    {21, 1, true, "GAUGE_OIL_METRIC"},
      {22, 1, true, "GAUGE_PRIMER_OIL"},      {16, 1, false, ""},
      {0, 1, false, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(std::string(GaugeFaceName(c.gauge, c.colour, c.metric)), c.name) << c.gauge;
  EXPECT_EQ(GaugeMaskName(18), "GAUGE_BIG_MASK");
  EXPECT_EQ(GaugeMaskName(4), "GAUGE_SMALL_MASK");
  // Every face a gauge can ask for is drawn.
  for (int g = 1; g <= 22; ++g)
    for (int colour : {1, 2})
      for (bool metric : {false, true})
        if (!GaugeFaceName(g, colour, metric).empty()) {
          EXPECT_NE(FindGaugeFace(GaugeFaceName(g, colour, metric)), nullptr) << g;
        }
  const int tag = GaugeTag(19, true, 2);
  EXPECT_EQ(tag, 19 | 1 << 8 | 2 << 12);
  EXPECT_EQ(GaugeTagIndex(tag), 19);
  EXPECT_TRUE(GaugeTagMetric(tag));
  EXPECT_EQ(GaugeTagColour(tag), 2);
}

struct LampCase {
  const char* what;
  bool active;
  double time, coolant, oil;
  int primerOil;
  bool temp, oilLamp, primerLamp, xmission, check, stop;
};

TEST(PanelLamps, LampTestThenEngineConditions) {
  // Warning levels: coolant 220 F, oil 10 psi.
  const LampCase cases[] = {
      {"idle: all dark", false, 0, 250, 0, 0, false, false, false, false, false, false},
      {"lamp test", true, 1.9, 180, 40, 100, false, false, false, true, true, true},
      {"after the test", true, 2.0, 180, 40, 100, false, false, false, false, false, false},
      {"hot", true, 9, 220, 40, 100, true, false, false, false, true, false},
      {"very hot", true, 9, 235, 40, 100, true, false, false, false, true, true},
      {"low oil", true, 9, 180, 10, 100, false, true, false, false, true, false},
      {"very low oil", true, 9, 180, 5, 100, false, true, false, false, true, true},
      {"primer oil at 5 %", true, 9, 180, 40, 5, false, false, true, false, false, false},
      {"primer oil at 6 %", true, 9, 180, 40, 6, false, false, false, false, false, false},
  };
  auto s = testing::MakeDefaultState();
  s->Pump.CoolantWarnTemp = 220;
  s->Pump.OilWarnPress = 10;
  DisplayUnits units;
  for (const LampCase& c : cases) {
    s->SimClock.Time = c.time;
    s->Pump.CoolantTemp = c.coolant;
    s->Pump.OilPress = c.oil;
    s->PumpControl.PrimerOilPercent = static_cast<SmallInt>(c.primerOil);
    FlowmeterState f;
    const PanelReading r = ReadPanel(*s, units, {c.active, false}, f);
    EXPECT_EQ(r.TempLamp, c.temp) << c.what;
    EXPECT_EQ(r.OilLamp, c.oilLamp) << c.what;
    EXPECT_EQ(r.PrimerOilLamp, c.primerLamp) << c.what;
    EXPECT_EQ(r.CheckTransmission, c.xmission) << c.what;
    EXPECT_EQ(r.CheckEngine, c.check) << c.what;
    EXPECT_EQ(r.StopEngine, c.stop) << c.what;
  }
}

TEST(PanelLamps, ReliefLampsAndTankLamps) {
  auto s = testing::MakeDefaultState();
  DisplayUnits units;
  FlowmeterState f;
  s->PumpControl.ReliefSetPress = 150;
  s->Tank.LevelState = 3;
  struct Case {
    bool active;
    int mode;
    double press;
    Lamp first, second;
    int tank;
  } const cases[] = {
      {true, 1, 120, Lamp::Dark, Lamp::Red, 3},   {true, 1, 150, Lamp::Green, Lamp::Dark, 3},
      {true, 2, 120, Lamp::Dark, Lamp::Dark, 3},  {false, 1, 160, Lamp::Dark, Lamp::Dark, 0},
  };
  for (const Case& c : cases) {
    s->PumpControl.ReliefMode = static_cast<Byte>(c.mode);
    s->PumpOutput.DischargePress = c.press;
    const PanelReading r = ReadPanel(*s, units, {c.active, false}, f);
    EXPECT_EQ(r.ReliefLamps[0], c.first) << c.press;
    EXPECT_EQ(r.ReliefLamps[1], c.second) << c.press;
    EXPECT_EQ(r.TankLampsLit, c.tank);
  }
}

TEST(Flowmeter, ScanDwellsTwoSecondsOnEachLineInUse) {
  auto s = testing::MakeDefaultState();
  DisplayUnits units;
  s->DischargeList.LineCount = 3;
  for (int n = 1; n <= 8; ++n) s->Discharges[n].Flow = 100.0 * n;
  FlowmeterState f;
  f.Position = kFlowmeterScan;
  const std::pair<double, const char*> steps[] = {
      {0.0, "100.0"}, {1.9, "100.0"}, {2.0, "200.0"}, {3.5, "200.0"},
      {4.0, "300.0"}, {6.1, "100.0"}, {8.1, "200.0"},
  };
  for (auto [time, text] : steps) {
    s->SimClock.Time = time;
    EXPECT_EQ(ReadPanel(*s, units, {true, false}, f).Flowmeter, text) << time;
  }
  s->DischargeList.LineCount = 15;
  EXPECT_EQ(FlowmeterScanLines(*s), 8);

  f.Position = kFlowmeterTotal;
  s->PumpOutput.TotalFlow = 1234.6;
  EXPECT_EQ(ReadPanel(*s, units, {true, false}, f).Flowmeter, "1235");
  f.Position = 4;
  EXPECT_EQ(ReadPanel(*s, units, {true, false}, f).Flowmeter, "400.0");
  EXPECT_EQ(ReadPanel(*s, units, {false, false}, f).Flowmeter, "0.0");
}

TEST(PanelReadouts, DisplayUnitsOneDecimalAndZerosWithoutARun) {
  auto s = testing::MakeDefaultState();
  s->Discharges[2].DischPress = 150;
  s->Discharges[2].Flow = 250;
  s->Supply.IntakePress = -5.35;
  s->PumpOutput.DischargePress = 155;
  s->PumpOutput.TotalFlow = 250;
  DisplayUnits english, bar;
  ApplyUnits(bar, true, true);
  FlowmeterState f;
  PanelReading r = ReadPanel(*s, english, {true, false}, f);
  EXPECT_EQ(r.Pressure[2], "150.0");
  EXPECT_EQ(r.Flow[2], "250.0");
  EXPECT_EQ(r.Pressure[kIntakeGauge], FixedText(-5.35, 1));
  EXPECT_EQ(r.Pressure[kMasterGauge], "155.0");
  r = ReadPanel(*s, bar, {true, false}, f);
  EXPECT_EQ(r.Pressure[2], FixedText(150 * 0.06894, 1));
  EXPECT_EQ(r.Flow[2], FixedText(250 * 3.79, 1));
  r = ReadPanel(*s, english, {false, false}, f);
  EXPECT_EQ(r.Pressure[2], "0.0");
  EXPECT_EQ(r.Flow[kMasterGauge], "0.0");
  EXPECT_NEAR(r.Needle[2], 5 * kPi / 4, 1e-12);  // needles at 0 without a run
  EXPECT_EQ(FixedText(-0.04, 1), "0.0");
}

}  // namespace
}  // namespace pumpdrill
