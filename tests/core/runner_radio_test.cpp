// The headless runner hears and reads the radio calls an Evolution brings,
// as the program does, and tells them on its error output.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "frame/configuration.h"
#include "frame/evolution_file.h"
#include "runner_invoke.h"
#include "scratch_dir.h"
#include "sim/defaults.h"
#include "sound/call_text_file.h"

namespace pumpdrill {
namespace {

TEST(RunnerRadio, TheEvolutionsRadioCallsComeDuringTheRunUnlessQuiet) {
  testing::ScratchDir mainDir, files;
  std::filesystem::create_directories(mainDir / "Snd");
  ASSERT_EQ(WriteCallTextFile((mainDir / "Snd" / "ALARM.WTX").string(),
                              {"Second alarm", {"Engine 7 to command."}}),
            WriteStep::Done);
  testing::WriteText(mainDir / "Snd" / "ENGINE1.WAV", "RIFF");
  auto s = std::make_unique<State>();
  NullHost quiet;
  SetDefaultState(*s, Configuration{}.Sim, quiet);
  ASSERT_TRUE(SaveEvolution(*s, (files / "Drill.EVO").string(), quiet));
  // The radio calls travel with the Evolution by name.
  testing::WriteText(files / "drill.itx",
                     "[Incident and Command Radio Files for Evolution: Drill]\nrel=2.0\n"
                     "[01]\nNAME=ENGINE1.WAV\nTIME=00:02\n[02]\nNAME=ALARM.WTX\nTIME=00:01\n");
  const std::string sound = (mainDir / "Snd" / "ENGINE1.WAV").string();
  const std::string incident = "Incident 00:01: Second alarm\n  Engine 7 to command.\n";
  const std::string heard = "Radio call 00:02: " + sound + "\n";
  for (const bool quietRun : {false, true}) {
    SCOPED_TRACE(quietRun ? "--quiet" : "not quiet");
    std::vector<std::string> args = {"--main-dir",  mainDir.path().string(),
                                     "--evolution", (files / "Drill.EVO").string(),
                                     "--duration",  "3",
                                     "--columns",   "SimClock.Time"};
    if (quietRun) args.push_back("--quiet");
    testing::RunnerOutput r = testing::InvokeRunner(args);
    ASSERT_EQ(r.status, 0) << r.err;
    if (quietRun) {
      EXPECT_EQ(r.err.find("Incident"), std::string::npos) << r.err;
      EXPECT_EQ(r.err.find("Radio call"), std::string::npos) << r.err;
      continue;
    }
    EXPECT_NE(r.err.find(incident), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(heard), std::string::npos) << r.err;
    EXPECT_LT(r.err.find(incident), r.err.find(heard));
  }
}

}  // namespace
}  // namespace pumpdrill
