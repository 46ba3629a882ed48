#include "setup/line_summary.h"

#include <cmath>

#include "frame/number_entry.h"
#include "setup/hose_descriptions.h"
#include "setup/nozzle_catalogue.h"
#include "sim/constants.h"
#include "sim/line_flow.h"
#include "sim/loss_coefficients.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

double Pow4(double x) { return x * x * x * x; }

// The nozzle's rated flow (cfs) and the tip coefficient that passes it at
// the rated pressure; false for no flow.
bool RatedNozzle(const TDischargeRec& d, double& q, double& kn) {
  const double psi = RatedNozzlePress(d.IsMaster, d.NozzleType);
  switch (d.NozzleType) {
    case kSmoothBore:
    case kFogNozzle: {
      Double cd = d.NozzleCd;
      kn = NozzleLossK(d.NozzleType, Pow4(d.TipDiam), cd);
      if (!(kn > 0)) return false;
      q = std::sqrt(kFeetPerPsi * psi / kn);
      return true;
    }
    case kAutomaticNozzle:
    case kGallonageNozzle: {
      int gpm = d.AutoGpmMax;
      if (d.NozzleType == kGallonageNozzle)
        gpm = d.GpmIndex >= 1 && d.GpmIndex <= 5 ? d.GpmSetting[d.GpmIndex] : 0;
      if (gpm <= 0) return false;
      q = gpm / kGpmPerCfs;
      kn = kFeetPerPsi * psi / (q * q);
      return true;
    }
    default:
      return false;
  }
}

std::string PressureText(double psi, const DisplayUnits& u) {
  int decimals = !u.Metric ? 1 : u.Bars ? 2 : 0;
  return FixedText(ToDisplay(u, kUnitPressure, psi), decimals) + " " + u.Label[kUnitPressure];
}

}  // namespace

std::optional<LineSummary> SummarizeLine(const State& s, int line) {
  if (line < 1 || line > kMaxDischarges) return std::nullopt;
  const TDischargeRec& d = s.Discharges[line];
  double q = 0, kn = 0;
  if (!RatedNozzle(d, q, kn)) return std::nullopt;

  const double kv = ValveLossK(Pow4(d.ValveDiam), 1.0);
  const double ks = ValveLossK(Pow4(d.ShutoffDiam), 1.0);
  double total = q;     // cfs through the valve
  double r = 0;         // the line's chain as the solution takes it
  double friction = 0;  // ft of hose loss
  if (d.Layout == kWyeLayout) {
    total = 2 * q;
    double ra = d.BranchK[1] + ks + kn;
    double rb = d.BranchK[2] + ks + kn;
    r = kv + ParallelK(ra, rb) + d.HoseK;
    // Each branch carries half the flow.
    friction = d.HoseK * total * total + d.BranchK[1] * q * q;
  } else if (d.Layout == kSiameseLayout && SiamesePartner(s, line) != 0) {
    const TDischargeRec& p = s.Discharges[SiamesePartner(s, line)];
    double kvp = ValveLossK(Pow4(p.ValveDiam), 1.0);
    r = ParallelK(kv + d.BranchK[1], kvp + d.BranchK[2]) + d.HoseK + ks + kn;
    friction = (ParallelK(d.BranchK[1], d.BranchK[2]) + d.HoseK) * q * q;
  } else {
    r = kv + d.HoseK + ks + kn;
    friction = d.HoseK * q * q;
  }
  const double elevation = d.NozzleElev - s.PumpStatus.PumpElev;
  LineSummary out;
  out.Gpm = total * kGpmPerCfs;
  out.FrictionPsi = friction * kPsiPerFoot;
  out.PumpPsi = (r * total * total + elevation) * kPsiPerFoot;
  if (out.PumpPsi < 0) out.PumpPsi = 0;
  return out;
}

std::string LineSummaryText(const std::optional<LineSummary>& summary, const DisplayUnits& u) {
  if (!summary) return "";
  return "at " + FixedText(ToDisplay(u, kUnitFlow, summary->Gpm), 0) + " " + u.Label[kUnitFlow] +
         ": friction " + PressureText(summary->FrictionPsi, u) + ", pump " +
         PressureText(summary->PumpPsi, u);
}

std::string LineSummaryShortText(const std::optional<LineSummary>& summary, const DisplayUnits& u) {
  if (!summary) return "";
  return FixedText(ToDisplay(u, kUnitFlow, summary->Gpm), 0) + " " + u.Label[kUnitFlow] + " at " +
         PressureText(summary->PumpPsi, u) + " pump";
}

}  // namespace pumpdrill
