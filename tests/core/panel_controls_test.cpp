// The arithmetic of the panel's controls, without a window: how far a drag
// moves each handle and knob, what it does to the pump, and how held
// buttons step on simulated time.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "default_state.h"
#include "panel/controls/class1_governor.h"
#include "panel/controls/electronic2_governor.h"
#include "panel/controls/electronic_throttle.h"
#include "panel/controls/electronic_valve.h"
#include "panel/controls/flowmeter_selector.h"
#include "panel/controls/lever_handle.h"
#include "panel/controls/primer_control.h"
#include "panel/controls/push_pull.h"
#include "panel/controls/relief_setting.h"
#include "panel/controls/rotary_control.h"
#include "panel/controls/transfer_valve.h"
#include "recording_host.h"
#include "sim/state.h"

namespace pumpdrill {
namespace {

using testing::MakeDefaultState;

constexpr ControlRun kRunning{true, false};
constexpr double kTick = 0.015;

// Ticks of 15 ms after `from` up to the first one at or past `until`, as
// the main timer runs while a button is held for that long.
template <typename Step>
void TickUntil(State& s, double from, double until, Step step) {
  for (int k = 1; from + k * kTick <= until + kTick - 1e-9; ++k) {
    s.SimClock.Time = from + k * kTick;
    step();
  }
}

TEST(RotaryDrag, HundredPixelsCounterClockwiseMoveThePositionByOne) {
  struct Case {
    const char* name;
    ControlPoint from, to;  // one straight move on a 100 x 100 wheel
    bool ccw;
    double change;
  };
  const Case cases[] = {
      {"below the centre to the right", {0, 80}, {100, 80}, true, 1.0},
      {"right of the centre upwards", {80, 100}, {80, 0}, true, 1.0},
      {"above the centre to the left", {100, 20}, {0, 20}, true, 1.0},
      {"left of the centre downwards", {20, 0}, {20, 100}, true, 1.0},
      {"clockwise wheel, same motion", {0, 80}, {100, 80}, false, -1.0},
      {"clockwise motion", {100, 80}, {0, 80}, true, -1.0},
  };
  for (const Case& c : cases) {
    auto s = MakeDefaultState();
    RecordingHost host;
    s->Discharges[3].ValveOpen = 0.5;
    RotaryControl rc = MakeRotaryControl(*s, 16, 0, 0, 100, 100, 3, c.ccw);
    ASSERT_DOUBLE_EQ(rc.Position, 50.0) << c.name;
    RotaryPress(rc, kRunning, c.from);
    RotaryMove(rc, *s, kRunning, c.to, host);
    EXPECT_NEAR(rc.Position, 50.0 + c.change, 1e-9) << c.name;
    EXPECT_NEAR(s->Discharges[3].ValveOpen, (50.0 + c.change) / 100, 1e-12) << c.name;
  }
}

TEST(RotaryDrag, NothingOutsideARunOrInDesignMode) {
  for (ControlRun run : {ControlRun{false, false}, ControlRun{true, true}}) {
    auto s = MakeDefaultState();
    RecordingHost host;
    RotaryControl rc = MakeRotaryControl(*s, kRotaryHaleThrottle, 0, 0, 60, 60, 0, true);
    RotaryPress(rc, run, {0, 50});
    RotaryMove(rc, *s, run, {60, 50}, host);
    EXPECT_EQ(s->Engine.RpmDemand, 1050);
  }
}

TEST(RotaryFrames, FramesRepeatEveryFramesTimesDegrees) {
  struct Case {
    int kind;
    bool ccw;
    double position;
    int frame;
  };
  // Pierce throttle: 4 frames of 15 degrees, 10 turns (36 degrees a
  // position); Waterous knob: 10 of 18, 40 turns (144 a position), counted
  // backwards as it turns clockwise; wheels: 18 of 20, 10 turns.
  const Case cases[] = {
      {kRotaryPierceThrottle, true, 0.0, 0},
      {kRotaryPierceThrottle, true, 0.5, 1},
      {kRotaryPierceThrottle, true, 2.0, 0},
      {kRotaryPierceThrottle, true, 2.5, 2},
      {kRotaryPierceThrottle, true, 100, 0},
      {kRotaryWaterousRelief, false, 0.0, 0},
      {kRotaryWaterousRelief, false, 0.25, 8},
      {kRotaryWaterousRelief, false, 1.0, 2},
      {kRotaryWaterousRelief, false, 73, 6},
      {20, true, 10.0, 0},
      {20, true, 10.6, 1},
      {20, false, 10.6, 17},
      {20, true, 99.9, 17},
  };
  for (const Case& c : cases) {
    auto s = MakeDefaultState();
    RecordingHost host;
    RotaryControl rc = MakeRotaryControl(*s, c.kind, 0, 0, 60, 60, 1, c.ccw);
    rc.Position = c.position;
    rc.Angle = RotaryAngle(rc);
    EXPECT_EQ(RotaryFrame(rc, host), c.frame) << c.kind << " at " << c.position;
    EXPECT_TRUE(host.messages.empty()) << host.Texts();
  }
}

TEST(RotaryEffects, ReliefKnobSpansTheValvesRangeBothWays) {
  auto s = MakeDefaultState();  // relief valve 50 to 300 psi, set at 150
  RecordingHost host;
  for (int kind : {kRotaryWaterousRelief, kRotaryHaleRelief}) {
    s->PumpControl.ReliefSetPress = 150;
    RotaryControl rc = MakeRotaryControl(*s, kind, 0, 0, 60, 60, 0, true);
    EXPECT_DOUBLE_EQ(rc.Position, 40.0);
    EXPECT_FALSE(rc.Ccw);
    struct Step {
      double position, psi;
    };
    for (Step st : {Step{0, 50}, Step{100, 300}, Step{40, 150}, Step{12.5, 81.25}}) {
      SetRotaryPosition(rc, *s, st.position, true, host);
      EXPECT_DOUBLE_EQ(s->PumpControl.ReliefSetPress, st.psi);
      EXPECT_NEAR(MakeRotaryControl(*s, kind, 0, 0, 60, 60, 0, true).Position, st.position, 1e-12);
    }
  }
}

TEST(RotaryEffects, ThrottlePositionGivesTheDemandAndTheEngineFollows) {
  struct Case {
    double position, rpm;
  };
  // From MinIdleRpm 500 to MaxRpm 4000; below idle (1050) the demand is idle.
  for (Case c : {Case{0, 1050}, Case{10, 1050}, Case{20, 1200}, Case{50, 2250}, Case{100, 4000}}) {
    auto s = MakeDefaultState();
    RecordingHost host;
    RotaryControl rc = MakeRotaryControl(*s, kRotaryPierceThrottle, 0, 0, 54, 110, 0, false);
    EXPECT_EQ(rc.Centre.x, 27);
    EXPECT_EQ(rc.Centre.y, 55);
    SetRotaryPosition(rc, *s, c.position, true, host);
    EXPECT_DOUBLE_EQ(s->Engine.RpmDemand, c.rpm) << c.position;
    EXPECT_DOUBLE_EQ(s->Engine.Rpm, c.rpm) << c.position;
  }
}

TEST(RotaryEffects, WaterousSwitchThrowsFourPixelsSideways) {
  auto s = MakeDefaultState();
  RecordingHost host;
  RotaryControl rc = MakeRotaryControl(*s, kRotaryWaterousRelief, 0, 0, 60, 80, 0, false);
  RotaryPress(rc, kRunning, {30, 60});  // below y 55: the switch
  EXPECT_FALSE(RotaryMove(rc, *s, kRunning, {27, 60}, host).SwitchChanged);
  EXPECT_TRUE(RotaryMove(rc, *s, kRunning, {26, 60}, host).SwitchChanged);
  EXPECT_EQ(s->PumpControl.ReliefMode, 1);
  EXPECT_DOUBLE_EQ(s->PumpControl.ReliefSetPress, 150);  // the knob did not turn
  EXPECT_TRUE(RotaryMove(rc, *s, kRunning, {34, 61}, host).SwitchChanged);
  EXPECT_EQ(s->PumpControl.ReliefMode, 2);
}

TEST(PushPull, HandleStopsTwoPixelsFromEitherEnd) {
  struct Case {
    int type;
    double to;  // where the grab point is dragged, along the slot
    double place, opening;
  };
  // Short vertical slot: 114 long, handle 26: travel 2 to 86.
  const Case cases[] = {
      {1, 500, 86, 1.0}, {1, -500, 2, 0.0},  {2, -500, 2, 1.0}, {2, 500, 86, 0.0},
      {1, 44, 44, 0.5},  {3, 500, 142, 1.0}, {6, 500, 87, 1.0}, {5, 500, 87, 0.0},
  };
  for (const Case& c : cases) {
    auto s = MakeDefaultState();
    RecordingHost host;
    PushPullGeometry g = PushPullGeometryOf(c.type);
    PushPullDrag d;
    const double start = PushPullPlace(g, 0.0);
    PushPullPress(d, kRunning, g, 2, {start, start}, start);  // grabbed at its top left corner
    const double place = PushPullMove(d, *s, kRunning, g, {c.to, c.to}, start, host);
    EXPECT_DOUBLE_EQ(place, c.place) << "type " << c.type << " to " << c.to;
    EXPECT_DOUBLE_EQ(s->Discharges[2].ValveOpen, c.opening) << "type " << c.type << " to " << c.to;
    EXPECT_EQ(s->Discharges[2].ValveShut != 0, c.opening <= 0) << "the simulation was told";
  }
}

TEST(PushPull, StickHiddenWhenShut) {
  for (int type = 1; type <= 8; ++type) {
    PushPullGeometry g = PushPullGeometryOf(type);
    EXPECT_FALSE(PushPullStick(g, PushPullPlace(g, 0)).Shown()) << type;
    EXPECT_DOUBLE_EQ(PushPullStick(g, PushPullPlace(g, 1)).Length, g.MaxPlace() - g.MinPlace())
        << type;
  }
}

TEST(LeverHandle, MovesAddDxPlusDyOver200) {
  auto s = MakeDefaultState();
  RecordingHost host;
  LeverDrag d;
  const double k0 = s->Discharges[1].ValveK;
  LeverPress(d, kRunning, 1, {10, 10});
  struct Step {
    ControlPoint to;
    double opening;
  };
  // 100 right and 100 down open it fully in one move; more stays at 1.
  for (Step st :
       {Step{{110, 110}, 1.0}, Step{{150, 120}, 1.0}, Step{{130, 120}, 0.9}, Step{{0, 0}, 0.0}}) {
    LeverMove(d, *s, kRunning, st.to, host);
    EXPECT_DOUBLE_EQ(s->Discharges[1].ValveOpen, st.opening);
  }
  EXPECT_EQ(LeverAngle(0.5), 45);
  LeverMove(d, *s, kRunning, {40, 0}, host);
  EXPECT_NE(s->Discharges[1].ValveK, k0) << "the valve's coefficient follows the opening";
}

TEST(ElectronicValve, HeldButtonsStepOnAFixedCadence) {
  struct Case {
    double start;
    ControlPoint press;
    double held;
    double opening;
  };
  const Case cases[] = {
      {0.0, {30, 10}, 0.8, 0.5},  {0.0, {30, 10}, 1.6, 1.0}, {0.0, {30, 10}, 3.0, 1.0},
      {1.0, {30, 40}, 0.8, 0.5},  {0.0, {30, 40}, 0.8, 0.0}, {0.0, {10, 10}, 0.8, 0.0},
      {0.0, {30, 10}, 0.02, 0.0},
  };
  for (const Case& c : cases) {
    auto s = MakeDefaultState();
    RecordingHost host;
    s->Discharges[4].ValveOpen = c.start;
    s->SimClock.Time = 2.0;
    ElectronicValveHold h;
    ElectronicValvePress(h, *s, kRunning, 4, c.press);
    TickUntil(*s, 2.0, 2.0 + c.held, [&] { ElectronicValveTick(h, *s, kRunning, host); });
    ElectronicValveRelease(h);
    EXPECT_NEAR(s->Discharges[4].ValveOpen, c.opening, 1e-12) << c.held << " s from " << c.start;
  }
}

TEST(ElectronicValve, Lamps) {
  using L = LampColour;
  struct Case {
    double opening;
    bool running;
    std::array<LampColour, 3> lamps;
  };
  const Case cases[] = {
      {1.0, true, {L::Lime, L::Grey, L::Grey}},
      {0.5, true, {L::Grey, L::Yellow, L::Grey}},
      {0.0, true, {L::Grey, L::Grey, L::Red}},
      {0.5, false, {L::Grey, L::Grey, L::Grey}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ElectronicValveLamps(c.opening, c.running), c.lamps) << c.opening;
}

TEST(ElectronicThrottle, ButtonsAndHeldSteps) {
  struct Case {
    ControlPoint press;  // on a 60 x 80 picture
    double held;
    double rpm;
  };
  // From 1500 RPM: a step on the press, then every 0.08 s: 13 in 1 s.
  const Case cases[] = {
      {{50, 10}, 1.0, 1630}, {{50, 70}, 1.0, 1370}, {{50, 70}, 60, 1050},
      {{10, 10}, 0.5, 1050}, {{10, 50}, 1.0, 1500}, {{50, 10}, 0.0, 1510},
  };
  for (const Case& c : cases) {
    auto s = MakeDefaultState();
    s->Engine.RpmDemand = s->Engine.Rpm = 1500;
    ElectronicThrottleHold h;
    ElectronicThrottlePress(h, *s, kRunning, c.press, 60, 80);
    TickUntil(*s, 0.0, c.held, [&] { ElectronicThrottleTick(h, *s, kRunning); });
    EXPECT_DOUBLE_EQ(s->Engine.RpmDemand, c.rpm)
        << c.press.x << "," << c.press.y << " for " << c.held;
    EXPECT_DOUBLE_EQ(s->Engine.Rpm, c.rpm);
  }
  auto s = MakeDefaultState();
  EXPECT_EQ(ElectronicThrottleText(*s), "1050  ");
}

TEST(Class1Governor, HeldButtonStepSchedule) {
  auto s = MakeDefaultState();
  s->PumpControl.GovernorMode = 0;
  s->PumpControl.GovernorSetPress = 100;
  Class1Hold h;
  std::vector<double> stepTimes;
  double last = s->PumpControl.GovernorSetPress;
  Class1Press(h, *s, kRunning, {50, 50});  // increase
  if (s->PumpControl.GovernorSetPress != last) stepTimes.push_back(0);
  TickUntil(*s, 0.0, 3.7, [&] {
    last = s->PumpControl.GovernorSetPress;
    Class1Tick(h, *s, kRunning);
    if (s->PumpControl.GovernorSetPress != last) stepTimes.push_back(s->SimClock.Time);
  });
  // Due at 0, 0.5 ... 2.0 (steps 1 to 5), 2.3 ... 3.2 (to 9), 3.3 ... 3.6
  // (to 13), then every 0.025 s; each seen at the first tick at or after it.
  const double due[] = {0,   0.5, 1.0, 1.5, 2.0,   2.3,  2.6,   2.9, 3.2,
                        3.3, 3.4, 3.5, 3.6, 3.625, 3.65, 3.675, 3.7};
  ASSERT_EQ(stepTimes.size(), std::size(due));
  for (std::size_t i = 0; i < stepTimes.size(); ++i) {
    EXPECT_GE(stepTimes[i], due[i] - 1e-9) << i;
    EXPECT_LT(stepTimes[i], due[i] + kTick) << i;
  }
  EXPECT_DOUBLE_EQ(s->PumpControl.GovernorSetPress, 100 + 5.0 * std::size(due));
}

TEST(Class1Governor, ButtonsAndDisplay) {
  struct Case {
    const char* name;
    int mode;
    ControlPoint press;
    int modeAfter;
    double setPress, setRpm;
    const char* text;
  };
  // Present: 180 psi discharge, demand 1502 RPM; set points 150 psi, 1400
  // RPM; presets 120 psi, 1600 RPM.
  const Case cases[] = {
      {"mode from RPM", 1, {10, 10}, 0, 180, 1400, "P=180"},
      {"mode from pressure", 0, {10, 10}, 1, 150, 1502, "R=1502"},
      {"idle", 0, {40, 10}, 2, 150, 1050, " Class1 "},
      {"preset in RPM", 1, {5, 30}, 1, 150, 1600, "R=1502"},
      {"preset in pressure", 0, {5, 30}, 0, 120, 1400, "P=120"},
      {"decrease RPM", 1, {10, 50}, 1, 150, 1395, "R=1502"},
      {"gap between buttons", 1, {37, 50}, 1, 150, 1400, "R=1502"},
  };
  for (const Case& c : cases) {
    auto s = MakeDefaultState();
    TPumpControlRec& pc = s->PumpControl;
    pc.GovernorMode = static_cast<Byte>(c.mode);
    pc.GovernorSetPress = 150;
    pc.GovernorSetRpm = 1400;
    pc.GovernorPressInit = 120;
    pc.GovernorRpmInit = 1600;
    s->PumpOutput.DischargePress = 180;
    s->Engine.RpmDemand = 1502;
    Class1Hold h;
    Class1Press(h, *s, kRunning, c.press);
    EXPECT_EQ(pc.GovernorMode, c.modeAfter) << c.name;
    EXPECT_DOUBLE_EQ(pc.GovernorSetPress, c.setPress) << c.name;
    EXPECT_DOUBLE_EQ(pc.GovernorSetRpm, c.setRpm) << c.name;
    EXPECT_EQ(Class1DisplayText(*s, DisplayUnits{}), c.text) << c.name;
  }
}

TEST(Electronic2Governor, Toggles) {
  struct Case {
    const char* name;
    int mode;
    ControlPoint press, to;
    double held;
    int modeAfter;
    double setPress, setRpm;
    const char* text;
  };
  // Present: 180 psi, demand 1502 RPM; set points 150 psi, 1400 RPM.
  const Case cases[] = {
      {"lower left: pressure", 1, {30, 100}, {20, 100}, 0, 0, 180, 1400, "PSI 180"},
      {"lower right: speed", 0, {30, 100}, {40, 100}, 0, 1, 150, 1502, "RPM 1502"},
      {"lower, too little", 0, {30, 100}, {34, 100}, 0, 0, 150, 1400, "PSI 150"},
      {"upper up held 0.6 s", 0, {30, 50}, {30, 40}, 0.6, 0, 160, 1400, "PSI 160"},
      {"upper down in speed mode", 1, {30, 50}, {30, 60}, 0, 1, 150, 1395, "RPM 1395"},
      {"upper refused at idle", 2, {30, 50}, {30, 40}, 0.6, 2, 150, 1400, "IDLE"},
  };
  for (const Case& c : cases) {
    auto s = MakeDefaultState();
    TPumpControlRec& pc = s->PumpControl;
    pc.GovernorMode = static_cast<Byte>(c.mode);
    pc.GovernorSetPress = 150;
    pc.GovernorSetRpm = 1400;
    s->PumpOutput.DischargePress = 180;
    s->Engine.RpmDemand = 1502;
    Gov2Hold h;
    Gov2Press(h, *s, kRunning, c.press);
    Gov2Move(h, *s, kRunning, c.to);
    TickUntil(*s, 0.0, c.held, [&] { Gov2Tick(h, *s, kRunning); });
    Gov2Release(h);
    EXPECT_EQ(pc.GovernorMode, c.modeAfter) << c.name;
    EXPECT_DOUBLE_EQ(pc.GovernorSetPress, c.setPress) << c.name;
    EXPECT_DOUBLE_EQ(pc.GovernorSetRpm, c.setRpm) << c.name;
    EXPECT_EQ(Gov2DisplayText(*s, DisplayUnits{}), c.text) << c.name;
  }
}

TEST(Flowmeter, SectorEdges) {
  struct Case {
    double degrees;
    int position;
  };
  const Case cases[] = {
      {0, 8},   {35.99, 8}, {36, 9},  {71.99, 9}, {72, 10}, {108, 1},    {143.99, 1}, {144, 2},
      {180, 3}, {216, 4},   {252, 5}, {288, 6},   {324, 7}, {359.99, 7}, {360, 8},
  };
  for (Case c : cases) EXPECT_EQ(FlowmeterPositionForAngle(c.degrees), c.position) << c.degrees;
  // Clockwise on the screen: straight below the centre is 90 degrees (10),
  // above 270 (5), to the left 180 (3).
  EXPECT_EQ(FlowmeterPositionAt({88, 60}), kFlowmeterScan);
  EXPECT_EQ(FlowmeterPositionAt({88, 10}), 5);
  EXPECT_EQ(FlowmeterPositionAt({60, 39}), 3);
  EXPECT_EQ(FlowmeterNeighbour(10, 1), 1);
  EXPECT_EQ(FlowmeterNeighbour(1, -1), 10);
}

TEST(TransferValve, ChangesOverThreeSecondsAfterTheThrow) {
  struct Case {
    const char* name;
    double dy;
    double releaseAfter;
    int modeAt2_9, modeAt3_0;
  };
  const Case cases[] = {
      {"down, held", 20, 10, 1, 2},
      {"down, let go at once", 5, 0.1, 1, 2},
      {"far down", 600, 0.1, 1, 2},
      {"too little", 4, 0.1, 1, 1},
      {"up: already in pressure", -30, 0.1, 1, 1},
  };
  for (const Case& c : cases) {
    auto s = MakeDefaultState();  // StageMode 1
    TransferSwitch t;
    s->SimClock.Time = 10.0;
    TransferPress(t, kRunning, {24, 40});
    TransferMove(t, *s, kRunning, {24, 40 + c.dy});
    TickUntil(*s, 10.0, 12.9, [&] {
      if (s->SimClock.Time >= 10.0 + c.releaseAfter) TransferRelease(t);
      TransferTick(t, *s, kRunning);
    });
    EXPECT_EQ(s->Pump.StageMode, c.modeAt2_9) << c.name;
    TickUntil(*s, s->SimClock.Time, 13.01, [&] { TransferTick(t, *s, kRunning); });
    EXPECT_EQ(s->Pump.StageMode, c.modeAt3_0) << c.name;
    EXPECT_EQ(t.Shown, TransferToggle::Mid) << c.name;
    const TransferLamps l = TransferLampsFor(*s, true);
    EXPECT_EQ(l.Volume == TransferLamp::Green, c.modeAt3_0 == 2) << c.name;
    EXPECT_EQ(l.Pressure == TransferLamp::Green, c.modeAt3_0 == 1) << c.name;
  }
  auto s = MakeDefaultState();
  const TransferLamps dark = TransferLampsFor(*s, false);
  EXPECT_EQ(dark.Pressure, TransferLamp::Dark);
  EXPECT_EQ(dark.Volume, TransferLamp::Dark);
}

TEST(Primer, EngageAndReleaseWithTheirSounds) {
  struct Case {
    bool primed, sound;
    std::vector<int> cues;  // engage, then release
  };
  const Case cases[] = {
      {false, true, {SND_PRIMER_START, SND_PRIMER_NOT_PRIMED_END}},
      {true, true, {SND_PRIMER_START, SND_PRIMER_PRIMED_END}},
      {true, false, {}},
  };
  for (const Case& c : cases) {
    auto s = MakeDefaultState();
    RecordingHost host;
    s->Supply.IntakePrimed = c.primed;
    EXPECT_TRUE(PrimerClick(*s, kRunning, c.sound, host));
    EXPECT_TRUE(PrimerHandlePulled(*s));
    EXPECT_TRUE(PrimerClick(*s, kRunning, c.sound, host));
    EXPECT_FALSE(PrimerHandlePulled(*s));
    std::vector<int> cues;
    for (const CueRequest& r : host.cues) {
      cues.push_back(r.cue);
      EXPECT_EQ(r.flag, c.primed) << r.cue;
    }
    EXPECT_EQ(cues, c.cues) << c.primed << c.sound;
  }
  auto s = MakeDefaultState();
  RecordingHost host;
  EXPECT_FALSE(PrimerClick(*s, ControlRun{false, false}, true, host));
  EXPECT_EQ(s->PumpControl.PrimerState, kPrimerStateIdle);
}

}  // namespace
}  // namespace pumpdrill
