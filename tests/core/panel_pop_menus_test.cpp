// The panel's pop-up menus as data: the check marks on a valve's present
// handle and title colours, which items each handle type enables, the
// title colours chosen, the gauge menu's rename text and face colour, and
// the temperature and oil gauge menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "default_state.h"
#include "panel/controls/valve_handle_tag.h"
#include "panel/file/panel_file.h"
#include "panel/gauge_pop_menu.h"
#include "panel/valve_pop_menu.h"
#include "recording_host.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

using Kind = ValveMenuChoice::Kind;
using Paths = std::vector<std::string>;

const PopMenuEntry& At(const PopMenuEntry& menu, const Paths& path) {
  const PopMenuEntry* e = FindEntry(menu, path);
  EXPECT_NE(e, nullptr) << path.back();
  static const PopMenuEntry none;
  return e ? *e : none;
}

ValvePlace Valve(int type, PanelColour fg = kColourBlack, PanelColour bg = kColourSilver,
                 bool transparent = true) {
  ValvePlace v;
  v.HandleType = type;
  v.TitleForeground = fg;
  v.TitleBackground = bg;
  v.TitleTransparent = transparent;
  return v;
}

struct CheckCase {
  int Type;
  bool Ccw;
  PanelColour Fg, Bg;
  bool Transparent;
  Paths Checked;
};

class ValveMenuChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ValveMenuChecks, MarkThePresentTypePathTextColourAndBackground) {
  const CheckCase& c = GetParam();
  EXPECT_EQ(CheckedPaths(ValvePopMenu(Valve(c.Type, c.Fg, c.Bg, c.Transparent), c.Ccw)), c.Checked);
}

INSTANTIATE_TEST_SUITE_P(
    ByHandle, ValveMenuChecks,
    ::testing::Values(
        CheckCase{1,
                  false,
                  kColourBlack,
                  kColourSilver,
                  true,
                  {"Vertical", "Vertical > 'Short'", "Vertical > 'Short' > Open Btm",
                   "Title Foreground > Black", "Title Background > Transparent"}},
        CheckCase{8,
                  true,
                  kColourWhite,
                  kColourBlack,
                  false,
                  {"Horizontal", "Horizontal > 'Long'", "Horizontal > 'Long' > Open Right",
                   "Title Foreground > White", "Title Background > Black"}},
        CheckCase{14,
                  true,
                  kColourSilver,
                  kColourWhite,
                  false,
                  {"Rotory", "Rotory > Small", "Rotory > Small > Open Counter-Clockwise",
                   "Title Foreground > Gray", "Title Background > White"}},
        CheckCase{14,
                  false,
                  kColourBlack,
                  RgbColour(255, 128, 0),
                  false,
                  {"Rotory", "Rotory > Small", "Rotory > Small > Open Clockwise",
                   "Title Foreground > Black", "Title Background > Orange"}},
        // The large wheel is built as the small one; the old dark-red
        // "orange" of earlier files and a blue text match no item.
        CheckCase{15,
                  false,
                  RgbColour(0, 0, 255),
                  RgbColour(128, 0, 0),
                  false,
                  {"Rotory", "Rotory > Small", "Rotory > Small > Open Clockwise"}},
        CheckCase{10,
                  false,
                  kColourBlack,
                  kColourSilver,
                  false,
                  {"T-Handle", "Title Foreground > Black", "Title Background > Gray"}},
        CheckCase{12,
                  false,
                  kColourWhite,
                  kColourSilver,
                  true,
                  {"Electronic", "Title Foreground > White", "Title Background > Transparent"}}));

