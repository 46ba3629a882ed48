// Panel configuration files: what a save writes and in which order, what a
// load makes of it, and what it makes of files that are damaged or cannot
// be read or written.
#include "panel/file/panel_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "default_state.h"
#include "file_fault_support.h"
#include "panel/controls/panel_controls.h"
#include "panel/file/panel_file_values.h"
#include "panel/panel_layout.h"
#include "recording_host.h"
#include "scratch_dir.h"
#include "sim/foam_system.h"
#include "sim/pressure_control.h"

namespace pumpdrill {
namespace {

using testing::MakeDefaultState;
using testing::ReadText;
using testing::ScratchDir;
using testing::WriteText;
using I = PanelItem;

// A panel as the window builds it: the default layout, every valve a
// short push-pull handle, a Pierce throttle and a Waterous relief valve.
struct Panel {
  std::unique_ptr<State> state = MakeDefaultState();
  State& s = *state;
  PanelLayout layout = DefaultPanelLayout();
  PanelControls pc;

  Panel() {
    NullHost quiet;
    for (int v = 1; v <= kValveCount; ++v) SetValveHandleType(pc, layout, s, v, 1, quiet);
    PlaceRotaryControl(pc, layout, s, 5, 253, 119, false, quiet);
    s.DischargeList.ThrottleStyle = 5;
    ApplyPressureControlStyle(pc, layout, s, 1, 317, 119, quiet);
  }
};

class PanelFileTest : public ::testing::Test {
 protected:
  PanelFileTarget Target(Panel& p) {
    PanelFileTarget t{p.s, p.layout, p.pc, dir.path().string() + "/", {}};
    t.screen.MainVisible = true;
    t.screen.MainWindow = {40, 30, 1200, 800};
    t.screen.ScreenWidth = 1920;
    t.screen.ScreenHeight = 1080;
    t.screen.Available = {0, 0, 1920, 1040};
    return t;
  }
  PanelFileOutcome Save(Panel& p, const std::string& name) {
    PanelFileTarget t = Target(p);
    return TransferPanelConfiguration(t, name, kPanelFileSave, host);
  }
  PanelFileOutcome Load(Panel& p, const std::string& name) {
    PanelFileTarget t = Target(p);
    return TransferPanelConfiguration(t, name, kPanelFileLoad, host);
  }
  std::filesystem::path File(const std::string& name) { return dir / name; }

