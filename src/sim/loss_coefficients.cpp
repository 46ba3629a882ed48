#include "sim/loss_coefficients.h"

#include <cmath>

#include "sim/constants.h"

namespace pumpdrill {

namespace {


// The coefficient of an element that passes no water at all (a bore of a
// hair's width, a discharge coefficient of 0 from a damaged file): far
// above a shut valve's. Larger coefficients, and infinite ones, are held
// here so that no line resistance stops being a number.
constexpr double kBlockedK = 1e24;

double Blocked(double k) { return k < kBlockedK ? k : kBlockedK; }

// Head loss coefficient of an orifice of bore^4 d4 with discharge
// coefficient cd: 8 (1/cd^2 - 1) / (g pi^2 d4).
double OrificeK(double cd, double d4) {
  return Blocked(8.0 * (1.0 / (cd * cd) - 1.0) / (kGPiSquared * d4));
}

}  // namespace

double HoseFrictionK(double length, double c, double diam, Host& host) {
  if (length <= 0 || diam <= 0) return 0.0;
  double denom = std::pow(c, 1.852) * std::pow(diam, 4.8704);
  // A negative C gives NaN from pow; that is no positive denominator either.
  if (!(denom > 0)) {
    host.Message(MsgType::Warning, Buttons::Ok, kHoseFrictionDenomWarning);
    return 0.0;
  }
  return Blocked(4.727 * length / denom);
}

double ValveLossK(double d4, double opening) {
  if (d4 <= 0) return 0.0;
  double cv = 0.936 * opening + 1e-06;
  return OrificeK(cv, d4);
}

double NozzleLossK(int type, double d4, Double& nozzleCd) {
  double cd;
  if (type == 0) {
    cd = kSmoothBoreCd;
  } else if (type >= 1 && type <= 3) {
    cd = kFogCd;
  } else {
    cd = nozzleCd;
  }
  nozzleCd = cd;
  if (type == kNoNozzle) return 0.0;
  if (d4 <= 0) return 0.0;  // no bore: as for a valve, no coefficient
  return OrificeK(cd, d4);
}

double AutoNozzleK(Double& nozzleK, double gpm, double psi) {
  double q = gpm / kGpmPerCfs;
  double k = kFeetPerPsi * psi / (q * q);
  nozzleK = k;
  return std::pow(73.65848380610193 / (kGPiSquared * k), 0.25);
}

}  // namespace pumpdrill
