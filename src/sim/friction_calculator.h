// The hose friction loss calculator behind the friction adjustment window:
// the loss per 100 ft of a hose at a given flow, and the Hazen-Williams C
// that a measured loss implies.
#pragma once

#include "sim/host.h"

namespace pumpdrill {

struct State;
struct SimSettings;

inline constexpr double kCalculatorLength = 100;  // ft of hose the loss is given for

struct FrictionCalculator {
  double DiamInches = 2.5;  // hose inside diameter
  int Material = 0;         // 0 soft sleeve, 1 rigid pipe, 2 hard suction
  double FlowGpm = 100;
  double LossPsi = 0;       // friction loss per 100 ft at FlowGpm
  double C = 0;             // Hazen-Williams coefficient
  double K100 = 0;          // K of 100 ft of the hose

  // Starts from the current line's hose (line 1 to 18; any other number,
  // 0 among them, means no current line and a 2-1/2 in hose), 100 gpm and
  // the default C of the diameter, with the loss that C gives.
  void Start(const State& s, const SimSettings& sim, int currentLine, Host& host);

  // A new diameter: its default C, and the loss at the current flow.
  void PickDiameter(const SimSettings& sim, double inches, Host& host);

  // C from the loss at the current flow: the calculator's inverse. A loss
  // or flow that is not positive implies no C; false then, and C stays.
  bool CFromLoss(Host& host);

  // The loss that C gives at the current flow.
  void LossFromC();
};

}  // namespace pumpdrill
