// The panel's pop-up menus as data: the check marks on a valve's present
// handle and title colours, which items each handle type enables, the
// title colours chosen and those of earlier files, the gauge titles kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "default_state.h"
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

// The checked paths of a menu, joined with " | ".
std::string CheckedText(const PopMenuEntry& menu) {
  std::string all;
  for (const std::string& path : CheckedPaths(menu)) all += (all.empty() ? "" : " | ") + path;
  return all;
}

TEST(ValveMenu, MarksThePresentTypePathTextColourAndBackground) {
  struct Case {
    int Type;
    bool Ccw;
    PanelColour Fg, Bg;
    bool Transparent;
    const char* Checked;
  };
  const Case cases[] = {
      {8, true, kColourWhite, kColourBlack, false,
       "Horizontal | Horizontal > 'Long' | Horizontal > 'Long' > Open Right | "
       "Title Foreground > White | Title Background > Black"},
      {14, false, kColourBlack, RgbColour(255, 128, 0), false,
       "Rotory | Rotory > Small | Rotory > Small > Open Clockwise | Title Foreground > Black | "
       "Title Background > Orange"},
      // The large wheel is built as the small one; the dark red "orange" of
      // earlier files and a blue text match no item.
      {15, true, RgbColour(0, 0, 255), RgbColour(128, 0, 0), false,
       "Rotory | Rotory > Small | Rotory > Small > Open Counter-Clockwise"},
      {10, false, kColourSilver, kColourSilver, false,
       "T-Handle | Title Foreground > Gray | Title Background > Gray"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CheckedText(ValvePopMenu(Valve(c.Type, c.Fg, c.Bg, c.Transparent), c.Ccw)), c.Checked)
        << c.Type;
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

}  // namespace
}  // namespace pumpdrill
