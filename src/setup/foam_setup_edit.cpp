#include "setup/foam_setup_edit.h"

#include <cmath>

#include "sim/foam_system.h"
#include "sim/state.h"

namespace pumpdrill {

bool FoamSystemChangeAsks(const TFoamSetupRec &f, int newType) {
  return f.SYS_TYPE != kFoamNone && newType != f.SYS_TYPE;
}

void ChangeFoamSystem(TFoamSetupRec &f, int newType) {
  if (newType < kFoamNone || newType > kFoamInLineEductor)
    return;
  f.SYS_TYPE = static_cast<Byte>(newType);
  if (f.SYS_TYPE == kFoamNone) {
    f.TK_SW_SEL = false;
    f.PROP_SEL = false;
  }
  if (f.SYS_TYPE != kFoamDirectInjection) {
    f.CAFS_ON_OFF_SEL = false;
    f.CAFS_MODE_SEL = false;
    f.CAFS_AIR_V_SEL.Clear();
  }
}

int FoamPercentRangeCount(int proportionerStyle) {
  return proportionerStyle == kProportionerElectronic ? kFoamRangeCount : 1;
}

void SetProportionerStyle(TFoamSetupRec &f, int style) {
  f.PROP_TYPE = static_cast<Byte>(style == kProportionerElectronic
                                      ? kProportionerElectronic
                                      : kProportionerManual);
  if (f.PROP_TYPE == kProportionerManual)
    SetFoamPercentRange(f, kFoamRangeTenthToOne);
}

void SetFoamLine(TFoamSetupRec &f, int line, bool foam) {
  if (line < 1 || line > kMaxDischarges)
    return;
  if (foam) {
    f.FOAM_LINES.Add(line);
  } else {
    f.FOAM_LINES.Remove(line);
  }
}

int FoamCapacityShown(const TFoamSetupRec &f, const DisplayUnits &u) {
  const double shown = std::round(ToDisplay(u, kUnitVolume, f.TANK_CAP));
  if (!std::isfinite(shown) || shown < kFoamSpinLeast)
    return kFoamSpinLeast;
  return shown > kFoamSpinMost ? kFoamSpinMost : static_cast<int>(shown);
}

double FoamCapacityEntered(const DisplayUnits &u, int value) {
  return FromEntry(u, kUnitVolume, value);
}

} // namespace pumpdrill