TEST(ValveMenu, OffersEveryHandleTypeOnItsPathAndTheLargeWheelDisabled) {
  const PopMenuEntry menu = ValvePopMenu(Valve(1), false);
  Paths top;
  for (const PopMenuEntry& e : menu.Items) top.push_back(e.Separator ? "-" : e.Caption);
  EXPECT_EQ(top, (Paths{"Vertical", "Horizontal", "T-Handle", "Ball / Pull", "Electronic", "Rotory",
                        "-", "Title Foreground", "Title Background"}));
  struct Offered {
    Paths Path;
    int Type;
    bool Ccw;
  };
  const Offered offered[] = {
      {{"Vertical", "'Short'", "Open Btm"}, 1, false},
      {{"Vertical", "'Short'", "Open Top"}, 2, false},
      {{"Vertical", "'Long'", "Open Btm"}, 3, false},
      {{"Vertical", "'Long'", "Open Top"}, 4, false},
      {{"Horizontal", "'Short'", "Open Left"}, 5, false},
      {{"Horizontal", "'Short'", "Open Right"}, 6, false},
      {{"Horizontal", "'Long'", "Open Left"}, 7, false},
      {{"Horizontal", "'Long'", "Open Right"}, 8, false},
      {{"T-Handle"}, 10, false},
      {{"Ball / Pull"}, 11, false},
      {{"Electronic"}, 12, false},
      {{"Rotory", "Small", "Open Counter-Clockwise"}, 14, true},
      {{"Rotory", "Small", "Open Clockwise"}, 14, false},
  };
  for (const Offered& o : offered) {
    const PopMenuEntry& e = At(menu, o.Path);
    const ValveMenuChoice c = DecodeValveMenuCommand(e.Command);
    EXPECT_EQ(c.What, Kind::Handle) << o.Path.back();
    EXPECT_EQ(c.HandleType, o.Type) << o.Path.back();
    EXPECT_EQ(c.OpensCcw, o.Ccw) << o.Path.back();
    EXPECT_TRUE(e.Enabled);
  }
  const PopMenuEntry& large = At(menu, {"Rotory", "Large"});
  EXPECT_FALSE(large.Enabled);
  EXPECT_EQ(DecodeValveMenuCommand(large.Command).What, Kind::None);
  // Foreground without Transparent.
  EXPECT_EQ(At(menu, {"Title Foreground"}).Items.size(), 3u);
  EXPECT_EQ(FindEntry(menu, {"Title Foreground", "Transparent"}), nullptr);
}

TEST(ValveMenu, TitleColoursEnabledOnlyForTheTypesThatTakeThem) {
  struct Enabling {
    int Type;
    bool Fg, Bg;
  };
  const Enabling table[] = {{1, true, true},   {4, true, true},    {5, true, true},
                            {8, true, true},   {10, true, true},   {11, true, true},
                            {12, true, false}, {14, false, true},  {15, false, true},
                            {9, false, false}, {13, false, false}, {0, false, false}};
  for (const Enabling& t : table) {
    const PopMenuEntry menu = ValvePopMenu(Valve(t.Type), false);
    for (const PopMenuEntry& e : At(menu, {"Title Foreground"}).Items)
      EXPECT_EQ(e.Enabled, t.Fg) << t.Type << " " << e.Caption;
    for (const PopMenuEntry& e : At(menu, {"Title Background"}).Items)
      EXPECT_EQ(e.Enabled, t.Bg) << t.Type << " " << e.Caption;
    // What is disabled does nothing either.
    ValvePlace v = Valve(t.Type, kColourBlack, kColourSilver, true);
    EXPECT_EQ(ApplyTitleColour(v, {Kind::Foreground, 0, false, 2}), t.Fg) << t.Type;
    EXPECT_EQ(ApplyTitleColour(v, {Kind::Background, 0, false, 4}), t.Bg) << t.Type;
  }
}