  ScratchDir dir;
  RecordingHost host;
  Panel panel;
};

// The sections and keys of a file in file order, one section a line.
std::string KeyOutline(const std::string& text) {
  std::istringstream in(text);
  std::string line, out;
  bool first = true;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    if (line.front() == '[') {
      out += (out.empty() ? "" : "\n") + line;
      first = true;
      continue;
    }
    out += (first ? " " : ",") + line.substr(0, line.find('='));
    first = false;
  }
  return out + "\n";
}

TEST_F(PanelFileTest, FreshSaveWritesTheTableInOrder) {
  NullHost quiet;
  State& s = panel.s;
  SetValveHandleType(panel.pc, panel.layout, s, 2, kHandleTee, quiet);
  SetValveHandleType(panel.pc, panel.layout, s, 3, kHandleWheel, quiet);
  SetValveHandleType(panel.pc, panel.layout, s, 4, kHandleElectronic, quiet);
  s.DischargeList.LineCount = 4;
  s.FoamSetup.FOAM_LINES.Add(2);
  s.FoamSetup.FOAM_LINES.Add(3);
  s.FoamSetup.CAFS_AIR_V_SEL.Add(2);
  s.FoamSetup.CAFS_AIR_V_SEL.Add(9);  // not a foam line: no air valve keys
  panel.layout.Plates[7].Present = true;
  ASSERT_TRUE(Save(panel, "ORDER.PNL").Done);

  std::string expected =
      "[PANEL PLACEMENT] LEFT,TOP,HEIGHT,WIDTH\n"
      "[SCREEN RESOLUTION] HEIGHT,WIDTH\n"
      "[DISCHARGE LINES] NR_DISCHARGES\n"
      "[MASTERDISCHARGE GAUGE] CAPTION,LEFT,TOP,COLOR\n"
      "[SUCTION GAUGE] CAPTION,LEFT,TOP,COLOR\n";
  for (int g = 1; g <= 15; ++g) expected += "[GAUGE " + std::to_string(g) + "] TOP,LEFT,COLOR\n";
  expected +=
      "[PRIMER] TOP,LEFT\n"
      "[TRANSFER VALVE] LEFT,TOP\n"
      "[TANK VOLUME] LEFT,TOP\n"
      "[RPM CTRL] STYLE,LEFT,TOP\n"
      "[RELIEF VALVE ADJUSTM] STYLE,LEFT,TOP\n"
      "[RELIEF VALVE LAMPS] LEFT,TOP\n"
      "[ENGINE COOLER] VISIBLE,LEFT,TOP\n"
      "[RPM METER] LEFT,TOP\n"
      "[FLOW METER] VISIBLE,LEFT,TOP\n";
  const std::string labelled =
      "CAPTION,TYPE,LEFT,TOP,LABEL LEFT,LABEL TOP,LABEL BG,LABEL BG "
      "TRANSP,LABEL FG,OPENS CCW\n";
  for (int v = 1; v <= 18; ++v) {
    expected += "[VALVE HANDLE" + std::to_string(v) + "] ";
    expected += v == 2 ? "CAPTION,TYPE,LEFT,TOP,LABEL LEFT,LABEL TOP\n" : labelled;
  }
  expected +=
      "[UPPER BAR] VISIBLE,LEFT,TOP\n"
      "[LOWER BAR] VISIBLE,LEFT,TOP\n"
      "[ID BOX] VISIBLE,LEFT,TOP\n"
      "[ENG TEMP GAUGE] VISIBLE,LEFT,TOP\n"
      "[ENG TEMP GAUGE LT] VISIBLE,LEFT,TOP\n"
      "[OIL PRESSURE GAUGE] VISIBLE,LEFT,TOP\n"
      "[OIL PRESSURE GAUGE LT] VISIBLE,LEFT,TOP\n"
      "[PUMP OIL GAUGE] VISIBLE,LEFT,TOP\n"
      "[PUMP OIL GAUGE LT] VISIBLE,LEFT,TOP\n"
      "[CHECK TRANSMISSION LT] VISIBLE,LEFT,TOP\n"
      "[CHECK ENGINE LT] VISIBLE,LEFT,TOP\n"
      "[STOP ENGINE LT] VISIBLE,LEFT,TOP\n"
      "[FOAM] SYS_TYPE,NR_TANKS,TANK_CAP,USE_CAFS,CTRL_MFG,EDU_INLET_PSI,EDU_RATED_GPM,"
      "EDU_PSI_LOSS,TK_SW_TYPE,TK_SW_TOP,TK_SW_LEFT,TK_SW_SEL,PROP_TYPE,PROP_TOP,PROP_LEFT,"
      "PROP_SEL,%_RANGE,FOAM_LINES,CAFS_AIR_V_SEL,CAFS_AIR_V_TOP02,CAFS_AIR_V_LEFT02,"
      "CAFS_ON_OFF_TOP,CAFS_ON_OFF_LEFT,CAFS_ON_OFF_SEL,CAFS_MODE_TOP,CAFS_MODE_LEFT,"
      "CAFS_MODE_SEL\n"
      "[PLATES] PLATES_SEL,PLATE_TYPE07,PLATE_TOP07,PLATE_LEFT07\n";
  const std::string text = ReadText(File("ORDER.PNL"));
  EXPECT_EQ(KeyOutline(text), expected);
  // Encodings: sets with their leading comma, the handle types as built,
  // the wheel's turning sense, the other labelled types' empty OPENS CCW.
  EXPECT_NE(text.find("FOAM_LINES=,2,3,\n"), std::string::npos);
  EXPECT_NE(text.find("CAFS_AIR_V_SEL=,2,9,\n"), std::string::npos);
  EXPECT_NE(text.find("PLATES_SEL=,7,\n"), std::string::npos);
  EXPECT_NE(
      text.find("[VALVE HANDLE3]\nCAPTION=" + s.DischargeList.LineTitle[3].str() + "\nTYPE=14\n"),
      std::string::npos);
  EXPECT_NE(text.find("LABEL BG TRANSP=1\nLABEL FG=0\nOPENS CCW=0\n"), std::string::npos);
  EXPECT_NE(text.find("LABEL FG=0\nOPENS CCW=\n"), std::string::npos);
  EXPECT_EQ(s.PumpControl.PanelFileName.str(), "ORDER.PNL");
  // Every value written reads back without a word.
  Panel back;
  ASSERT_TRUE(Load(back, "ORDER.PNL").Done);
  EXPECT_TRUE(host.messages.empty()) << host.Texts();
}

TEST_F(PanelFileTest, SavedPanelComesBackWhole) {
  NullHost quiet;
  State& s = panel.s;
  PanelLayout& l = panel.layout;
  s.DischargeList.LineCount = 12;
  s.DischargeList.LineTitle[2] = "Crosslay 2";
  s.DischargeList.LineTitle[kMasterLine] = "Pump \xC3\xA9tage";
  s.DischargeList.RotaryOpensCCW[5] = 1;
  SetValveHandleType(panel.pc, l, s, 5, kHandleWheel, quiet);
  SetValveHandleType(panel.pc, l, s, 6, kHandleBall, quiet);
  l.Valves[7].TitleBackground = RgbColour(0, 0, 255);
  l.Valves[7].TitleForeground = kColourWhite;
  l.Valves[7].TitleTransparent = false;
  l.Valves[8].Handle.Left += 33;
  l.Valves[8].Title.Top -= 7;
  l.FaceColour[4] = kFaceWhite;
  MoveGaugeParts(l, 3, 401, 77, RetrieveGaugeOffsets(l, 3));
  l.Item(I::FlowMeter).Visible = true;
  l.Item(I::EngCooler).Visible = true;
  l.Item(I::UpperBar).Visible = false;
  for (I bar : {I::UpperBar, I::LowerBar}) l.Item(bar).Left = 0;  // where a load puts them
  l.Item(I::StopEngineLt) = {50, 60, 10, 10, true};
  l.Plates[3] = {true, kPlateSixInch, {120, 300, 0, 0, true}};
  SelectThrottle(panel.pc, l, s, 72, quiet);                       // electronic throttle
  ApplyPressureControlStyle(panel.pc, l, s, 10, 480, 140, quiet);  // Class1 governor
  TFoamSetupRec& f = s.FoamSetup;
  f.SYS_TYPE = kFoamDirectInjection;
  f.NR_TANKS = 2;
  f.TANK_CAP = 20.5;
  f.USE_CAFS = 1;
  f.EDU_INLET_PSI = 200;
  f.EDU_RATED_GPM = 95.125;
  f.PROP_SEL = 1;
  f.PROP_LEFT = 222;
  f.PCT_RANGE = 2;
  f.FOAM_LINES.Add(1);
  f.FOAM_LINES.Add(11);
  f.CAFS_AIR_V_SEL.Add(11);
  f.CAFS_AIR_V_TOP[11] = 345;
  f.CAFS_AIR_V_LEFT[11] = 456;
  f.CAFS_MODE_SEL = 1;
  ASSERT_TRUE(Save(panel, "ROUND.PNL").Done);

  Panel back;
  ASSERT_TRUE(Load(back, "ROUND.PNL").Done);
  EXPECT_TRUE(host.messages.empty()) << host.Texts();
  const TDischargeListRec& list = back.s.DischargeList;
  EXPECT_EQ(list.LineCount, 12);
  EXPECT_EQ(list.LineTitle[2].str(), "Crosslay 2");
  EXPECT_EQ(list.LineTitle[kMasterLine].str(), "Pump \xC3\xA9tage");
  EXPECT_EQ(list.ThrottleStyle, 7);
  EXPECT_EQ(list.PressureControlStyle, 10);
  EXPECT_EQ(back.s.PumpControl.PressureControlMode, kGovernor);
  EXPECT_EQ(list.RotaryOpensCCW[5], 1);
  const PanelLayout& b = back.layout;
  EXPECT_EQ(b.Valves[5].HandleType, kHandleWheel);
  EXPECT_NE(back.pc.WheelSlot[5], 0);
  EXPECT_EQ(b.Valves[6].HandleType, kHandleBall);
  EXPECT_EQ(b.Valves[7].TitleBackground, RgbColour(0, 0, 255));
  EXPECT_EQ(b.Valves[7].TitleForeground, kColourWhite);
  EXPECT_FALSE(b.Valves[7].TitleTransparent);
  EXPECT_EQ(b.Valves[8].Handle.Left, l.Valves[8].Handle.Left);
  EXPECT_EQ(b.Valves[8].Title.Top, l.Valves[8].Title.Top);
  EXPECT_FALSE(b.Valves[13].Handle.Visible);  // above the 12 lines
  EXPECT_EQ(b.FaceColour[4], kFaceWhite);
  EXPECT_EQ(b.Gauges[3].Gauge.Left, 401);
  EXPECT_EQ(b.Gauges[3].Title.Left, l.Gauges[3].Title.Left);
  EXPECT_EQ(b.Gauges[3].FlowReadout.Top, l.Gauges[3].FlowReadout.Top);
  EXPECT_TRUE(b.Item(I::FlowMeter).Visible);
  EXPECT_TRUE(b.Item(I::LblFlowmeter).Visible);
  EXPECT_TRUE(b.Item(I::EngCooler).Visible);
  EXPECT_EQ(back.s.Pump.EngineCooler, panel.s.Pump.EngineCooler);
  EXPECT_FALSE(b.Item(I::UpperBar).Visible);
  EXPECT_EQ(b.Item(I::StopEngineLt).Left, 50);
  EXPECT_TRUE(b.Item(I::StopEngineLt).Visible);
  EXPECT_EQ(b.Item(I::PressureControl).Left, 480);
  EXPECT_FALSE(b.Item(I::RValveLts).Visible);
  EXPECT_TRUE(b.Plates[3].Present);
  EXPECT_EQ(b.Plates[3].Type, kPlateSixInch);
  EXPECT_EQ(b.Plates[3].Place.Left, 120);
  EXPECT_EQ(b.Plates[3].Place.Top, 300);
  // The run-time fields follow the settings read: the new capacity fills
  // both tanks, the setting stands within the range.
  TFoamSetupRec expected = f;
  expected.FoamTankA = expected.FoamTankB = f.TANK_CAP;
  SetFoamPercent(expected, back.s.FoamSetup.FoamPercentSet);
  EXPECT_DOUBLE_EQ(back.s.FoamSetup.FoamPercentSet, 1.0);
  EXPECT_EQ(0, std::memcmp(&back.s.FoamSetup, &expected, sizeof f));
  // Saved again, the file is the same.
  ASSERT_TRUE(Save(back, "AGAIN.PNL").Done);
  const std::string again = ReadText(File("AGAIN.PNL")), round = ReadText(File("ROUND.PNL"));
  EXPECT_EQ(again, round);
}

TEST_F(PanelFileTest, LoadKeepsOffsetsOfCompanions) {
  PanelLayout& l = panel.layout;
  const PanelLayout before = l;
  WriteText(File("MOVE.PNL"),
            "[PRIMER]\nTOP=10\nLEFT=20\n[TANK VOLUME]\nLEFT=30\nTOP=40\n[RPM METER]\nLEFT=50\n"
            "TOP=60\n[ENG TEMP GAUGE]\nVISIBLE=1\nLEFT=70\nTOP=80\n[ENG TEMP GAUGE LT]\n"
            "VISIBLE=1\nLEFT=999\nTOP=999\n[SUCTION GAUGE]\nLEFT=90\nTOP=100\n");
  ASSERT_TRUE(Load(panel, "MOVE.PNL").Done);
  auto offset = [](const PanelLayout& x, I part, I item) {
    return std::make_pair(x.Item(part).Left - x.Item(item).Left,
                          x.Item(part).Top - x.Item(item).Top);
  };
  EXPECT_EQ(l.Item(I::PrimerBack).Left, 20);
  for (auto [part, item] : {std::pair{I::Primer, I::PrimerBack},
                            {I::LblPrimedIndicator, I::PrimerBack},
                            {I::LblGallonsLeft, I::TankLts},
                            {I::LblRpmGauge, I::RpmMeter},
                            {I::TempLt, I::EngTempGauge}})
    EXPECT_EQ(offset(l, part, item), offset(before, part, item)) << static_cast<int>(part);
  EXPECT_EQ(l.Item(I::EngTempGauge).Top, 80);
  EXPECT_TRUE(l.Item(I::TempLt).Visible);
  const GaugeParts& g = l.Gauges[kIntakeGauge];
  const GaugeParts& g0 = before.Gauges[kIntakeGauge];
  EXPECT_EQ(g.Gauge.Left, 90);
  EXPECT_EQ(g.Title.Left - g.Gauge.Left, g0.Title.Left - g0.Gauge.Left);
  EXPECT_EQ(g.PressReadout.Top - g.Gauge.Top, g0.PressReadout.Top - g0.Gauge.Top);
}

TEST_F(PanelFileTest, PanelGrowsToHoldItemsLaidOutFurtherOut) {
  WriteText(File("WIDE.PNL"),
            "[DISCHARGE LINES]\nNR_DISCHARGES=12\n[GAUGE 11]\nLEFT=900\nTOP=10\n"
            "[GAUGE 13]\nLEFT=5000\nTOP=5000\n");
  ASSERT_TRUE(Load(panel, "WIDE.PNL").Done);
  const PanelLayout& l = panel.layout;
  EXPECT_EQ(l.Width, l.Gauges[11].Gauge.Right());  // gauge 13 is hidden: 12 lines
  EXPECT_EQ(l.Height, kDefaultPanelHeight);
  EXPECT_EQ(l.Item(I::LowerBar).Width, l.Width);
  WriteText(File("NARROW.PNL"), "[DISCHARGE LINES]\nNR_DISCHARGES=8\n[GAUGE 11]\nLEFT=2\n");
  ASSERT_TRUE(Load(panel, "NARROW.PNL").Done);
  EXPECT_EQ(panel.layout.Width, kDefaultPanelWidth);
}

TEST_F(PanelFileTest, FileOfOnlyTheLineCountKeepsEverythingElse) {
  State& s = panel.s;
  PanelLayout& l = panel.layout;
  ApplyPressureControlStyle(panel.pc, l, s, 8, 400, 150, host);
  SelectThrottle(panel.pc, l, s, 71, host);  // Hale throttle
  const PanelLayout before = l;
  WriteText(File("LINES.PNL"), "[DISCHARGE LINES]\nNR_DISCHARGES=6\n");
  ASSERT_TRUE(Load(panel, "LINES.PNL").Done);
  EXPECT_TRUE(host.messages.empty()) << host.Texts();
  EXPECT_EQ(s.DischargeList.LineCount, 6);
  for (int g : {1, 9, 15, kIntakeGauge, kMasterGauge}) {
    EXPECT_EQ(l.Gauges[g].Gauge.Left, before.Gauges[g].Gauge.Left) << g;
    EXPECT_EQ(l.Gauges[g].Title.Top, before.Gauges[g].Title.Top) << g;
  }
  for (I item : {I::RpmMeter, I::PrimerBack, I::TankLts, I::IdBox, I::EngTempGauge})
    EXPECT_EQ(l.Item(item).Left, before.Item(item).Left) << static_cast<int>(item);
  EXPECT_EQ(l.Valves[3].Handle.Left, before.Valves[3].Handle.Left);
  // No STYLE: a Pierce throttle and a Waterous relief valve, switched off.
  EXPECT_EQ(s.DischargeList.ThrottleStyle, 5);
  EXPECT_EQ(l.Item(I::Throttle).Left, 253);
  EXPECT_EQ(l.Item(I::Throttle).Top, 119);
  ASSERT_NE(panel.pc.Find(5), nullptr);
  EXPECT_EQ(panel.pc.Find(6), nullptr);
  EXPECT_EQ(s.DischargeList.PressureControlStyle, 1);
  EXPECT_EQ(l.Item(I::PressureControl).Left, 317);
  EXPECT_EQ(l.Item(I::PressureControl).Top, 119);
  EXPECT_EQ(panel.pc.Find(8), nullptr);
  EXPECT_EQ(s.PumpControl.PressureControlMode, kReliefValve);
  EXPECT_NE(s.PumpControl.ReliefMode, kReliefInService);
  EXPECT_TRUE(l.Item(I::RValveLts).Visible);
  // Items whose VISIBLE defaults to false are hidden, the bars and the box shown.
  EXPECT_FALSE(l.Item(I::FlowMeter).Visible);
  EXPECT_FALSE(l.Item(I::ChkEngineLt).Visible);
  EXPECT_TRUE(l.Item(I::UpperBar).Visible);
  EXPECT_TRUE(l.Item(I::IdBox).Visible);
  EXPECT_FALSE(l.Valves[7].Handle.Visible);
  EXPECT_TRUE(l.Valves[6].Handle.Visible);
  EXPECT_TRUE(l.Valves[17].Handle.Visible);
}

TEST_F(PanelFileTest, StylesByCode) {
  struct Case {
    const char* throttle;
    const char* pressure;
    int throttleStyle, pressureStyle, mode;
    bool reliefOn;
  };
  for (Case c :
       {Case{"5", "1", 5, 1, kReliefValve, false}, Case{"6", "2", 6, 2, kReliefValve, true},
        Case{"7", "8", 7, 8, kGovernor, false}, Case{"25", "9", 25, 8, kGovernor, false},
        Case{"23", "10", 5, 10, kGovernor, false},
        Case{"99", "24", 5, 24, kNoPressureControl, false},
        Case{"-3", "3", 5, 1, kReliefValve, false}}) {
    Panel p;
    p.s.PumpControl.ReliefMode = 0;
    WriteText(File("STYLE.PNL"), std::string("[RPM CTRL]\nSTYLE=") + c.throttle +
                                     "\nLEFT=200\nTOP=100\n[RELIEF VALVE ADJUSTM]\nSTYLE=" +
                                     c.pressure + "\nLEFT=0\nTOP=90\n");
    ASSERT_TRUE(Load(p, "STYLE.PNL").Done);
    const std::string at = std::string(c.throttle) + "/" + c.pressure;
    EXPECT_EQ(p.s.DischargeList.ThrottleStyle, c.throttleStyle) << at;
    EXPECT_EQ(p.s.DischargeList.PressureControlStyle, c.pressureStyle) << at;
    EXPECT_EQ(p.s.PumpControl.PressureControlMode, c.mode) << at;
    EXPECT_EQ(p.s.PumpControl.ReliefMode == kReliefInService, c.reliefOn) << at;
    EXPECT_EQ(p.layout.Item(I::Throttle).Visible, c.throttleStyle != 25) << at;
    if (c.pressureStyle != 24) {
      // A place left of 1 becomes (10, 5).
      EXPECT_EQ(p.layout.Item(I::PressureControl).Left, 10) << at;
      EXPECT_EQ(p.layout.Item(I::PressureControl).Top, 5) << at;
    }
    // What was loaded is saved as it is: no pressure control stays none.
    ASSERT_TRUE(Save(p, "STYLE2.PNL").Done);
    Panel again;
    ASSERT_TRUE(Load(again, "STYLE2.PNL").Done);
    EXPECT_EQ(again.s.DischargeList.PressureControlStyle, c.pressureStyle) << at;
    EXPECT_EQ(again.s.DischargeList.ThrottleStyle, c.throttleStyle) << at;
  }
}

TEST_F(PanelFileTest, SaveNormalisesUnknownStyles) {
  panel.s.DischargeList.ThrottleStyle = 3;
  panel.s.DischargeList.PressureControlStyle = 9;
  ASSERT_TRUE(Save(panel, "NORM.PNL").Done);
  const std::string text = ReadText(File("NORM.PNL"));
  EXPECT_NE(text.find("[RPM CTRL]\nSTYLE=5\nLEFT=253\nTOP=119\n"), std::string::npos) << text;
  EXPECT_NE(text.find("[RELIEF VALVE ADJUSTM]\nSTYLE=1\nLEFT=317\nTOP=119\n"), std::string::npos);
  EXPECT_EQ(panel.s.DischargeList.ThrottleStyle, 5);
  EXPECT_EQ(panel.s.DischargeList.PressureControlStyle, 1);
}

TEST_F(PanelFileTest, StaleLabelKeysStayAndAreIgnored) {
  NullHost quiet;
  panel.layout.Valves[3].TitleBackground = 255;
  ASSERT_TRUE(Save(panel, "STALE.PNL").Done);
  SetValveHandleType(panel.pc, panel.layout, panel.s, 3, kHandleTee, quiet);
  ASSERT_TRUE(Save(panel, "STALE.PNL").Done);
  const std::string text = ReadText(File("STALE.PNL"));
  const std::string section = text.substr(text.find("[VALVE HANDLE3]"));
  const std::string valve3 = section.substr(0, section.find("[VALVE HANDLE4]"));
  EXPECT_NE(valve3.find("TYPE=10\n"), std::string::npos) << valve3;
  EXPECT_NE(valve3.find("LABEL BG=255\n"), std::string::npos) << valve3;
  EXPECT_NE(valve3.find("LABEL FG="), std::string::npos) << valve3;

  Panel back;
  back.layout.Valves[3].TitleBackground = kColourSilver;
  ASSERT_TRUE(Load(back, "STALE.PNL").Done);
  EXPECT_EQ(back.layout.Valves[3].HandleType, kHandleTee);
  EXPECT_EQ(back.layout.Valves[3].TitleBackground, kColourSilver);
}

TEST_F(PanelFileTest, BooleansTrueOnlyForTheirSevenTexts) {
  struct Case {
    const char* text;
    bool value;
  };
  for (Case c : {Case{"1", true}, Case{"true", true}, Case{"True", true}, Case{"TRUE", true},
                 Case{"YES", true}, Case{"Yes", true}, Case{"yes", true}, Case{"0", false},
                 Case{"Y", false}, Case{"on", false}, Case{"tRuE", false}, Case{"", false}}) {
    WriteText(File("BOOL.PNL"), std::string("[ENGINE COOLER]\nVISIBLE=") + c.text + "\n");
    ASSERT_TRUE(Load(panel, "BOOL.PNL").Done);
    EXPECT_EQ(panel.layout.Item(I::EngCooler).Visible, c.value) << c.text;
    EXPECT_EQ(PanelBoolValue(c.text), c.value) << c.text;
  }
  EXPECT_TRUE(host.messages.empty()) << host.Texts();
}

TEST_F(PanelFileTest, PlatesAsTheSetSelects) {
  struct Case {
    const char* selected;
    std::vector<int> plates;
  };
  for (const Case& c : {Case{",3,12,", {3, 12}}, Case{",3,1,", {1, 3}}, Case{"3,12", {12}},
                        Case{",", {}}, Case{",19,20,0,", {19}}}) {
    Panel p;
    p.layout.Plates[5] = {true, kPlateTwoInchStraight, {1, 1, 0, 0, true}};
    WriteText(File("PLATES.PNL"), std::string("[PLATES]\nPLATES_SEL=") + c.selected +
                                      "\nPLATE_TYPE03=2\nPLATE_TOP03=44\nPLATE_LEFT03=55\n");
    ASSERT_TRUE(Load(p, "PLATES.PNL").Done);
    std::vector<int> present;
    for (int n = 1; n <= kPlateCount; ++n)
      if (p.layout.Plates[n].Present) present.push_back(n);
    EXPECT_EQ(present, c.plates) << c.selected;
    if (p.layout.Plates[3].Present) {
      EXPECT_EQ(p.layout.Plates[3].Type, kPlateTwoInchStraight);
      EXPECT_EQ(p.layout.Plates[3].Place.Left, 55);
    }
    if (p.layout.Plates[12].Present) {
      EXPECT_EQ(p.layout.Plates[12].Type, kPlateTwoInchAngled);
      EXPECT_EQ(p.layout.Plates[12].Place.Top, 5);
      EXPECT_EQ(p.layout.Plates[12].Place.Left, 10);
    }
  }
}

TEST_F(PanelFileTest, UnreadableValuesAreLeftAndListed) {
  PanelLayout& l = panel.layout;
  const PanelLayout before = l;
  const int count = panel.s.DischargeList.LineCount;
  WriteText(File("BAD.PNL"),
            "[DISCHARGE LINES]\nNR_DISCHARGES=16\n[GAUGE 2]\nTOP=12x\nLEFT=300\n"
            "[GAUGE 3]\nLEFT=20000\nTOP=-1001\n[VALVE HANDLE1]\nLABEL BG=16777216\n"
            "LABEL FG=-1\nLEFT=1.5\n[RPM CTRL]\nSTYLE=six\n[FOAM]\nTANK_CAP=nan\nNR_TANKS=3\n"
            "EDU_RATED_GPM=95,5\n");
  const PanelFileOutcome out = Load(panel, "BAD.PNL");
  ASSERT_TRUE(out.Done);
  EXPECT_EQ(panel.s.DischargeList.LineCount, count);
  EXPECT_EQ(l.Gauges[2].Gauge.Top, before.Gauges[2].Gauge.Top);
  EXPECT_EQ(l.Gauges[2].Gauge.Left, 300);
  EXPECT_EQ(l.Gauges[3].Gauge.Left, before.Gauges[3].Gauge.Left);
  EXPECT_EQ(l.Valves[1].TitleBackground, before.Valves[1].TitleBackground);
  EXPECT_EQ(l.Valves[1].Handle.Left, before.Valves[1].Handle.Left);
  EXPECT_EQ(panel.s.DischargeList.ThrottleStyle, 5);
  EXPECT_EQ(panel.s.FoamSetup.EDU_RATED_GPM, 95.5);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].type, MsgType::Warning);
  const std::string path = File("BAD.PNL").string();
  EXPECT_EQ(host.messages[0].text,
            "Panel configuration file  \"" + path +
                "\"  has values that could not be read; they were left as they were:\n"
                "[DISCHARGE LINES] NR_DISCHARGES=16\n[GAUGE 2] TOP=12x\n[GAUGE 3] LEFT=20000\n"
                "[GAUGE 3] TOP=-1001\n[RPM CTRL] STYLE=six\n[VALVE HANDLE1] LEFT=1.5\n"
                "[VALVE HANDLE1] LABEL BG=16777216\n[VALVE HANDLE1] LABEL FG=-1\n"
                "[FOAM] NR_TANKS=3\n[FOAM] TANK_CAP=nan");
  EXPECT_EQ(out.Unreadable.size(), 10u);
}

