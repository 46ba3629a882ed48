#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "default_state.h"
#include "file_fault_support.h"
#include "frame/evolution_commands.h"
#include "frame/evolution_file.h"
#include "frame/run_control.h"
#include "recording_host.h"
#include "scratch_dir.h"

namespace fs = std::filesystem;
using namespace pumpdrill;
using pumpdrill::testing::MakeDefaultState;
using pumpdrill::testing::ReadText;
using pumpdrill::testing::ScratchDir;
using pumpdrill::testing::WriteText;

namespace {

// Records the panel requests of the Evolution commands; its panel Save As
// names the panel as a test script says.
class CommandHost : public RecordingHost {
 public:
  bool SavePanelAs() override {
    ++panelSaves;
    if (panelNames.empty()) return false;
    *panelName = panelNames.front();
    panelNames.erase(panelNames.begin());
    return true;
  }
  int panelSaves = 0;
  ShortString* panelName = nullptr;
  std::vector<std::string> panelNames;
};

class EvolutionCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    s = MakeDefaultState();
    run.Dirs.EvolutionsDirectory = dir.path().string() + "/";
    host.panelName = &s->PumpControl.PanelFileName;
  }
  std::string Evo(const std::string& name) { return run.Dirs.EvolutionsDirectory + name; }
  // Saves the present state as an Evolution without the commands.
  void SaveAs(const std::string& name) {
    NullHost quiet;
    ASSERT_TRUE(EvolutionFile(*s, kEvolutionSave, Evo(name), cfg, quiet));
  }

  ScratchDir dir;
  Configuration cfg;
  RunContext run;
  CommandHost host;
  std::unique_ptr<State> s;
};

TEST_F(EvolutionCommands, OpenWhileRunningOrPausedIsRefused) {
  SaveAs("A.EVO");
  s->Pump.GearRatio = 3.0;
  for (TRunState rs : {TRunState::Running, TRunState::Paused}) {
    run.RunState = rs;
    host.messages.clear();
    EXPECT_FALSE(OpenChosenEvolution(*s, Evo("A.EVO"), cfg, run, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Terminate the current simulation (red stoplight button) before loading a new one.");
    EXPECT_EQ(host.messages[0].type, MsgType::Confirmation);
    EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(s->Pump.GearRatio, 3.0);
    EXPECT_TRUE(run.CurrentEvolution.empty());
    EXPECT_EQ(run.RunState, rs);
  }
  EXPECT_EQ(host.Count("display:AttachPanel"), 0);

  run.RunState = TRunState::Terminated;
  EXPECT_TRUE(OpenChosenEvolution(*s, Evo("A.EVO"), cfg, run, host));
  EXPECT_EQ(s->Pump.GearRatio, 2.27);
  EXPECT_EQ(run.RunState, TRunState::Idle);  // initialised
}

TEST_F(EvolutionCommands, OpenRemembersTenNamesAndKeepsTheCurrentOneOnFailure) {
  for (int i = 1; i <= 12; ++i) SaveAs("E" + std::to_string(i) + ".EVO");
  for (int i = 1; i <= 12; ++i) ASSERT_TRUE(OpenEvolution(*s, Evo("E" + std::to_string(i) + ".EVO"), cfg, run, host));
  ASSERT_TRUE(OpenEvolution(*s, Evo("E12.EVO"), cfg, run, host));  // already listed: not added again
  ASSERT_EQ(run.EvolutionHistory.size(), 10u);
  EXPECT_EQ(run.EvolutionHistory.front(), Evo("E3.EVO"));
  EXPECT_EQ(run.EvolutionHistory.back(), Evo("E12.EVO"));
  EXPECT_EQ(run.CurrentEvolution, Evo("E12.EVO"));
  EXPECT_EQ(host.Count("display:AttachPanel"), 13);

  host.messages.clear();
  EXPECT_FALSE(OpenEvolution(*s, Evo("MISSING.EVO"), cfg, run, host));
  EXPECT_EQ(host.Texts(), "Cannot find Evolution file " + Evo("MISSING.EVO") + "\n");
  EXPECT_EQ(run.CurrentEvolution, Evo("E12.EVO"));
  EXPECT_EQ(run.EvolutionHistory.size(), 10u);
  EXPECT_EQ(host.Count("display:AttachPanel"), 13);  // the panel as it stands is kept
}

TEST_F(EvolutionCommands, WithoutItsPanelFileTheEvolutionKeepsItsLineCount) {
  run.Dirs.PanelsDirectory = (dir / "Panels").string() + "/";
  fs::create_directories(run.Dirs.PanelsDirectory);
  s->PumpControl.PanelFileName = "RIG.PNL";
  s->DischargeList.LineCount = 9;
  SaveAs("NINE.EVO");
  s->DischargeList.LineCount = 4;
  ASSERT_TRUE(OpenEvolution(*s, Evo("NINE.EVO"), cfg, run, host));
  EXPECT_EQ(s->DischargeList.LineCount, 9);

  // With its panel file the count is the panel's to bring.
  WriteText(fs::path(run.Dirs.PanelsDirectory) / "rig.pnl", "[DISCHARGE LINES]\nNR_DISCHARGES=2\n");
  s->DischargeList.LineCount = 4;
  ASSERT_TRUE(OpenEvolution(*s, Evo("NINE.EVO"), cfg, run, host));
  EXPECT_EQ(s->DischargeList.LineCount, 4);
  EXPECT_EQ(host.Count("display:AttachPanel"), 2);
}

TEST_F(EvolutionCommands, SaveAsCopiesTheCallFileAndReports) {
  s->PumpControl.PanelFileName = "PUMPER.PNL";
  run.CurrentEvolution = Evo("OLD.EVO");
  WriteText(dir / "OLD.ITX", "[01]\nNAME=ENGINE1.WAV\n");
  ASSERT_TRUE(SaveEvolutionAs(*s, Evo("NEW.drill.EVO"), cfg, run, host));
  EXPECT_EQ(run.CurrentEvolution, Evo("NEW.drill.EVO"));
  EXPECT_EQ(fs::file_size(Evo("NEW.drill.EVO")), 47625u);
  EXPECT_EQ(ReadText(dir / "NEW.ITX"), "[01]\nNAME=ENGINE1.WAV\n");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].type, MsgType::Information);
  EXPECT_EQ(host.messages[0].text,
            "Saved: \r\n     evolution:  \"NEW.drill.EVO\"\r\n     call file:  \"NEW.ITX\"\r\n"
            "     attached to panel: \"PUMPER.PNL\"");

  // Without a call file the report leaves it out.
  host.messages.clear();
  ASSERT_TRUE(SaveEvolutionAs(*s, Evo("OTHER.EVO"), cfg, run, host));
  EXPECT_TRUE(fs::exists(dir / "OTHER.ITX"));  // NEW.ITX followed
  fs::remove(dir / "OTHER.ITX");
  fs::remove(dir / "NEW.ITX");
  host.messages.clear();
  ASSERT_TRUE(SaveEvolutionAs(*s, Evo("THIRD.EVO"), cfg, run, host));
  EXPECT_EQ(host.messages[0].text,
            "Saved: \r\n     evolution:  \"THIRD.EVO\"\r\n     attached to panel: \"PUMPER.PNL\"");
}

