// The operator's actions of a run worked on the panel, read from the state:
// each change of a valve, nozzle, throttle, pressure control, primer,
// relief or foam control, written as the headless runner's script writes it
// ("valve 3 0.50", "governor pressure 158"). A control moved for a while
// (a valve dragged open) is one action, at the time it came to rest.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "records/run_action.h"
#include "sim/state.h"

namespace pumpdrill {

// Changes of one control this close together are one action, s.
inline constexpr double kActionSettleSeconds = 1.0;

inline constexpr int kWatchedNozzles = 15;

class ControlWatch {
 public:
  // The controls as they stand at the start: no action.
  void Begin(const State& s);
  // The changes since the last look, appended to actions at time.
  void Look(const State& s, double time, std::vector<RunAction>& actions);

  struct Setting {
    std::string key;   // which control
    std::string text;  // its action
  };

 private:
  static std::vector<Setting> Read(const State& s);
  std::vector<Setting> last_;
  std::string lastKey_;  // the control of the last action noted
  double lastTime_ = -1e9;
  std::size_t lastCount_ = 0;  // the actions after the last one noted here
};

}  // namespace pumpdrill
