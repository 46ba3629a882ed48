#include "cli/script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <utility>

#include "frame/text_values.h"
#include "panel/controls/engine_cooler.h"
#include "panel/controls/governor_set_point.h"
#include "panel/controls/primer_control.h"
#include "panel/controls/relief_setting.h"
#include "panel/controls/throttle_effect.h"
#include "panel/controls/valve_opening.h"
#include "setup/nozzle_operation.h"
#include "setup/pump_setup.h"
#include "setup/supply_setup.h"
#include "sim/coefficients.h"
#include "sim/derived.h"
#include "sim/foam_system.h"
#include "sim/incidents.h"
#include "sim/pressure_control.h"
#include "sim/priming.h"
#include "sim/pump_curve.h"
#include "sim/state.h"
#include "sim/supply.h"
#include "sim/tank.h"
#include "sim/valve_change.h"

namespace pumpdrill {

namespace {

// Lines a valve or nozzle command may name: the discharges, the tank fill,
// tank to pump and intake lines (19, the master gauge, has neither).
constexpr int kLastOperableLine = kIntakeLine;

// Pump.EngineCooler values.
constexpr int kCoolerOn = kEngineCoolerOn;
constexpr int kCoolerOff = kEngineCoolerOff;

// PumpControl.ReliefMode values of the relief valve's on/off switch.
constexpr int kReliefOff = 2;

// The words of one script line, comments removed.
std::vector<std::string_view> SplitWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    if (i >= line.size() || line[i] == '#') break;
    std::size_t start = i;
    while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    words.push_back(line.substr(start, i - start));
  }
  return words;
}

// The text of a set command's value: the rest of the line after the word
// `after`, blanks around it removed. Texts may hold a '#' ("Line #2"): here
// a comment starts only at a '#' standing as a word of its own.
std::string_view RestAfter(std::string_view line, std::string_view after) {
  auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  std::size_t from = static_cast<std::size_t>(after.data() + after.size() - line.data());
  std::string_view rest = line.substr(from);
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] == '#' && (i == 0 || blank(rest[i - 1])) && (i + 1 == rest.size() || blank(rest[i + 1]))) {
      rest = rest.substr(0, i);
      break;
    }
  }
  while (!rest.empty() && blank(rest.front())) rest.remove_prefix(1);
  while (!rest.empty() && blank(rest.back())) rest.remove_suffix(1);
  return rest;
}


bool ParseWhole(std::string_view w, int& value) {
  const char* end = w.data() + w.size();
  auto [p, ec] = std::from_chars(w.data(), end, value);
  return !w.empty() && ec == std::errc() && p == end;
}

std::string Quoted(std::string_view w) { return "'" + std::string(w) + "'"; }

// Reads the arguments of one command into a; returns an empty text, or what
// is wrong.
class LineReader {
 public:
  LineReader(std::string_view line, const std::vector<std::string_view>& words, State& scratch)
      : line_(line), words_(words), scratch_(scratch) {}

