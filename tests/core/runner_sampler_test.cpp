#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/sampler.h"
#include "default_state.h"
#include "sim/state.h"

namespace pumpdrill {
namespace {

using testing::MakeDefaultState;

// The ticks (time n x dt) after which a sampler writes a row.
std::vector<long long> RowTicks(double dt, double interval, long long lastTick) {
  auto s = MakeDefaultState();
  Sampler sampler({FindStateField("SimClock.Time")}, interval);
  std::vector<long long> ticks;
  std::string out;
  for (long long n = 0; n <= lastTick; ++n) {
    long long before = sampler.RowsWritten();
    sampler.AfterTick(*s, static_cast<double>(n) * dt, out);
    if (sampler.RowsWritten() != before) ticks.push_back(n);
  }
  return ticks;
}

TEST(RunnerSampler, RowsAfterTheFirstTickThatReachesEachMultiple) {
  // 15 ms ticks and 1 s samples: 1/0.015 = 66.7, so tick 67 (1.005 s)
  // is the first at or past 1 s; tick 200 is 3 s within rounding.
  EXPECT_EQ(RowTicks(0.015, 1.0, 201), (std::vector<long long>{0, 67, 134, 200}));
  // 0.3 s samples land on every 20th tick, however the products round.
  std::vector<long long> ticks = RowTicks(0.015, 0.3, 2000);
  ASSERT_EQ(ticks.size(), 101u);
  for (std::size_t i = 0; i < ticks.size(); ++i) EXPECT_EQ(ticks[i], static_cast<long long>(i) * 20);
  // Ticks longer than the interval: one row per tick, none skipped or doubled.
  EXPECT_EQ(RowTicks(1.0, 0.25, 3), (std::vector<long long>{0, 1, 2, 3}));
}

TEST(RunnerSampler, LastRowOnlyWhenTheLastTickWroteNone) {
  auto s = MakeDefaultState();
  Sampler sampler({FindStateField("SimClock.Time")}, 1.0);
  std::string out;
  sampler.AfterTick(*s, 0, out);
  sampler.AfterTick(*s, 0.5, out);
  s->SimClock.Time = 0.5;
  sampler.Finish(*s, out);
  EXPECT_EQ(out, "0\n0.5\n");
  sampler.AfterTick(*s, 1.0, out);
  sampler.Finish(*s, out);
  EXPECT_EQ(sampler.RowsWritten(), 3);

  // A run ended before its first tick still gets its one row.
  Sampler empty({FindStateField("Engine.Rpm")}, 1.0);
  std::string one;
  empty.Finish(*s, one);
  EXPECT_EQ(one, "1050\n");
}

TEST(RunnerSampler, RoundTripNumbersBooleansAndQuotedTexts) {
  auto s = MakeDefaultState();
  Columns columns;
  std::string error;
  ASSERT_TRUE(ParseColumns(" Pump.GearRatio ,PumpStatus.Cavitating,DischargeList.LineTitle[2]", columns, error))
      << error;
  s->Pump.GearRatio = 0.1;
  s->PumpStatus.Cavitating = true;
  s->DischargeList.LineTitle[2] = "Line \"B\", rear";
  Sampler sampler(columns, 1.0);
  std::string out;
  sampler.WriteHeader(out);
  sampler.AfterTick(*s, 0, out);
  EXPECT_EQ(out,
            "Pump.GearRatio,PumpStatus.Cavitating,DischargeList.LineTitle[2]\n"
            "0.10000000000000001,1,\"Line \"\"B\"\", rear\"\n");
  EXPECT_EQ(std::stod("0.10000000000000001"), 0.1);
}

TEST(RunnerSampler, TheDefaultColumns) {
  Columns columns;
  std::string error;
  EXPECT_FALSE(ParseColumns("Engine.Rpm,,Tank.Volume", columns, error));
  EXPECT_EQ(error, "empty column name in 'Engine.Rpm,,Tank.Volume'");

  auto s = MakeDefaultState();
  s->DischargeList.LineCount = 2;
  columns = DefaultColumns(*s);
  Sampler sampler(columns, 1.0);
  std::string header;
  sampler.WriteHeader(header);
  EXPECT_EQ(header,
            "SimClock.Time,Engine.Rpm,PumpOutput.DischargePress,PumpOutput.TotalFlow,Supply.IntakePress,"
            "Supply.SupplyFlow,Tank.Volume,PumpStatus.Cavitating,Supply.IntakePrimed,"
            "Discharges[1].Flow,Discharges[1].DischPress,Discharges[1].NozzlePress,"
            "Discharges[2].Flow,Discharges[2].DischPress,Discharges[2].NozzlePress\n");
  s->DischargeList.LineCount = 15;
  EXPECT_EQ(DefaultColumns(*s).size(), 9u + 45u);
}

}  // namespace
}  // namespace pumpdrill
