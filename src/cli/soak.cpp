#include "cli/soak.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <random>
#include <vector>

#include "cli/script.h"
#include "frame/tick.h"
#include "sim/finite_state.h"
#include "sim/registry.h"

namespace pumpdrill {

namespace {

long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

// One random action as a script line at time t: what a trainee could do
// from the panel and the Actions menu, or an instructor from the setup.
std::string RandomAction(std::mt19937& rng, double t) {
  auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  auto real = [&rng](double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
  };
  char buf[160];
  switch (pick(16)) {
    case 0:
      std::snprintf(buf, sizeof buf, "valve %d %.3f", 1 + pick(18), real(0, 1));
      break;
    case 1:
      std::snprintf(buf, sizeof buf, "nozzle %d %.3f", 1 + pick(15), real(0, 1));
      break;
    case 2:
      std::snprintf(buf, sizeof buf, "throttle %.0f", real(0, 2600));
      break;
    case 3:
      std::snprintf(buf, sizeof buf, "primer %s", pick(2) ? "on" : "off");
      break;
    case 4:
      std::snprintf(buf, sizeof buf, "relief %.0f", real(50, 300));
      break;
    case 5:
      std::snprintf(buf, sizeof buf, "relief %s", pick(2) ? "on" : "off");
      break;
    case 6:
      std::snprintf(buf, sizeof buf, "governor pressure %.0f", real(50, 300));
      break;
    case 7:
      std::snprintf(buf, sizeof buf, "governor rpm %.0f", real(600, 2400));
      break;
    case 8: {
      static const char* const kModes[] = {"relief", "governor", "none"};
      std::snprintf(buf, sizeof buf, "control %s", kModes[pick(3)]);
      break;
    }
    case 9:
      std::snprintf(buf, sizeof buf, "transfer %s", pick(2) ? "pressure" : "volume");
      break;
    case 10: {
      static const char* const kFills[] = {"fill tank", "fill dump", "fill oil", "fill primer-oil"};
      std::snprintf(buf, sizeof buf, "%s", kFills[pick(4)]);
      break;
    }
    case 11: {
      static const char* const kFixes[] = {"check supply", "check discharge", "replace supply",
                                           "replace suction", "reconnect discharge"};
      std::snprintf(buf, sizeof buf, "%s", kFixes[pick(5)]);
      break;
    }
    case 12:
      std::snprintf(buf, sizeof buf, "repair %d", 1 + pick(9));
      break;
    case 13:
      std::snprintf(buf, sizeof buf, "set Supply.SupplyType %d", pick(4));
      break;
    case 14: {
      // An incident that begins a little later.
      const int k = 1 + pick(9);
      std::snprintf(buf, sizeof buf, "set Incidents[%d].StartTime %.3f", k, t + real(1, 60));
      std::string two = buf;
      std::snprintf(buf, sizeof buf, "set Incidents[%d].Use 1", k);
      return two + "\n" + std::to_string(t) + " " + buf;
    }
    default:
      std::snprintf(buf, sizeof buf, "cooler %s", pick(2) ? "on" : "off");
      break;
  }
  return buf;
}

std::string Field(const State& s, const char* name) {
  return GetFieldText(s, *FindStateField(name));
}

}  // namespace

std::string SoakSampleFault(const State& s) {
  if (const FieldInfo* f = FirstNonFiniteField(s)) return f->name + " is " + GetFieldText(s, *f);
  for (int n = 1; n <= kLineCount; ++n) {
    const TDischargeRec& d = s.Discharges[n];
    const std::string line = "Discharges[" + std::to_string(n) + "].";
    if (d.Flow < 0) return line + "Flow is " + std::to_string(d.Flow) + " gpm";
    if (d.DischPress > kSoakMaxPress)
      return line + "DischPress is " + std::to_string(d.DischPress) + " psi";
    if (d.NozzlePress > kSoakMaxPress)
      return line + "NozzlePress is " + std::to_string(d.NozzlePress) + " psi";
  }
  if (s.PumpOutput.TotalFlow < 0)
    return "PumpOutput.TotalFlow is " + Field(s, "PumpOutput.TotalFlow");
  if (s.PumpOutput.DischargePress > kSoakMaxPress)
    return "PumpOutput.DischargePress is " + Field(s, "PumpOutput.DischargePress");
  if (s.Tank.Volume < 0 || s.Tank.Volume > s.Tank.Capacity)
    return "Tank.Volume is " + Field(s, "Tank.Volume") + " of " + Field(s, "Tank.Capacity");
  for (const FieldInfo& f : StateFields()) {
    if (f.type != FieldType::ShortString && !InFieldRange(f, GetFieldNumber(s, f)))
      return f.name + " is " + GetFieldText(s, f) + ", outside " + RangeText(f);
  }
  return {};
}

SoakResult RunSoak(RunnerSession& rs, const SoakOptions& o) {
  SoakResult result;
  State& s = rs.S();
  std::mt19937 rng(o.seed);
  const double duration = o.hours * 3600;
  const double dt = rs.clock.Dt();
  const long long ticks = static_cast<long long>(std::ceil(duration / dt));
  long baseline = 0;
  double nextAction = o.actionEvery;
  double nextSample = 0;

  rs.clock.SetTick(0);
  SetRunState(s, rs.Config(), rs.Run(), rs.host, kRunStart);
  for (long long n = 0; n <= ticks; ++n) {
    rs.clock.SetTick(n);
    const double t = rs.clock.Now();
    if (!rs.Run().SimActive) {
      // A run the program ended (the run-time limit) starts again.
      ++result.restarts;
      SetRunState(s, rs.Config(), rs.Run(), rs.host, kRunStart);
    }
    if (t >= nextAction) {
      nextAction += o.actionEvery;
      Script script;
      std::string error;
      const std::string line = std::to_string(t) + " " + RandomAction(rng, t);
      if (!ParseScript(line, script, error)) {
        result.fault = "the soak made a faulty action: " + error;
        break;
      }
      for (const ScriptAction& a : script.actions) {
        ApplyScriptAction(s, a, rs.Run().SimActive, rs.host);
        ++result.actions;
      }
    }
    rs.host.SetInTick(true);
    SimulationTick(s, rs.Config(), rs.Run(), rs.host);
    rs.host.SetInTick(false);
    ++result.ticks;
    if (t >= nextSample) {
      nextSample += o.sampleEvery;
      ++result.samples;
      std::string fault = SoakSampleFault(s);
      if (!fault.empty()) {
        char at[64];
        std::snprintf(at, sizeof at, "at %.3f s: ", t);
        result.fault = at + fault;
        break;
      }
    }
    if (n == ticks / 10) baseline = ResidentKb();
    if (n % 4096 == 0) result.peakRssKb = std::max(result.peakRssKb, ResidentKb());
  }
  SetRunState(s, rs.Config(), rs.Run(), rs.host, kRunTerminate);
  const long end = ResidentKb();
  result.peakRssKb = std::max(result.peakRssKb, end);
  result.rssGrowthKb = end - baseline;
  if (result.fault.empty() && result.rssGrowthKb > kSoakMaxGrowthKb)
    result.fault = "memory grew by " + std::to_string(result.rssGrowthKb) + " kB";
  return result;
}

int RunSoakCommand(RunnerSession& rs, const SoakOptions& o, std::ostream& out, std::ostream& err) {
  SoakResult r = RunSoak(rs, o);
  out << "soak: " << o.hours << " h simulated, " << r.ticks << " ticks, " << r.actions
      << " actions, " << r.samples << " samples checked, " << r.restarts
      << " restarts, peak memory " << r.peakRssKb / 1024 << " MB, growth " << r.rssGrowthKb
      << " kB\n";
  if (!r.fault.empty()) {
    err << "pumpdrill-sim: soak fault " << r.fault << "\n";
    return 3;
  }
  return 0;
}

}  // namespace pumpdrill
