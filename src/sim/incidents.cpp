#include "sim/incidents.h"

#include <algorithm>
#include <cmath>

#include "sim/constants.h"
#include "sim/coefficients.h"
#include "sim/host.h"
#include "sim/state.h"
#include "sim/supply.h"

namespace pumpdrill {

namespace {


// Openings of the intake line that an incident leaves.
constexpr double kRupturedOpening = 0.0;
constexpr double kKinkedOpening = 0.05;
constexpr double kCollapsedOpening = 0.1;

constexpr double kOilLossPerTick = 0.35;
constexpr double kDefaultFluctuationPeriod = 20.0;
constexpr double kTwoPi = 6.28318;
constexpr Byte kSporadic = 2;

// Strictly inside the record's window StartTime .. StopTime.
bool InWindow(const TIncidentRec& r, double now) { return r.EventTime[1] < now && now < r.StopTime; }

void LossOfPrime(State& s, double now) {
  TIncidentRec& r = s.Incidents[kIncidentLossOfPrime];
  if (!r.Use) return;
  for (int e = 1; e <= 3; ++e) {
    if (!r.Done[e] && now > r.EventTime[e]) {
      s.Supply.IntakePrimed = false;
      r.Done[e] = true;
    }
  }
}

// The hard suction collapses once, when the intake pressure falls to the
// record's collapse pressure; it stays collapsed until it is replaced.
void HardSuctionCollapse(State& s, double now) {
  TIncidentRec& r = s.Incidents[kIncidentHardSuctionCollapse];
  if (!r.Use) return;
  if (!r.Done[1] && s.Supply.IntakePress <= r.EventPress[1]) {
    r.EventTime[1] = now;
    r.Done[1] = true;
  }
}

bool Collapsed(const State& s, double now) {
  const TIncidentRec& r = s.Incidents[kIncidentHardSuctionCollapse];
  return r.Use && r.Done[1] && !(now > r.StopTime);
}

// The intake line's opening under the incidents that act on it: the most
// restrictive of a rupture, a kink and a collapsed hard suction. When none
// holds it any more, the line opens fully again.
void IntakeOpening(State& s, double now) {
  const TIncidentRec& rupture = s.Incidents[kIncidentLineRupture];
  const TIncidentRec& kink = s.Incidents[kIncidentKink];
  const TIncidentRec& collapse = s.Incidents[kIncidentHardSuctionCollapse];
  if (!rupture.Use && !kink.Use && !collapse.Use) return;

  bool held = false;
  double opening = 1.0;
  if (Collapsed(s, now)) {
    held = true;
    opening = std::min(opening, kCollapsedOpening);
  }
  if (rupture.Use && InWindow(rupture, now)) {
    held = true;
    opening = std::min(opening, kRupturedOpening);
  }
  if (kink.Use && InWindow(kink, now)) {
    held = true;
    opening = std::min(opening, kKinkedOpening);
  }

  TDischargeRec& intake = s.Discharges[kIntakeLine];
  if (held) {
    intake.NozzleOpen = opening;
  } else if (intake.NozzleOpen < 1) {
    intake.NozzleOpen = 1;
  }
  UpdateNozzleK(s, kIntakeLine);
}

void FluctuatingSupply(State& s, double now, RandomSource& random) {
  TIncidentRec& r = s.Incidents[kIncidentFluctuatingSupply];
  if (!r.Use) return;
  TSupplyRec& sup = s.Supply;
  const double period = r.Period > 0 ? r.Period : kDefaultFluctuationPeriod;

  if (!r.Done[1] && now >= r.StartTime() && now < r.StopTime) {
    sup.IntakePrimed = false;
    sup.StaticPressNow = sup.StaticPress;
    r.HighPress = sup.StaticPress * (1 + r.Fraction);
    r.LowPress = sup.StaticPress * (1 - r.Fraction);
    r.Done[1] = true;
    r.NextChange = now + (r.FluctType == kSporadic ? period : 0.5);
    return;
  }
  if (!r.Done[1]) return;

  if (now < r.StopTime) {
    if (now > r.NextChange) {
      if (r.FluctType == kSporadic) {
        r.NextChange = now + random.Below(static_cast<int>(std::lround(2 * period)) + 1);
        const int span = static_cast<int>(std::lround(r.HighPress + 1 - r.LowPress));
        sup.StaticPress = r.LowPress + random.Below(span);
      } else {
        r.NextChange = now;
        sup.StaticPress =
            sup.StaticPressNow + std::sin((now - r.StartTime()) * kTwoPi / period) * (r.HighPress - r.LowPress) / 2;
      }
      r.LastOffset = sup.StaticPress - sup.StaticPressNow;
    }
  } else {
    // Over: the supply returns to its pressure before the fluctuation, once,
    // so that the static pressure can be set again afterwards.
    sup.StaticPress = sup.StaticPressNow;
    r.Done[1] = false;
  }
}

void ShiftingSupply(State& s, double now) {
  TIncidentRec& r = s.Incidents[kIncidentShiftingSupply];
  if (!r.Use) return;
  TSupplyRec& sup = s.Supply;
  for (int e = 1; e <= 3; ++e) {
    // The pressure to return to is taken when the first event begins,
    // whichever of the three is the first one set.
    const bool begun = r.Done[1] || r.Done[2] || r.Done[3];
    if (r.EventTime[e] < now && now < r.RecoverTime[e]) {
      if (!begun) sup.StaticPressNow = sup.StaticPress;
      sup.StaticPress = r.EventPress[e];
      r.Done[e] = true;
    } else if (e >= 2 && begun && r.RecoverTime[e - 1] < now && now < r.EventTime[e]) {
      sup.StaticPress = sup.StaticPressNow;
    }
  }
}

void OilLoss(State& s, double now) {
  TIncidentRec& r = s.Incidents[kIncidentOilLoss];
  if (!r.Use || !(now < r.StopTime)) return;
  bool losing = false;
  for (int e = 1; e <= 3; ++e) {
    if (now > r.EventTime[e]) {
      r.Done[e] = true;
      losing = true;
    }
  }
  if (!losing) return;
  TPumpRec& pump = s.Pump;
  pump.OilPress -= kOilLossPerTick;
  if (pump.OilPress < 0) {
    pump.OilPress = 0;
    r.StopTime = now;
  }
}

void Uncoupling(State& s, double now) {
  TIncidentRec& r = s.Incidents[kIncidentUncoupling];
  if (r.Use && InWindow(r, now)) r.Done[1] = true;
}

}  // namespace

bool IncidentActive(const State& s, int n) {
  const TIncidentRec& r = s.Incidents[n];
  const double now = s.SimClock.Time;
  return r.Use && r.EventTime[1] <= now && now < r.StopTime;
}

void ResetDraftSource(State& s, bool simActive) {
  TDraftSourceRec& source = s.DraftSource;
  if (!source.StartFull) {
    source.Volume = 0;
  } else if (!simActive) {
    source.Volume = source.Capacity;
  } else {
    source.Volume = std::min(source.Volume, source.Capacity);
  }
}

void TenderArrives(State& s, Host& host) {
  host.PriorityRadioCall(kTenderArrivalSound);
  TDraftSourceRec& source = s.DraftSource;
  source.Volume = std::clamp(source.Volume + s.Tender.TenderCapacity, 0.0, std::max(source.Capacity, 0.0));
}

void ProcessIncidents(State& s, bool reset, bool simActive, RandomSource& random, Host& host) {
  if (reset) {
    s.Tender.NextArrival = s.Tender.FirstCallTime;
    ResetDraftSource(s, simActive);
    for (TIncidentRec& r : s.Incidents) {
      for (Boolean& done : r.Done) done = false;
    }
    return;
  }

  const double now = s.SimClock.Time;
  TTenderRec& tender = s.Tender;
  if (tender.Use && now >= tender.NextArrival) {
    TenderArrives(s, host);
    // A tender without a round trip comes once, not on every tick.
    tender.NextArrival = tender.RoundTripTime > 0 ? tender.NextArrival + tender.RoundTripTime : kNeverTime;
  }
  LossOfPrime(s, now);
  HardSuctionCollapse(s, now);
  FluctuatingSupply(s, now, random);
  ShiftingSupply(s, now);
  IntakeOpening(s, now);
  OilLoss(s, now);
  Uncoupling(s, now);
}

}  // namespace pumpdrill
