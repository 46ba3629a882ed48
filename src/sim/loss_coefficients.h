// Loss coefficients of the elements of a line. Every resistance of a line is
// a coefficient K in feet of head per cfs squared, so that the head an
// element loses is K q^2 (q in cfs). Hoses follow the Hazen-Williams form,
// valves, shut-offs and nozzle tips are orifices.
#pragma once

#include "sim/host.h"
#include "sim/types.h"

namespace pumpdrill {

// Nozzle discharge coefficients by nozzle type.
inline constexpr double kSmoothBoreCd = 0.703;  // type 0
inline constexpr double kFogCd = 0.313;         // types 1 to 3
inline constexpr int kNoNozzle = 4;             // open pipe: no tip loss

// The warning shown when the Hazen-Williams denominator is not positive.
inline constexpr const char* kHoseFrictionDenomWarning = "calculating HKFr--denom. <= 0. ";

// K of a hose of length L (ft), Hazen-Williams coefficient C and inside
// diameter D (ft): 4.727 L / (C^1.852 D^4.8704). No friction (0) when L or D
// is not positive. A C that makes the denominator non-positive shows the
// warning above (OK button) and gives 0.
double HoseFrictionK(double length, double c, double diam, Host& host);

// K of a valve or nozzle shut-off with bore D^4 = d4 (ft^4) opened to x
// (0 shut .. 1 full): the discharge coefficient is 0.936 x + 1e-06, so a shut
// valve has an enormous but finite K. 0 when d4 is not positive.
double ValveLossK(double d4, double opening);

// K of a nozzle tip of type t with bore D^4 = d4: Cd is 0.703 for a smooth
// bore (0), 0.313 for fog, automatic and selectable nozzles (1 to 3) and the
// stored nozzleCd for any other type; no nozzle (4) gives 0. The Cd used is
// written back to nozzleCd.
double NozzleLossK(int type, double d4, Double& nozzleCd);

// Automatic nozzle: the tip K that passes `gpm` at `psi`, stored in
// nozzleK; returns the equivalent tip diameter in feet. The caller never
// passes a zero flow (a target of 0 gives no flow before this is asked).
double AutoNozzleK(Double& nozzleK, double gpm, double psi);

}  // namespace pumpdrill