TEST(ValveMenu, BackgroundsAndTheirColours) {
  struct Colour {
    const char* Caption;
    int R, G, B;
    bool Transparent;
  };
  const Colour table[] = {{"Black", 0, 0, 0, false},       {"Gray", 192, 192, 192, false},
                          {"White", 255, 255, 255, false}, {"Transparent", 255, 255, 255, true},
                          {"Red", 255, 0, 0, false},       {"Orange", 255, 128, 0, false},
                          {"Yellow", 255, 255, 0, false},  {"Green", 0, 128, 0, false},
                          {"Blue", 0, 0, 255, false},      {"Purple", 128, 0, 128, false}};
  const PopMenuEntry menu = ValvePopMenu(Valve(1), false);
  const std::vector<PopMenuEntry>& items = At(menu, {"Title Background"}).Items;
  ASSERT_EQ(items.size(), std::size(table));
  // Each applied in turn to a title that starts blue and transparent:
  // Transparent keeps the colour, every other makes the title opaque.
  ValvePlace v = Valve(1, kColourBlack, RgbColour(0, 0, 255), true);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const Colour& c = table[i];
    EXPECT_EQ(items[i].Caption, c.Caption);
    const ValveMenuChoice choice = DecodeValveMenuCommand(items[i].Command);
    ASSERT_EQ(choice.What, Kind::Background);
    ApplyTitleColour(v, choice);
    EXPECT_EQ(v.TitleBackground, RgbColour(c.R, c.G, c.B)) << c.Caption;
    EXPECT_EQ(v.TitleTransparent, c.Transparent) << c.Caption;
    EXPECT_EQ(v.TitleForeground, kColourBlack);
    // The menu opened now marks the colour just chosen.
    EXPECT_EQ(CheckedPaths(ValvePopMenu(v, false)).back(),
              std::string("Title Background > ") + c.Caption);
  }
  // The foreground: silver is (192, 192, 192); the background stays.
  const ValveMenuChoice gray =
      DecodeValveMenuCommand(At(menu, {"Title Foreground", "Gray"}).Command);
  EXPECT_TRUE(ApplyTitleColour(v, gray));
  EXPECT_EQ(v.TitleForeground, RgbColour(192, 192, 192));
  EXPECT_EQ(v.TitleBackground, RgbColour(128, 0, 128));
  EXPECT_FALSE(ApplyTitleColour(v, gray));  // nothing new
}

TEST(ValveMenu, CommandsOutsideTheMenuChooseNothing) {
  for (int command : {0, -5, 9, 100, 109, 113, 115, 201, 303, 410, 999, 100000})
    EXPECT_EQ(DecodeValveMenuCommand(command).What, Kind::None) << command;
}

TEST(ValveMenu, TheWheelsTurningSenseIsStoredBeforeItIsBuilt) {
  auto state = testing::MakeDefaultState();
  State& s = *state;
  s.DischargeList.RotaryOpensCCW[4] = 0;
  EXPECT_EQ(PrepareValveHandle(s, 4, {Kind::Handle, kHandleWheel, true, 0}), kHandleWheel);
  EXPECT_EQ(s.DischargeList.RotaryOpensCCW[4], 1);
  EXPECT_EQ(PrepareValveHandle(s, 4, {Kind::Handle, kHandleWheel, false, 0}), kHandleWheel);
  EXPECT_EQ(s.DischargeList.RotaryOpensCCW[4], 0);
  // Other handles leave the sense; colours choose no handle.
  s.DischargeList.RotaryOpensCCW[4] = 1;
  EXPECT_EQ(PrepareValveHandle(s, 4, {Kind::Handle, kHandleTee, false, 0}), kHandleTee);
  EXPECT_EQ(PrepareValveHandle(s, 4, {Kind::Background, 0, false, 1}), 0);
  EXPECT_EQ(s.DischargeList.RotaryOpensCCW[4], 1);
}

TEST(ValveMenu, ColoursOfAnEarlierFileLoadAsTheyAre) {
  // An earlier program wrote (128, 0, 0) for Orange: it stays that colour.
  testing::ScratchDir dir;
  testing::WriteText(dir / "OLD.PNL",
                     "[VALVE HANDLE2]\nTYPE=1\nLABEL BG=128\nLABEL BG TRANSP=0\nLABEL FG=0\n");
  auto state = testing::MakeDefaultState();
  PanelLayout layout = DefaultPanelLayout();
  PanelControls pc;
  RecordingHost host;
  PanelFileTarget t{*state, layout, pc, dir.path().string() + "/", {}};
  ASSERT_TRUE(TransferPanelConfiguration(t, "OLD.PNL", kPanelFileLoad, host).Done);
  EXPECT_EQ(layout.Valves[2].TitleBackground, RgbColour(128, 0, 0));
  EXPECT_FALSE(layout.Valves[2].TitleTransparent);
  for (const std::string& path : CheckedPaths(ValvePopMenu(layout.Valves[2], false)))
    EXPECT_EQ(path.find("Title Background"), std::string::npos) << path;
}