// Foam codes the program does not know count as no system, one tank and
// the first range; a new capacity fills both tanks while no run is active.
TEST_F(PanelFileTest, UnknownFoamCodesAndANewCapacity) {
  TFoamSetupRec& f = panel.s.FoamSetup;
  f.SYS_TYPE = kFoamDirectInjection;
  f.NR_TANKS = 2;
  f.FoamTankSelect = kFoamTankB;
  f.PCT_RANGE = 1;
  f.TANK_CAP = 20;
  f.FoamTankA = f.FoamTankB = 20;
  WriteText(File("FOAM.PNL"), "[FOAM]\nSYS_TYPE=4\nNR_TANKS=0\n%_RANGE=3\nTANK_CAP=5\n");
  ASSERT_TRUE(Load(panel, "FOAM.PNL").Done);
  EXPECT_EQ(f.SYS_TYPE, kFoamNone);
  EXPECT_EQ(f.NR_TANKS, 1);
  EXPECT_EQ(f.FoamTankSelect, kFoamTankA);
  EXPECT_EQ(f.PCT_RANGE, 0);
  EXPECT_DOUBLE_EQ(f.FoamTankA, 5);
  EXPECT_DOUBLE_EQ(f.FoamTankB, 5);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find(File("FOAM.PNL").string()), std::string::npos);
  EXPECT_NE(host.messages[0].text.find("[FOAM] SYS_TYPE=4"), std::string::npos);
  // Codes the program knows are read as they are.
  WriteText(File("FOAM2.PNL"), "[FOAM]\nSYS_TYPE=3\nNR_TANKS=2\n%_RANGE=2\n");
  ASSERT_TRUE(Load(panel, "FOAM2.PNL").Done);
  EXPECT_EQ(f.SYS_TYPE, kFoamInLineEductor);
  EXPECT_EQ(f.NR_TANKS, 2);
  EXPECT_EQ(f.PCT_RANGE, 2);
  EXPECT_DOUBLE_EQ(f.TANK_CAP, 5);
}

