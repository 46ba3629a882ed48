// The foam and compressed-air pictures of the panel library: their names,
// layout sizes and the places the window draws on them. The press regions
// of panel/controls/foam_controls are laid out on these pictures.
#pragma once

#include <string_view>

#include "panel/gauge_faces.h"

namespace pumpdrill {

// Tank switch 64 x 72: a selector knob over a plate marked A, B (or 1, 2)
// and FLUSH.
inline constexpr std::string_view kFoam2TankSwA = "FOAM_2TANK_SW_A";
inline constexpr std::string_view kFoam12TankSwB = "FOAM_12TANK_SW_B";
inline constexpr std::string_view kFoam1TankSwFlush = "FOAM_1TANK_SW_FLUSH";
inline constexpr std::string_view kFoam2TankSwFlush = "FOAM_2TANK_SW_FLUSH";
inline constexpr int kFoamTankSwWidth = 64;
inline constexpr int kFoamTankSwHeight = 72;

// Proportioners 120 x 72. The manual one's lever ("TOGGLE_DN"/"TOGGLE_UP")
// is drawn centred at (20, 38), its setting in the window kManualSetting;
// the electronic one's display text ends at x 59 on the line y 29 with
// "PR" at (20, 29), and its four keys lie along the bottom. Both carry the
// foam tank low lamp centred at (97, 38).
inline constexpr std::string_view kFoamManProportioner = "FOAM_MAN_PROPORTONER";
inline constexpr std::string_view kFoamElecProportioner =
    "FOAM_ELEC_PROPORTONER";
inline constexpr int kProportionerWidth = 120;
inline constexpr int kProportionerHeight = 72;
inline constexpr FacePoint kProportionerLeverAt{20, 38};
inline constexpr FaceBox kManualSettingWindow{40, 30, 36, 16};
inline constexpr FaceBox kElecDisplayWindow{14, 20, 50, 16};
inline constexpr int kElecDisplayRight = 59;
inline constexpr int kElecDisplayBaseline = 29; // the text's middle line
inline constexpr FacePoint kElecDisplayPrAt{20, 29};
inline constexpr FacePoint kFoamLowLampAt{97, 38};
inline constexpr int kElecKeysTop =
    48; // ON/OFF, MODE, raise, lower from the left
inline constexpr int kElecKeyWidth = 26;
inline constexpr int kElecKeyLeft[4] = {6, 34, 62, 90};

// CAFS on/off switch plate 36 x 56 with its lever centred at (18, 17);
// CAFS mode plate 100 x 40 with its dial centred at (65, 18).
inline constexpr std::string_view kCafsOnOffSw = "FOAM_CAFS_ON_OFF_SW";
inline constexpr int kCafsOnOffWidth = 36;
inline constexpr int kCafsOnOffHeight = 56;
inline constexpr FacePoint kCafsOnOffLeverAt{18, 17};
inline constexpr std::string_view kCafsRunUnloadPlate = "CAFS_RUN_UNLOAD_PLATE";
inline constexpr std::string_view kCafsDialLeft = "CAFS_DIAL_SW_LEFT";
inline constexpr std::string_view kCafsDialRight = "CAFS_DIAL_SW_RT";
inline constexpr int kCafsModeWidth = 100;
inline constexpr int kCafsModeHeight = 40;
inline constexpr int kCafsDialSize = 28;
inline constexpr FacePoint kCafsDialAt{65, 18};

// Air valves 40 x 48: "CAFS_AIR_VALVE00" shut to "CAFS_AIR_VALVE06" open.
inline constexpr int kCafsAirValveWidth = 40;
inline constexpr int kCafsAirValveHeight = 48;
inline constexpr int kCafsAirValveFrames = 7;

} // namespace pumpdrill
