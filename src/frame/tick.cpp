#include "frame/tick.h"

#include <algorithm>

#include "burn/burn_house.h"
#include "frame/configuration.h"
#include "frame/run_control.h"
#include "records/run_recording.h"
#include "sim/coefficients.h"
#include "sim/engine_steps.h"
#include "sim/foam_use.h"
#include "sim/hydraulics_steps.h"
#include "sim/pressure_control.h"
#include "sim/supply_steps.h"
#include "sound/radio_steps.h"

namespace pumpdrill {

void SimulationTick(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  host.TickStep("UpdateRunClock");
  UpdateRunClock(s, run, host);

  host.TickStep("RunTimeLimit");
  if (!CheckRunTimeLimit(s, cfg, run, host)) return;

  host.TickStep("FlowSolution");
  FlowSolutionStep(s, cfg.Sim, host);
  host.TickStep("PressureControl");
  ApplyPressureControl(s, host);
  host.TickStep("NozzlePressures");
  NozzlePressuresStep(s);
  host.TickStep("Supply");
  SupplyStep(s, cfg.Sim, host);
  host.TickStep("SupplyLimit");
  SupplyLimitStep(s);

  host.TickStep("RefreshChangedPumpControls");
  host.RefreshChangedPumpControls();

  host.TickStep("EngineSpeed");
  EngineSpeedStep(s);

  if (!run.SimActive) return;
  const double now = s.SimClock.Time;

  host.TickStep("ShowPrimedIndicator");
  PrimedIndicatorStep(s, run.RunState == TRunState::Running, host);
  host.TickStep("TankVolume");
  TankVolumeStep(s, host);
  host.TickStep("FoamConcentrate");
  UpdateFoamUse(s, host);
  if (s.Pump.EngineTempModel) {
    host.TickStep("EngineTemperature");
    EngineTemperatureStep(s);
  }
  host.TickStep("RefreshFlaggedPanelWidget");
  host.RefreshFlaggedPanelWidget();

  if (now - s.SimClock.LastFlowSnapshot >= kFlowSnapshotInterval) {
    host.TickStep("FlowSnapshot");
    s.SimClock.LastFlowSnapshot = now;
    TakeFlowSnapshot(s);
  }

  host.TickStep("RefreshChangedLineWidgets");
  host.RefreshChangedLineWidgets();

  if (now - s.SimClock.LastGaugeUpdate >= kGaugeInterval) {
    // The prime at draft and the gauge pressures are part of the
    // simulation: they run here whether or not a panel shows them.
    host.TickStep("DraftPrimeUpdate");
    DraftPrimeUpdateStep(s, host);
    host.TickStep("DischargeGauges");
    DischargeGaugesStep(s);
    host.TickStep("RefreshGauges");
    host.RefreshGauges();
    s.SimClock.LastGaugeUpdate = now;
  }

  host.TickStep("RefreshNozzleWindow");
  host.RefreshNozzleWindow();

  host.TickStep("Incidents");
  IncidentsStep(s, run.SimActive, run.Random, host);

  if (now - s.BurnHouse.LastUpdateTime >= kBurnHouseInterval) {
    host.TickStep("BurnHouse");
    StepBurnHouse(s);
  }

  host.TickStep("RadioCalls");
  RadioCallsStep(s, cfg, run, host);

  host.TickStep("AutoNozzle");
  AutoNozzleStep(s, cfg, run, host);

  host.TickStep("DataRecording");
  if (!DataRecordingStep(s, cfg, run, host)) return;

  if (cfg.Options.EngineSound) {
    host.TickStep("EngineSound");
    host.SoundCue(SND_ENG_LOOP_SET_THROTTLE, EngineSoundFrequency(s));
  }
}

void AutoNozzleStep(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  if (!cfg.Options.AutoNozzleOperation) return;
  const int lines = std::clamp(static_cast<int>(s.DischargeList.LineCount), 0, kMaxDischarges);
  bool opened = false;
  for (int n = 1; n <= lines; ++n) {
    TDischargeRec& d = s.Discharges[n];
    // A shut nozzle carries no flow, so a line counts as charged when its
    // valve is open and the pump gives pressure.
    bool charged = d.ValveOpen > kAutoNozzleValveOpen && s.PumpOutput.DischargePress > 0;
    if (!run.AutoNozzlePending[n] || !charged) continue;
    run.AutoNozzlePending[n] = false;
    if (d.IsMaster || !d.NozzleOperable) continue;
    d.NozzleOpen = 1;
    UpdateNozzleK(s, n);
    opened = true;
  }
  if (opened) host.RefreshNozzleWindow();
}

}  // namespace pumpdrill
