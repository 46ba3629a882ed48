// The panel's line list: the styles of the throttle and pressure control,
// the turning sense of rotary valve handles, the number of discharge lines
// in use and the title of every line. Only LineCount travels with an
// Evolution; the rest belongs to the panel file.
#pragma once

#include "sim/record_layout.h"
#include "sim/types.h"

namespace pumpdrill {

PUMPDRILL_RECORDS_BEGIN

struct TDischargeListRec {
  Byte ThrottleStyle{};                    // 0 5, 6, 7 throttle kinds, 25 none
  Byte PressureControlStyle{};             // 1 1, 2 relief valves, 8, 9, 10 governors, 24 none
  Pad<1> Pad002{};
  Array1<Boolean, 18> RotaryOpensCCW{};    // 3 valve n at byte n + 2
  Pad<1> Pad015{};
  Byte LineCount{};                        // 16 discharge lines in use, 1 to 15
  Array1<ShortString, 19> LineTitle{};     // 17 title of each line
};

PUMPDRILL_RECORDS_END

PUMPDRILL_PLAIN_RECORD(TDischargeListRec, 4887);
PUMPDRILL_FIELD_AT(TDischargeListRec, ThrottleStyle, 0);
PUMPDRILL_FIELD_AT(TDischargeListRec, PressureControlStyle, 1);
PUMPDRILL_FIELD_AT(TDischargeListRec, RotaryOpensCCW, 3);
PUMPDRILL_FIELD_AT(TDischargeListRec, LineCount, 0x16);
PUMPDRILL_FIELD_AT(TDischargeListRec, LineTitle, 0x17);

}  // namespace pumpdrill
