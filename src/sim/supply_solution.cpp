#include <cmath>

#include "sim/constants.h"
#include "sim/line_flow_between.h"
#include "sim/state.h"
#include "sim/supply.h"

namespace pumpdrill {

namespace {

// Hose kinds of the intake line.
constexpr Byte kSoftHose = 0;

// The tolerance of the combined split, and the most trial heads it takes.
constexpr double kSplitToleranceGpm = 1.0;
constexpr int kMaxBalanceTrials = 600;

// The flow a supply line passes from `from` psi at its pump end to `to` psi
// at its far end, with the line's own elevations; 0 when the line cannot
// flow that way (no positive driving head).
double SupplyLineFlow(State& s, int line, double from, double to) {
  const TDischargeRec& d = s.Discharges[line];
  int error = 0;
  const double q = LineFlowBetween(s, line, from, to, d.PumpEndElev, d.NozzleElev, error);
  if (error != 0 || q < 0) return 0.0;
  return q;
}

}  // namespace

void UpdateSupply(State& s) {
  TSupplyRec& sup = s.Supply;
  TDischargeRec& tankLine = s.Discharges[kTankToPumpLine];
  TDischargeRec& intake = s.Discharges[kIntakeLine];
  const double demand = s.PumpOutput.TotalFlow;

  sup.SupplyAdequate = false;
  intake.ElevDiff = intake.NozzleElev - intake.PumpEndElev;
  sup.TankEmpty = !(s.Tank.TankHeadPress > 0);
  UpdateSupplyAvailable(s);

  const bool draft = sup.SupplyType == kSupplyDraft;
  sup.ExternalUnavailable = sup.SupplyType == kSupplyNone || intake.NozzleOpen <= 0 || intake.ValveOpen <= 0 ||
                            (draft && (!sup.IntakePrimed || !sup.SupplyAvailable)) ||
                            (!draft && sup.StaticPress <= 0);

  if (!sup.ExternalUnavailable && sup.TankEmpty) {
    // External supply only.
    tankLine.Flow = 0;
    const bool hardIntake = intake.HoseKind != kSoftHose;
    sup.IntakeFloor = hardIntake ? s.MinIntakePress : 0.0;
    const double h = LineLoss(s, kIntakeLine, demand);
    if (draft) {
      sup.ResidualPress = sup.StaticPress;
    } else {
      const double q = demand / kGpmPerCfs;
      sup.ResidualPress = sup.StaticPress - sup.SupplyK * q * q * kPsiPerFoot;
    }
    sup.IntakePress = sup.ResidualPress - kPsiPerFoot * h;
    if (sup.IntakePress > sup.IntakeFloor && (!draft || sup.IntakePrimed)) {
      sup.SupplyAdequate = true;
      intake.Flow = demand;
    } else {
      // The intake is drawn down to its floor and delivers what it can.
      sup.IntakePress = sup.IntakeFloor;
      if (hardIntake) {
        int error = 0;
        const double q = LineFlowBetween(s, kIntakeLine, sup.StaticPress, sup.IntakeFloor, intake.PumpEndElev,
                                         intake.NozzleElev, error);
        if (error == 0) {
          intake.Flow = q;
        } else {
          intake.Flow = 0;
          sup.IntakePress = 0;
        }
      } else {
        // A soft hose collapses rather than pass a vacuum.
        intake.Flow = 0;
        sup.IntakePress = 0;
      }
    }
    sup.SupplyFlow = intake.Flow;
  } else if (sup.ExternalUnavailable && !sup.TankEmpty) {
    // Booster tank only.
    sup.IntakeFloor = s.MinIntakePress;
    const double h = LineLoss(s, kTankToPumpLine, demand);
    sup.IntakePress = s.Tank.TankHeadPress - kPsiPerFoot * h;
    intake.Flow = 0;
    if (sup.IntakePress > sup.IntakeFloor) {
      sup.SupplyAdequate = true;
      tankLine.Flow = demand;
      sup.SupplyFlow = demand;
    } else {
      int error = 0;
      const double q = LineFlowBetween(s, kTankToPumpLine, s.Tank.TankHeadPress, sup.IntakeFloor,
                                       tankLine.PumpEndElev, tankLine.NozzleElev, error);
      if (error == 0) {
        sup.IntakePress = sup.IntakeFloor;
        tankLine.Flow = q;
        sup.SupplyFlow = q;
      } else {
        tankLine.Flow = 0;
        sup.IntakePress = 0;
        sup.SupplyFlow = 0;
      }
    }
  } else if (!sup.ExternalUnavailable && !sup.TankEmpty) {
    SolveCombinedSupply(s);
    sup.SupplyFlow = intake.Flow + tankLine.Flow;
  } else {
    tankLine.Flow = 0;
    intake.Flow = 0;
    sup.IntakePress = 0;
    sup.SupplyFlow = 0;
  }
}

void SolveCombinedSupply(State& s) {
  TSupplyRec& sup = s.Supply;
  TDischargeRec& tankLine = s.Discharges[kTankToPumpLine];
  TDischargeRec& intake = s.Discharges[kIntakeLine];
  const double demand = s.PumpOutput.TotalFlow;
  const double tankHead = s.Tank.TankHeadPress;
  const double p0 = s.MinIntakePress + 0.01;

  if (intake.HoseKind == kSoftHose) {
    // A soft intake cannot pass a vacuum: try both down to just above 0 psi.
    constexpr double kSoftFloor = 0.01;
    sup.IntakeFloor = 0;
    const double qt = SupplyLineFlow(s, kTankToPumpLine, tankHead, kSoftFloor);
    const double qe = SupplyLineFlow(s, kIntakeLine, sup.StaticPress, kSoftFloor);
    if (qt + qe >= demand) {
      BalanceSupplies(s, kSoftFloor);
      return;
    }
    // The intake hose collapses: the tank alone, down to the vacuum limit.
    intake.Flow = 0;
    const double qTank = SupplyLineFlow(s, kTankToPumpLine, tankHead, p0);
    if (qTank >= demand) {
      sup.IntakePress = tankHead - kPsiPerFoot * LineLoss(s, kTankToPumpLine, demand);
      tankLine.Flow = demand;
      sup.SupplyAdequate = true;
    } else {
      sup.IntakePress = p0;
      tankLine.Flow = qTank;
    }
    return;
  }

  sup.IntakeFloor = s.MinIntakePress;
  const double qt = SupplyLineFlow(s, kTankToPumpLine, tankHead, p0);
  const double qe = SupplyLineFlow(s, kIntakeLine, sup.StaticPress, p0);
  if (qt + qe >= demand) {
    BalanceSupplies(s, p0);
    return;
  }
  sup.IntakePress = p0;
  tankLine.Flow = qt;
  intake.Flow = qe;
}

void BalanceSupplies(State& s, double floorPress) {
  TSupplyRec& sup = s.Supply;
  TDischargeRec& tankLine = s.Discharges[kTankToPumpLine];
  TDischargeRec& intake = s.Discharges[kIntakeLine];
  const double demand = s.PumpOutput.TotalFlow;
  const double tankHead = s.Tank.TankHeadPress;

  if (demand <= 0) {
    intake.Flow = 0;
    tankLine.Flow = 0;
    sup.IntakePress = sup.StaticPress + tankHead;
    return;
  }

  // Both flows fall as the trial intake head rises. Step up through the
  // interval until the sum drops below the demand, then search the last
  // step again in tenths, until the sum lies within 1 gpm of the demand.
  const double lo = kFeetPerPsi * floorPress;
  const double hi = kFeetPerPsi * (sup.StaticPress + tankHead);
  double step = (hi - lo) / 10.0;
  double p = lo;
  double qe = 0;
  double qt = 0;
  bool settled = false;
  for (int trial = 0; trial < kMaxBalanceTrials; ++trial) {
    const double press = kPsiPerFoot * p;
    qe = SupplyLineFlow(s, kIntakeLine, sup.StaticPress, press);
    qt = SupplyLineFlow(s, kTankToPumpLine, tankHead, press);
    const double sum = qe + qt;
    if (std::fabs(demand - sum) <= kSplitToleranceGpm) {
      settled = true;
      break;
    }
    if (sum > demand) {
      p += step;
    } else {
      // The demand lies within the last step: walk it again in tenths from
      // its lower end, which gave too much.
      const double stepStart = p - step;
      step /= 10.0;
      p = stepStart + step;
    }
  }
  if (!settled) return;  // keep the previous split

  const double sum = qe + qt;
  if (sum > demand) {
    if (qt <= 0) {
      qe = demand;
    } else if (qe <= 0) {
      qt = demand;
    } else {
      qe = qe / sum * demand;
      qt = demand - qe;
    }
  }
  intake.Flow = qe;
  tankLine.Flow = qt;
  sup.IntakePress = kPsiPerFoot * p;
  sup.SupplyAdequate = true;
}

}  // namespace pumpdrill
