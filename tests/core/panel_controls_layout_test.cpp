// Building and replacing the panel's handles, throttles and pressure
// controls, and the keys that work them, without a window.
#include <gtest/gtest.h>

#include <string>

#include "default_state.h"
#include "panel/controls/keyboard_actions.h"
#include "panel/controls/panel_controls.h"
#include "panel/panel_layout.h"
#include "recording_host.h"
#include "sim/pressure_control.h"
#include "sim/state.h"

namespace pumpdrill {
namespace {

using testing::MakeDefaultState;

constexpr ControlRun kRunning{true, false};

class PanelControlsTest : public ::testing::Test {
 protected:
  std::unique_ptr<State> state = MakeDefaultState();
  State& s = *state;
  PanelLayout layout;
  PanelControls pc;
  RecordingHost host;
};

TEST_F(PanelControlsTest, NinthWheelIsRefusedAndKeepsItsHandle) {
  for (int v = 1; v <= 8; ++v) {
    ASSERT_TRUE(SetValveHandleType(pc, layout, s, v, kHandleWheel, host)) << v;
    EXPECT_EQ(TagRotarySlot(ValveHandleTag(pc, layout, v)), 14 + v);
  }
  layout.Valves[9].HandleType = kHandleLongOpenTop;
  EXPECT_FALSE(SetValveHandleType(pc, layout, s, 9, kHandleLargeWheel, host));
  EXPECT_EQ(host.Texts(), "Could not get free rotory valve index.\n");
  EXPECT_EQ(layout.Valves[9].HandleType, kHandleLongOpenTop);
  EXPECT_EQ(ValveHandleTag(pc, layout, 9), MakeValveHandleTag(9, kHandleLongOpenTop, 0));

  // A wheel given up frees its slot for the next one.
  ASSERT_TRUE(SetValveHandleType(pc, layout, s, 3, kHandleTee, host));
  EXPECT_FALSE(PresentRotaryKinds(pc)[17]);
  ASSERT_TRUE(SetValveHandleType(pc, layout, s, 9, kHandleWheel, host));
  EXPECT_EQ(pc.WheelSlot[9], 17);

  // Before a panel file is read every wheel gives up its slot; a ninth one
  // in the file is then left a push-pull handle.
  RemoveRotaryControls(pc, layout);
  EXPECT_TRUE(PresentRotaryKinds(pc).none());
  EXPECT_EQ(layout.Valves[9].HandleType, kHandleShortOpenBottom);
}

TEST_F(PanelControlsTest, HandleTypesAsBuiltAndTagged) {
  struct Case {
    int asked, built;
  };
  for (Case c : {Case{3, 3}, Case{10, 10}, Case{12, 12}, Case{15, 14}, Case{9, 1}, Case{13, 1},
                 Case{0, 1}}) {
    ASSERT_TRUE(SetValveHandleType(pc, layout, s, 4, c.asked, host));
    const std::uint32_t tag = ValveHandleTag(pc, layout, 4);
    EXPECT_EQ(TagHandleType(tag), c.built) << c.asked;
    EXPECT_EQ(TagValve(tag), 4);
    EXPECT_EQ(TagRotarySlot(tag), c.built == kHandleWheel ? 15 : 0) << c.asked;
  }
}

TEST_F(PanelControlsTest, WheelStartsAtTheValvesOpeningAndWorksIt) {
  s.Discharges[2].ValveOpen = 0.25;
  s.DischargeList.RotaryOpensCCW[2] = true;
  ASSERT_TRUE(SetValveHandleType(pc, layout, s, 2, kHandleWheel, host));
  RotaryControl* wheel = pc.Find(pc.WheelSlot[2]);
  ASSERT_NE(wheel, nullptr);
  EXPECT_DOUBLE_EQ(wheel->Position, 25);
  EXPECT_TRUE(wheel->Ccw);
  EXPECT_TRUE(KeyValve(pc, s, kRunning, 2, ValveKey::PageUp, host));
  EXPECT_DOUBLE_EQ(s.Discharges[2].ValveOpen, 0.5);
  EXPECT_DOUBLE_EQ(wheel->Position, 50);
}

TEST_F(PanelControlsTest, RefusedKindsAreNamed) {
  for (int kind : {3, 9, 23}) {
    host.messages.clear();
    EXPECT_FALSE(PlaceRotaryControl(pc, layout, s, kind, 10, 10, false, host));
    EXPECT_EQ(host.Texts(),
              "Could not find valve init index for valve# " + std::to_string(kind) + "\n");
  }
}

TEST_F(PanelControlsTest, SelectThrottleTakesTheOldOnesPlace) {
  SelectThrottle(pc, layout, s, 71, host);  // none before: at (10, 5)
  ASSERT_NE(pc.Find(kRotaryHaleThrottle), nullptr);
  EXPECT_EQ(pc.Find(kRotaryHaleThrottle)->Left, 10);
  EXPECT_EQ(pc.Find(kRotaryHaleThrottle)->Top, 5);
  pc.Find(kRotaryHaleThrottle)->Left = 250;
  pc.Find(kRotaryHaleThrottle)->Top = 120;
  SelectThrottle(pc, layout, s, 72, host);
  EXPECT_EQ(pc.Find(kRotaryHaleThrottle), nullptr);
  ASSERT_NE(pc.Find(kRotaryElectronicThrottle), nullptr);
  EXPECT_EQ(pc.Find(kRotaryElectronicThrottle)->Left, 250);
  EXPECT_EQ(pc.Find(kRotaryElectronicThrottle)->Top, 120);
  EXPECT_EQ(s.DischargeList.ThrottleStyle, kRotaryElectronicThrottle);
  SelectThrottle(pc, layout, s, 67, host);
  EXPECT_FALSE(PresentRotaryKinds(pc)[kRotaryElectronicThrottle]);
  EXPECT_EQ(s.DischargeList.ThrottleStyle, kNoThrottleStyle);
}

TEST_F(PanelControlsTest, SelectPressureControlReplacesEveryPressureControl) {
  struct Case {
    int code;
    int style, mode, reliefMode;
  };
  // Waterous comes switched off, Hale on; None leaves nothing.
  const Case cases[] = {
      {60, 1, kReliefValve, 2}, {61, 2, kReliefValve, 1},        {68, 10, kGovernor, 1},
      {66, 8, kGovernor, 1},    {62, 24, kNoPressureControl, 1}, {67, 24, kNoPressureControl, 1},
  };
  for (const Case& c : cases) {
    // A governor and a relief valve both on the panel before the choice.
    SelectPressureControl(pc, layout, s, 61, host);
    PlaceRotaryControl(pc, layout, s, kRotaryClass1Governor, 40, 40, false, host);
    SelectPressureControl(pc, layout, s, c.code, host);
    int present = 0;
    for (int k = 1; k <= kRotaryClass1Governor; ++k)
      present += IsPressureControlKind(k) && pc.Find(k);
    EXPECT_EQ(present, c.style == kNoPressureControlStyle ? 0 : 1) << c.code;
    EXPECT_EQ(s.DischargeList.PressureControlStyle, c.style) << c.code;
    EXPECT_EQ(s.PumpControl.PressureControlMode, c.mode) << c.code;
    EXPECT_EQ(s.PumpControl.ReliefMode, c.reliefMode) << c.code;
    EXPECT_EQ(ReliefLampsShown(s), c.mode == kReliefValve) << c.code;
  }
}

TEST_F(PanelControlsTest, KeysWorkValvesThrottleAndSettings) {
  struct Case {
    ValveKey key;
    double from, to;
  };
  const Case cases[] = {
      {ValveKey::Up, 0.0, 0.05},       {ValveKey::Down, 0.02, 0.0}, {ValveKey::PageUp, 0.9, 1.0},
      {ValveKey::PageDown, 0.5, 0.25}, {ValveKey::Home, 0.7, 0.0},  {ValveKey::End, 0.1, 1.0},
  };
  for (const Case& c : cases) {
    s.Discharges[5].ValveOpen = c.from;
    EXPECT_TRUE(KeyValve(pc, s, kRunning, 5, c.key, host));
    EXPECT_DOUBLE_EQ(s.Discharges[5].ValveOpen, c.to) << c.from;
  }
  EXPECT_FALSE(KeyValve(pc, s, ControlRun{true, true}, 5, ValveKey::Up, host)) << "design mode";

  SelectThrottle(pc, layout, s, 70, host);
  EXPECT_TRUE(KeyThrottle(pc, s, kRunning, +1, host));
  EXPECT_NEAR(s.Engine.RpmDemand, 1085, 1e-9) << "one position above idle";
  EXPECT_DOUBLE_EQ(s.Engine.Rpm, s.Engine.RpmDemand);

  SelectPressureControl(pc, layout, s, 60, host);
  EXPECT_TRUE(KeyPressureControl(pc, s, kRunning, -1));
  EXPECT_DOUBLE_EQ(s.PumpControl.ReliefSetPress, 145);
  EXPECT_DOUBLE_EQ(pc.Find(kRotaryWaterousRelief)->Position, 38);

  EXPECT_TRUE(KeyTransfer(pc, s, kRunning, -1));
  s.SimClock.Time += 3.0;
  EXPECT_TRUE(ControlsTick(pc, s, kRunning, host).TransferChanged);
  EXPECT_EQ(s.Pump.StageMode, 2);
}

}  // namespace
}  // namespace pumpdrill
