#include "panel/controls/valve_handle_tag.h"

namespace pumpdrill {

int BuiltValveHandleType(int type) {
  if (IsPushPullHandle(type) || IsLeverHandle(type) || type == kHandleElectronic ||
      type == kHandleWheel)
    return type;
  if (type == kHandleLargeWheel) return kHandleWheel;
  return kHandleShortOpenBottom;
}

std::uint32_t MakeValveHandleTag(int valve, int type, int slot) {
  const std::uint32_t wheelSlot = IsWheelHandle(type) ? static_cast<std::uint32_t>(slot) & 0xFF : 0;
  return (static_cast<std::uint32_t>(valve) & 0xFF) |
         ((static_cast<std::uint32_t>(type) & 0xFF) << 8) | (wheelSlot << 16);
}

}  // namespace pumpdrill
