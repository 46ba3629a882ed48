#include "records/control_watch.h"

#include <charconv>
#include <cmath>

namespace pumpdrill {

namespace {

std::string Fixed(double v, int decimals) {
  char buf[48];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  return std::string(buf, r.ptr);
}

constexpr int kGovernorMode = 1;
constexpr int kPrimerEngaged = 1;

std::string OnOff(bool on) { return on ? "on" : "off"; }

// The foam controls of a panel with a foam system, as the runner's foam
// commands set them.
void ReadFoam(const TFoamSetupRec& f, std::vector<ControlWatch::Setting>& out) {
  if (f.SYS_TYPE == kFoamNone) return;
  static const char* const kTanks[] = {"a", "b", "flush"};
  out.push_back({"foam tank", std::string("foam tank ") + kTanks[f.FoamTankSelect % 3]});
  out.push_back({"foam proportioner", "foam proportioner " + OnOff(f.PropLever != 0)});
  out.push_back({"foam percent", "foam percent " + Fixed(f.FoamPercentSet, 2)});
  out.push_back({"foam display", "foam display " + std::to_string(f.PropDisplayMode)});
  out.push_back({"foam air", "foam air " + OnOff(f.CafsAirOn)});
  out.push_back({"foam mode", "foam mode " + std::to_string(f.CafsMode)});
  for (int line = 1; line <= 15; ++line) {
    if (!f.CAFS_AIR_V_SEL.Contains(line)) continue;
    const std::string n = std::to_string(line);
    out.push_back(
        {"foam airvalve " + n, "foam airvalve " + n + " " + Fixed(f.CafsAirValve[line], 2)});
  }
}

}  // namespace

std::vector<ControlWatch::Setting> ControlWatch::Read(const State& s) {
  std::vector<Setting> out;
  for (int line = 1; line <= 18; ++line) {
    const std::string n = std::to_string(line);
    out.push_back({"valve " + n, "valve " + n + " " + Fixed(s.Discharges[line].ValveOpen, 2)});
    if (line <= kWatchedNozzles)
      out.push_back({"nozzle " + n, "nozzle " + n + " " + Fixed(s.Discharges[line].NozzleOpen, 2)});
  }
  const TPumpControlRec& c = s.PumpControl;
  static const char* const kModes[] = {"relief", "governor", "none"};
  out.push_back({"control", std::string("control ") + kModes[c.PressureControlMode % 3]});
  if (c.PressureControlMode == kGovernorMode) {
    if (c.GovernorMode == 0)
      out.push_back({"governor", "governor pressure " + Fixed(c.GovernorSetPress, 0)});
    else
      out.push_back({"governor", "governor rpm " + Fixed(c.GovernorSetRpm, 0)});
  } else {
    // The throttle, in steps of 10 RPM (the panel's finest step).
    out.push_back({"throttle", "throttle " + Fixed(std::round(s.Engine.RpmDemand / 10) * 10, 0)});
  }
  out.push_back({"primer", c.PrimerState == kPrimerEngaged ? "primer on" : "primer off"});
  out.push_back({"relief", c.ReliefMode == 1 ? "relief on" : "relief off"});
  out.push_back({"relief pressure", "relief " + Fixed(c.ReliefSetPress, 0)});
  ReadFoam(s.FoamSetup, out);
  return out;
}

void ControlWatch::Begin(const State& s) {
  last_ = Read(s);
  lastKey_.clear();
  lastTime_ = -1e9;
  lastCount_ = 0;
}

void ControlWatch::Look(const State& s, double time, std::vector<RunAction>& actions) {
  std::vector<Setting> now = Read(s);
  for (const Setting& setting : now) {
    const Setting* before = nullptr;
    for (const Setting& b : last_)
      if (b.key == setting.key) before = &b;
    if (before && before->text == setting.text) continue;
    // A control still moving is one action, unless another action (an
    // Actions-menu command) was noted since its last change.
    if (!actions.empty() && actions.size() == lastCount_ && setting.key == lastKey_ &&
        time - lastTime_ <= kActionSettleSeconds) {
      actions.back() = {time, setting.text};
    } else {
      actions.push_back({time, setting.text});
    }
    lastKey_ = setting.key;
    lastTime_ = time;
    lastCount_ = actions.size();
  }
  last_ = std::move(now);
}

}  // namespace pumpdrill
