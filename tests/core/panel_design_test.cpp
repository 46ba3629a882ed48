// The design commands without a window: the limits a moved item is kept
// within, hose connection plates, the foam items, removing a line another
// line's hose layout uses, the governor presets' input, and undo.
#include <gtest/gtest.h>

#include <string>

#include "default_state.h"
#include "panel/design/design_commands.h"
#include "panel/design/design_history.h"
#include "panel/design/design_menu.h"
#include "recording_host.h"
#include "sim/state.h"

namespace pumpdrill {
namespace {

using testing::MakeDefaultState;

class PanelDesignCoreTest : public ::testing::Test {
 protected:
  std::unique_ptr<State> state = MakeDefaultState();
  State& s = *state;
  PanelLayout layout = DefaultPanelLayout(8);
  PanelControls pc;
  RecordingHost host;
  DesignTarget t{s, layout, pc, host};
};

TEST_F(PanelDesignCoreTest, AMovedItemStaysReachable) {
  layout.Width = 600;
  layout.Height = 400;
  struct Case {
    int left, top, width, height, wantLeft, wantTop;
  } cases[] = {
      {-50, -3, 40, 40, 0, 0},      {20, 30, 40, 40, 20, 30},   {590, 395, 40, 40, 584, 384},
      {9000, 9000, 8, 8, 592, 392}, {-1, 500, 600, 20, 0, 384},
  };
  for (const Case& c : cases) {
    PanelPlace p{c.left, c.top, c.width, c.height, true};
    KeepOnPanel(p, layout);
    EXPECT_EQ(p.Left, c.wantLeft) << c.left;
    EXPECT_EQ(p.Top, c.wantTop) << c.top;
    EXPECT_EQ(p.Width, c.width);
  }
}

TEST_F(PanelDesignCoreTest, ThePlateFollowsTheHoseDiameter) {
  struct Case {
    double inches;
    int type;
  } cases[] = {{0.4, 1}, {0.5, 1}, {1.75, 1}, {3.99, 1}, {4, 3},
               {5, 3},   {10, 3},  {10.5, 1}, {12, 1}};
  for (const Case& c : cases) EXPECT_EQ(ConnectorPlateType(c.inches / 12.0), c.type) << c.inches;
  s.Discharges[2].HoseDiam = 5.0 / 12.0;
  ASSERT_TRUE(AddConnector(s, layout, 2));
  EXPECT_FALSE(AddConnector(s, layout, 2));  // once
  EXPECT_EQ(layout.Plates[2].Type, kPlateSixInch);
  EXPECT_EQ(layout.Plates[2].Place.Left, 10);
  EXPECT_EQ(layout.Plates[2].Place.Top, 5);
  EXPECT_TRUE(RemoveConnector(layout, 2));
  EXPECT_FALSE(RemoveConnector(layout, 2));
  s.DischargeList.LineCount = 3;
  EXPECT_EQ(ConnectorLines(s), (std::vector<int>{1, 2, 3, 18}));
}

TEST_F(PanelDesignCoreTest, ALineAnotherLineUsesIsNotRemoved) {
  s.DischargeList.LineCount = 6;
  struct Case {
    int line, layoutKind, partner;  // line's hose layout and its partner
    int owner;                      // of line 6
  } cases[] = {{2, 1, 6, 2}, {3, 2, 6, 3}, {6, 1, 4, 4}, {2, 0, 6, 0}, {2, 1, 5, 0}};
  for (const Case& c : cases) {
    for (int i = 1; i <= 6; ++i) {
      s.Discharges[i].Layout = 0;
      s.Discharges[i].Partner[2] = 0;
    }
    s.Discharges[c.line].Layout = static_cast<Byte>(c.layoutKind);
    s.Discharges[c.line].Partner[2] = static_cast<SmallInt>(c.partner);
    EXPECT_EQ(HoseLayoutOwner(s, 6), c.owner) << c.line << " " << c.partner;
  }
  s.Discharges[4].Layout = 2;  // line 4's wye takes line 6: refused, nothing changes
  s.Discharges[4].Partner[2] = 6;
  EXPECT_FALSE(RunDesignCommand(t, kDesignRemoveDischarge).Changed);
  EXPECT_EQ(s.DischargeList.LineCount, 6);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].type, MsgType::Warning);
  EXPECT_EQ(host.messages[0].text,
            "Line " + s.DischargeList.LineTitle[6].str() + " is part of the hose layout of " +
                s.DischargeList.LineTitle[4].str() + ". Change that layout first.");
  s.Discharges[4].Layout = 0;
  const DesignOutcome out = RunDesignCommand(t, kDesignRemoveDischarge);
  EXPECT_TRUE(out.Changed);
  EXPECT_EQ(s.DischargeList.LineCount, 5);
  EXPECT_FALSE(layout.Gauges[6].Gauge.Visible);
}