  std::string Read(ScriptAction& a) {
    const std::string cmd = LowerCase(words_[1]);
    if (cmd == "throttle") {
      a.command = ScriptCommand::Throttle;
      return Has(1, "throttle RPM") ? Number(2, "engine speed", 0, HUGE_VAL, a.value) : fault_;
    }
    if (cmd == "valve" || cmd == "nozzle") {
      a.command = cmd == "valve" ? ScriptCommand::Valve : ScriptCommand::Nozzle;
      std::string usage = cmd + " N X";
      std::string e = Count(2, usage);
      if (e.empty()) e = Whole(2, "line", 1, kLastOperableLine, a.index);
      if (e.empty()) e = Number(3, "opening", 0, 1, a.value);
      return e;
    }
    if (cmd == "primer") {
      a.command = ScriptCommand::Primer;
      return Has(1, "primer on|off") ? Choice(2, {{"on", kPrimerEngage}, {"off", kPrimerRelease}}, a.code) : fault_;
    }
    if (cmd == "control") {
      a.command = ScriptCommand::Control;
      if (!Has(1, "control relief|governor|none")) return fault_;
      return Choice(2, {{"relief", kReliefValve}, {"governor", kGovernor}, {"none", kNoPressureControl}}, a.code);
    }
    if (cmd == "relief") {
      std::string e = Count(1, "relief on|off|PSI");
      if (!e.empty()) return e;
      std::string w = LowerCase(words_[2]);
      if (w == "on" || w == "off") {
        a.command = ScriptCommand::ReliefMode;
        a.code = w == "on" ? kReliefInService : kReliefOff;
        return {};
      }
      a.command = ScriptCommand::ReliefPressure;
      double v = 0;
      if (!ParseDecimal(words_[2], v)) return "expected on, off or a pressure in psi, not " + Quoted(words_[2]);
      return Number(2, "relief pressure", 0, HUGE_VAL, a.value);
    }
    if (cmd == "governor") {
      std::string e = Count(2, "governor pressure PSI | governor rpm RPM");
      if (!e.empty()) return e;
      int which = 0;
      e = Choice(2, {{"pressure", 0}, {"rpm", 1}}, which);
      if (!e.empty()) return e;
      a.command = which == 0 ? ScriptCommand::GovernorPressure : ScriptCommand::GovernorRpm;
      return Number(3, which == 0 ? "governor pressure" : "governor speed", 0, HUGE_VAL, a.value);
    }
    if (cmd == "transfer") {
      a.command = ScriptCommand::Transfer;
      // "transfer switch volume": the panel's switch, with its change-over delay.
      if (words_.size() > 2 && LowerCase(words_[2]) == "switch") {
        a.command = ScriptCommand::TransferSwitch;
        std::string e = Count(2, "transfer switch pressure|volume");
        if (!e.empty()) return e;
        return Choice(3, {{"pressure", kStagePressure}, {"volume", kStageVolume}}, a.code);
      }
      if (!Has(1, "transfer pressure|volume")) return fault_;
      return Choice(2, {{"pressure", kStagePressure}, {"volume", kStageVolume}}, a.code);
    }
    if (cmd == "cooler") {
      a.command = ScriptCommand::Cooler;
      return Has(1, "cooler on|off") ? Choice(2, {{"on", kCoolerOn}, {"off", kCoolerOff}}, a.code) : fault_;
    }
    if (cmd == "fill" || cmd == "check" || cmd == "replace" || cmd == "reconnect") {
      a.command = ScriptCommand::Operator;
      return OperatorCommand(cmd, a);
    }
    if (cmd == "repair") {
      a.command = ScriptCommand::Repair;
      return Has(1, "repair K") ? Whole(2, "incident", 1, kIncidentCount, a.index) : fault_;
    }
    if (cmd == "terminate") {
      a.command = ScriptCommand::Terminate;
      return Count(0, "terminate");
    }
    if (cmd == "set") {
      a.command = ScriptCommand::Set;
      return SetCommand(a);
    }
    if (cmd == "pump") {
      a.command = ScriptCommand::Pump;
      std::string e = Count(2, "pump ratio|idle|high|low|stages|efficiency|capacity VALUE");
      if (e.empty())
        e = Choice(2,
                   {{"ratio", int(PumpSetting::Ratio)},
                    {"idle", int(PumpSetting::IdleRpm)},
                    {"high", int(PumpSetting::HighPress)},
                    {"low", int(PumpSetting::LowPress)},
                    {"stages", int(PumpSetting::Stages)},
                    {"efficiency", int(PumpSetting::Efficiency)},
                    {"capacity", int(PumpSetting::Capacity)}},
                   a.code);
      if (!e.empty()) return e;
      // Stages and efficiency have the window's few values; the others are
      // checked as the window checks a typed value.
      if (a.code == int(PumpSetting::Stages)) {
        int stages = 0;
        e = Choice(3, {{"1", 1}, {"2", 2}}, stages);
        a.value = stages;
        return e;
      }
      if (a.code == int(PumpSetting::Efficiency)) return Number(3, "efficiency", 0, 100, a.value);
      // Pressures and capacity as the window's spinners and list can hold
      // them; ratio and idle speed are typed, so the run refuses them with
      // the window's messages.
      if (a.code == int(PumpSetting::Capacity)) return Number(3, "capacity", 1, HUGE_VAL, a.value);
      if (a.code == int(PumpSetting::HighPress)) return Number(3, "high pressure", 0, kMaxHighSpeedPress, a.value);
      if (a.code == int(PumpSetting::LowPress)) return Number(3, "low pressure", 0, kMaxLowSpeedPress, a.value);
      return Number(3, LowerCase(words_[2]), -HUGE_VAL, HUGE_VAL, a.value);
    }
    if (cmd == "supply") return SupplyCommand(a);
    if (cmd == "foam") return FoamCommand(a);
    return "unknown command " + Quoted(words_[1]);
  }

