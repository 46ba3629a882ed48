// The names the panel looks its pictures up by. The Part's own names come
// first; the pictures the panel once drew itself are ours.
#pragma once

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

// The hose connection plates by type (1 two-inch angled, 2 two-inch straight,
// 3 six-inch), OFF while the line holds, ON while it has burst.
inline std::string PlatePicture(int type, bool burst) {
  const char* kind = type == 2 ? "2IN_STRAIGHT" : type == 3 ? "6IN" : "2IN_ANGLE";
  return std::string(burst ? "CAP_ON_" : "CAP_OFF_") + kind;
}

}  // namespace pumpdrill