TEST(GaugeMenu, RenameTextColourChecksAndSize) {
  auto state = testing::MakeDefaultState();
  State& s = *state;
  PanelLayout layout = DefaultPanelLayout();
  s.DischargeList.LineTitle[3] = "Crosslay 2";
  s.DischargeList.LineTitle[kMasterLine] = "Pump";
  layout.FaceColour[3] = kFaceWhite;
  layout.FaceColour[kMasterGauge] = 7;  // counts as black
  struct Case {
    int Gauge;
    std::string Rename;
    Paths Checked;
  };
  const Case cases[] = {
      {3, "Rename:  Crosslay 2  (# 3)", {"Color > White Background"}},
      {kMasterGauge, "Rename:  Pump  (# 19)", {"Color > Black Background"}},
  };
  for (const Case& c : cases) {
    const PopMenuEntry menu = GaugePopMenu(layout, s, c.Gauge);
    ASSERT_EQ(menu.Items.size(), 3u);
    EXPECT_EQ(menu.Items[0].Caption, c.Rename);
    EXPECT_EQ(menu.Items[0].Command, kGaugeRenameCommand);
    EXPECT_EQ(CheckedPaths(menu), c.Checked);
    EXPECT_EQ(menu.Items[2].Caption, "Size");
    EXPECT_FALSE(menu.Items[2].Enabled);
  }
  EXPECT_EQ(FaceColourOfCommand(kGaugeBlackFaceCommand), kFaceBlack);
  EXPECT_EQ(FaceColourOfCommand(kGaugeWhiteFaceCommand), kFaceWhite);
  EXPECT_EQ(FaceColourOfCommand(kGaugeRenameCommand), 0);
}

TEST(GaugeMenu, TitlesKeepAtMost255BytesAndWholeCharacters) {
  auto state = testing::MakeDefaultState();
  State& s = *state;
  struct Case {
    int Gauge;
    std::string Typed, Kept;
  };
  const std::string a254(254, 'a');
  const Case cases[] = {
      {5, "Bumper line", "Bumper line"},
      {kIntakeGauge, std::string(300, 'x'), std::string(255, 'x')},
      {7, a254 + "\xC3\xA9", a254},  // "é" would be cut in half
      {9, "", ""},
  };
  for (const Case& c : cases) {
    StoreGaugeTitle(s, c.Gauge, c.Typed);
    EXPECT_EQ(s.DischargeList.LineTitle[c.Gauge].str(), c.Kept);
    EXPECT_EQ(GaugeTitle(s, c.Gauge), c.Kept);
  }
  // Gauges without a title change nothing.
  const std::string before = s.DischargeList.LineTitle[16].str();
  StoreGaugeTitle(s, 16, "x");
  StoreGaugeTitle(s, kEngTempGauge, "x");
  EXPECT_EQ(s.DischargeList.LineTitle[16].str(), before);
}

TEST(TmpOilGaugeMenu, LampTogglesAndVisibleTakesGaugeAndLampOff) {
  PanelLayout layout = DefaultPanelLayout();
  for (int gauge : {kEngTempGauge, kOilPressGauge, kPumpOilGauge}) {
    PanelPlace& g = layout.Item(EngineGaugeItem(gauge));
    PanelPlace& lamp = layout.Item(EngineGaugeLamp(gauge));
    g.Visible = lamp.Visible = true;
    const PanelPlace placed = lamp;
    auto checks = [&] { return CheckedPaths(TmpOilGaugePopMenu(layout, gauge)); };
    EXPECT_EQ(checks(), (Paths{"Show Indicator Lt", "Visible"})) << gauge;
    EXPECT_TRUE(ApplyTmpOilCommand(layout, gauge, kShowGaugeLampCommand));
    EXPECT_FALSE(lamp.Visible);
    EXPECT_EQ(checks(), (Paths{"Visible"}));
    EXPECT_TRUE(ApplyTmpOilCommand(layout, gauge, kShowGaugeLampCommand));
    EXPECT_TRUE(lamp.Visible);
    EXPECT_EQ(lamp.Left, placed.Left);  // back where it stood
    EXPECT_EQ(lamp.Top, placed.Top);
    EXPECT_TRUE(ApplyTmpOilCommand(layout, gauge, kGaugeVisibleCommand));
    EXPECT_FALSE(g.Visible);
    EXPECT_FALSE(lamp.Visible);
    EXPECT_FALSE(ApplyTmpOilCommand(layout, gauge, kGaugeVisibleCommand));
  }
  EXPECT_FALSE(HasTmpOilMenu(3));
  EXPECT_FALSE(ApplyTmpOilCommand(layout, kMasterGauge, kShowGaugeLampCommand));
}

}  // namespace
}  // namespace pumpdrill