 private:
  // Whether exactly n arguments follow the command; when not, the fault is
  // recorded. Every reader of an argument runs only after this check.
  bool Has(std::size_t n, std::string_view usage) { return Count(n, usage).empty() && fault_.empty(); }

  // Exactly n arguments after the command. Returns the fault or "".
  std::string Count(std::size_t n, std::string_view usage) {
    if (!fault_.empty()) return {};
    std::size_t have = words_.size() - 2;
    if (have < n) return Fault("missing argument (" + std::string(usage) + ")");
    if (have > n) return Fault("unexpected " + Quoted(words_[2 + n]) + " (" + std::string(usage) + ")");
    return {};
  }

  std::string Number(std::size_t i, std::string_view what, double lo, double hi, double& value) {
    if (!fault_.empty()) return {};
    if (i >= words_.size()) return Fault("missing argument");
    if (!ParseDecimal(words_[i], value)) return Fault(std::string(what) + " " + Quoted(words_[i]) + " is not a number");
    if (value < lo || value > hi) {
      std::string range = hi == HUGE_VAL ? "at least " + Format(lo) : Format(lo) + " to " + Format(hi);
      return Fault(std::string(what) + " " + Quoted(words_[i]) + " is out of range (" + range + ")");
    }
    return {};
  }

  std::string Whole(std::size_t i, std::string_view what, int lo, int hi, int& value) {
    if (!fault_.empty()) return {};
    if (i >= words_.size()) return Fault("missing argument");
    if (!ParseWhole(words_[i], value) || value < lo || value > hi)
      return Fault(std::string(what) + " " + Quoted(words_[i]) + " must be a whole number " + std::to_string(lo) +
                   " to " + std::to_string(hi));
    return {};
  }

  std::string Choice(std::size_t i, std::initializer_list<std::pair<const char*, int>> choices, int& code) {
    if (!fault_.empty()) return {};
    if (i >= words_.size()) return Fault("missing argument");
    std::string w = LowerCase(words_[i]);
    std::string names;
    for (const auto& [name, value] : choices) {
      if (w == name) {
        code = value;
        return {};
      }
      names += (names.empty() ? "" : ", ") + std::string(name);
    }
    return Fault("expected one of " + names + ", not " + Quoted(words_[i]));
  }

