#include "panel/controls/foam_controls.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "panel/foam_faces.h"
#include "sim/foam_system.h"
#include "sim/foam_use.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

constexpr std::string_view kToggleUp = "TOGGLE_UP";
constexpr std::string_view kToggleDown = "TOGGLE_DN";
constexpr double kLeverRegionRight =
    40; // the manual proportioner's lever lies left of it

std::string Fixed(double v, int decimals) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  std::string text = buf;
  if (text == "-0" || text == "-0.0")
    text.erase(0, 1);
  return text;
}

std::string PercentText(double percent) { return Fixed(percent, 1) + " %"; }

} // namespace

std::string_view FoamTankSwitchPicture(const TFoamSetupRec &f) {
  switch (f.FoamTankSelect) {
  case kFoamTankB:
    return kFoam12TankSwB;
  case kFoamFlush:
    return f.NR_TANKS == 2 ? kFoam2TankSwFlush : kFoam1TankSwFlush;
  default:
    return kFoam2TankSwA;
  }
}

std::string_view ProportionerPicture(const TFoamSetupRec &f) {
  return f.PROP_TYPE == kProportionerElectronic ? kFoamElecProportioner
                                                : kFoamManProportioner;
}

std::string_view ProportionerLeverPicture(const TFoamSetupRec &f) {
  return f.PropLever ? kToggleUp : kToggleDown;
}

std::string_view CafsOnOffLeverPicture(const TFoamSetupRec &f) {
  return f.CafsAirOn ? kToggleUp : kToggleDown;
}

std::string_view CafsModeDialPicture(const TFoamSetupRec &f) {
  return f.CafsMode ? kCafsDialRight : kCafsDialLeft;
}

std::string_view CafsAirValvePicture(double opening) {
  static constexpr std::string_view kFrames[kCafsAirValveFrames] = {
      "CAFS_AIR_VALVE00", "CAFS_AIR_VALVE01", "CAFS_AIR_VALVE02",
      "CAFS_AIR_VALVE03", "CAFS_AIR_VALVE04", "CAFS_AIR_VALVE05",
      "CAFS_AIR_VALVE06"};
  // The lowest percent of frames 1 to 6.
  static constexpr long kFrom[kCafsAirValveFrames - 1] = {6,  25, 44,
                                                          63, 82, 94};
  if (!std::isfinite(opening))
    opening = 0;
  const long p = std::lround(std::clamp(opening, 0.0, 1.0) * 100);
  int frame = 0;
  while (frame < kCafsAirValveFrames - 1 && p >= kFrom[frame])
    ++frame;
  return kFrames[frame];
}

bool FoamLowLampLit(const TFoamSetupRec &f, bool simActive, double simTime) {
  if (!simActive)
    return false;
  if (simTime < kFoamLampTestSeconds)
    return true;
  if (f.FoamTankSelect == kFoamFlush)
    return false;
  return f.FoamLow != 0;
}

ProportionerDisplay
ProportionerDisplayFor(const State &s, const DisplayUnits &u, bool simActive) {
  ProportionerDisplay d;
  if (!simActive)
    return d;
  const TFoamSetupRec &f = s.FoamSetup;
  d.Brightness = ProportionerInjects(f) ? DisplayBrightness::Bright
                                        : DisplayBrightness::Dim;
  switch (f.PropDisplayMode) {
  case 1:
    d.Text = Fixed(ToDisplay(u, kUnitVolume, f.FoamUsed), 0);
    break;
  case 2:
    d.Text = Fixed(f.FoamPercentSet, 1);
    d.ShowsPr = true;
    break;
  case 3:
    d.Text = Fixed(ToDisplay(u, kUnitVolume, f.FoamWaterTotal), 0);
    break;
  default:
    d.Text = Fixed(ToDisplay(u, kUnitFlow, FoamLinesFlow(s)), 0);
    break;
  }
  return d;
}

std::string ManualSettingText(const TFoamSetupRec &f) {
  return Fixed(f.FoamPercentSet, 1) + "%";
}

