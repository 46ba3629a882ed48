// Save of the burn-house window: the structure's inputs as typed, checked
// and stored in English units, then the fire's figures worked out again.
#pragma once

#include <string>

#include "frame/units.h"
#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

// The window's entries as the instructor left them.
struct BurnHouseEntries {
  std::string Length, Width, Height;
  std::string VentArea, VentHeight;
  std::string AppEfficiency;  // per cent
  std::string FireLoad;       // per floor area
  std::string TotalFireLoad;
  bool TotalFireLoadChosen = false;  // the total, not the per-area load, is entered
  std::string Description;
  bool StayOnTop = true;
};

// The entries of the record as the window shows them.
BurnHouseEntries BurnHouseEntriesOf(const TBurnHouseRec& b, const DisplayUnits& u, bool totalFireLoadChosen);

// The numeric entries, in the order Save checks them.
enum class BurnEntry { None, Length, Width, Height, VentArea, VentHeight, AppEfficiency, FireLoad, TotalFireLoad };

// Stores the entries into s.BurnHouse, converting metric entries to the
// record's units, and recomputes the fire's figures with the burned share
// kept (a fire that was out burns again). Every number is checked first:
// at the first bad one a warning names it, nothing is stored and that
// entry is returned. A vent not below the structure's height, or one that
// leaves no enclosure surface, is refused with its warning and keeps its
// value while the rest is stored. An entry whose text is what the record
// shows keeps its stored value exactly, so that saving unchanged texts
// changes nothing. Returns BurnEntry::None when the entries were stored.
BurnEntry SaveBurnHouse(State& s, const DisplayUnits& u, const BurnHouseEntries& typed, Alerts& alerts);

}  // namespace pumpdrill
