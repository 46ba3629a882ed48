#include "panel/valve_pop_menu.h"

#include "panel/controls/valve_handle_tag.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

// Commands: 100 + type for a handle (the wheel opening clockwise), 200 + type
// for the wheel opening counter-clockwise, 300 + index for a text colour,
// 400 + index for a background.
constexpr int kHandleBase = 100;
constexpr int kCcwWheelBase = 200;
constexpr int kForegroundBase = 300;
constexpr int kBackgroundBase = 400;
constexpr int kBaseSpan = 100;

// Where each handle type stands in the menu.
struct HandlePath {
  int Type;
  bool Ccw;
  std::vector<std::string> Path;
};

const std::vector<HandlePath>& HandlePaths() {
  static const std::vector<HandlePath> paths = {
      {kHandleShortOpenBottom, false, {"Vertical", "'Short'", "Open Btm"}},
      {kHandleShortOpenTop, false, {"Vertical", "'Short'", "Open Top"}},
      {kHandleLongOpenBottom, false, {"Vertical", "'Long'", "Open Btm"}},
      {kHandleLongOpenTop, false, {"Vertical", "'Long'", "Open Top"}},
      {kHandleShortOpenLeft, false, {"Horizontal", "'Short'", "Open Left"}},
      {kHandleShortOpenRight, false, {"Horizontal", "'Short'", "Open Right"}},
      {kHandleLongOpenLeft, false, {"Horizontal", "'Long'", "Open Left"}},
      {kHandleLongOpenRight, false, {"Horizontal", "'Long'", "Open Right"}},
      {kHandleTee, false, {"T-Handle"}},
      {kHandleBall, false, {"Ball / Pull"}},
      {kHandleElectronic, false, {"Electronic"}},
      {kHandleWheel, true, {"Rotory", "Small", "Open Counter-Clockwise"}},
      {kHandleWheel, false, {"Rotory", "Small", "Open Clockwise"}},
  };
  return paths;
}

PopMenuEntry& SubMenu(PopMenuEntry& menu, const std::string& caption) {
  for (PopMenuEntry& e : menu.Items)
    if (e.Caption == caption && e.Command == kNoMenuCommand) return e;
  menu.Items.push_back(PopMenuEntry::Menu(caption, {}));
  return menu.Items.back();
}

// The handle types, each item checked on the path of the present one.
void AddHandleTypes(PopMenuEntry& menu, int present, bool opensCcw) {
  // The large wheel is built as the small one.
  const int shown = IsWheelHandle(present) ? kHandleWheel : present;
  for (const HandlePath& h : HandlePaths()) {
    const bool current = h.Type == shown && (h.Type != kHandleWheel || h.Ccw == opensCcw);
    PopMenuEntry* at = &menu;
    for (std::size_t i = 0; i + 1 < h.Path.size(); ++i) {
      at = &SubMenu(*at, h.Path[i]);
      if (current) at->Checked = true;
    }
    ValveMenuChoice c{ValveMenuChoice::Kind::Handle, h.Type, h.Ccw, 0};
    at->Items.push_back(PopMenuEntry::Item(h.Path.back(), ValveMenuCommand(c), true, current));
  }
  // The large wheel is not offered.
  SubMenu(menu, "Rotory").Items.push_back(PopMenuEntry::Item("Large", kNoMenuCommand, false));
}

}  // namespace

bool TakesTitleForeground(int t) {
  return IsPushPullHandle(t) || IsLeverHandle(t) || t == kHandleElectronic;
}

bool TakesTitleBackground(int t) {
  return IsPushPullHandle(t) || IsLeverHandle(t) || IsWheelHandle(t);
}

