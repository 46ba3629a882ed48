// The incidents an instructor schedules for a run: loss of prime, a
// fluctuating or shifting supply, a ruptured or kinked supply line, a
// collapsing hard suction, loss of engine oil and an uncoupled discharge
// line; and the tender that refills a dump tank.
#pragma once

#include "sim/host.h"
#include "sim/random_source.h"

namespace pumpdrill {

struct State;

// Incident record numbers.
enum IncidentNo : int {
  kIncidentLossOfPrime = 1,
  kIncidentFluctuatingSupply = 2,
  kIncidentShiftingSupply = 3,
  kIncidentLineRupture = 4,
  kIncidentKink = 5,
  kIncidentOilLoss = 6,
  kIncidentHardSuctionCollapse = 8,
  kIncidentUncoupling = 9,
};

// The sound file a tender plays when it reaches the dump tank, found in the
// sounds directory.
inline constexpr const char* kTenderArrivalSound = "ictender.wav";

// One tick of the scheduled incidents. With reset set (a run start) only the
// tender schedule, the finite draft source and every incident's done flags
// start afresh. The sporadic fluctuation draws from `random`.
void ProcessIncidents(State& s, bool reset, bool simActive, RandomSource& random, Host& host);

// The finite draft source at its starting level: empty, or full while no
// run is active; during a run a full start only keeps it within capacity.
void ResetDraftSource(State& s, bool simActive);

// A tender reaches the dump tank: its radio sound plays and its load is
// added, never beyond the dump tank's capacity.
void TenderArrives(State& s, Host& host);

// Operator-side view of a record: in use and StartTime <= Time < StopTime.
bool IncidentActive(const State& s, int n);

}  // namespace pumpdrill