TEST_F(PanelFileTest, MissingAndUnreadableFilesChangeNothing) {
  const State before = panel.s;
  const std::string missing = File("NONE.PNL").string();
  EXPECT_FALSE(Load(panel, "NONE.PNL").Done);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Panel configuration file  \"" + missing + "\"  not found.");
  EXPECT_EQ(host.messages[0].type, MsgType::Information);
  EXPECT_EQ(panel.s.PumpControl.PanelFileName.str(), "NONE.PNL");

  WriteText(File("BIN.PNL"), std::string("[DISCHARGE LINES]\nNR_DISCHARGES=3\n\0\x01", 37));
  WriteText(File("HUGE.PNL"), "[DISCHARGE LINES]\nNR_DISCHARGES=3\n" + std::string(1u << 20, ';'));
  for (const char* name : {"BIN.PNL", "HUGE.PNL"}) {
    host.messages.clear();
    EXPECT_FALSE(Load(panel, name).Done) << name;
    ASSERT_EQ(host.messages.size(), 1u) << name;
    EXPECT_EQ(host.messages[0].type, MsgType::Error);
    EXPECT_NE(host.messages[0].text.find("\"  could not be read: "), std::string::npos);
    EXPECT_EQ(panel.s.DischargeList.LineCount, before.DischargeList.LineCount) << name;
  }
}

