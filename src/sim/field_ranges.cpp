#include "sim/field_ranges.h"

#include <charconv>
#include <cmath>
#include <string>
#include <unordered_map>

#include "sim/constants.h"

namespace pumpdrill {

namespace {

struct ListedRange {
  const char* record;
  const char* member;
  FieldRange range;
};

// Times that may be unset hold kNeverTime (10,000,000 s).
constexpr FieldRange kTime{0, kNeverTime, "s"};
constexpr FieldRange kFraction{0, 1, ""};
constexpr FieldRange kDiameter{0, 2, "ft"};          // up to 24 in
constexpr FieldRange kLength{0, 20000, "ft"};        // a long relay line
constexpr FieldRange kElevation{-5000, 5000, "ft"};  // relative to the pump
constexpr FieldRange kSetPressure{0, 1000, "psi"};
constexpr FieldRange kSupplyPressure{-100, 1000, "psi"};  // vacuum at draft below 0
constexpr FieldRange kRpm{0, 10000, "RPM"};
constexpr FieldRange kImpellerRpm{0, 100000, "RPM"};
constexpr FieldRange kGpm{0, 20000, "gpm"};
constexpr FieldRange kWaterGallons{0, 1e9, "gal"};  // a lake counted as a finite source
constexpr FieldRange kTankGallons{0, 100000, "gal"};
constexpr FieldRange kFoamGallons{0, 10000, "gal"};
constexpr FieldRange kTemperature{-100, 500, "F"};

const ListedRange kRanges[] = {
    {"TDischargeRec", "ValveDiam", kDiameter},
    {"TDischargeRec", "ValveOpen", kFraction},
    {"TDischargeRec", "Layout", {0, 2, ""}},
    {"TDischargeRec", "HoseLength", kLength},
    {"TDischargeRec", "HoseC", {0, 10000, ""}},
    {"TDischargeRec", "HoseDiam", kDiameter},
    {"TDischargeRec", "HoseDiamSet", kDiameter},
    {"TDischargeRec", "HoseKind", {0, 2, ""}},
    {"TDischargeRec", "Partner", {0, 19, ""}},
    {"TDischargeRec", "BranchDiam", kDiameter},
    {"TDischargeRec", "BranchLength", kLength},
    {"TDischargeRec", "ShutoffDiam", kDiameter},
    {"TDischargeRec", "NozzleOpen", kFraction},
    // The tip bore is replaced by 6 in outside 0.05 to 10 ft when its loss
    // coefficient is computed.
    {"TDischargeRec", "TipDiam", {0, 10, "ft"}},
    {"TDischargeRec", "NozzleRatedPress", kSetPressure},
    {"TDischargeRec", "NozzleType", {0, 4, ""}},
    {"TDischargeRec", "MasterKind", {0, 2, ""}},
    {"TDischargeRec", "NozzleCd", {0, 2, ""}},
    {"TDischargeRec", "GpmSetting", kGpm},
    {"TDischargeRec", "GpmIndex", {0, 5, ""}},
    {"TDischargeRec", "AutoGpmMin", kGpm},
    {"TDischargeRec", "AutoGpmMax", kGpm},
    {"TDischargeRec", "PumpEndElev", kElevation},
    {"TDischargeRec", "NozzleElev", kElevation},
    {"TDischargeListRec", "LineCount", {0, 15, ""}},
    {"TPumpRec", "GearRatio", {0.1, 10, ""}},
    {"TPumpRec", "OilPressSet", {0, 200, "psi"}},
    {"TPumpRec", "OilWarnPress", {0, 200, "psi"}},
    {"TPumpRec", "CoolantTempSet", kTemperature},
    {"TPumpRec", "CoolantWarnTemp", kTemperature},
    {"TPumpRec", "EngineCooler", {0, 2, ""}},
    {"TPumpRec", "RatedFlow", kGpm},
    {"TPumpRec", "TwoStage", {0, 1, ""}},
    {"TPumpRec", "StageMode", {0, 2, ""}},
    {"TPumpRec", "IdleImpellerRpm", kImpellerRpm},
    {"TPumpRec", "RatedImpellerRpm", kImpellerRpm},
    {"TPumpRec", "IdlePress", kSetPressure},
    {"TPumpRec", "IdlePressVolume", kSetPressure},
    // The no-flow line of a pump: a high-speed pressure of up to 32,000 psi
    // over a few RPM above idle.
    {"TPumpRec", "PressPerRpm", {1e-6, 1e5, "psi/RPM"}},
    {"TPumpRec", "PressPerRpmVolume", {1e-6, 1e5, "psi/RPM"}},
    {"TPumpRec", "PressIntercept", {-1e9, 1e9, "psi"}},
    {"TPumpRec", "PressInterceptSeries", {-1e9, 1e9, "psi"}},
    {"TPumpRec", "PumpLossK", {0, 1, "psi/gpm2"}},
    {"TPumpRec", "FlowEfficiency", kFraction},
    {"TPumpStatusRec", "TankBottomElev", kElevation},
    {"TPumpStatusRec", "PumpElev", kElevation},
    {"TPumpStatusRec", "GaugeMaxPress", {1, 10000, "psi"}},
    {"TPumpStatusRec", "CompoundMinPress", {-100, 0, "psi"}},
    {"TEngineRec", "Rpm", kRpm},
    {"TEngineRec", "RpmDemand", kRpm},
    {"TEngineRec", "IdleRpm", kRpm},
    {"TEngineRec", "MinIdleRpm", kRpm},
    {"TEngineRec", "MaxRpm", {1, 10000, "RPM"}},
    {"TEngineRec", "SoundRefRpm", {1, 10000, "RPM"}},
    {"TEngineRec", "CavitationRpm", kRpm},
    {"TPumpControlRec", "ReliefMode", {0, 2, ""}},
    {"TPumpControlRec", "ReliefSetPress", kSetPressure},
    {"TPumpControlRec", "ReliefMinPress", kSetPressure},
    {"TPumpControlRec", "ReliefMaxPress", kSetPressure},
    {"TPumpControlRec", "PressureControlMode", {0, 2, ""}},
    {"TPumpControlRec", "GovernorMode", {0, 2, ""}},
    {"TPumpControlRec", "GovernorSetPress", kSetPressure},
    {"TPumpControlRec", "GovernorPressInit", kSetPressure},
    {"TPumpControlRec", "GovernorSetRpm", kRpm},
    {"TPumpControlRec", "GovernorRpmInit", kRpm},
    {"TPumpControlRec", "GovernorPressBand", kSetPressure},
    {"TPumpControlRec", "GovernorRpmBand", kRpm},
    {"TPumpControlRec", "PrimerState", {0, 2, ""}},
    {"TPumpControlRec", "PrimerRate", {0, 10000, "ft3/s"}},
    {"TPumpControlRec", "PrimeHoldTime", kTime},
    {"TPumpControlRec", "PrimerOilPercent", {0, 100, "%"}},
    {"TSupplyRec", "SupplyType", {0, 3, ""}},
    {"TSupplyRec", "FiniteDraftSource", {0, 2, ""}},
    {"TSupplyRec", "WaterTemp", {0, 250, "F"}},
    {"TSupplyRec", "StaticPressNow", kSupplyPressure},
    {"TSupplyRec", "StaticPress", kSupplyPressure},
    {"TSupplyRec", "ResidualPress", kSupplyPressure},
    {"TSupplyRec", "RatedSupplyFlow", kGpm},
    {"TSupplyRec", "Altitude", {-10000, 20000, "ft"}},  // as the supply setup takes it
    {"TTankRec", "Capacity", kTankGallons},
    {"TTankRec", "InitialVolume", kTankGallons},
    {"TTankRec", "Volume", kTankGallons},
    {"TTankRec", "Height", {0.1, 100, "ft"}},
    {"TTankRec", "LevelState", {0, 4, ""}},
    {"TTankRec", "LevelStateShown", {0, 4, ""}},
    {"TTankRec", "Level1Fraction", kFraction},
    {"TTankRec", "Level2Fraction", kFraction},
    {"TTankRec", "Level3Fraction", kFraction},
    {"TTankRec", "Level4Fraction", kFraction},
    {"TDraftSourceRec", "Capacity", kWaterGallons},
    {"TDraftSourceRec", "Volume", kWaterGallons},
    {"TTenderRec", "FirstCallTime", kTime},
    {"TTenderRec", "RoundTripTime", kTime},
    {"TTenderRec", "TenderCapacity", kTankGallons},
    {"TIncidentRec", "Line", {0, 19, ""}},
    {"TIncidentRec", "EventTime", kTime},
    {"TIncidentRec", "RecoverTime", kTime},
    {"TIncidentRec", "EventPress", kSupplyPressure},
    {"TIncidentRec", "StopTime", kTime},
    {"TIncidentRec", "Period", kTime},
    {"TIncidentRec", "HighPress", kSupplyPressure},
    {"TIncidentRec", "LowPress", kSupplyPressure},
    {"TIncidentRec", "Fraction", kFraction},
    {"TIncidentRec", "FluctType", {0, 2, ""}},
    {"TShowOptionsRec", "WaterHammerLimit", {0, 10000, "psi"}},
    {"TBurnHouseRec", "AmbientTemp", kTemperature},
    {"TBurnHouseRec", "TotalFireLoad", {0, 1e9, "lb"}},
    {"TBurnHouseRec", "Length", {0, 1000, "ft"}},
    {"TBurnHouseRec", "Width", {0, 1000, "ft"}},
    {"TBurnHouseRec", "Height", {0, 1000, "ft"}},
    {"TBurnHouseRec", "VentArea", {0, 1e6, "ft2"}},
    {"TBurnHouseRec", "VentHeight", {0, 1000, "ft"}},
    {"TBurnHouseRec", "AppEfficiency", kFraction},
    {"TBurnHouseRec", "FireLoad", {0, 1000, "lb/ft2"}},
    {"TFoamSetupRec", "TANK_CAP", kFoamGallons},
    {"TFoamSetupRec", "FoamTankA", kFoamGallons},
    {"TFoamSetupRec", "FoamTankB", kFoamGallons},
    {"TFoamSetupRec", "FoamFraction", kFraction},
    {"TFoamSetupRec", "PropLever", {0, 1, ""}},
    {"TFoamSetupRec", "CafsMode", {0, 1, ""}},
    {"TFoamSetupRec", "CafsAirValve", kFraction},
    {"TFoamSetupRec", "FoamPercentSet", {0, 6, "%"}},
};

}  // namespace

std::string RangeNumberText(double v) {
  if (std::fabs(v) < 1e15 && v == std::trunc(v)) return std::to_string(static_cast<long long>(v));
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

const FieldRange* ListedFieldRange(std::string_view recordType, std::string_view member) {
  static const auto byName = [] {
    std::unordered_map<std::string, const FieldRange*> m;
    for (const ListedRange& r : kRanges)
      m.emplace(std::string(r.record) + "." + r.member, &r.range);
    return m;
  }();
  auto it = byName.find(std::string(recordType) + "." + std::string(member));
  return it == byName.end() ? nullptr : it->second;
}

namespace {

// A shown number rid of the noise of converting there and back: 7000 m
// stored as feet reads 7000 again.
double Rounded(double v, int decimals) {
  const double scale = std::pow(10.0, decimals);
  if (!(std::fabs(v) * scale < 1e15)) return v;
  const double r = std::round(v * scale) / scale;
  return r == 0 ? 0 : r;  // no "-0"
}

}  // namespace

std::string RangeRefusal(std::string_view recordType, std::string_view member, double stored,
                         const ShownField& shown) {
  const FieldRange* r = ListedFieldRange(recordType, member);
  if (!r || (stored >= r->Min && stored <= r->Max)) return "";
  auto text = [&](double v, int decimals) {
    return RangeNumberText(Rounded(v * shown.Factor + shown.Offset, decimals));
  };
  const std::string unit = shown.Unit.empty() ? "" : " " + shown.Unit;
  return shown.Caption + " " + text(stored, 6) + unit + " is outside its range, " +
         text(r->Min, 2) + " to " + text(r->Max, 2) + unit + ".  Value unchanged.";
}

}  // namespace pumpdrill
