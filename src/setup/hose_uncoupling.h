// The hose uncoupling incident as the discharge lines window sets it: one
// incident, acting on one discharge line at a time, from its start time.
#pragma once

#include <string>

namespace pumpdrill {

struct State;

struct UncouplingShown {
  bool Checked = false;   // in use on the current line
  bool InUse = false;     // in use on any line
  std::string LineTitle;  // the current line's title
  std::string SetupCaption;  // "Hose Uncoupling of " + the title
  std::string TimeText;   // "mm:ss" while checked with a time set, else ""
};

UncouplingShown ShowUncoupling(const State& s, int currentLine);

// The check box: in use on the current line, or on none.
void SetUncoupling(State& s, int currentLine, bool use);

// OK of the set-up: while the incident is in use on the current line, its
// start time from the field's text; a text that gives no time ("00:00",
// blanks) leaves it not set.
void StoreUncouplingTime(State& s, int currentLine, const std::string& text);

}  // namespace pumpdrill