bool FoamTankSwitchClick(TFoamSetupRec &f, const ControlRun &run) {
  if (!run.Acts())
    return false;
  switch (f.FoamTankSelect) {
  case kFoamTankA:
    f.FoamTankSelect = f.NR_TANKS == 2 ? kFoamTankB : kFoamFlush;
    break;
  case kFoamTankB:
    f.FoamTankSelect = kFoamFlush;
    break;
  default:
    f.FoamTankSelect = kFoamTankA;
    break;
  }
  return true;
}

void CafsOnOffPress(FoamDrag &d, const ControlRun &run, ControlPoint p) {
  d = {};
  if (run.Acts())
    d = {FoamGrip::CafsOnOff, 0, p, 0};
}

void CafsModePress(FoamDrag &d, const ControlRun &run, ControlPoint p) {
  d = {};
  if (run.Acts())
    d = {FoamGrip::CafsMode, 0, p, 0};
}

void AirValvePress(FoamDrag &d, const TFoamSetupRec &f, const ControlRun &run,
                   int line, ControlPoint p) {
  d = {};
  if (run.Acts() && line >= 1 && line <= kMaxDischarges)
    d = {FoamGrip::AirValve, line, p, f.CafsAirValve[line]};
}

void ManualProportionerPress(FoamDrag &d, const TFoamSetupRec &f,
                             const ControlRun &run, ControlPoint p) {
  d = {};
  if (!run.Acts())
    return;
  if (p.x < kLeverRegionRight) {
    d = {FoamGrip::ProportionerLever, 0, p, 0};
  } else {
    d = {FoamGrip::PercentSetting, 0, p, f.FoamPercentSet};
  }
}

bool FoamDragMove(FoamDrag &d, TFoamSetupRec &f, const ControlRun &run,
                  ControlPoint p) {
  if (d.Grip == FoamGrip::None)
    return false;
  if (!run.Acts()) {
    d = {};
    return false;
  }
  const double up = d.Press.y - p.y;
  const double right = p.x - d.Press.x;
  switch (d.Grip) {
  case FoamGrip::CafsOnOff: {
    if (std::abs(up) <= kFoamThrowPixels)
      return false;
    const bool on = up > 0;
    if ((f.CafsAirOn != 0) == on)
      return false;
    f.CafsAirOn = on;
    return true;
  }
  case FoamGrip::CafsMode: {
    if (std::abs(right) <= kFoamThrowPixels)
      return false;
    const Byte mode = right > 0 ? 1 : 0;
    if (f.CafsMode == mode)
      return false;
    f.CafsMode = mode;
    return true;
  }
  case FoamGrip::ProportionerLever: {
    if (std::abs(up) <= kFoamThrowPixels)
      return false;
    const bool on = up > 0;
    if ((f.PropLever != 0) == on)
      return false;
    SetProportionerOn(f, on);
    return true;
  }
  case FoamGrip::PercentSetting: {
    const double steps = std::trunc(up / kPercentDragPixels);
    const double before = f.FoamPercentSet;
    SetFoamPercent(f, d.Start + steps * kFoamPercentStep);
    return f.FoamPercentSet != before;
  }
  case FoamGrip::AirValve: {
    const double opening =
        std::clamp(d.Start + kAirValvePerPixel * up, 0.0, 1.0);
    if (f.CafsAirValve[d.Line] == opening)
      return false;
    f.CafsAirValve[d.Line] = opening;
    return true;
  }
  case FoamGrip::None:
    break;
  }
  return false;
}

void FoamDragRelease(FoamDrag &d) { d = {}; }

ElecKey ElecKeyAt(ControlPoint p) {
  if (p.y < kElecKeysTop || p.y >= kProportionerHeight)
    return ElecKey::None;
  static constexpr ElecKey kKeys[4] = {ElecKey::OnOff, ElecKey::Mode,
                                       ElecKey::Raise, ElecKey::Lower};
  for (int k = 0; k < 4; ++k)
    if (p.x >= kElecKeyLeft[k] && p.x < kElecKeyLeft[k] + kElecKeyWidth)
      return kKeys[k];
  return ElecKey::None;
}

bool ElecProportionerClick(TFoamSetupRec &f, const ControlRun &run,
                           ControlPoint p) {
  return ElecProportionerKey(f, run, ElecKeyAt(p));
}

