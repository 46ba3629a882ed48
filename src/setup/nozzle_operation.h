// The nozzle operation window's arithmetic and its stores: the bail of each
// nozzle (a 30 px lever on a pivot, shut 20 px to one side, fully open 20 px
// to the other), the opening a drag or a key gives, and the nozzle's
// elevation. The window and the headless runner store through the same
// routines.
#pragma once

#include <string>

#include "frame/units.h"
#include "sim/discharge_rec.h"

namespace pumpdrill {

struct State;
struct RunContext;

// The bail's pivot within a nozzle image, its length and its travel.
inline constexpr int kBailPivotX = 29;
inline constexpr int kBailPivotY = 34;
inline constexpr int kBailLength = 30;
inline constexpr int kBailTravel = 20;  // offset of a shut (+) or fully open (-) bail

// The bail's vertical offset in pixels for an opening: +20 shut, -20 fully
// open.
int BailOffset(double nozzleOpen);
// The opening of a bail at offset y (limited to the travel).
double OpeningAtOffset(int y);
// The offset a drag gives: the offset at the press plus the mouse's move
// since the press, limited to the travel.
int DraggedOffset(int offsetAtPress, int pressY, int mouseY);

struct BailEnd {
  int x = 0;
  int y = 0;
};
// The free end of the bail at offset y.
BailEnd BailEndAt(int y);

// Whether the nozzle window's bail and keys move this line's nozzle: an
// operable nozzle that is no master stream.
bool HandOperable(const TDischargeRec& d);

// Stores an opening (limited to 0..1) and everything that follows from it:
// the shut-off's coefficient and whether the nozzle is shut.
void StoreNozzleOpening(State& s, int line, double opening);

// The trainee works discharge line's nozzle by hand: the opening is stored
// as above, and the automatic nozzle step leaves the line alone from now
// on. False, with nothing stored, for a line that is not hand operable or
// no discharge line in use.
bool OperateNozzle(State& s, RunContext& run, int line, double opening);

// The automatic nozzle step leaves this discharge line alone until the next
// initialisation (lines outside 1 to 15 have no such step).
void ClearAutoNozzlePending(RunContext& run, int line);

// The nozzle's elevation in feet, kept within the hose's reach of the pump
// end as the nozzle setup keeps it; returns what was stored.
double StoreNozzleElevation(State& s, int line, double feet);
// The elevation typed in display units: false with the error text, and
// nothing stored, for a text that is not a number.
bool StoreNozzleElevationText(State& s, int line, const DisplayUnits& units, const std::string& text,
                              std::string& error);
// One display length unit up (+1) or down (-1): 1 ft, or 1 m in metric units.
void StepNozzleElevation(State& s, int line, const DisplayUnits& units, int steps);

// The information panel's texts: "pressure (psi)", "elevation (ft)" and
// "Open: 50  %" (the opening in whole percent).
std::string NozzlePressCaption(const DisplayUnits& units);
std::string NozzleElevCaption(const DisplayUnits& units);
std::string NozzleOpenText(long percent);
long NozzleOpenPercent(double nozzleOpen);

}  // namespace pumpdrill
