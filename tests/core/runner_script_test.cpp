#include <gtest/gtest.h>

#include <string>

#include "cli/script.h"
#include "default_state.h"
#include "recording_host.h"
#include "sim/pressure_control.h"
#include "sim/priming.h"
#include "sim/pump_curve.h"
#include "sim/state.h"

namespace pumpdrill {
namespace {

using testing::MakeDefaultState;

// The fault of a script that should not parse.
std::string ErrorOf(const std::string& text) {
  Script script;
  std::string error;
  EXPECT_FALSE(ParseScript(text, script, error)) << text;
  EXPECT_TRUE(script.actions.empty());
  return error;
}

Script Parsed(const std::string& text) {
  Script script;
  std::string error;
  EXPECT_TRUE(ParseScript(text, script, error)) << error;
  return script;
}

TEST(RunnerScript, ReadsEveryCommandWithCommentsBlanksAndWindowsLineEnds) {
  Script s = Parsed(
      "# answer key for the two-line exercise\r\n"
      "\r\n"
      "0 throttle 1500   # set the pump\r\n"
      "1.5 valve 3 0.75\n"
      "2 nozzle 18 0.5\n"
      "3 primer on\n"
      "4 control governor\n"
      "5 relief off\n"
      "5 relief 175\n"
      "6 governor pressure 150\n"
      "6 governor rpm 1800\n"
      "7 transfer volume\n"
      "7 cooler on\n"
      "8 fill primer-oil\n"
      "8 check supply\n"
      "8 replace suction\n"
      "8 reconnect discharge\n"
      "9 repair 5\n"
      "9 set DischargeList.LineTitle[4] Attack #2 line  # titles may hold a '#'\n"
      "10 TERMINATE");
  ASSERT_EQ(s.actions.size(), 18u);
  const ScriptAction& valve = s.actions[1];
  EXPECT_EQ(valve.command, ScriptCommand::Valve);
  EXPECT_EQ(valve.index, 3);
  EXPECT_DOUBLE_EQ(valve.value, 0.75);
  EXPECT_EQ(valve.sourceLine, 4);
  EXPECT_EQ(s.actions[3].code, kPrimerEngage);
  EXPECT_EQ(s.actions[4].code, kGovernor);
  EXPECT_EQ(s.actions[5].command, ScriptCommand::ReliefMode);
  EXPECT_EQ(s.actions[6].command, ScriptCommand::ReliefPressure);
  EXPECT_EQ(s.actions[8].command, ScriptCommand::GovernorRpm);
  EXPECT_EQ(s.actions[9].code, kStageVolume);
  EXPECT_EQ(s.actions[11].action, OperatorAction::FillPrimerOil);
  EXPECT_EQ(s.actions[13].action, OperatorAction::ReplaceHardSuction);
  EXPECT_EQ(s.actions[15].index, 5);
  EXPECT_EQ(s.actions[16].text, "Attack #2 line");
  EXPECT_EQ(s.actions[17].command, ScriptCommand::Terminate);
  EXPECT_DOUBLE_EQ(s.LastTime(), 10);

  Script t = Parsed("1 set DischargeList.LineTitle[1] #1 # first line\n2 throttle 1500 #raise\n");
  ASSERT_EQ(t.actions.size(), 2u);
  EXPECT_EQ(t.actions[0].text, "#1");
}

TEST(RunnerScript, ActionsAreOrderedByTimeAndKeepTheirOrderAtEqualTimes) {
  Script s = Parsed("5 valve 1 1\n2 valve 2 1\n5 valve 1 0\n2 valve 2 0.5\n");
  ASSERT_EQ(s.actions.size(), 4u);
  EXPECT_EQ(s.actions[0].sourceLine, 2);
  EXPECT_EQ(s.actions[1].sourceLine, 4);
  EXPECT_EQ(s.actions[2].sourceLine, 1);
  EXPECT_EQ(s.actions[3].sourceLine, 3);
  EXPECT_DOUBLE_EQ(s.LastTime(), 5);
  EXPECT_DOUBLE_EQ(Parsed("# nothing to do\n").LastTime(), 0);
}

TEST(RunnerScript, FaultsNameTheirLineAndWhatIsWrong) {
  const std::string good = "0 throttle 1200\n# fine\n";
  struct Case {
    const char* line;
    const char* error;
  };
  const Case kCases[] = {
      {"3 trottle 1500", "unknown command 'trottle'"},
      {"soon valve 1 1", "time 'soon' is not a number of seconds"},
      {"-1 valve 1 1", "time '-1' is before the start of the run"},
      {"4", "a command must follow the time"},
      {"4 valve 19 1", "line '19' must be a whole number 1 to 18"},
      {"4 valve 2.5 1", "line '2.5' must be a whole number 1 to 18"},
      {"4 valve 2 1.2", "opening '1.2' is out of range (0 to 1)"},
      {"4 primer on now", "unexpected 'now' (primer on|off)"},
      {"4 primer maybe", "expected one of on, off, not 'maybe'"},
      {"4 relief high", "expected on, off or a pressure in psi, not 'high'"},
      {"4 governor speed 1500", "expected one of pressure, rpm, not 'speed'"},
      {"4 throttle nan", "engine speed 'nan' is not a number"},
      {"4 throttle inf", "engine speed 'inf' is not a number"},
      {"4 relief 1e400", "expected on, off or a pressure in psi, not '1e400'"},
      {"4 fill water", "expected tank|dump|oil|primer-oil after fill, not 'water'"},
      {"4 repair 10", "incident '10' must be a whole number 1 to 9"},
      {"4 terminate now", "unexpected 'now' (terminate)"},
      {"4 set Pump.Nothing 3", "no field named 'Pump.Nothing'"},
      {"4 set Engine.MaxRpm 9.99e307",
       "Engine.MaxRpm: \"9.99e307\" is outside its range, 1 to 10000 RPM"},
      {"4 set Discharges[9].BranchK[2] -1e38",
       "Discharges[9].BranchK[2]: \"-1e38\" is beyond any plausible value (1e30 either way)"},
      // Every command with its argument missing says so, before any
      // argument is read.
      {"4 throttle", "missing argument (throttle RPM)"},
      {"4 valve 2", "missing argument (valve N X)"},
      {"4 nozzle 2", "missing argument (nozzle N X)"},
      {"4 primer", "missing argument (primer on|off)"},
      {"4 control", "missing argument (control relief|governor|none)"},
      {"4 relief", "missing argument (relief on|off|PSI)"},
      {"4 governor rpm", "missing argument (governor pressure PSI | governor rpm RPM)"},
      {"4 transfer", "missing argument (transfer pressure|volume)"},
      {"4 transfer switch", "missing argument (transfer switch pressure|volume)"},
      {"4 cooler", "missing argument (cooler on|off)"},
      {"4 fill", "missing argument (fill tank|dump|oil|primer-oil)"},
      {"4 repair", "missing argument (repair K)"},
      {"4 pump ratio",
       "missing argument (pump ratio|idle|high|low|stages|efficiency|capacity VALUE)"},
      {"4 foam", "missing argument (foam tank a|b|flush, foam proportioner|air on|off, foam "
                 "percent X, foam mode 0|1, foam display 0-3, foam airvalve N X)"},
      {"4 foam tank c", "expected one of a, b, flush, not 'c'"},
      {"4 foam percent 7", "percent '7' is out of range (0 to 6)"},
      {"4 foam airvalve 16 0.5", "line '16' must be a whole number 1 to 15"},
      {"4 foam airvalve 2 1.5", "opening '1.5' is out of range (0 to 1)"},
      {"4 foam display 4", "display mode '4' must be a whole number 0 to 3"},
      {"4 set", "missing argument (set FIELD VALUE)"},
      {"4 set Pump.GearRatio", "missing argument (set FIELD VALUE)"},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(ErrorOf(good + c.line), std::string("line 3: ") + c.error) << c.line;
  }
  // The registry's own refusal of the value, found before the run.
  std::string e = ErrorOf(good + "4 set Pump.StageMode 1.5");
  EXPECT_EQ(e.rfind("line 3: ", 0), 0u) << e;
  EXPECT_NE(e.find("Pump.StageMode"), std::string::npos) << e;
  // The first fault is the one reported.
  EXPECT_EQ(ErrorOf("1 bogus\n2 worse").substr(0, 7), "line 1:");
}

TEST(RunnerScript, ThrottleValveAndNozzleActAsThePanelDoes) {
  auto s = MakeDefaultState();
  RecordingHost host;
  Script script = Parsed("0 throttle 9000\n0 throttle 10\n0 valve 2 0.5\n0 nozzle 2 0\n0 nozzle 3 0.5");
  ApplyScriptAction(*s, script.actions[0], true, host);
  EXPECT_DOUBLE_EQ(s->Engine.RpmDemand, s->Engine.MaxRpm);
  EXPECT_DOUBLE_EQ(s->Engine.Rpm, s->Engine.MaxRpm);
  ApplyScriptAction(*s, script.actions[1], true, host);
  EXPECT_DOUBLE_EQ(s->Engine.Rpm, s->Engine.IdleRpm);

  const double shutK = s->Discharges[2].ValveK;
  ApplyScriptAction(*s, script.actions[2], true, host);
  EXPECT_DOUBLE_EQ(s->Discharges[2].ValveOpen, 0.5);
  EXPECT_FALSE(s->Discharges[2].ValveShut);
  EXPECT_NE(s->Discharges[2].ValveK, shutK);

  ApplyScriptAction(*s, script.actions[3], true, host);
  EXPECT_TRUE(s->Discharges[2].NozzleShut);
  ApplyScriptAction(*s, script.actions[4], true, host);
  EXPECT_DOUBLE_EQ(s->Discharges[3].NozzleOpen, 0.5);
  EXPECT_FALSE(s->Discharges[3].NozzleShut);
}

TEST(RunnerScript, PressureControlTransferCoolerAndRepairSetTheirFields) {
  auto s = MakeDefaultState();
  RecordingHost host;
  s->SimClock.Time = 42;
  Script script = Parsed(
      "0 control none\n0 relief on\n0 relief 500\n0 relief 20\n0 governor rpm 1700\n0 governor pressure 120\n"
      "0 transfer volume\n0 cooler on\n0 repair 8");
  for (const ScriptAction& a : script.actions) ApplyScriptAction(*s, a, true, host);
  EXPECT_EQ(s->PumpControl.PressureControlMode, kNoPressureControl);
  EXPECT_EQ(s->PumpControl.ReliefMode, kReliefInService);
  // The relief valve stops at the ends of its travel: 500 psi went to the
  // top (300), then 20 psi to the bottom (50).
  EXPECT_DOUBLE_EQ(s->PumpControl.ReliefSetPress, 50);
  EXPECT_DOUBLE_EQ(s->PumpControl.GovernorSetRpm, 1700);
  EXPECT_EQ(s->PumpControl.GovernorMode, kGovernorPressureMode);
  EXPECT_DOUBLE_EQ(s->PumpControl.GovernorSetPress, 120);
  EXPECT_EQ(s->Pump.StageMode, kStageVolume);
  EXPECT_EQ(s->Pump.EngineCooler, 1);
  EXPECT_DOUBLE_EQ(s->Incidents[8].StopTime, 42);
}

TEST(RunnerScript, SetRecomputesTheDerivedCoefficientsAndActionsNeedARun) {
  auto s = MakeDefaultState();
  RecordingHost host;
  const double hoseK = s->Discharges[1].HoseK;
  Script script = Parsed("0 set Discharges[1].HoseLength 400\n0 fill tank\n0 check discharge");
  ApplyScriptAction(*s, script.actions[0], true, host);
  EXPECT_DOUBLE_EQ(s->Discharges[1].HoseLength, 400);
  EXPECT_GT(s->Discharges[1].HoseK, hoseK * 1.5);

  // The Actions menu does nothing while no run is active.
  s->Tank.Volume = 0;
  ApplyScriptAction(*s, script.actions[1], false, host);
  ApplyScriptAction(*s, script.actions[2], false, host);
  EXPECT_DOUBLE_EQ(s->Tank.Volume, 0);
  EXPECT_TRUE(host.messages.empty());
  ApplyScriptAction(*s, script.actions[1], true, host);
  ApplyScriptAction(*s, script.actions[2], true, host);
  EXPECT_DOUBLE_EQ(s->Tank.Volume, s->Tank.Capacity);
  EXPECT_EQ(host.Texts(), "No discharge line problem is visible. \n");
}

TEST(RunnerScript, FoamCommandsWorkTheFoamControls) {
  auto s = MakeDefaultState();
  RecordingHost host;
  TFoamSetupRec& f = s->FoamSetup;
  f.NR_TANKS = 1;
  f.PCT_RANGE = 1;  // 0.1 % to 6 %
  Script script = Parsed(
      "0 foam tank b\n0 foam proportioner on\n0 foam percent 3.04\n0 foam air on\n"
      "0 foam mode 1\n0 foam display 2\n0 foam airvalve 4 0.3\n1 foam tank flush");
  for (const ScriptAction& a : script.actions) ApplyScriptAction(*s, a, true, host);
  EXPECT_EQ(f.FoamTankSelect, kFoamFlush);
  EXPECT_EQ(f.PropLever, 1);
  EXPECT_DOUBLE_EQ(f.FoamPercentSet, 3.0);
  EXPECT_DOUBLE_EQ(f.FoamFraction, 0.03);
  EXPECT_TRUE(f.CafsAirOn);
  EXPECT_EQ(f.CafsMode, 1);
  EXPECT_EQ(f.PropDisplayMode, 2);
  EXPECT_DOUBLE_EQ(f.CafsAirValve[4], 0.3);
  // One tank has no B: the switch stays at A.
  ApplyScriptAction(*s, script.actions[0], true, host);
  EXPECT_EQ(f.FoamTankSelect, kFoamTankA);
}

}  // namespace
}  // namespace pumpdrill
