// What the supply and tank setup writes into the state: the supply type and
// the supply line that goes with it, the hydrant's rating, the static
// pressure, the supply elevation, the site altitude, the water temperature,
// the booster tank, the draft source and its tender, and the supply
// incidents. Each commit keeps the derived supply values in step.
#pragma once

#include <optional>
#include <string>

#include "frame/units.h"
#include "sim/host.h"
#include "sim/sim_settings.h"

namespace pumpdrill {

struct State;

// The supply names stored with each type.
inline constexpr const char* kSupplyTypeNames[] = {"Hydrant", "Draft", "Relay"};

// A new supply type (0 hydrant, 1 draft, 2 relay). At draft the supply
// line becomes hard suction of 6 in (10 ft when it was longer than 20 ft)
// and the static pressure 0; leaving draft gives 150 ft of 2-1/2 in soft
// sleeve. Incidents that the new type cannot show are switched off, the
// prime of an earlier draft is forgotten, and the supply line's
// coefficients follow its new hose (its C the default of the diameter).
void ChangeSupplyType(State& s, int type, const HoseFrictionTable& table, Host& host);

// Hydrant rating classes by rated flow (gpm): AA from 1500, A from 1000,
// B from 500, C below.
enum HydrantClass : int { kClassAA = 0, kClassA = 1, kClassB = 2, kClassC = 3 };
HydrantClass HydrantClassOf(double ratedGpm);
// The class captions of the rating, English or metric.
const char* HydrantClassCaption(HydrantClass c, bool metric);
// The supply picture of the state's type: "SUPPLY_HYDRANT_AA" ..
// "SUPPLY_HYDRANT_C" by class, "SUPPLY_DRAFT", "SUPPLY_RELAY"; "" for any
// other type.
std::string SupplyPictureName(const State& s);

// The rated-flow arrows: 50 gpm up (direction > 0) or down, never below
// 300 gpm; the hydrant's coefficients follow.
inline constexpr double kRatedFlowStep = 50;
inline constexpr double kLowestRatedFlow = 300;
void StepRatedFlow(State& s, int direction);

// The flow (gpm) the hydrant gives at 20 psi residual; nothing for a
// hydrant whose static pressure is not above 20 psi.
inline constexpr double kAvailableFlowResidual = 20;
std::optional<double> AvailableFlowAt20(const State& s);

// One field of the supply setup as the window commits it, for the window
// and the runner alike. Values in the state's units (psi, ft, gal, deg F).
// Stored is false for a refused value; Message is then what the user is
// told ("" when the value is only ignored).
enum class SupplySetting {
  StaticPress,
  Elevation,
  Altitude,
  TankCapacity,
  TankHeight,
  DumpTankCapacity,
  WaterTemp,
  TankState,    // value: the state 0 (empty) .. 4 (full)
  DraftSource,  // value: 0 lake or river, 1 pool, 2 dump tank
  StartFull,    // value: 1 full, 0 empty
};
struct SupplyCommit {
  bool Stored = true;
  std::string Message;
};
inline constexpr const char* kAltitudeRefusedText = "Altitude is out of bounds.  Value unchanged.";
inline constexpr const char* kStaticRefusedText =
    "Static pressure cannot be negative.  Value unchanged.";
inline constexpr const char* kTankCapacityRefusedText =
    "Tank capacity must be greater than zero.  Value unchanged.";
inline constexpr const char* kTankHeightRefusedText =
    "Tank height must be greater than zero.  Value unchanged.";
inline constexpr const char* kRefillRefusedText =
    "Refill interval must be greater than zero.  Value unchanged.";
inline constexpr const char* kTenderCapacityRefusedText =
    "Tender capacity must be greater than zero.  Value unchanged.";
inline constexpr double kLowestAltitude = -10000;
inline constexpr double kHighestAltitude = 20000;
// "Dump tank size must be greater than zero  gal .  Value unchanged." with
// the volume unit shown.
std::string DumpTankRefusedText(const std::string& volumeUnit);

// The commit of one setting, value in the stored unit; simActive: a run is
// in progress. After a tank or temperature change the panel's displays are
// asked to refresh. Refusals give values in the units the window shows.
SupplyCommit CommitSupplySetting(State& s, SupplySetting setting, double value, bool simActive,
                                 Host& host, const DisplayUnits& units = {});

// The fraction of a full tank of tank state 0..4 (0, 0.25, .. 1).
double TankStateFraction(int state);

// The incidents' sub-panels. Times in seconds, kNeverTime when not set.
struct FluctuationEntry {
  double Start = 0, Stop = 0;
  double Percent = 0;
  int Type = 1;         // 1 periodic, 2 sporadic
  double MeanTime = 0;  // not above 0 (or not set): 20 s
};
void SetFluctuation(State& s, const FluctuationEntry& e);

struct ShiftEvent {
  double Start = 0, End = 0, Press = 0;
};
void SetShiftingSupply(State& s, const ShiftEvent (&events)[3]);
void SetLineRuptureTime(State& s, double seconds);
void SetPrimeLossTimes(State& s, const double (&seconds)[3]);
void SetCollapsePress(State& s, double psi);

struct TenderEntry {
  double FirstCall = 0, Refill = 0, Capacity = 0;
};
// Refuses a refill interval or capacity not above 0, or a capacity beyond
// its range (Message set, nothing stored). The next arrival is the first call from now during a
// run.
SupplyCommit SetTender(State& s, const TenderEntry& e, bool simActive,
                       const DisplayUnits& units = {});

// The use flag of an incident record (1..9), as its check box sets it:
// the kink starts at once when switched on.
void SetIncidentUse(State& s, int record, bool use);
void SetTenderUse(State& s, bool use);

}  // namespace pumpdrill
