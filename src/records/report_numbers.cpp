#include "records/report_numbers.h"

#include <charconv>
#include <cmath>

namespace pumpdrill {

std::string ReportFixed(double v, int decimals) {
  if (std::isnan(v)) return "";
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  std::string s(buf, r.ptr);
  if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-') s.erase(0, 1);
  return s;
}

int ReportPressureDecimals(const DisplayUnits& u, int psiDecimals) {
  return u.Metric && u.Bars ? psiDecimals + 2 : psiDecimals;
}

std::string ReportPressure(const DisplayUnits& u, double psi, int psiDecimals) {
  return ReportFixed(ToDisplay(u, kUnitPressure, psi), ReportPressureDecimals(u, psiDecimals)) +
         " " + u.Label[kUnitPressure];
}

std::string ReportSignedPressure(const DisplayUnits& u, double psi, int psiDecimals) {
  const double shown = ToDisplay(u, kUnitPressure, psi);
  const std::string n = ReportFixed(shown, ReportPressureDecimals(u, psiDecimals));
  const bool zero = n.find_first_not_of("-0.") == std::string::npos;
  return (shown > 0 && !zero ? "+" : "") + n + " " + u.Label[kUnitPressure];
}

std::string ReportFlow(const DisplayUnits& u, double gpm) {
  return ReportFixed(ToDisplay(u, kUnitFlow, gpm), 0) + " " + u.Label[kUnitFlow];
}

std::string ReportVolume(const DisplayUnits& u, double gallons) {
  return ReportFixed(ToDisplay(u, kUnitVolume, gallons), 0) + " " + u.Label[kUnitVolume];
}

double ShownPressure(const DisplayUnits& u, double psi, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::round(ToDisplay(u, kUnitPressure, psi) * scale) / scale;
}

double EnteredPressure(const DisplayUnits& u, double shown, double storedBefore, int decimals) {
  if (!std::isnan(storedBefore) &&
      std::fabs(shown - ShownPressure(u, storedBefore, decimals)) < 0.5 * std::pow(10.0, -decimals))
    return storedBefore;
  return FromEntry(u, kUnitPressure, shown);
}

}  // namespace pumpdrill
