// The Evolutions of a program's life: the default Evolution opened at
// start-up and the temporary Evolution that holds the start of the last run.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frame/evolution_file.h"
#include "frame/program.h"
#include "frame/run_control.h"
#include "recording_host.h"
#include "scratch_dir.h"
#include "sim/defaults.h"

namespace pumpdrill {
namespace {

namespace fs = std::filesystem;

class EvolutionStartup : public ::testing::Test {
 protected:
  // The program's start-up up to the default Evolution, in a main directory
  // whose settings file holds iniText.
  void StartProgram(const std::string& iniText) {
    fs::create_directories(root / "Ini");
    fs::create_directories(root / "Evols");
    if (!iniText.empty()) testing::WriteText(root / "Ini" / "Tw.INI", iniText);
    StartupInfo info;
    info.ProgramPath = "/opt/pumpdrill/bin/pumpdrill";
    info.MainDirectory = root.path().string();
    AllocateAndResolve(p, info, host);
    ReadSettingsAndStartLog(p, info);
    LoadInternalDefaults(p, host);
    OpenDefaultEvolution(p, host);
  }
  std::string Evo(const std::string& name) { return (root / "Evols" / name).string(); }
  // An Evolution file that differs from the defaults in its gear ratio.
  void WriteEvolution(const std::string& name, double gearRatio) {
    auto other = std::make_unique<State>();
    NullHost quiet;
    SetDefaultState(*other, Configuration{}.Sim, quiet);
    other->Pump.GearRatio = gearRatio;
    ASSERT_TRUE(SaveEvolution(*other, Evo(name), quiet));
  }

  testing::ScratchDir root;
  Program p;
  RecordingHost host;
};

TEST_F(EvolutionStartup, TheDefaultEvolutionIsOpenedWhenTheOptionSaysSo) {
  fs::create_directories(root / "Evols");
  WriteEvolution("DRILL.EVO", 2.5);
  StartProgram("[Desktop]\nUSE DEFAULT EVOLUTION=true\nDEFAULT EVOLUTION NAME=DRILL.EVO\n");
  EXPECT_TRUE(host.messages.empty()) << host.Texts();
  EXPECT_EQ(p.S().Pump.GearRatio, 2.5);
  EXPECT_EQ(p.run.CurrentEvolution, Evo("DRILL.EVO"));
  EXPECT_TRUE(p.config.Options.UseDefaultEvolution);
}

TEST_F(EvolutionStartup, AFailedDefaultEvolutionSwitchesTheOptionOff) {
  StartProgram("[Desktop]\nUSE DEFAULT EVOLUTION=true\nDEFAULT EVOLUTION NAME=GONE.EVO\n");
  EXPECT_EQ(host.Texts(), "Cannot find Evolution file " + Evo("GONE.EVO") + "\n");
  EXPECT_EQ(p.S().Pump.GearRatio, 2.27);
  EXPECT_TRUE(p.run.CurrentEvolution.empty());
  EXPECT_FALSE(p.config.Options.UseDefaultEvolution);
  const std::string ini = testing::ReadText(root / "Ini" / "Tw.INI");
  EXPECT_NE(ini.find("USE DEFAULT EVOLUTION=false"), std::string::npos) << ini;
  EXPECT_NE(ini.find("DEFAULT EVOLUTION NAME=GONE.EVO"), std::string::npos) << ini;
}

TEST_F(EvolutionStartup, TheTemporaryEvolutionHoldsTheStartOfTheLastRun) {
  fs::create_directories(root / "Evols");
  testing::WriteText(root / "Evols" / "tmp.xvo", "left by the last session");
  StartProgram("");
  const fs::path tmp = root / "Evols" / "tmp.xvo";
  EXPECT_FALSE(fs::exists(tmp));  // deleted at start-up

  // Re-initialising before any run only re-initialises.
  p.S().Pump.GearRatio = 2.0;
  ReinitializeSimulation(p.S(), p.config, p.run, host);
  EXPECT_EQ(p.S().Pump.GearRatio, 2.0);

  SetRunState(p.S(), p.config, p.run, host, kRunStart);
  ASSERT_TRUE(fs::exists(tmp));
  EXPECT_EQ(fs::file_size(tmp), 47625u);
  p.S().Pump.GearRatio = 3.0;  // changed during the run
  p.S().Discharges[2].ValveOpen = 1;
  SetRunState(p.S(), p.config, p.run, host, kRunTerminate);

  // A confirmed restart after the end of the run goes back to its start.
  host.answers = {Answer::Ok};
  SetRunState(p.S(), p.config, p.run, host, kRunStart);
  EXPECT_EQ(p.S().Pump.GearRatio, 2.0);
  EXPECT_EQ(p.S().Discharges[2].ValveOpen, 0);
  EXPECT_EQ(p.run.RunState, TRunState::Running);

  // So does Run > Initialize once the run is over.
  p.S().Pump.GearRatio = 4.0;
  SetRunState(p.S(), p.config, p.run, host, kRunTerminate);
  ReinitializeSimulation(p.S(), p.config, p.run, host);
  EXPECT_EQ(p.S().Pump.GearRatio, 2.0);
  EXPECT_EQ(p.run.RunState, TRunState::Idle);
  EXPECT_TRUE(host.Texts().find("Attempting") == std::string::npos) << host.Texts();
}

}  // namespace
}  // namespace pumpdrill