TEST_F(PanelFileTest, NameLookedUpInAnyCaseAndStoredWithoutFolder) {
  WriteText(File("engine7.pnl"), "[DISCHARGE LINES]\nNR_DISCHARGES=7\n");
  ASSERT_TRUE(Load(panel, "/some/where/else/ENGINE7.PNL").Done);
  EXPECT_EQ(panel.s.DischargeList.LineCount, 7);
  EXPECT_EQ(panel.s.PumpControl.PanelFileName.str(), "ENGINE7.PNL");
  ASSERT_TRUE(Save(panel, "").Done);
  EXPECT_EQ(panel.s.PumpControl.PanelFileName.str(), "TMP.XNL");
  EXPECT_TRUE(std::filesystem::exists(File("TMP.XNL")));
}

TEST_F(PanelFileTest, FailedSaveKeepsTheOldFileAndName) {
  ASSERT_TRUE(Save(panel, "KEEP.PNL").Done);
  const std::string old = ReadText(File("KEEP.PNL"));
  panel.s.DischargeList.LineCount = 3;
  panel.s.PumpControl.PanelFileName = "EARLIER.PNL";
  {
    UnprivilegedUser nobody;
    const PanelFileOutcome out = Save(panel, "KEEP.PNL");
    EXPECT_FALSE(out.Done);
  }
  EXPECT_EQ(ReadText(File("KEEP.PNL")), old);
  EXPECT_EQ(panel.s.PumpControl.PanelFileName.str(), "EARLIER.PNL");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].type, MsgType::Error);
  EXPECT_EQ(host.messages[0].text.rfind("Panel configuration file  \"" + File("KEEP.PNL").string() +
                                            "\"  could not be saved: ",
                                        0),
            0u)
      << host.messages[0].text;
}

