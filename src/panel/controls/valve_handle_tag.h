// The kinds of valve handle a line can have on the panel and the identity
// each handle carries (ValveHandleTag): bits 0 to 7 the valve number, bits
// 8 to 15 the handle type, bits 16 to 23 the rotary-picture slot a wheel
// occupies (15 to 22, 0 for other handles).
#pragma once

#include <cstdint>

namespace pumpdrill {

// ValveHandleType codes.
enum ValveHandleTypeCode : int {
  kHandleShortOpenBottom = 1,
  kHandleShortOpenTop = 2,
  kHandleLongOpenBottom = 3,
  kHandleLongOpenTop = 4,
  kHandleShortOpenLeft = 5,
  kHandleShortOpenRight = 6,
  kHandleLongOpenLeft = 7,
  kHandleLongOpenRight = 8,
  kHandleTee = 10,         // "T_HANDLE"
  kHandleBall = 11,        // "BALL_HANDLE"
  kHandleElectronic = 12,  // "ELEC_VALVE_AKRON_PIC"
  kHandleWheel = 14,       // small rotary hand wheel
  kHandleLargeWheel = 15,  // never offered; made as a small wheel
};

// Valves that carry a handle: the discharges, tank fill, tank to pump and
// the intake.
inline constexpr int kFirstHandleValve = 1;
inline constexpr int kLastHandleValve = 18;

// Rotary-picture slots of the valve wheels.
inline constexpr int kFirstWheelSlot = 15;
inline constexpr int kLastWheelSlot = 22;

inline bool IsPushPullHandle(int type) { return type >= 1 && type <= 8; }
inline bool IsLeverHandle(int type) { return type == kHandleTee || type == kHandleBall; }
inline bool IsWheelHandle(int type) { return type == kHandleWheel || type == kHandleLargeWheel; }

// The handle a stored or chosen type is built as: 15 as the small wheel,
// any type the panel does not know as a short push-pull handle.
int BuiltValveHandleType(int type);

std::uint32_t MakeValveHandleTag(int valve, int type, int slot);
inline int TagValve(std::uint32_t tag) { return static_cast<int>(tag & 0xFF); }
inline int TagHandleType(std::uint32_t tag) { return static_cast<int>((tag >> 8) & 0xFF); }
inline int TagRotarySlot(std::uint32_t tag) { return static_cast<int>((tag >> 16) & 0xFF); }

}  // namespace pumpdrill
