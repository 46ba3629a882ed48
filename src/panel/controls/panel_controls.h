// The panel's working controls as a whole: which rotary controls stand on
// the panel (at most one of each kind), which rotary-picture slot each
// valve wheel occupies, and the building and replacing of handles,
// throttles and pressure controls. The window owns one PanelControls next
// to its PanelLayout; the layout keeps what a panel file stores (handle
// types, places), this keeps what the controls work with.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

#include "panel/controls/class1_governor.h"
#include "panel/controls/electronic2_governor.h"
#include "panel/controls/electronic_throttle.h"
#include "panel/controls/electronic_valve.h"
#include "panel/controls/flowmeter_selector.h"
#include "panel/controls/foam_controls.h"
#include "panel/controls/lever_handle.h"
#include "panel/controls/push_pull.h"
#include "panel/controls/rotary_control.h"
#include "panel/controls/transfer_valve.h"
#include "panel/controls/valve_handle_tag.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;
struct PanelLayout;

struct ControlSize {
  int Width = 0;
  int Height = 0;
};

// ThrottleStyle and PressureControlStyle values for "none".
inline constexpr int kNoThrottleStyle = 25;
inline constexpr int kNoPressureControlStyle = 24;
// What a menu code for none (or any code not offered) stands for.
inline constexpr int kNoneMenuKind = 23;

struct PanelControls {
  std::array<std::optional<RotaryControl>, kRotaryKindSlots> Rotary{};  // by kind 1..22
  std::array<int, kLastHandleValve + 1> WheelSlot{};                    // valve 1..18: 15..22, or 0
  // The pictures' sizes by kind, as the window's pictures have them.
  std::array<ControlSize, kRotaryKindSlots> PictureSize = DefaultRotaryPictureSizes();

  // What the mouse or the keys hold between a press and its release (one
  // control at a time) and what goes on after it.
  PushPullDrag PushPull;
  LeverDrag Lever;
  ElectronicValveHold ElectronicValve;
  ElectronicThrottleHold ElectronicThrottle;
  Class1Hold Class1;
  Gov2Hold Gov2;
  TransferSwitch Transfer;
  FlowmeterDial Flowmeter;
  FoamDrag Foam;  // the foam and compressed-air controls

  static std::array<ControlSize, kRotaryKindSlots> DefaultRotaryPictureSizes();
  RotaryControl* Find(int kind) {
    return kind > 0 && kind < kRotaryKindSlots && Rotary[kind] ? &*Rotary[kind] : nullptr;
  }
};

// The kinds on the panel.
std::bitset<kRotaryKindSlots> PresentRotaryKinds(const PanelControls& pc);

// The handle identity of valve n as its type and wheel slot give it.
std::uint32_t ValveHandleTag(const PanelControls& pc, const PanelLayout& layout, int valve);

// Removes the kind's control; unless removeOnly, builds a new one at
// (left, top) from the state. Kinds the panel cannot build are refused
// with "Could not find valve init index for valve# " and the number.
// Returns whether a control now stands there.
bool PlaceRotaryControl(PanelControls& pc, PanelLayout& layout, const State& s, int kind, int left,
                        int top, bool removeOnly, Host& host);

// The throttle and pressure control the state names, at the layout's
// places, as a panel starts; a state that names none gets the Pierce
// throttle and, by its pressure control mode, the Waterous relief valve or
// the Class1 governor. The state's styles follow.
void PlaceStartingControls(PanelControls& pc, PanelLayout& layout, State& s, Host& host);

// Before a panel file is read: every rotary control goes, and the wheels
// give up their slots (their handles become short push-pull handles until
// the file gives each valve its handle again).
void RemoveRotaryControls(PanelControls& pc, PanelLayout& layout);

// Gives valve n a handle of `type` at its handle's place (its title stays).
// 15 is built as 14 and unknown types as 1. A wheel takes the lowest free
// slot of 15 to 22; with none free "Could not get free rotory valve index."
// is shown and the valve keeps the handle it had. Returns whether the
// valve got the type.
bool SetValveHandleType(PanelControls& pc, PanelLayout& layout, const State& s, int valve, int type,
                        Host& host);

// The kind a Panel Design menu code stands for (23 for none).
int MenuCodeKind(int code);

// The throttle of a menu code in place of the present one, where that one
// stood ((10, 5) when there was none); ThrottleStyle follows.
void SelectThrottle(PanelControls& pc, PanelLayout& layout, State& s, int code, Host& host);

// The relief valve or governor of a menu code, or none, in place of every
// pressure control on the panel, at (10, 5); PressureControlStyle and
// PumpControl.PressureControlMode follow.
void SelectPressureControl(PanelControls& pc, PanelLayout& layout, State& s, int code, Host& host);

// Builds the pressure control of a style (1, 2, 8, 10; anything else for
// none) at (left, top) as a panel file or the menu asks: the relief valve's
// switch on for the Hale valve, off for the Waterous; none removes every
// pressure control. PressureControlStyle and the mode follow.
void ApplyPressureControlStyle(PanelControls& pc, PanelLayout& layout, State& s, int style,
                               int left, int top, Host& host);

// Whether the relief valve lamps are shown (a relief valve on the panel).
bool ReliefLampsShown(const State& s);

}  // namespace pumpdrill