int ValveMenuCommand(const ValveMenuChoice& c) {
  using K = ValveMenuChoice::Kind;
  switch (c.What) {
    case K::Handle:
      return (c.HandleType == kHandleWheel && c.OpensCcw ? kCcwWheelBase : kHandleBase) +
             c.HandleType;
    case K::Foreground:
      return kForegroundBase + c.Colour;
    case K::Background:
      return kBackgroundBase + c.Colour;
    case K::None:
      break;
  }
  return kNoMenuCommand;
}

ValveMenuChoice DecodeValveMenuCommand(int command) {
  using K = ValveMenuChoice::Kind;
  const int base = command / kBaseSpan * kBaseSpan, value = command % kBaseSpan;
  ValveMenuChoice c;
  if (command < 0) return c;
  if (base == kHandleBase || base == kCcwWheelBase) {
    for (const HandlePath& h : HandlePaths())
      if (h.Type == value && h.Ccw == (base == kCcwWheelBase)) return {K::Handle, value, h.Ccw, 0};
  } else if (base == kForegroundBase && value < static_cast<int>(kTitleForegrounds.size())) {
    return {K::Foreground, 0, false, value};
  } else if (base == kBackgroundBase && value < static_cast<int>(kTitleBackgrounds.size())) {
    return {K::Background, 0, false, value};
  }
  return c;
}

PopMenuEntry ValvePopMenu(const ValvePlace& v, bool opensCcw) {
  using K = ValveMenuChoice::Kind;
  PopMenuEntry menu;
  AddHandleTypes(menu, v.HandleType, opensCcw);
  menu.Items.push_back(PopMenuEntry::Line());

  const bool fg = TakesTitleForeground(v.HandleType), bg = TakesTitleBackground(v.HandleType);
  PopMenuEntry fore = PopMenuEntry::Menu("Title Foreground", {});
  for (int i = 0; i < static_cast<int>(kTitleForegrounds.size()); ++i) {
    const TitleColourChoice& c = kTitleForegrounds[i];
    fore.Items.push_back(PopMenuEntry::Item(c.Caption,
                                            ValveMenuCommand({K::Foreground, 0, false, i}), fg,
                                            v.TitleForeground == c.Colour));
  }
  PopMenuEntry back = PopMenuEntry::Menu("Title Background", {});
  for (int i = 0; i < static_cast<int>(kTitleBackgrounds.size()); ++i) {
    const TitleColourChoice& c = kTitleBackgrounds[i];
    const bool present =
        c.Transparent ? v.TitleTransparent : !v.TitleTransparent && v.TitleBackground == c.Colour;
    back.Items.push_back(
        PopMenuEntry::Item(c.Caption, ValveMenuCommand({K::Background, 0, false, i}), bg, present));
  }
  menu.Items.push_back(std::move(fore));
  menu.Items.push_back(std::move(back));
  return menu;
}

bool ApplyTitleColour(ValvePlace& v, const ValveMenuChoice& c) {
  using K = ValveMenuChoice::Kind;
  const ValvePlace before = v;
  if (c.What == K::Foreground && TakesTitleForeground(v.HandleType)) {
    v.TitleForeground = kTitleForegrounds[c.Colour].Colour;
  } else if (c.What == K::Background && TakesTitleBackground(v.HandleType)) {
    const TitleColourChoice& b = kTitleBackgrounds[c.Colour];
    if (!b.Transparent) v.TitleBackground = b.Colour;
    v.TitleTransparent = b.Transparent;
  }
  return v.TitleForeground != before.TitleForeground ||
         v.TitleBackground != before.TitleBackground ||
         v.TitleTransparent != before.TitleTransparent;
}

int PrepareValveHandle(State& s, int valve, const ValveMenuChoice& c) {
  if (c.What != ValveMenuChoice::Kind::Handle) return 0;
  if (c.HandleType == kHandleWheel && valve >= kFirstHandleValve && valve <= kLastHandleValve)
    s.DischargeList.RotaryOpensCCW[valve] = c.OpensCcw ? 1 : 0;
  return c.HandleType;
}

}  // namespace pumpdrill
