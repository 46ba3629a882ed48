#include "panel/controls/panel_controls.h"

#include <string>

#include "panel/controls/relief_setting.h"
#include "panel/panel_layout.h"
#include "sim/pressure_control.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

constexpr int kDefaultLeft = 10;
constexpr int kDefaultTop = 5;

PanelPlace* LayoutPlaceOf(PanelLayout& layout, int kind) {
  if (IsThrottleKind(kind)) return &layout.Item(PanelItem::Throttle);
  if (IsPressureControlKind(kind)) return &layout.Item(PanelItem::PressureControl);
  return nullptr;
}

// The valve whose wheel occupies a slot, 0 when none.
int WheelValve(const PanelControls& pc, int slot) {
  for (int v = kFirstHandleValve; v <= kLastHandleValve; ++v) {
    if (pc.WheelSlot[v] == slot) return v;
  }
  return 0;
}

int FreeWheelSlot(const PanelControls& pc) {
  for (int slot = kFirstWheelSlot; slot <= kLastWheelSlot; ++slot) {
    if (WheelValve(pc, slot) == 0) return slot;
  }
  return 0;
}

void ReleaseWheel(PanelControls& pc, int valve) {
  const int slot = pc.WheelSlot[valve];
  if (slot != 0) pc.Rotary[slot].reset();
  pc.WheelSlot[valve] = 0;
}

// Styles and mode from what stands on the panel.
void UpdateThrottleStyle(PanelControls& pc, State& s) {
  const auto present = PresentRotaryKinds(pc);
  int style = kNoThrottleStyle;
  for (int k : {kRotaryPierceThrottle, kRotaryHaleThrottle, kRotaryElectronicThrottle}) {
    if (present[k]) style = k;
  }
  s.DischargeList.ThrottleStyle = static_cast<Byte>(style);
}

void UpdatePressureControlStyle(PanelControls& pc, State& s) {
  const auto present = PresentRotaryKinds(pc);
  int style = kNoPressureControlStyle;
  for (int k : {kRotaryWaterousRelief, kRotaryHaleRelief, kRotaryClass1Governor,
                kRotaryElectronic2Governor}) {
    if (present[k]) style = k;
  }
  s.DischargeList.PressureControlStyle = static_cast<Byte>(style);
  s.PumpControl.PressureControlMode = IsReliefKind(style)     ? kReliefValve
                                      : IsGovernorKind(style) ? kGovernor
                                                              : kNoPressureControl;
}

void RemovePressureControls(PanelControls& pc, PanelLayout& layout, const State& s, Host& host) {
  for (int k = 1; k <= kRotaryClass1Governor; ++k) {
    if (IsPressureControlKind(k)) PlaceRotaryControl(pc, layout, s, k, 0, 0, true, host);
  }
}

}  // namespace

std::array<ControlSize, kRotaryKindSlots> PanelControls::DefaultRotaryPictureSizes() {
  std::array<ControlSize, kRotaryKindSlots> sizes{};
  sizes[kRotaryWaterousRelief] = {60, 80};
  sizes[kRotaryHaleRelief] = {60, 60};
  sizes[kRotaryPierceThrottle] = {54, 80};
  sizes[kRotaryHaleThrottle] = {60, 60};
  sizes[kRotaryElectronicThrottle] = {80, 60};
  sizes[kRotaryElectronic2Governor] = {64, 124};
  sizes[kRotaryClass1Governor] = {75, 62};
  for (int k = kRotaryFirstWheel; k <= kRotaryLastWheel; ++k) sizes[k] = {50, 50};
  return sizes;
}

std::bitset<kRotaryKindSlots> PresentRotaryKinds(const PanelControls& pc) {
  std::bitset<kRotaryKindSlots> present;
  for (int k = 1; k < kRotaryKindSlots; ++k) present[k] = pc.Rotary[k].has_value();
  return present;
}

std::uint32_t ValveHandleTag(const PanelControls& pc, const PanelLayout& layout, int valve) {
  if (valve < kFirstHandleValve || valve > kLastHandleValve) return 0;
  return MakeValveHandleTag(valve, layout.Valves[valve].HandleType, pc.WheelSlot[valve]);
}

bool PlaceRotaryControl(PanelControls& pc, PanelLayout& layout, const State& s, int kind, int left,
                        int top, bool removeOnly, Host& host) {
  if (!IsBuildableRotaryKind(kind)) {
    if (!removeOnly) {
      host.Message(MsgType::Error, Buttons::Ok,
                   "Could not find valve init index for valve# " + std::to_string(kind));
    }
    if (kind > 0 && kind < kRotaryKindSlots) pc.Rotary[kind].reset();
    return false;
  }
  pc.Rotary[kind].reset();
  PanelPlace* place = LayoutPlaceOf(layout, kind);
  if (removeOnly) {
    if (place) place->Visible = false;
    return false;
  }
  const int valve = IsWheelKind(kind) ? WheelValve(pc, kind) : 0;
  const bool ccw = valve != 0 && s.DischargeList.RotaryOpensCCW[valve] != 0;
  const ControlSize size = pc.PictureSize[kind];
  pc.Rotary[kind] = MakeRotaryControl(s, kind, left, top, size.Width, size.Height, valve, ccw);
  if (place) *place = PanelPlace{left, top, size.Width, size.Height, true};
  return true;
}