TEST_F(PanelFileTest, ScreenTooSmallOnlyWhenThePanelCannotScale) {
  struct Case {
    int panelWidth;
    int savedWidth, savedHeight;
    bool told;
  };
  for (Case c : {Case{636, 1920, 1080, false}, Case{636, 4000, 3000, false},
                 Case{5000, 4000, 3000, true}, Case{5000, 1920, 1080, false}}) {
    Panel p;
    p.layout.Width = c.panelWidth;
    host.messages.clear();
    WriteText(File("SCREEN.PNL"),
              "[PANEL PLACEMENT]\nLEFT=100\nTOP=50\nHEIGHT=" + std::to_string(c.savedHeight) +
                  "\nWIDTH=" + std::to_string(c.savedWidth) + "\n[SCREEN RESOLUTION]\nHEIGHT=" +
                  std::to_string(c.savedHeight) + "\nWIDTH=" + std::to_string(c.savedWidth) + "\n");
    const PanelFileOutcome out = Load(p, "SCREEN.PNL");
    ASSERT_TRUE(out.Done);
    ASSERT_TRUE(out.MainWindow.has_value());
    EXPECT_EQ(out.Scroll, c.told);
    // The main window stays inside the screen's available area.
    EXPECT_LE(out.MainWindow->Width, 1920);
    EXPECT_LE(out.MainWindow->Height, 1040);
    EXPECT_GE(out.MainWindow->Left, 0);
    if (c.told) {
      ASSERT_EQ(host.messages.size(), 1u);
      EXPECT_EQ(host.messages[0].text,
                "Panel configuration file  cannot be fully displayed with current video driver "
                "resolution.  It was last saved using a screen (video driver) resolution of "
                "4000 X 3000");
      EXPECT_EQ(out.ScrollRange, 3100);
      EXPECT_EQ(out.MainWindow->Left, 0);
      EXPECT_EQ(out.MainWindow->Top, 0);
    } else {
      EXPECT_TRUE(host.messages.empty()) << host.Texts();
    }
  }
}

