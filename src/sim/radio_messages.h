// The radio-call schedule of an Evolution: the calls the instructor set for
// given run times. Stored whole in the Evolution file. The radio calls
// (scheduling, playing, the configuration dialog) build on this record.
#pragma once

#include <array>
#include <cstddef>
#include <type_traits>

#include "sim/types.h"

namespace pumpdrill {

inline constexpr int kRadioCallCount = 63;
// The time of a call that is not used, and the next-call time of an empty schedule.
inline constexpr Double kUnusedCallTime = 99999.9;
inline constexpr Double kNoNextCallTime = 999999.0;

struct TRadioMessagesRec {
  Byte NextCall = 0;                                   // 000 index (0 to 62) of the next call
  Pad<7> Pad001{};
  Double NextCallTime = kNoNextCallTime;               // 008 SimClock.Time of the next call
  std::array<Double, kRadioCallCount> CallTime{};      // 010 times of the calls, s
  std::array<ShortString, kRadioCallCount> CallFile{}; // 208 call file names (in the sounds folder)
};
static_assert(sizeof(TRadioMessagesRec) == 16648);

// An empty schedule: no call used, none due.
inline void SetRadioMessagesDefaults(TRadioMessagesRec& r) {
  r = TRadioMessagesRec{};
  r.CallTime.fill(kUnusedCallTime);
}
static_assert(std::is_trivially_copyable_v<TRadioMessagesRec>);
static_assert(offsetof(TRadioMessagesRec, NextCallTime) == 8);
static_assert(offsetof(TRadioMessagesRec, CallTime) == 16);
static_assert(offsetof(TRadioMessagesRec, CallFile) == 520);

}  // namespace pumpdrill
