// What the foam setup page does to the foam system record: the system
// change and the panel items it removes, the percent-range list by
// proportioner style, the foam-capable lines, and the capacity in display
// units. The page shows and asks; these store.
#pragma once

#include <string>
#include <vector>

#include "frame/units.h"
#include "sim/foam_setup.h"

namespace pumpdrill {

struct State;

inline constexpr const char *kFoamSystemChangeQuestion =
    "Foam components installed on the current panel may be removed. CONTINUE?";
inline constexpr const char *kFoamNoteIdle =
    "Changes on this page are changes made to the current panel.  Changes are "
    "retained when the "
    "panel is saved.  Enter  \"Panel Design Mode\"  to add foam components to "
    "panel.";
inline constexpr const char *kFoamNoteRunning =
    "Changes cannot be made to the panel's foam system while the simulation is "
    "in progress.";

// The percent-range items, in code order.
inline constexpr const char *kFoamPercentRangeItems[] = {
    "0.1%  to  1.0%", "0.1%  to  6.0%", "1.0%  to  6.0%"};

// Whether choosing newType asks first: a system is installed and another
// is chosen.
bool FoamSystemChangeAsks(const TFoamSetupRec &f, int newType);

// Stores the new system and takes off the panel what it cannot carry: with
// no foam the tank switch and the proportioner, with any system but direct
// injection the compressed-air switches and valves.
void ChangeFoamSystem(TFoamSetupRec &f, int newType);

// The percent ranges a proportioner style offers: the manual one only the
// first, the electronic one all three.
int FoamPercentRangeCount(int proportionerStyle);
// Stores the style; the manual style brings the range back to code 0.
void SetProportionerStyle(TFoamSetupRec &f, int style);

void SetFoamLine(TFoamSetupRec &f, int line, bool foam);

// Capacity: shown as a whole number of display units, entered likewise.
int FoamCapacityShown(const TFoamSetupRec &f, const DisplayUnits &u);
double FoamCapacityEntered(const DisplayUnits &u, int value);

// The spinners' range in display units.
inline constexpr int kFoamSpinLeast = 1;
inline constexpr int kFoamSpinMost = 10000;

} // namespace pumpdrill