TEST_F(PanelDesignCoreTest, FoamItemsComeAndGoByTheSystem) {
  TFoamSetupRec& f = s.FoamSetup;
  f.SYS_TYPE = kFoamBalancedPressure;
  f.USE_CAFS = 1;
  f.FOAM_LINES.Add(3);
  s.DischargeList.LineCount = 8;
  struct Case {
    int code;
    bool enabled;
  } cases[] = {{kDesignProportioner, true},
               {kDesignTankSwitch, true},
               {kDesignCafsOnOff, false},
               {kDesignCafsMode, false},
               {103, false},
               {104, false}};
  for (const Case& c : cases) EXPECT_EQ(DesignCommandEnabled(s, c.code), c.enabled) << c.code;
  f.SYS_TYPE = kFoamDirectInjection;
  EXPECT_TRUE(DesignCommandEnabled(s, kDesignCafsMode));
  EXPECT_TRUE(DesignCommandEnabled(s, 103));
  EXPECT_FALSE(DesignCommandEnabled(s, 104));  // not a foam line
  s.DischargeList.LineCount = 2;
  EXPECT_FALSE(DesignCommandEnabled(s, 103));  // beyond the lines in use

  f.PROP_LEFT = 300;
  EXPECT_TRUE(RunDesignCommand(t, kDesignProportioner).FoamChanged);
  EXPECT_EQ(f.PROP_SEL, 1);
  EXPECT_EQ(f.PROP_LEFT, 10);
  EXPECT_EQ(f.PROP_TOP, 5);
  EXPECT_TRUE(DesignCommandChecked(s, layout, pc, kDesignProportioner));
  RunDesignCommand(t, kDesignProportioner);
  EXPECT_EQ(f.PROP_SEL, 0);
  f.SYS_TYPE = kFoamNone;  // no system: nothing is added
  EXPECT_FALSE(RunDesignCommand(t, kDesignTankSwitch).Changed);
  EXPECT_EQ(f.TK_SW_SEL, 0);
}

TEST_F(PanelDesignCoreTest, ToggledItemsAppearAtFiveFiveWithTheirCompanions) {
  using I = PanelItem;
  struct Case {
    int code;
    I item, companion;
  } cases[] = {{kDesignOilPressGauge, I::OilPressGauge, I::OilPressureLt},
               {kDesignEngTempGauge, I::EngTempGauge, I::TempLt},
               {kDesignFlowmeter, I::FlowMeter, I::LblFlowmeter}};
  for (const Case& c : cases) {
    layout.Item(c.item).Visible = false;
    layout.Item(c.companion).Visible = false;
    const int dx = layout.Item(c.companion).Left - layout.Item(c.item).Left;
    const int dy = layout.Item(c.companion).Top - layout.Item(c.item).Top;
    const DesignOutcome out = RunDesignCommand(t, c.code);
    ASSERT_TRUE(out.Shown);
    EXPECT_EQ(*out.Shown, c.item);
    EXPECT_EQ(layout.Item(c.item).Left, 5);
    EXPECT_EQ(layout.Item(c.companion).Left - 5, dx) << c.code;
    EXPECT_EQ(layout.Item(c.companion).Top - 5, dy) << c.code;
    EXPECT_TRUE(layout.Item(c.companion).Visible);
    EXPECT_FALSE(RunDesignCommand(t, c.code).Shown);
    EXPECT_FALSE(layout.Item(c.companion).Visible);
  }
  layout.Item(I::UpperBar).Visible = false;
  RunDesignCommand(t, kDesignNarrowBar);
  EXPECT_EQ(layout.Item(I::UpperBar).Left, 0);
}

TEST_F(PanelDesignCoreTest, PresetsTakeNumbersInTheirRangeOnly) {
  s.Engine.IdleRpm = 600;
  s.Engine.MaxRpm = 2100;
  s.PumpStatus.GaugeMaxPress = 400;
  DisplayUnits units;
  struct Case {
    const char* text;
    bool pressure;
    bool ok;
  } cases[] = {{"1200", false, true}, {" 600 ", false, true}, {"2100", false, true},
               {"599", false, false}, {"2101", false, false}, {"12a", false, false},
               {"", false, false},    {"0", true, true},      {"-1", true, false},
               {"400", true, true},   {"nan", true, false},   {"150.5", true, true}};
  for (const Case& c : cases) {
    host.messages.clear();
    const PresetRange r = c.pressure ? PresetPressureRange(s, units) : PresetRpmRange(s);
    EXPECT_EQ(CheckPreset(c.text, r, host).has_value(), c.ok) << c.text;
    EXPECT_EQ(host.messages.empty(), c.ok) << c.text;
    if (!c.ok) {
      EXPECT_EQ(host.messages[0].text,
                c.pressure ? "Enter a number from 0 to 400." : "Enter a number from 600 to 2100.");
    }
  }
}

TEST_F(PanelDesignCoreTest, UndoAndRedoWalkTheStepsAndTheLayoutCountsAsChanged) {
  DesignHistory h;
  EXPECT_FALSE(h.Changed());
  EXPECT_FALSE(h.Undo(s, layout, pc));
  const int left = layout.Gauges[3].Gauge.Left;
  h.Record(s, layout, pc);
  layout.Gauges[3].Gauge.Left = left + 40;
  h.Record(s, layout, pc);
  RunDesignCommand(t, kDesignAddDischarge);
  ASSERT_EQ(s.DischargeList.LineCount, 9);
  EXPECT_TRUE(h.Changed());
  h.MarkSaved();
  EXPECT_FALSE(h.Changed());
  ASSERT_TRUE(h.Undo(s, layout, pc));
  EXPECT_EQ(s.DischargeList.LineCount, 8);
  EXPECT_EQ(layout.Gauges[3].Gauge.Left, left + 40);
  EXPECT_TRUE(h.Changed());
  ASSERT_TRUE(h.Undo(s, layout, pc));
  EXPECT_EQ(layout.Gauges[3].Gauge.Left, left);
  EXPECT_FALSE(h.Undo(s, layout, pc));
  ASSERT_TRUE(h.Redo(s, layout, pc));
  ASSERT_TRUE(h.Redo(s, layout, pc));
  EXPECT_EQ(s.DischargeList.LineCount, 9);
  EXPECT_FALSE(h.Redo(s, layout, pc));
  // A new step forgets the redo steps.
  h.Undo(s, layout, pc);
  h.Record(s, layout, pc);
  EXPECT_FALSE(h.CanRedo());
}

}  // namespace
}  // namespace pumpdrill