TEST_F(PanelFileTest, DamagedFilesNeverBreakThePanel) {
  std::mt19937 random(16);
  std::string good;
  ASSERT_TRUE(Save(panel, "GOOD.PNL").Done);
  good = ReadText(File("GOOD.PNL"));
  for (int round = 0; round < 60; ++round) {
    std::string text = good.substr(0, random() % good.size());  // truncated
    for (int k = 0; k < 40; ++k) {
      const std::size_t at = random() % (text.size() + 1);
      text.insert(at, 1, static_cast<char>(1 + random() % 255));  // no NUL: still text
    }
    WriteText(File("DAMAGED.PNL"), text);
    Panel p;
    NullHost quiet;
    PanelFileTarget t = Target(p);
    TransferPanelConfiguration(t, "DAMAGED.PNL", kPanelFileLoad, quiet);
    const int lines = p.s.DischargeList.LineCount;
    EXPECT_GE(lines, 1);
    EXPECT_LE(lines, 15);
    EXPECT_LE(PresentRotaryKinds(p.pc).count(), 10u);
  }
}

TEST(PanelFileValues, Encodings) {
  EXPECT_EQ(PanelRealText(20.5), "20.5");
  EXPECT_EQ(PanelRealText(0.1), "0.1");
  EXPECT_EQ(PanelRealText(1e300), "1e+300");
  EXPECT_EQ(PanelRealValue("0,25"), 0.25);
  EXPECT_EQ(PanelRealValue(" 7 "), 7.0);
  EXPECT_FALSE(PanelRealValue("inf"));
  EXPECT_FALSE(PanelRealValue("1.5x"));
  EXPECT_EQ(PanelIntValue("+12"), 12);
  EXPECT_EQ(PanelIntValue("-7"), -7);
  EXPECT_FALSE(PanelIntValue("99999999999"));
  EXPECT_FALSE(PanelIntValue(""));
  EXPECT_EQ(PanelSetText(0, 1, 15), ",");
  EXPECT_EQ(PanelSetText(1u << 1 | 1u << 3 | 1u << 7, 1, 15), ",1,3,7,");
  EXPECT_EQ(NumberedKey("PLATE_TOP", 7), "PLATE_TOP07");
  EXPECT_EQ(NumberedKey("CAFS_AIR_V_LEFT", 12), "CAFS_AIR_V_LEFT12");
}

}  // namespace
}  // namespace pumpdrill
