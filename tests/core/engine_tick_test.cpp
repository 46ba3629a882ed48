// The engine in the running program: its speed and coolant temperature as
// the main tick advances them.
#include <gtest/gtest.h>

#include "running_fixture.h"

namespace pumpdrill {
namespace {

using EngineTick = testing::RunningTest;

TEST_F(EngineTick, SpeedAtOnceAndCoolantEveryTwoSecondsWhenTheModelIsOn) {
  s.Engine.RpmDemand = 2100;  // twice idle: 2 F per step without cooling
  TickAt(0.015);
  EXPECT_EQ(s.Engine.Rpm, 2100);
  EXPECT_EQ(s.Pump.CoolantTemp, 105);  // model off
  s.Pump.EngineTempModel = 1;
  TickAt(0.030);
  EXPECT_EQ(s.Pump.CoolantTemp, 107);
  TickAt(1.5);
  EXPECT_EQ(s.Pump.CoolantTemp, 107);
  TickAt(2.0);
  EXPECT_EQ(s.Pump.CoolantTemp, 109);
}

}  // namespace
}  // namespace pumpdrill
