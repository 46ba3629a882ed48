// Everything the panel shows, read from the simulation state at one
// refresh: needle angles, readout texts, lamps and the flowmeter. The
// window compares a reading with the one it showed last and repaints only
// what differs.
#pragma once

#include <array>
#include <string>

#include "frame/units.h"
#include "panel/controls/flowmeter_selector.h"
#include "panel/panel_layout.h"
#include "sim/state.h"

namespace pumpdrill {

// The flowmeter's selector (positions 1 to 8 one line, kFlowmeterTotal the
// total, kFlowmeterScan scan) and the line its scan shows.
inline constexpr double kFlowmeterDwell = 2.0;  // seconds a scanned line is shown

struct FlowmeterState {
  int Position = kFlowmeterTotal;
  int ScanLine = 1;
  double NextSwitch = 0;  // SimClock.Time of the next scan step
};

// The three warning lamps light for this long at a run's start.
inline constexpr double kLampTestSeconds = 2.0;
// The primer oil lamp lights at this reservoir level or less.
inline constexpr int kPrimerOilLowPercent = 5;
// Coolant this far above the warning level stops the engine.
inline constexpr double kStopEngineTempRise = 15.0;

enum class Lamp { Dark, Green, Red };

struct PanelReading {
  // Needle angles (radians) of gauges 1 to 15, 18 to 22, and the tachometer.
  std::array<double, kGaugeSlots> Needle{};
  double Tachometer = 0;
  // Readouts of the pressure gauges 1 to 15, 18, 19.
  std::array<std::string, kGaugeSlots> Pressure{};
  std::array<std::string, kGaugeSlots> Flow{};
  std::string Rpm;
  std::string GallonsLeft;
  std::string Flowmeter;
  std::array<Lamp, 2> ReliefLamps{};
  int TankLampsLit = 0;  // counted from the bottom
  bool TempLamp = false, OilLamp = false, PrimerOilLamp = false;
  bool CheckTransmission = false, CheckEngine = false, StopEngine = false;

  bool operator==(const PanelReading&) const = default;
};

struct ReadingContext {
  bool RunActive = false;
  bool VibrationRaised = false;  // this refresh's turn of the needle vibration
};

// Reads the panel. The flowmeter's scan advances when the simulated time
// has passed its next switching time.
PanelReading ReadPanel(const State& s, const DisplayUnits& units, const ReadingContext& context,
                       FlowmeterState& flowmeter);

// The lines the flowmeter's scan visits: 1 to the lesser of 8 and LineCount.
int FlowmeterScanLines(const State& s);

// A number as the readouts write it, fixed with the decimals ("-0.0" shows
// as "0.0").
std::string FixedText(double value, int decimals);

// The flow unit written on the flowmeter ("gpm" or its metric counterpart).
inline const std::string& FlowUnitText(const DisplayUnits& units) { return units.Label[kUnitFlow]; }

}  // namespace pumpdrill