  std::string SupplyCommand(ScriptAction& a) {
    a.command = ScriptCommand::Supply;
    std::string e = Count(2, "supply type|rated|static|elevation|altitude|capacity|height|dump-tank|temp VALUE");
    if (e.empty())
      e = Choice(2,
                 {{"type", kScriptSupplyType},
                  {"rated", kScriptSupplyRated},
                  {"static", int(SupplySetting::StaticPress)},
                  {"elevation", int(SupplySetting::Elevation)},
                  {"altitude", int(SupplySetting::Altitude)},
                  {"capacity", int(SupplySetting::TankCapacity)},
                  {"height", int(SupplySetting::TankHeight)},
                  {"dump-tank", int(SupplySetting::DumpTankCapacity)},
                  {"temp", int(SupplySetting::WaterTemp)}},
                 a.code);
    if (!e.empty()) return e;
    int choice = 0;
    if (a.code == kScriptSupplyType) {
      e = Choice(3, {{"hydrant", 0}, {"draft", 1}, {"relay", 2}}, choice);
      a.value = choice;
      return e;
    }
    if (a.code == kScriptSupplyRated) {
      e = Choice(3, {{"up", 1}, {"down", -1}}, choice);
      a.value = choice;
      return e;
    }
    // Typed values: the run refuses them with the window's messages.
    return Number(3, LowerCase(words_[2]), -HUGE_VAL, HUGE_VAL, a.value);
  }

  std::string FoamCommand(ScriptAction& a) {
    a.command = ScriptCommand::Foam;
    const char* usage =
        "foam tank a|b|flush, foam proportioner|air on|off, foam percent X, foam mode 0|1, "
        "foam display 0-3, foam airvalve N X";
    if (words_.size() < 3) return Fault(std::string("missing argument (") + usage + ")");
    std::string e = Choice(2,
                           {{"tank", kScriptFoamTank},
                            {"proportioner", kScriptFoamProportioner},
                            {"percent", kScriptFoamPercent},
                            {"air", kScriptFoamAir},
                            {"mode", kScriptFoamMode},
                            {"display", kScriptFoamDisplay},
                            {"airvalve", kScriptFoamAirValve}},
                           a.code);
    if (!e.empty()) return e;
    int choice = 0;
    switch (a.code) {
      case kScriptFoamAirValve:
        e = Count(3, usage);
        if (e.empty()) e = Whole(3, "line", 1, kMaxDischarges, a.index);
        return e.empty() ? Number(4, "opening", 0, 1, a.value) : e;
      case kScriptFoamPercent:
        e = Count(2, usage);
        return e.empty() ? Number(3, "percent", 0, 6, a.value) : e;
      case kScriptFoamTank:
        e = Count(2, usage);
        if (e.empty()) e = Choice(3, {{"a", 0}, {"b", 1}, {"flush", 2}}, choice);
        break;
      case kScriptFoamMode:
        e = Count(2, usage);
        if (e.empty()) e = Choice(3, {{"0", 0}, {"1", 1}}, choice);
        break;
      case kScriptFoamDisplay:
        e = Count(2, usage);
        if (e.empty()) e = Whole(3, "display mode", 0, 3, choice);
        break;
      default:
        e = Count(2, usage);
        if (e.empty()) e = Choice(3, {{"on", 1}, {"off", 0}}, choice);
        break;
    }
    a.value = choice;
    return e;
  }

  std::string OperatorCommand(const std::string& cmd, ScriptAction& a) {
    struct Entry {
      const char* cmd;
      const char* arg;
      OperatorAction action;
    };
    static constexpr Entry kEntries[] = {
        {"fill", "tank", OperatorAction::FillTank},
        {"fill", "dump", OperatorAction::FillDumpTank},
        {"fill", "oil", OperatorAction::FillEngineOil},
        {"fill", "primer-oil", OperatorAction::FillPrimerOil},
        {"check", "supply", OperatorAction::CheckSupplyLine},
        {"check", "discharge", OperatorAction::CheckDischargeLines},
        {"replace", "supply", OperatorAction::ReplaceSupplyLine},
        {"replace", "suction", OperatorAction::ReplaceHardSuction},
        {"reconnect", "discharge", OperatorAction::ReconnectDischargeLine},
    };
    std::string usage = cmd;
    std::string names;
    for (const Entry& e : kEntries) {
      if (cmd == e.cmd) names += (names.empty() ? "" : "|") + std::string(e.arg);
    }
    std::string e = Count(1, cmd + " " + names);
    if (!e.empty()) return e;
    std::string w = LowerCase(words_[2]);
    for (const Entry& entry : kEntries) {
      if (cmd == entry.cmd && w == entry.arg) {
        a.action = entry.action;
        return {};
      }
    }
    return Fault("expected " + names + " after " + cmd + ", not " + Quoted(words_[2]));
  }

