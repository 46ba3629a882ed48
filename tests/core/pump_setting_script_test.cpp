#include <gtest/gtest.h>

#include <string>

#include "cli/script.h"
#include "default_state.h"
#include "recording_host.h"
#include "setup/pump_setup.h"
#include "sim/pump_curve.h"
#include "sim/state.h"

namespace pumpdrill {
namespace {

using testing::MakeDefaultState;

// The runner's "pump" command commits as the pump setup window does: the
// same follow-up, the same refusals with the window's messages.
TEST(PumpSettingScript, CommitsAsTheWindowDoes) {
  struct Case {
    const char* line;
    double (*field)(const State&);
    double expected;
    const char* message;  // the window's message, "" for none
  };
  const Case cases[] = {
      {"0 pump ratio 1.88", [](const State& s) { return double(s.Pump.RatedImpellerRpm); }, 1500 * 1.88, ""},
      {"0 pump ratio 0", [](const State& s) { return double(s.Pump.GearRatio); }, 2.27, "Invalid value entered."},
      {"0 pump idle 400", [](const State& s) { return double(s.Engine.IdleRpm); }, 500, ""},
      {"0 pump idle 1500", [](const State& s) { return double(s.Engine.IdleRpm); }, 1050,
       "Idle speed must be below 1500 rpm.  Value unchanged."},
      {"0 pump high 250", [](const State& s) { return HighSpeedPress(s.Pump); }, 250, ""},
      {"0 pump high 250\n1 pump high 5", [](const State& s) { return HighSpeedPress(s.Pump); }, 250,
       kHighPressRefusedText},
      // Volume is half of pressure at idle, whichever mode is edited.
      {"0 transfer volume\n0 pump low 100", [](const State& s) { return double(s.Pump.IdlePress); }, 200, ""},
      {"0 transfer volume\n0 pump stages 1", [](const State& s) { return double(s.Pump.StageMode); }, 1, ""},
      {"0 pump efficiency 50", [](const State& s) { return double(s.Pump.FlowEfficiency); }, 0.5, ""},
      // The solution reads the first mode's loss, in volume mode too.
      {"0 transfer volume\n0 pump efficiency 50", [](const State& s) { return double(s.Pump.PumpLossK[1]); },
       0.000075, ""},
      {"0 pump capacity 1250", [](const State& s) { return double(s.Pump.RatedFlow); }, 1250, ""},
  };
  for (const Case& c : cases) {
    auto s = MakeDefaultState();
    RecordingHost host;
    Script script;
    std::string error;
    ASSERT_TRUE(ParseScript(c.line, script, error)) << c.line << ": " << error;
    for (const ScriptAction& a : script.actions) ApplyScriptAction(*s, a, true, host);
    EXPECT_NEAR(c.field(*s), c.expected, 1e-9) << c.line;
    EXPECT_EQ(host.Texts(), *c.message ? std::string(c.message) + "\n" : "") << c.line;
  }
}

TEST(PumpSettingScript, FaultsNameWhatIsWrong) {
  struct Case {
    const char* line;
    const char* fault;
  };
  const Case cases[] = {
      {"0 pump ratio", "line 1: missing argument (pump ratio|idle|high|low|stages|efficiency|capacity VALUE)"},
      {"0 pump speed 3", "line 1: expected one of ratio, idle, high, low, stages, efficiency, capacity, not 'speed'"},
      {"0 pump stages 3", "line 1: expected one of 1, 2, not '3'"},
      {"0 pump efficiency 120", "line 1: efficiency '120' is out of range (0 to 100)"},
      {"0 pump idle fast", "line 1: idle 'fast' is not a number"},
      {"0 pump high -5", "line 1: high pressure '-5' is out of range (0 to 32000)"},
      {"0 pump capacity 0", "line 1: capacity '0' is out of range (at least 1)"},
  };
  for (const Case& c : cases) {
    Script script;
    std::string error;
    EXPECT_FALSE(ParseScript(c.line, script, error)) << c.line;
    EXPECT_EQ(error, c.fault) << c.line;
  }
}

}  // namespace
}  // namespace pumpdrill
