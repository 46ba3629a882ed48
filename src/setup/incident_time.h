// Incident times as the setup windows edit them: seconds in the state, a
// masked field of minutes, a colon and seconds on the screen. A time is set
// when it is above 0 and below 10,000,000 s; an unset time is stored as
// 10,000,000 s.
#pragma once

#include <string>
#include <string_view>

namespace pumpdrill {

// The input mask of every incident time field: one or two digits of
// minutes, a colon and two digits of seconds ("0" a digit that may be
// left out, "9" one that must be there); "_" marks an empty place.
inline constexpr const char* kIncidentTimeMask = "09:99;_";

bool IncidentTimeSet(double seconds);

// A set time as "mm:ss" (whole minutes, seconds: "07:05"); an unset one as
// "00:00", or "" when blankWhenUnset.
std::string IncidentTimeText(double seconds, bool blankWhenUnset = false);

// The seconds of a field's text: the minutes before the colon times 60 plus
// the seconds after it; blanks and "_" count as nothing. A text that gives
// no time above 0, or that holds anything else, is the unset time.
double IncidentTimeFromText(std::string_view text);

}  // namespace pumpdrill