bool ElecProportionerKey(TFoamSetupRec &f, const ControlRun &run, ElecKey key) {
  if (!run.Acts())
    return false;
  const double before = f.FoamPercentSet;
  switch (key) {
  case ElecKey::OnOff:
    SetProportionerOn(f, f.PropLever == 0);
    return true;
  case ElecKey::Mode:
    f.PropDisplayMode =
        static_cast<Byte>((f.PropDisplayMode + 1) % kPropDisplayModes);
    return true;
  case ElecKey::Raise:
    SetFoamPercent(f, f.FoamPercentSet + kFoamPercentStep);
    return f.FoamPercentSet != before;
  case ElecKey::Lower:
    SetFoamPercent(f, f.FoamPercentSet - kFoamPercentStep);
    return f.FoamPercentSet != before;
  case ElecKey::None:
    break;
  }
  return false;
}

bool FoamKey(TFoamSetupRec &f, const ControlRun &run, FoamGrip control,
             int line, int direction) {
  if (!run.Acts() || direction == 0)
    return false;
  const bool up = direction > 0;
  switch (control) {
  case FoamGrip::CafsOnOff:
    if ((f.CafsAirOn != 0) == up)
      return false;
    f.CafsAirOn = up;
    return true;
  case FoamGrip::CafsMode:
    if ((f.CafsMode != 0) == up)
      return false;
    f.CafsMode = up ? 1 : 0;
    return true;
  case FoamGrip::ProportionerLever:
    if ((f.PropLever != 0) == up)
      return false;
    SetProportionerOn(f, up);
    return true;
  case FoamGrip::PercentSetting: {
    const double before = f.FoamPercentSet;
    SetFoamPercent(f, before + (up ? kFoamPercentStep : -kFoamPercentStep));
    return f.FoamPercentSet != before;
  }
  case FoamGrip::AirValve: {
    if (line < 1 || line > kMaxDischarges)
      return false;
    double &opening = f.CafsAirValve[line];
    // On the tenths, so a dragged opening comes back to the steps.
    const double step = up ? kAirValveKeyStep : -kAirValveKeyStep;
    const double next =
        std::clamp(std::round((opening + step) * 10) / 10, 0.0, 1.0);
    if (next == opening)
      return false;
    opening = next;
    return true;
  }
  case FoamGrip::None:
    break;
  }
  return false;
}

std::string FoamTankSwitchDescription(const TFoamSetupRec &f,
                                      const DisplayUnits &u) {
  auto left = [&](double gal) {
    return Fixed(ToDisplay(u, kUnitVolume, gal), 1) + " " +
           u.Label[kUnitVolume] + " left";
  };
  switch (f.FoamTankSelect) {
  case kFoamTankB:
    return "Tank B selected, " + left(f.FoamTankB);
  case kFoamFlush:
    return "Flush selected, no concentrate drawn";
  default:
    return std::string(f.NR_TANKS == 2 ? "Tank A selected, "
                                       : "Foam tank selected, ") +
           left(f.FoamTankA);
  }
}

std::string ProportionerDescription(const TFoamSetupRec &f) {
  return std::string(ProportionerInjects(f) ? "Proportioner on, "
                                            : "Proportioner off, ") +
         PercentText(f.FoamPercentSet);
}

std::string CafsOnOffDescription(const TFoamSetupRec &f) {
  return f.CafsAirOn ? "Compressed air on" : "Compressed air off";
}

std::string CafsModeDescription(const TFoamSetupRec &f) {
  return f.CafsMode ? "Compressed air mode: right (unload)"
                    : "Compressed air mode: left (run)";
}

std::string CafsAirValveDescription(const TFoamSetupRec &f, int line) {
  if (line < 1 || line > kMaxDischarges)
    return {};
  const long p = std::lround(std::clamp(f.CafsAirValve[line], 0.0, 1.0) * 100);
  return "Line " + std::to_string(line) + " air valve " +
         (p == 0 ? std::string("shut") : std::to_string(p) + " % open");
}

} // namespace pumpdrill