  std::string SetCommand(ScriptAction& a) {
    if (words_.size() < 3) return Fault("missing argument (set FIELD VALUE)");
    a.field = FindStateField(words_[2]);
    if (!a.field) return Fault("no field named " + Quoted(words_[2]));
    a.text = std::string(RestAfter(line_, words_[2]));
    if (a.text.empty()) return Fault("missing argument (set FIELD VALUE)");
    // The value is tried on a scratch state: the same refusals as at run
    // time, found before the run starts.
    std::string message;
    if (!SetFieldText(scratch_, *a.field, a.text, message)) return Fault(message);
    return {};
  }

  static std::string Format(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
  }

  std::string Fault(std::string text) {
    fault_ = std::move(text);
    return fault_;
  }

  std::string_view line_;
  const std::vector<std::string_view>& words_;
  State& scratch_;
  std::string fault_;
};

// As the panel's foam controls leave the record.
void ApplyFoamAction(TFoamSetupRec& f, const ScriptAction& a) {
  const int v = static_cast<int>(a.value);
  switch (a.code) {
    case kScriptFoamTank:
      // A one-tank switch has no B.
      f.FoamTankSelect = static_cast<Byte>(v == kFoamTankB && f.NR_TANKS != 2 ? kFoamTankA : v);
      break;
    case kScriptFoamProportioner:
      SetProportionerOn(f, v != 0);
      break;
    case kScriptFoamPercent:
      SetFoamPercent(f, a.value);
      break;
    case kScriptFoamAir:
      f.CafsAirOn = v != 0;
      break;
    case kScriptFoamMode:
      f.CafsMode = static_cast<Byte>(v);
      break;
    case kScriptFoamDisplay:
      f.PropDisplayMode = static_cast<Byte>(v);
      break;
    case kScriptFoamAirValve:
      f.CafsAirValve[a.index] = a.value;
      break;
    default:
      break;
  }
}

}  // namespace

bool ParseDecimal(std::string_view w, double& value) {
  if (w.empty()) return false;
  if (w.front() == '+') w.remove_prefix(1);
  const char* end = w.data() + w.size();
  auto [p, ec] = std::from_chars(w.data(), end, value);
  return ec == std::errc() && p == end && std::isfinite(value);
}

bool ParseScript(std::string_view text, Script& script, std::string& error) {
  script.actions.clear();
  error.clear();
  auto scratch = std::make_unique<State>();
  int lineNo = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string_view> words = SplitWords(line);
    if (words.empty()) {
      if (end == text.size()) break;
      continue;
    }
    auto fail = [&](const std::string& what) {
      error = "line " + std::to_string(lineNo) + ": " + what;
      script.actions.clear();
      return false;
    };
    ScriptAction a;
    a.sourceLine = lineNo;
    if (!ParseDecimal(words[0], a.time)) return fail("time " + Quoted(words[0]) + " is not a number of seconds");
    if (a.time < 0) return fail("time " + Quoted(words[0]) + " is before the start of the run");
    if (words.size() < 2) return fail("a command must follow the time");
    LineReader reader(line, words, *scratch);
    std::string fault = reader.Read(a);
    if (!fault.empty()) return fail(fault);
    for (std::size_t w = 1; w < words.size(); ++w) {
      if (w > 1) a.sourceText += ' ';
      a.sourceText += words[w];
    }
    script.actions.push_back(std::move(a));
    if (end == text.size()) break;
  }
  // A schedule: actions in order of time, equal times as written.
  std::stable_sort(script.actions.begin(), script.actions.end(),
                   [](const ScriptAction& x, const ScriptAction& y) { return x.time < y.time; });
  return true;
}

