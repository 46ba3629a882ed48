#include "panel/panel_readings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "panel/gauge_needle.h"

namespace pumpdrill {

namespace {

double PressureShown(const DisplayUnits& u, double psi) { return ToDisplay(u, kUnitPressure, psi); }
double FlowShown(const DisplayUnits& u, double gpm) { return ToDisplay(u, kUnitFlow, gpm); }

Lamp Lit(bool on, Lamp colour) { return on ? colour : Lamp::Dark; }

void ReadPressureGauges(const State& s, const DisplayUnits& u, const ReadingContext& c,
                        PanelReading& r) {
  // Each needle reads on its face's own scale, so that it points at the
  // graduation of the value shown.
  auto needle = [&](int gauge, double value) {
    return NeedleAngle(gauge, c.RunActive ? value : 0.0, s.ShowOptions.NeedleVibration != 0,
                       c.VibrationRaised);
  };
  auto readouts = [&](int gauge, double psi, double gpm) {
    r.Pressure[gauge] = FixedText(c.RunActive ? PressureShown(u, psi) : 0.0, 1);
    r.Flow[gauge] = FixedText(c.RunActive ? FlowShown(u, gpm) : 0.0, 1);
  };
  for (int n = 1; n <= kMaxDischarges; ++n) {
    const TDischargeRec& d = s.Discharges[n];
    r.Needle[n] = needle(n, d.DischPress);
    readouts(n, d.DischPress, d.Flow);
  }
  r.Needle[kIntakeGauge] = needle(kIntakeGauge, s.Supply.IntakePress);
  readouts(kIntakeGauge, s.Supply.IntakePress, s.Supply.SupplyFlow);
  r.Needle[kMasterGauge] = needle(kMasterGauge, s.PumpOutput.DischargePress);
  readouts(kMasterGauge, s.PumpOutput.DischargePress, s.PumpOutput.TotalFlow);
}

void ReadEngine(const State& s, const ReadingContext& c, PanelReading& r) {
  const double temp = c.RunActive ? s.Pump.CoolantTemp : kFaceTempMinF;
  const double oil = c.RunActive ? s.Pump.OilPress : 0.0;
  const double primerOil = c.RunActive ? s.PumpControl.PrimerOilPercent : 0.0;
  r.Needle[kEngTempGauge] = NeedleAngle(kEngTempGauge, temp, false, false);
  r.Needle[kOilPressGauge] = NeedleAngle(kOilPressGauge, oil, false, false);
  r.Needle[kPumpOilGauge] = NeedleAngle(kPumpOilGauge, primerOil, false, false);
  r.Tachometer = NeedleAngle(0, c.RunActive ? s.Engine.Rpm : 0.0, false, false);

  const bool hot = s.Pump.CoolantTemp >= s.Pump.CoolantWarnTemp;
  const bool lowOil = s.Pump.OilPress <= s.Pump.OilWarnPress;
  r.TempLamp = c.RunActive && hot;
  r.OilLamp = c.RunActive && lowOil;
  r.PrimerOilLamp = c.RunActive && s.PumpControl.PrimerOilPercent <= kPrimerOilLowPercent;
  const bool lampTest = c.RunActive && s.SimClock.Time < kLampTestSeconds;
  const bool stop = s.Pump.OilPress <= s.Pump.OilWarnPress / 2.0 ||
                    s.Pump.CoolantTemp >= s.Pump.CoolantWarnTemp + kStopEngineTempRise;
  r.CheckTransmission = lampTest;
  r.CheckEngine = lampTest || (c.RunActive && (hot || lowOil));
  r.StopEngine = lampTest || (c.RunActive && stop);
}

std::string FlowmeterText(const State& s, const DisplayUnits& u, const ReadingContext& c,
                          FlowmeterState& f) {
  if (f.Position == kFlowmeterTotal)
    return FixedText(c.RunActive ? FlowShown(u, s.PumpOutput.TotalFlow) : 0.0, 0);
  int line = f.Position;
  if (f.Position == kFlowmeterScan) {
    const int lines = FlowmeterScanLines(s);
    if (f.ScanLine < 1 || f.ScanLine > lines) f.ScanLine = 1;
    if (c.RunActive && s.SimClock.Time >= f.NextSwitch) {
      if (f.NextSwitch > 0) f.ScanLine = f.ScanLine % lines + 1;
      f.NextSwitch = s.SimClock.Time + kFlowmeterDwell;
    }
    line = f.ScanLine;
  }
  if (line < 1 || line > 8) return FixedText(0.0, 1);
  return FixedText(c.RunActive ? FlowShown(u, s.Discharges[line].Flow) : 0.0, 1);
}

}  // namespace

int FlowmeterScanLines(const State& s) {
  return std::clamp(static_cast<int>(s.DischargeList.LineCount), 1, 8);
}

std::string FixedText(double value, int decimals) {
  if (!std::isfinite(value)) value = 0;
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string t = text;
  // A value that rounds to zero from below reads without its sign.
  if (t[0] == '-' && t.find_first_not_of("-0.") == std::string::npos) t.erase(0, 1);
  return t;
}

PanelReading ReadPanel(const State& s, const DisplayUnits& units, const ReadingContext& context,
                       FlowmeterState& flowmeter) {
  PanelReading r;
  ReadPressureGauges(s, units, context, r);
  ReadEngine(s, context, r);
  r.Rpm = FixedText(s.Engine.Rpm, 1);
  r.GallonsLeft = FixedText(ToDisplay(units, kUnitVolume, s.Tank.Volume), 0);
  r.Flowmeter = FlowmeterText(s, units, context, flowmeter);

  const bool relief = context.RunActive && s.PumpControl.ReliefMode == 1;
  const bool below = s.PumpOutput.DischargePress < s.PumpControl.ReliefSetPress;
  r.ReliefLamps = {Lit(relief && !below, Lamp::Green), Lit(relief && below, Lamp::Red)};
  r.TankLampsLit = context.RunActive ? std::clamp(static_cast<int>(s.Tank.LevelState), 0, 4) : 0;
  return r;
}

}  // namespace pumpdrill