TEST_F(EvolutionCommands, FailedSaveAsReportsOnlyTheFailure) {
  SaveAs("KEEP.EVO");
  run.CurrentEvolution = Evo("KEEP.EVO");
  const std::string nowhere = dir.path().string() + "/missing folder/NEW.EVO";
  EXPECT_FALSE(SaveEvolutionAs(*s, nowhere, cfg, run, host));
  EXPECT_EQ(host.Texts(), "Attempting to Rewrite temp Evolution file " + nowhere + "\n");
  EXPECT_EQ(run.CurrentEvolution, Evo("KEEP.EVO"));
}

TEST_F(EvolutionCommands, TheUnsavedPanelIsSavedFirst) {
  s->PumpControl.PanelFileName = "TMP.XNL";
  host.answers = {Answer::Yes, Answer::Yes};
  host.panelNames = {"TMP.XNL", "RIG.PNL"};  // the first Save As keeps the temporary name
  EXPECT_TRUE(PanelSavedFirst(*s, host));
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.panelSaves, 2);
  EXPECT_EQ(host.messages[0].text,
            "The current panel must be saved before saving the evolution.  Continue and save the panel now?");
  EXPECT_EQ(host.messages[0].buttons, Buttons::YesCancel);

  host.messages.clear();
  s->PumpControl.PanelFileName = "";
  host.answers = {Answer::Cancel};
  EXPECT_FALSE(PanelSavedFirst(*s, host));
  EXPECT_EQ(host.messages.size(), 1u);

  // A cancelled panel Save As ends the command without asking again.
  host.messages.clear();
  host.panelSaves = 0;
  host.answers = {Answer::Yes};
  EXPECT_FALSE(PanelSavedFirst(*s, host));
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.panelSaves, 1);

  host.messages.clear();
  s->PumpControl.PanelFileName = "RIG.PNL";
  EXPECT_TRUE(PanelSavedFirst(*s, host));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(EvolutionCommands, DeleteAsksForEachFile) {
  for (const char* n : {"A.EVO", "B.EVO", "C.EVO"}) SaveAs(n);
  WriteText(dir / "A.ITX", "a");
  WriteText(dir / "B.ITX", "b");
  run.CurrentEvolution = Evo("A.EVO");
  host.answers = {Answer::Yes, Answer::No, Answer::Yes};
  EXPECT_EQ(DeleteEvolutions({Evo("A.EVO"), Evo("B.EVO"), Evo("C.EVO")}, run, host), 2);
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages[1].text, "Delete " + Evo("B.EVO"));
  EXPECT_EQ(host.messages[1].buttons, Buttons::YesNo);
  EXPECT_FALSE(fs::exists(Evo("A.EVO")));
  EXPECT_FALSE(fs::exists(dir / "A.ITX"));
  EXPECT_TRUE(fs::exists(Evo("B.EVO")));
  EXPECT_TRUE(fs::exists(dir / "B.ITX"));
  EXPECT_FALSE(fs::exists(Evo("C.EVO")));
  EXPECT_EQ(run.CurrentEvolution, Evo("A.EVO"));
}

TEST(EvolutionNames, CallFileNames) {
  EXPECT_EQ(CallFileName("/x/Evols/DRILL.EVO"), "DRILL.ITX");
  EXPECT_EQ(CallFileName("/x/Evols/a.b.c.EVO"), "a.ITX");
  EXPECT_EQ(CallFileName("/x.y/Evols/NOEXT"), "NOEXT.ITX");
}

}  // namespace
