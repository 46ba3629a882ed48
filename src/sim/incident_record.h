// A scheduled incident. Records: 1 loss of prime, 2 fluctuating supply,
// 3 shifting supply, 4 supply line rupture, 5 kink in the supply line,
// 6 engine oil loss, 7 unused, 8 hard suction collapse, 9 discharge line
// uncoupling. Times in seconds of simulated time; a time that is not set
// holds kNeverTime.
#pragma once

#include "sim/record_layout.h"
#include "sim/types.h"

namespace pumpdrill {

PUMPDRILL_RECORDS_BEGIN

struct TIncidentRec {
  Boolean Use{};                    // 00
  Byte Line{};                      // 01 record 9: the affected line
  Pad<2> Pad02{};
  Array1<Boolean, 3> Done{};        // 04 events 1 to 3 have happened
  Pad<1> Pad07{};
  Array1<Double, 3> EventTime{};    // 08 event times; the first is the start time
  Array1<Double, 3> RecoverTime{};  // 20 shifting supply: end of each event
  Array1<Double, 3> EventPress{};   // 38 shifting supply's pressures; record 8's collapse pressure
  Pad<8> Pad50{};
  Double StopTime{};                // 58
  Double Period{};                  // 60 fluctuation period
  Double NextChange{};              // 68 time of the next fluctuation change
  Double HighPress{};               // 70 fluctuation band
  Double LowPress{};                // 78
  Double LastOffset{};              // 80 last fluctuation offset
  Byte Spare88{};                   // 88
  Pad<7> Pad89{};
  Double Fraction{};                // 90 fluctuation fraction
  Byte FluctType{};                 // 98 1 periodic, 2 sporadic
  Pad<7> Pad99{};

  Double& StartTime() { return EventTime[1]; }
  const Double& StartTime() const { return EventTime[1]; }
};

PUMPDRILL_RECORDS_END

PUMPDRILL_PLAIN_RECORD(TIncidentRec, 160);
PUMPDRILL_FIELD_AT(TIncidentRec, Line, 0x01);
PUMPDRILL_FIELD_AT(TIncidentRec, Done, 0x04);
PUMPDRILL_FIELD_AT(TIncidentRec, EventTime, 0x08);
PUMPDRILL_FIELD_AT(TIncidentRec, RecoverTime, 0x20);
PUMPDRILL_FIELD_AT(TIncidentRec, EventPress, 0x38);
PUMPDRILL_FIELD_AT(TIncidentRec, StopTime, 0x58);
PUMPDRILL_FIELD_AT(TIncidentRec, Period, 0x60);
PUMPDRILL_FIELD_AT(TIncidentRec, NextChange, 0x68);
PUMPDRILL_FIELD_AT(TIncidentRec, HighPress, 0x70);
PUMPDRILL_FIELD_AT(TIncidentRec, LowPress, 0x78);
PUMPDRILL_FIELD_AT(TIncidentRec, LastOffset, 0x80);
PUMPDRILL_FIELD_AT(TIncidentRec, Spare88, 0x88);
PUMPDRILL_FIELD_AT(TIncidentRec, Fraction, 0x90);
PUMPDRILL_FIELD_AT(TIncidentRec, FluctType, 0x98);

}  // namespace pumpdrill
