// Undo and redo of panel design: a copy of what a design action may change
// (the layout, the working controls and the state fields the commands and
// menus write) is recorded before each action, back to the switching on of
// design mode. Also keeps whether the layout changed since it was last
// saved or loaded.
#pragma once

#include <vector>

#include "panel/controls/panel_controls.h"
#include "panel/panel_layout.h"
#include "sim/state.h"

namespace pumpdrill {

struct DesignSnapshot {
  PanelLayout Layout;
  PanelControls Controls;
  TDischargeListRec DischargeList{};
  TFoamSetupRec FoamSetup{};
  Byte EngineCooler{};
  Double GovernorPressInit{};
  Double GovernorRpmInit{};
  Byte PressureControlMode{};
};

DesignSnapshot TakeDesignSnapshot(const State& s, const PanelLayout& layout,
                                  const PanelControls& pc);
void RestoreDesignSnapshot(const DesignSnapshot& snap, State& s, PanelLayout& layout,
                           PanelControls& pc);

class DesignHistory {
 public:
  // Before an action: the present state becomes an undo step, the redo
  // steps go, and the layout counts as changed.
  void Record(const State& s, const PanelLayout& layout, const PanelControls& pc);
  // The same with the copy taken before an action that turned out to change
  // something (an action that changed nothing leaves no step).
  void Record(DesignSnapshot before);
  // Undo and redo: false when there is nothing to go back or forward to.
  bool Undo(State& s, PanelLayout& layout, PanelControls& pc);
  bool Redo(State& s, PanelLayout& layout, PanelControls& pc);
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // Forgets the steps (design mode switched on anew).
  void Clear();
  // The layout was saved or loaded: not changed any more.
  void MarkSaved() { changed_ = false; }
  bool Changed() const { return changed_; }
  // Steps kept at most; the oldest go first.
  static constexpr std::size_t kMostSteps = 200;

 private:
  std::vector<DesignSnapshot> undo_, redo_;
  bool changed_ = false;
};

}  // namespace pumpdrill
