// The names the panel looks its pictures up by. The Part's own names come
// first; the pictures the panel once drew itself are ours.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace pumpdrill {

// Read when the window is created.
inline const std::vector<std::string>& CreationPictureNames() {
  static const std::vector<std::string> names = {
      "RV_SW_ON",       "RV_SW_OFF",      "GRN_LIGHT_PIC", "RED_LIGHT_PIC",   "DARK_LIGHT_PIC",
      "SM_RED_LIGHT_PIC", "SM_GRN_LIGHT_PIC", "SM_OFF_LIGHT_PIC", "PRIMER_OFF", "PRIMER_ON",
      "ENG_COOLER_OFF", "ENG_COOLER_ON",  "TOGGLE_UP",     "TOGGLE_MID",      "TOGGLE_DN",
      "TOGGLE_RT",      "TOGGLE_VT",      "TOGGLE_LF",     "T_HANDLE",
  };
  return names;
}

// Ours: the pictures of the items the panel used to draw at design time.
inline constexpr const char* kTachometerPicture = "PANEL_TACHOMETER";
inline constexpr const char* kFlowmeterPicture = "PANEL_FLOWMETER";
inline constexpr const char* kTankLampsPicture = "PANEL_TANK_LIGHTS";
inline constexpr const char* kReliefLampsPicture = "PANEL_RELIEF_LIGHTS";
inline constexpr const char* kTransferValvePicture = "PANEL_TRANSFER_VALVE";
inline constexpr const char* kPrimerBackPicture = "PANEL_PRIMER_BACK";
inline constexpr const char* kUpperBarPicture = "PANEL_BAR_UPPER";
inline constexpr const char* kLowerBarPicture = "PANEL_BAR_LOWER";
inline constexpr const char* kCheckTransmissionPicture = "PANEL_CHECK_XMISSION";
inline constexpr const char* kCheckEnginePicture = "PANEL_CHECK_ENGINE";
inline constexpr const char* kStopEnginePicture = "PANEL_STOP_ENGINE";

// The warning lamps lit and dark: the lamp's picture, "_LIT" or "_DARK".
inline std::string WarningLampPicture(const char* lamp, bool lit) {
  return std::string(lamp) + (lit ? "_LIT" : "_DARK");
}

inline const std::vector<std::string>& OurPictureNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n = {kTachometerPicture,   kFlowmeterPicture,  kTankLampsPicture,
                                  kReliefLampsPicture,  kTransferValvePicture, kPrimerBackPicture,
                                  kUpperBarPicture,     kLowerBarPicture};
    for (const char* lamp : {kCheckTransmissionPicture, kCheckEnginePicture, kStopEnginePicture})
      for (bool lit : {false, true}) n.push_back(WarningLampPicture(lamp, lit));
    return n;
  }();
  return names;
}

// The pictures of the working controls. A frame of a turning control is
// its base name and two digits ("HAND_WHEEL00" .. "HAND_WHEEL17").
inline std::string FrameName(const char* base, int frame) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%02d", frame);
  return std::string(base) + digits;
}
inline constexpr const char* kHandWheelBase = "HAND_WHEEL";
inline constexpr const char* kReliefKnobBase = "RV_KNOB";
inline constexpr const char* kReliefKnobBackPicture = "RV_PIERCE_KNOB_BG";
inline constexpr const char* kThrottleKnobBase = "MAN_THROT";
inline constexpr const char* kThrottleBackPicture = "MAN_THROT_BKGND";
inline constexpr const char* kFlowmeterKnobBase = "PANEL_FLOWMETER_KNOB";
inline constexpr const char* kTeeHandlePicture = "T_HANDLE";
inline constexpr const char* kBallHandlePicture = "BALL_HANDLE";
inline constexpr const char* kElectronicValvePicture = "ELEC_VALVE_AKRON_PIC";
inline constexpr const char* kElectronicThrottlePicture = "ELEC_THROTTLE1";
inline constexpr const char* kGovernor2Picture = "GOVERN1";
inline constexpr const char* kClass1GovernorPicture = "GOVERN_CLASS1";

// Read with the window: the frames, backings and push-pull parts.
inline const std::vector<std::string>& ControlPictureNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (int i = 0; i < 18; ++i) n.push_back(FrameName(kHandWheelBase, i));
    for (int i = 0; i < 10; ++i) n.push_back(FrameName(kReliefKnobBase, i));
    for (int i = 0; i < 4; ++i) n.push_back(FrameName(kThrottleKnobBase, i));
    for (int i = 1; i <= 10; ++i) n.push_back(FrameName(kFlowmeterKnobBase, i));
    for (const char* name :
         {kReliefKnobBackPicture, kThrottleBackPicture, "PUSHPULL_SLOT_SHORT", "PUSHPULL_SLOT_LONG",
          "PUSHPULL_SLOT_SHORT_H", "PUSHPULL_SLOT_LONG_H", "PUSHPULL_STICK", "PUSHPULL_STICK_H",
          "PUSHPULL_HANDLE"})
      n.emplace_back(name);
    return n;
  }();
  return names;
}

// The pictures of the controls a panel may leave out: read with the window
// when the library has them (their sizes set the controls' sizes), and
// asked for, with a message when missing, only when such a control stands
// on the panel.
inline const std::vector<std::string>& OptionalControlPictureNames() {
  static const std::vector<std::string> names = {kBallHandlePicture, kElectronicValvePicture,
                                                 kElectronicThrottlePicture, kGovernor2Picture,
                                                 kClass1GovernorPicture};
  return names;
}

// The hose connection plates by type (1 two-inch angled, 2 two-inch straight,
// 3 six-inch), OFF while the line holds, ON while it has burst.
inline std::string PlatePicture(int type, bool burst) {
  const char* kind = type == 2 ? "2IN_STRAIGHT" : type == 3 ? "6IN" : "2IN_ANGLE";
  return std::string(burst ? "CAP_ON_" : "CAP_OFF_") + kind;
}

}  // namespace pumpdrill