void RemoveRotaryControls(PanelControls& pc, PanelLayout& layout) {
  for (auto& rc : pc.Rotary) rc.reset();
  for (int v = kFirstHandleValve; v <= kLastHandleValve; ++v) {
    if (pc.WheelSlot[v] != 0 || IsWheelHandle(layout.Valves[v].HandleType)) {
      layout.Valves[v].HandleType = kHandleShortOpenBottom;
    }
    pc.WheelSlot[v] = 0;
  }
  layout.Item(PanelItem::Throttle).Visible = false;
  layout.Item(PanelItem::PressureControl).Visible = false;
}

bool SetValveHandleType(PanelControls& pc, PanelLayout& layout, const State& s, int valve, int type,
                        Host& host) {
  if (valve < kFirstHandleValve || valve > kLastHandleValve) return false;
  const int built = BuiltValveHandleType(type);
  ValvePlace& vp = layout.Valves[valve];
  if (built == kHandleWheel) {
    int slot = pc.WheelSlot[valve];
    if (slot == 0) slot = FreeWheelSlot(pc);
    if (slot == 0) {
      host.Message(MsgType::Warning, Buttons::Ok, "Could not get free rotory valve index.");
      // A wheel that lost its slot is no control: it becomes the plain handle.
      if (IsWheelHandle(vp.HandleType)) vp.HandleType = kHandleShortOpenBottom;
      return false;
    }
    pc.WheelSlot[valve] = slot;
    vp.HandleType = built;
    PlaceRotaryControl(pc, layout, s, slot, vp.Handle.Left, vp.Handle.Top, false, host);
    const ControlSize size = pc.PictureSize[slot];
    vp.Handle.Width = size.Width;
    vp.Handle.Height = size.Height;
    return true;
  }
  ReleaseWheel(pc, valve);
  vp.HandleType = built;
  return true;
}

int MenuCodeKind(int code) {
  switch (code) {
    case 60:
      return kRotaryWaterousRelief;
    case 61:
      return kRotaryHaleRelief;
    case 65:
      return kRotaryFrcGovernor;
    case 66:
      return kRotaryElectronic2Governor;
    case 68:
      return kRotaryClass1Governor;
    case 70:
      return kRotaryPierceThrottle;
    case 71:
      return kRotaryHaleThrottle;
    case 72:
      return kRotaryElectronicThrottle;
    default:
      return kNoneMenuKind;
  }
}

void SelectThrottle(PanelControls& pc, PanelLayout& layout, State& s, int code, Host& host) {
  int left = kDefaultLeft;
  int top = kDefaultTop;
  for (int k : {kRotaryPierceThrottle, kRotaryHaleThrottle, kRotaryElectronicThrottle}) {
    if (const RotaryControl* old = pc.Find(k)) {
      left = old->Left;
      top = old->Top;
    }
    PlaceRotaryControl(pc, layout, s, k, 0, 0, true, host);
  }
  const int kind = MenuCodeKind(code);
  if (IsThrottleKind(kind)) PlaceRotaryControl(pc, layout, s, kind, left, top, false, host);
  UpdateThrottleStyle(pc, s);
}

void ApplyPressureControlStyle(PanelControls& pc, PanelLayout& layout, State& s, int style,
                               int left, int top, Host& host) {
  if (left < 1) {
    left = kDefaultLeft;
    top = kDefaultTop;
  }
  RemovePressureControls(pc, layout, s, host);
  if (IsReliefKind(style)) {
    SetReliefSwitch(s, style == kRotaryHaleRelief);
    PlaceRotaryControl(pc, layout, s, style, left, top, false, host);
  } else if (IsGovernorKind(style)) {
    PlaceRotaryControl(pc, layout, s, style, left, top, false, host);
  }
  UpdatePressureControlStyle(pc, s);
}

void SelectPressureControl(PanelControls& pc, PanelLayout& layout, State& s, int code, Host& host) {
  ApplyPressureControlStyle(pc, layout, s, MenuCodeKind(code), kDefaultLeft, kDefaultTop, host);
}

bool ReliefLampsShown(const State& s) { return IsReliefKind(s.DischargeList.PressureControlStyle); }

void PlaceStartingControls(PanelControls& pc, PanelLayout& layout, State& s, Host& host) {
  int throttle = s.DischargeList.ThrottleStyle;
  if (!IsThrottleKind(throttle)) throttle = kRotaryPierceThrottle;
  const PanelPlace t = layout.Item(PanelItem::Throttle);
  PlaceRotaryControl(pc, layout, s, throttle, t.Left, t.Top, false, host);
  s.DischargeList.ThrottleStyle = static_cast<Byte>(throttle);

  int pressure = s.DischargeList.PressureControlStyle;
  if (pressure != kNoPressureControlStyle &&
      (!IsPressureControlKind(pressure) || pressure == kRotaryFrcGovernor)) {
    pressure = s.PumpControl.PressureControlMode == kGovernor            ? kRotaryClass1Governor
               : s.PumpControl.PressureControlMode == kNoPressureControl ? kNoPressureControlStyle
                                                                         : kRotaryWaterousRelief;
  }
  const PanelPlace place = layout.Item(PanelItem::PressureControl);
  if (pressure == kNoPressureControlStyle) {
    layout.Item(PanelItem::PressureControl).Visible = false;
  } else {
    PlaceRotaryControl(pc, layout, s, pressure, place.Left, place.Top, false, host);
  }
  s.DischargeList.PressureControlStyle = static_cast<Byte>(pressure);
}

}  // namespace pumpdrill
