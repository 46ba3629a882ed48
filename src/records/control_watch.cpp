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
  return out;
}

void ControlWatch::Begin(const State& s) {
  last_ = Read(s);
  lastKey_.clear();
  lastTime_ = -1e9;
}

void ControlWatch::Look(const State& s, double time, std::vector<RunAction>& actions) {
  std::vector<Setting> now = Read(s);
  for (const Setting& setting : now) {
    const Setting* before = nullptr;
    for (const Setting& b : last_)
      if (b.key == setting.key) before = &b;
    if (before && before->text == setting.text) continue;
    if (!actions.empty() && setting.key == lastKey_ && time - lastTime_ <= kActionSettleSeconds) {
      actions.back() = {time, setting.text};
    } else {
      actions.push_back({time, setting.text});
    }
    lastKey_ = setting.key;
    lastTime_ = time;
  }
  last_ = std::move(now);
}

}  // namespace pumpdrill
