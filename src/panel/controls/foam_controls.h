// The foam and compressed-air controls of the panel: which picture each
// shows, the foam tank low lamp, the proportioner's display, what the mouse
// does on each, and the words a tooltip or a screen reader gives them.
//
// Mouse: the tank switch steps A, B, flush and back to A at each click
// (one tank: A and flush). The CAFS on/off switch and the manual
// proportioner's lever are thrown by dragging up or down by more than
// 12 px, the CAFS mode switch by dragging left or right; elsewhere on the
// manual proportioner a drag moves the setting 0.1 % per 8 px (up raises).
// An air valve opens 0.04 per pixel as the mouse moves up. The electronic
// proportioner has four keys: ON/OFF, MODE (the display's four modes in
// turn) and raise and lower, 0.1 % a press. The keyboard works each
// control too (FoamKey, ElecProportionerKey).
#pragma once

#include <string>
#include <string_view>

#include "frame/units.h"
#include "panel/controls/control_run.h"
#include "sim/foam_setup.h"

namespace pumpdrill {

struct State;

inline constexpr double kFoamThrowPixels = 12;
inline constexpr double kAirValvePerPixel = 0.04;
inline constexpr double kAirValveKeyStep = 0.1;
inline constexpr double kPercentDragPixels = 8;
inline constexpr double kFoamLampTestSeconds = 2.0;
inline constexpr int kPropDisplayModes = 4;

// Pictures.
std::string_view FoamTankSwitchPicture(const TFoamSetupRec &f);
std::string_view ProportionerPicture(const TFoamSetupRec &f);
std::string_view
ProportionerLeverPicture(const TFoamSetupRec &f); // manual only
std::string_view CafsOnOffLeverPicture(const TFoamSetupRec &f);
std::string_view CafsModeDialPicture(const TFoamSetupRec &f);
// By the opening rounded to whole percent.
std::string_view CafsAirValvePicture(double opening);

// The foam tank low lamp: lit for the lamp test in the first 2 s of a run,
// then while FoamLow; off at flush and while no run is active.
bool FoamLowLampLit(const TFoamSetupRec &f, bool simActive, double simTime);

// The electronic proportioner's display.
enum class DisplayBrightness { Blank, Dim, Bright };
struct ProportionerDisplay {
  std::string Text; // right-aligned at kElecDisplayRight
  bool ShowsPr = false;
  DisplayBrightness Brightness = DisplayBrightness::Blank;
};
ProportionerDisplay
ProportionerDisplayFor(const State &s, const DisplayUnits &u, bool simActive);
// The manual proportioner's setting as its picture shows it ("0.5%").
std::string ManualSettingText(const TFoamSetupRec &f);

// Clicks and drags; each returns whether the state changed (the picture is
// then redrawn). Nothing acts unless run.Acts().
bool FoamTankSwitchClick(TFoamSetupRec &f, const ControlRun &run);

enum class FoamGrip {
  None,
  CafsOnOff,
  CafsMode,
  AirValve,
  ProportionerLever,
  PercentSetting
};
struct FoamDrag {
  FoamGrip Grip = FoamGrip::None;
  int Line = 0; // the air valve's line
  ControlPoint Press;
  double Start = 0; // the opening or the setting at the press
};

void CafsOnOffPress(FoamDrag &d, const ControlRun &run, ControlPoint p);
void CafsModePress(FoamDrag &d, const ControlRun &run, ControlPoint p);
void AirValvePress(FoamDrag &d, const TFoamSetupRec &f, const ControlRun &run,
                   int line, ControlPoint p);
// The manual proportioner: on its lever (left of x 40) the lever is
// gripped, elsewhere the setting.
void ManualProportionerPress(FoamDrag &d, const TFoamSetupRec &f,
                             const ControlRun &run, ControlPoint p);
bool FoamDragMove(FoamDrag &d, TFoamSetupRec &f, const ControlRun &run,
                  ControlPoint p);
void FoamDragRelease(FoamDrag &d);

enum class ElecKey { None, OnOff, Mode, Raise, Lower };
ElecKey ElecKeyAt(ControlPoint p);
bool ElecProportionerClick(TFoamSetupRec &f, const ControlRun &run,
                           ControlPoint p);
// One of the electronic proportioner's keys pressed (by the mouse or the
// keyboard).
bool ElecProportionerKey(TFoamSetupRec &f, const ControlRun &run, ElecKey key);

// The keyboard on a foam control, direction +1 (Up or Right) or -1: the
// CAFS switch on or off, the CAFS mode right or left, an air valve a tenth
// more open or shut, the manual lever up or down, the setting 0.1 % up or
// down. Returns whether the state changed.
bool FoamKey(TFoamSetupRec &f, const ControlRun &run, FoamGrip control,
             int line, int direction);

// Descriptions for tooltips and screen readers.
std::string FoamTankSwitchDescription(const TFoamSetupRec &f,
                                      const DisplayUnits &u);
std::string ProportionerDescription(const TFoamSetupRec &f);
std::string CafsOnOffDescription(const TFoamSetupRec &f);
std::string CafsModeDescription(const TFoamSetupRec &f);
std::string CafsAirValveDescription(const TFoamSetupRec &f, int line);

} // namespace pumpdrill
