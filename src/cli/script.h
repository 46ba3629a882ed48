// Scripts of the headless runner: what the operator does during a run, one
// timed action a line, "<time> <command> [arguments]". Blank lines and
// comments (from a word that starts with "#" to the end of the line) are
// ignored; in the text value of a set command only a lone "#" starts a
// comment, so that a title may read "Line #2". A script is read and checked whole before the run starts, so a
// mistake in its last line stops the run before anything is computed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/host.h"
#include "sim/operator_actions.h"
#include "sim/registry.h"
#include "sim/sim_settings.h"

namespace pumpdrill {

struct State;

enum class ScriptCommand {
  Throttle,          // throttle RPM
  Valve,             // valve N X
  Nozzle,            // nozzle N X
  Primer,            // primer on|off (code: PrimerAction's engage or release)
  Control,           // control relief|governor|none (code: PressureControlMode)
  ReliefMode,        // relief on|off (code: ReliefMode 1 or 2)
  ReliefPressure,    // relief PSI
  GovernorPressure,  // governor pressure PSI
  GovernorRpm,       // governor rpm RPM
  Transfer,          // transfer pressure|volume (code: Pump.StageMode)
  TransferSwitch,    // transfer switch pressure|volume: the panel's switch, changing over after its delay
  Cooler,            // cooler on|off (code: Pump.EngineCooler)
  Operator,          // fill, check, replace, reconnect: an Actions menu command
  Repair,            // repair K
  Terminate,         // terminate
  Set,               // set FIELD VALUE
  Pump,              // pump ratio|idle|high|low|stages|efficiency|capacity VALUE (code: PumpSetting)
  Supply,            // supply type hydrant|draft|relay, supply rated up|down, supply SETTING VALUE
  Foam,              // foam tank|proportioner|percent|air|mode|display ..., foam airvalve N X
};

// The foam command's codes.
enum ScriptFoam : int {
  kScriptFoamTank = 1,      // code of the position in value: 0 A, 1 B, 2 flush
  kScriptFoamProportioner,  // value 1 on, 0 off
  kScriptFoamPercent,       // value: the setting in percent
  kScriptFoamAir,           // value 1 on, 0 off
  kScriptFoamMode,          // value 0 or 1
  kScriptFoamDisplay,       // value: the display mode 0 to 3
  kScriptFoamAirValve,      // index: the line, value: the opening 0 to 1
};

// The supply command's codes beside the SupplySetting values.
inline constexpr int kScriptSupplyType = 100;   // value: the type 0..2
inline constexpr int kScriptSupplyRated = 101;  // value: +1 up, -1 down

struct ScriptAction {
  double time = 0;   // simulated seconds
  int sourceLine = 0;  // line of the script it was read from
  ScriptCommand command = ScriptCommand::Terminate;
  int index = 0;     // line 1..18 (valve, nozzle) or incident 1..9 (repair)
  int code = 0;      // the choice of an on/off or named argument
  double value = 0;  // the number argument
  OperatorAction action = OperatorAction::CheckSupplyLine;
  const FieldInfo* field = nullptr;  // set: the field
  std::string text;                  // set: the value as written
  std::string sourceText;            // the line as written, without its comment
};

struct Script {
  std::vector<ScriptAction> actions;  // in order of time; equal times in script order

  // The time of the last action, 0 for an empty script.
  double LastTime() const { return actions.empty() ? 0.0 : actions.back().time; }
};

// A finite decimal number ("1500", "0.75", "1e3"), read the same whatever
// the locale; nothing else may follow it.
bool ParseDecimal(std::string_view text, double& value);

// Reads and checks a whole script. On the first fault returns false with
// error set to "line N: " and what is wrong; script is then left empty.
bool ParseScript(std::string_view text, Script& script, std::string& error);

// Applies one action to the state as the panel, the nozzle window or the
// Actions menu would (terminate is the caller's: it does nothing here).
// `set` recomputes every derived value afterwards, as after a load.
// `hoseFriction` gives the C of a new supply line (empty: the built-in C).
void ApplyScriptAction(State& s, const ScriptAction& a, bool simActive, Host& host,
                       const HoseFrictionTable& hoseFriction = {});

}  // namespace pumpdrill
