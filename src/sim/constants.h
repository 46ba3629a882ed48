// Physical constants used throughout the simulation, with their exact values.
#pragma once

namespace pumpdrill {

constexpr double kGpmPerCfs = 448.8;                     // flow in cfs = gpm / 448.8
constexpr double kCfsPerGpm = 0.0022281639928698753;
constexpr double kPsiPerFoot = 0.43333333333333335;      // head in ft to psi
constexpr double kFeetPerPsi = 2.3076923076923075;       // psi to head in ft
constexpr double kPsfPerPsi = 144.0;                     // psi to lb/ft squared
constexpr double kWaterWeight = 62.4;                    // lb per cubic foot
constexpr double kGallonsPerCubicFoot = 7.48;
constexpr double kGPiSquared = 317.80072484482;          // orifice loss coefficient, g = 32.2
constexpr double kNeverTime = 10000000.0;                // an incident time that is not set

}  // namespace pumpdrill