void ApplyScriptAction(State& s, const ScriptAction& a, bool simActive, Host& host,
                       const HoseFrictionTable& hoseFriction) {
  switch (a.command) {
    case ScriptCommand::Throttle:
      // As the throttles do: the demand within the engine's limits, the
      // engine at that speed at once.
      ApplyThrottleDemand(s, a.value);
      break;
    case ScriptCommand::Valve:
      SetValveOpening(s, a.index, a.value, simActive, host);
      break;
    case ScriptCommand::Nozzle:
      StoreNozzleOpening(s, a.index, a.value);
      break;
    case ScriptCommand::Primer:
      // As the primer handle, with its sounds for whoever plays them.
      if (a.code == kPrimerEngage) {
        EngagePrimer(s, true, host);
      } else {
        ReleasePrimer(s, true, host);
      }
      break;
    case ScriptCommand::Control:
      s.PumpControl.PressureControlMode = static_cast<Byte>(a.code);
      break;
    case ScriptCommand::ReliefMode:
      SetReliefSwitch(s, a.code == kReliefInService);
      break;
    case ScriptCommand::ReliefPressure:
      // The relief valve's travel ends at its lowest and highest settings.
      SetReliefPressure(s, a.value);
      break;
    case ScriptCommand::GovernorPressure:
      s.PumpControl.GovernorMode = kGovernorPressureMode;
      SetGovernorPressure(s, a.value);
      break;
    case ScriptCommand::GovernorRpm:
      s.PumpControl.GovernorMode = 1;
      SetGovernorRpm(s, a.value);
      break;
    case ScriptCommand::Transfer:
      // The pump's mode once the change-over is done (the panel's switch
      // takes its delay to get there).
      s.Pump.StageMode = static_cast<SmallInt>(a.code);
      break;
    case ScriptCommand::TransferSwitch:
      break;  // the run's own: the switch waits out the change-over between ticks
    case ScriptCommand::Cooler:
      SetEngineCooler(s, a.code == kCoolerOn);
      break;
    case ScriptCommand::Operator:
      RunOperatorAction(s, a.action, simActive, host);
      break;
    case ScriptCommand::Repair:
      // As a repair from the Actions menu: the incident ends now.
      s.Incidents[a.index].StopTime = s.SimClock.Time;
      break;
    case ScriptCommand::Terminate:
      break;
    case ScriptCommand::Set: {
      std::string message;
      if (a.field && SetFieldText(s, *a.field, a.text, message)) RecomputeDerivedValues(s, host);
      break;
    }
    case ScriptCommand::Pump: {
      // As the pump setup commits it; a refusal shows the window's message.
      PumpCommit commit = CommitPumpSetting(s, static_cast<PumpSetting>(a.code), a.value);
      if (!commit.Message.empty()) host.Message(MsgType::Error, Buttons::Ok, commit.Message);
      break;
    }
    case ScriptCommand::Supply: {
      // As the supply setup commits it.
      if (a.code == kScriptSupplyType) {
        ChangeSupplyType(s, static_cast<int>(a.value), hoseFriction, host);
        UpdateTank(s, !simActive, host);
        UpdateAltitude(s);
        ResetDraftSource(s, simActive);
      } else if (a.code == kScriptSupplyRated) {
        StepRatedFlow(s, static_cast<int>(a.value));
      } else {
        SupplyCommit commit = CommitSupplySetting(s, static_cast<SupplySetting>(a.code), a.value, simActive, host);
        if (!commit.Message.empty()) host.Message(MsgType::Error, Buttons::Ok, commit.Message);
      }
      break;
    }
    case ScriptCommand::Foam:
      ApplyFoamAction(s.FoamSetup, a);
      break;
  }
}

}  // namespace pumpdrill
