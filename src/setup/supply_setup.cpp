#include "setup/supply_setup.h"

#include <algorithm>
#include <cmath>

#include "setup/incident_time.h"
#include "sim/coefficients.h"
#include "sim/constants.h"
#include "sim/field_ranges.h"
#include "sim/hydrant.h"
#include "sim/incidents.h"
#include "sim/state.h"
#include "sim/supply.h"
#include "sim/tank.h"

namespace pumpdrill {

namespace {

// The supply line at draft and away from it.
constexpr double kHardSuctionDiam = 0.5;  // ft, 6 in
constexpr double kHardSuctionLength = 10;
constexpr double kLongestKeptSuction = 20;
constexpr double kSoftSleeveDiam = 2.5 / 12;  // ft
constexpr double kSoftSleeveLength = 150;
constexpr double kDefaultStaticPress = 80;
constexpr double kDefaultFluctuationPeriod = 20;

void ClearUse(State& s, std::initializer_list<int> records) {
  for (int n : records) s.Incidents[n].Use = false;
}

void NewSupplyHose(State& s, double diam, double length, Byte kind, const HoseFrictionTable& table,
                   Host& host) {
  TDischargeRec& d = s.Discharges[kIntakeLine];
  d.HoseDiam = diam;
  d.HoseDiamSet = diam;
  d.HoseLength = length;
  d.HoseKind = kind;
  d.HoseC = DefaultHoseC(table, diam * 12);
  UpdateValveK(s, kIntakeLine);
  UpdateNozzleK(s, kIntakeLine);
  UpdateLineCoefficients(s, kIntakeLine, host);
}

}  // namespace

void ChangeSupplyType(State& s, int type, const HoseFrictionTable& table, Host& host) {
  if (type < kSupplyHydrant || type > kSupplyRelay) return;
  TSupplyRec& sup = s.Supply;
  const int previous = sup.SupplyType;
  sup.SupplyType = static_cast<Byte>(type);
  TDischargeRec& line = s.Discharges[kIntakeLine];
  if (type == kSupplyDraft) {
    sup.StaticPress = 0;
    double length = line.HoseLength > kLongestKeptSuction ? kHardSuctionLength : line.HoseLength;
    NewSupplyHose(s, kHardSuctionDiam, length, 2, table, host);
    // Fluctuation, shifting supply, rupture and kink cannot be seen or set
    // at draft: they would act on a supply that is not there.
    ClearUse(s, {kIncidentFluctuatingSupply, kIncidentShiftingSupply, kIncidentLineRupture,
                 kIncidentKink});
  } else {
    if (!(sup.StaticPress > 0)) sup.StaticPress = kDefaultStaticPress;
    CalcHydrantCoefficients(s);
    ClearUse(s, {kIncidentLossOfPrime, kIncidentHardSuctionCollapse});
    s.Tender.Use = false;
    if (previous == kSupplyDraft) {
      NewSupplyHose(s, kSoftSleeveDiam, kSoftSleeveLength, 0, table, host);
      ClearUse(s, {kIncidentFluctuatingSupply, kIncidentShiftingSupply, kIncidentLineRupture,
                   kIncidentKink});
    }
  }
  // A new supply is not primed by an earlier draft.
  if (type != previous) sup.IntakePrimed = false;
  sup.SupplyName = kSupplyTypeNames[type];
}

HydrantClass HydrantClassOf(double ratedGpm) {
  if (ratedGpm >= 1500) return kClassAA;
  if (ratedGpm >= 1000) return kClassA;
  if (ratedGpm >= 500) return kClassB;
  return kClassC;
}

const char* HydrantClassCaption(HydrantClass c, bool metric) {
  static constexpr const char* kEnglish[] = {"AA       1500 + ", "A      1000 - 1499",
                                             "B        500 - 999 ", "C           < 500"};
  static constexpr const char* kMetric[] = {"AA       5685 +", "A      3790 - 5684",
                                            "B      1895 - 3789", "C           < 1895"};
  return metric ? kMetric[c] : kEnglish[c];
}

std::string SupplyPictureName(const State& s) {
  static constexpr const char* kClassPictures[] = {"SUPPLY_HYDRANT_AA", "SUPPLY_HYDRANT_A",
                                                   "SUPPLY_HYDRANT_B", "SUPPLY_HYDRANT_C"};
  switch (s.Supply.SupplyType) {
    case kSupplyHydrant:
      return kClassPictures[HydrantClassOf(s.Supply.RatedSupplyFlow)];
    case kSupplyDraft:
      return "SUPPLY_DRAFT";
    case kSupplyRelay:
      return "SUPPLY_RELAY";
    default:
      return "";
  }
}

void StepRatedFlow(State& s, int direction) {
  double flow = s.Supply.RatedSupplyFlow + (direction > 0 ? kRatedFlowStep : -kRatedFlowStep);
  s.Supply.RatedSupplyFlow = std::max(flow, kLowestRatedFlow);
  CalcHydrantCoefficients(s);
}

std::optional<double> AvailableFlowAt20(const State& s) {
  const double p = s.Supply.StaticPress;
  const double k = s.Supply.SupplyK;
  if (!(p > kAvailableFlowResidual) || !(k > 0)) return std::nullopt;
  return kGpmPerCfs * std::sqrt((p - kAvailableFlowResidual) / (kPsiPerFoot * k));
}

std::string DumpTankRefusedText(const std::string& volumeUnit) {
  return "Dump tank size must be greater than zero  " + volumeUnit + " .  Value unchanged.";
}

double TankStateFraction(int state) { return std::clamp(state, 0, 4) * 0.25; }

SupplyCommit CommitSupplySetting(State& s, SupplySetting setting, double value, bool simActive,
                                 Host& host, const DisplayUnits& units) {
  auto refuse = [](std::string message) { return SupplyCommit{false, std::move(message)}; };
  if (!std::isfinite(value)) return refuse("");
  TTankRec& tank = s.Tank;
  // After the window's own checks, a value no apparatus has is refused
  // with its range.
  auto outside = [&](const char* record, const char* member, const ShownField& shown) {
    return RangeRefusal(record, member, value, shown);
  };
  auto shown = [&](int q, const char* caption) { return ShownQuantity(units, q, caption); };
  switch (setting) {
    case SupplySetting::StaticPress:
      if (value < 0) return refuse(kStaticRefusedText);
      if (std::string r =
              outside("TSupplyRec", "StaticPress", shown(kUnitPressure, "Static pressure"));
          !r.empty())
        return refuse(r);
      s.Supply.StaticPress = value;
      CalcHydrantCoefficients(s);
      break;
    case SupplySetting::Elevation:
      if (std::string r = outside("TDischargeRec", "PumpEndElev", shown(kUnitLength, "Elevation"));
          !r.empty())
        return refuse(r);
      s.Discharges[kIntakeLine].PumpEndElev = value;
      break;
    case SupplySetting::Altitude:
      if (value < kLowestAltitude || value > kHighestAltitude) return refuse(kAltitudeRefusedText);
      s.Supply.Altitude = value;
      UpdateAltitude(s);
      break;
    case SupplySetting::TankCapacity: {
      if (!(value > 0)) return refuse(kTankCapacityRefusedText);
      if (std::string r = outside("TTankRec", "Capacity", shown(kUnitVolume, "Tank capacity"));
          !r.empty())
        return refuse(r);
      // The tank starts as full as it did, in parts of the new capacity.
      double fraction =
          tank.Capacity > 0 ? std::clamp<double>(tank.InitialVolume / tank.Capacity, 0, 1) : 1.0;
      tank.Capacity = value;
      tank.InitialVolume = fraction * value;
      if (simActive) {
        ResizeTank(s, host);
      } else {
        UpdateTank(s, true, host);
      }
      host.RefreshPanelDisplays();
      break;
    }
    case SupplySetting::TankHeight:
      if (!(value > 0)) return refuse(kTankHeightRefusedText);
      if (std::string r = outside("TTankRec", "Height", shown(kUnitLength, "Tank height"));
          !r.empty())
        return refuse(r);
      tank.Height = value;
      // During a run the water stays in the reshaped tank.
      if (simActive) {
        ResizeTank(s, host);
      } else {
        UpdateTank(s, true, host);
      }
      host.RefreshPanelDisplays();
      break;
    case SupplySetting::DumpTankCapacity:
      if (!(value > 0)) return refuse(DumpTankRefusedText(units.Label[kUnitVolume]));
      if (std::string r =
              outside("TDraftSourceRec", "Capacity", shown(kUnitVolume, "Dump tank capacity"));
          !r.empty())
        return refuse(r);
      s.DraftSource.Capacity = value;
      if (!simActive) ResetDraftSource(s, simActive);
      if (s.DraftSource.Volume > value) s.DraftSource.Volume = value;
      break;
    case SupplySetting::WaterTemp:
      if (value < 0) return refuse("");
      if (std::string r =
              outside("TSupplyRec", "WaterTemp", ShownTemperature(units, "Water temperature"));
          !r.empty())
        return refuse(r);
      s.Supply.WaterTemp = value;
      if (!simActive) host.RefreshPanelDisplays();
      break;
    case SupplySetting::TankState: {
      int state = static_cast<int>(std::lround(value));
      if (state < 0 || state > 4) return refuse("Tank full state not initialized.");
      tank.InitialVolume = TankStateFraction(state) * tank.Capacity;
      if (!simActive) {
        // The panel shows the new level at once.
        UpdateTank(s, true, host);
        tank.LevelState = static_cast<Byte>(state);
        host.RefreshPanelDisplays();
      }
      break;
    }
    case SupplySetting::DraftSource: {
      int source = static_cast<int>(std::lround(value));
      if (source < 0 || source > 2) return refuse("");
      s.Supply.FiniteDraftSource = static_cast<Byte>(source);
      break;
    }
    case SupplySetting::StartFull:
      s.DraftSource.StartFull = value != 0;
      if (!simActive) ResetDraftSource(s, simActive);
      break;
  }
  return {};
}

void SetFluctuation(State& s, const FluctuationEntry& e) {
  TIncidentRec& r = s.Incidents[kIncidentFluctuatingSupply];
  r.StartTime() = IncidentTimeSet(e.Start) ? e.Start : kNeverTime;
  r.StopTime = IncidentTimeSet(e.Stop) ? e.Stop : kNeverTime;
  double percent = std::isfinite(e.Percent) ? std::clamp(e.Percent, 0.0, 100.0) : 0.0;
  r.Fraction = percent / 100;
  r.FluctType = static_cast<Byte>(e.Type == 2 ? 2 : 1);
  // A mean time of 0 would change the pressure without end (and divide
  // the period by zero).
  r.Period = IncidentTimeSet(e.MeanTime) ? e.MeanTime : kDefaultFluctuationPeriod;
}

void SetShiftingSupply(State& s, const ShiftEvent (&events)[3]) {
  TIncidentRec& r = s.Incidents[kIncidentShiftingSupply];
  for (int i = 1; i <= 3; ++i) {
    const ShiftEvent& e = events[i - 1];
    r.EventTime[i] = IncidentTimeSet(e.Start) ? e.Start : kNeverTime;
    r.RecoverTime[i] = IncidentTimeSet(e.End) ? e.End : kNeverTime;
    if (std::isfinite(e.Press) && RangeRefusal("TIncidentRec", "EventPress", e.Press, {}).empty())
      r.EventPress[i] = e.Press;
  }
}

void SetLineRuptureTime(State& s, double seconds) {
  s.Incidents[kIncidentLineRupture].StartTime() = IncidentTimeSet(seconds) ? seconds : kNeverTime;
}

void SetPrimeLossTimes(State& s, const double (&seconds)[3]) {
  TIncidentRec& r = s.Incidents[kIncidentLossOfPrime];
  for (int i = 1; i <= 3; ++i)
    r.EventTime[i] = IncidentTimeSet(seconds[i - 1]) ? seconds[i - 1] : kNeverTime;
}

void SetCollapsePress(State& s, double psi) {
  if (std::isfinite(psi) && RangeRefusal("TIncidentRec", "EventPress", psi, {}).empty())
    s.Incidents[kIncidentHardSuctionCollapse].EventPress[1] = psi;
}

SupplyCommit SetTender(State& s, const TenderEntry& e, bool simActive, const DisplayUnits& units) {
  // An interval of 0 would bring a tender at every tick.
  if (!IncidentTimeSet(e.Refill)) return {false, kRefillRefusedText};
  if (!(e.Capacity > 0) || !std::isfinite(e.Capacity)) return {false, kTenderCapacityRefusedText};
  if (std::string range = RangeRefusal("TTenderRec", "TenderCapacity", e.Capacity,
                                       ShownQuantity(units, kUnitVolume, "Tender tank"));
      !range.empty())
    return {false, range};
  TTenderRec& t = s.Tender;
  t.FirstCallTime = IncidentTimeSet(e.FirstCall) ? e.FirstCall : kNeverTime;
  t.RoundTripTime = e.Refill;
  t.TenderCapacity = e.Capacity;
  t.NextArrival = simActive ? s.SimClock.Time + t.FirstCallTime : t.FirstCallTime;
  return {};
}

void SetIncidentUse(State& s, int record, bool use) {
  if (record < 1 || record > kIncidentCount) return;
  s.Incidents[record].Use = use;
  if (record == kIncidentKink && use) s.Incidents[record].StartTime() = 0;
}

void SetTenderUse(State& s, bool use) { s.Tender.Use = use; }

}  // namespace pumpdrill
