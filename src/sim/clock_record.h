// The simulation clock: eight Doubles, seconds. The run control owns the
// first three; Time is the simulated time every other part reads.
#pragma once

#include "sim/record_layout.h"
#include "sim/types.h"

namespace pumpdrill {

PUMPDRILL_RECORDS_BEGIN

struct TSimClockRec {
  Double ClockNow{};          // 00 time of day at the last clock update
  Double RunAccumulated{};    // 08 run seconds before the current start or resume
  Double ResumeStart{};       // 10 time of day of the last start or resume
  Double Time{};              // 18 elapsed run seconds
  Double LastTankUpdate{};    // 20
  Double LastFoamUpdate{};    // 28
  Double LastGaugeUpdate{};   // 30 Time at the last 0.15 s gauge refresh
  Double LastFlowSnapshot{};  // 38 Time at the last 0.3 s flow snapshot
};

PUMPDRILL_RECORDS_END

PUMPDRILL_PLAIN_RECORD(TSimClockRec, 64);
PUMPDRILL_FIELD_AT(TSimClockRec, RunAccumulated, 0x08);
PUMPDRILL_FIELD_AT(TSimClockRec, ResumeStart, 0x10);
PUMPDRILL_FIELD_AT(TSimClockRec, Time, 0x18);
PUMPDRILL_FIELD_AT(TSimClockRec, LastTankUpdate, 0x20);
PUMPDRILL_FIELD_AT(TSimClockRec, LastFoamUpdate, 0x28);
PUMPDRILL_FIELD_AT(TSimClockRec, LastGaugeUpdate, 0x30);
PUMPDRILL_FIELD_AT(TSimClockRec, LastFlowSnapshot, 0x38);

}  // namespace pumpdrill
