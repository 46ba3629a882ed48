#include "panel/design/design_history.h"

#include <utility>

namespace pumpdrill {

DesignSnapshot TakeDesignSnapshot(const State& s, const PanelLayout& layout,
                                  const PanelControls& pc) {
  DesignSnapshot snap;
  snap.Layout = layout;
  snap.Controls = pc;
  snap.DischargeList = s.DischargeList;
  snap.FoamSetup = s.FoamSetup;
  snap.EngineCooler = s.Pump.EngineCooler;
  snap.GovernorPressInit = s.PumpControl.GovernorPressInit;
  snap.GovernorRpmInit = s.PumpControl.GovernorRpmInit;
  snap.PressureControlMode = s.PumpControl.PressureControlMode;
  return snap;
}

void RestoreDesignSnapshot(const DesignSnapshot& snap, State& s, PanelLayout& layout,
                           PanelControls& pc) {
  layout = snap.Layout;
  pc = snap.Controls;
  s.DischargeList = snap.DischargeList;
  // The concentrate and the controls' settings are the run's; only what
  // design mode places comes back.
  const TFoamSetupRec running = s.FoamSetup;
  s.FoamSetup = snap.FoamSetup;
  s.FoamSetup.FoamTankA = running.FoamTankA;
  s.FoamSetup.FoamTankB = running.FoamTankB;
  s.Pump.EngineCooler = snap.EngineCooler;
  s.PumpControl.GovernorPressInit = snap.GovernorPressInit;
  s.PumpControl.GovernorRpmInit = snap.GovernorRpmInit;
  s.PumpControl.PressureControlMode = snap.PressureControlMode;
}

void DesignHistory::Record(const State& s, const PanelLayout& layout, const PanelControls& pc) {
  Record(TakeDesignSnapshot(s, layout, pc));
}

void DesignHistory::Record(DesignSnapshot before) {
  undo_.push_back(std::move(before));
  if (undo_.size() > kMostSteps) undo_.erase(undo_.begin());
  redo_.clear();
  changed_ = true;
}

bool DesignHistory::Undo(State& s, PanelLayout& layout, PanelControls& pc) {
  if (undo_.empty()) return false;
  redo_.push_back(TakeDesignSnapshot(s, layout, pc));
  RestoreDesignSnapshot(undo_.back(), s, layout, pc);
  undo_.pop_back();
  changed_ = true;
  return true;
}

bool DesignHistory::Redo(State& s, PanelLayout& layout, PanelControls& pc) {
  if (redo_.empty()) return false;
  undo_.push_back(TakeDesignSnapshot(s, layout, pc));
  RestoreDesignSnapshot(redo_.back(), s, layout, pc);
  redo_.pop_back();
  changed_ = true;
  return true;
}

void DesignHistory::Clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace pumpdrill
