// The Setup > Panel commands once their files are chosen.
#include "panel/file/panel_file_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "default_state.h"
#include "file_fault_support.h"
#include "panel/controls/panel_controls.h"
#include "recording_host.h"
#include "scratch_dir.h"

namespace fs = std::filesystem;

namespace pumpdrill {
namespace {

using testing::ReadText;
using testing::ScratchDir;
using testing::WriteText;

class PanelCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(panels);
    fs::create_directories(elsewhere);
  }
  PanelFileTarget Target() { return {s, layout, pc, panels.string() + "/", {}}; }

  ScratchDir dir;
  fs::path panels = dir / "Panels";
  fs::path elsewhere = dir / "Elsewhere";
  std::unique_ptr<State> state = testing::MakeDefaultState();
  State& s = *state;
  PanelLayout layout = DefaultPanelLayout();
  PanelControls pc;
  RecordingHost host;
};

TEST_F(PanelCommandsTest, OpenFromAnotherFolderCopiesIntoThePanelsFolder) {
  const std::string six = "[DISCHARGE LINES]\nNR_DISCHARGES=6\n";
  WriteText(elsewhere / "RIG.PNL", six);
  PanelFileTarget t = Target();
  ASSERT_TRUE(OpenChosenPanel(t, (elsewhere / "RIG.PNL").string(), host).Done);
  EXPECT_EQ(s.DischargeList.LineCount, 6);
  EXPECT_EQ(ReadText(panels / "RIG.PNL"), six);
  EXPECT_EQ(s.PumpControl.PanelFileName.str(), "RIG.PNL");
  EXPECT_TRUE(host.messages.empty()) << host.Texts();

  // A different file of that name in the Panels folder is replaced only on Yes.
  WriteText(elsewhere / "RIG.PNL", "[DISCHARGE LINES]\nNR_DISCHARGES=3\n");
  host.answers = {Answer::No};
  EXPECT_FALSE(OpenChosenPanel(t, (elsewhere / "RIG.PNL").string(), host).Done);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].buttons, Buttons::YesNo);
  EXPECT_EQ(ReadText(panels / "RIG.PNL"), six);
  EXPECT_EQ(s.DischargeList.LineCount, 6);
  host.answers = {Answer::Yes};
  ASSERT_TRUE(OpenChosenPanel(t, (elsewhere / "RIG.PNL").string(), host).Done);
  EXPECT_EQ(s.DischargeList.LineCount, 3);

  // Chosen in the Panels folder itself: loaded as it is.
  host.messages.clear();
  WriteText(panels / "OWN.PNL", "[DISCHARGE LINES]\nNR_DISCHARGES=11\n");
  ASSERT_TRUE(OpenChosenPanel(t, (panels / "OWN.PNL").string(), host).Done);
  EXPECT_EQ(s.DischargeList.LineCount, 11);
  EXPECT_TRUE(host.messages.empty()) << host.Texts();
}

TEST_F(PanelCommandsTest, SaveAsElsewhereAsksAboutTheFileWritten) {
  WriteText(panels / "RIG.PNL", "[KEEP]\nME=1\n");
  s.PumpControl.PanelFileName = "BEFORE.PNL";
  PanelFileTarget t = Target();
  host.answers = {Answer::No};
  EXPECT_FALSE(SaveChosenPanelAs(t, (elsewhere / "RIG.PNL").string(), host).Done);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find((panels / "RIG.PNL").string()), std::string::npos);
  EXPECT_EQ(ReadText(panels / "RIG.PNL"), "[KEEP]\nME=1\n");
  EXPECT_EQ(s.PumpControl.PanelFileName.str(), "BEFORE.PNL");

  host.answers = {Answer::Yes};
  ASSERT_TRUE(SaveChosenPanelAs(t, (elsewhere / "RIG.PNL").string(), host).Done);
  const std::string text = ReadText(panels / "RIG.PNL");
  EXPECT_EQ(text.rfind("[KEEP]\nME=1\n", 0), 0u);  // unknown keys stay
  EXPECT_NE(text.find("[DISCHARGE LINES]"), std::string::npos);
  EXPECT_FALSE(fs::exists(elsewhere / "RIG.PNL"));
  EXPECT_EQ(s.PumpControl.PanelFileName.str(), "RIG.PNL");
}

TEST_F(PanelCommandsTest, DeleteAsksForEachAndReportsFailures) {
  for (const char* n : {"A.PNL", "B.PNL", "C.PNL"}) WriteText(panels / n, "[X]\n");
  host.answers = {Answer::Yes, Answer::No, Answer::Yes};
  const std::vector<std::string> paths = {(panels / "A.PNL").string(), (panels / "B.PNL").string(),
                                          (panels / "GONE.PNL").string()};
  EXPECT_EQ(DeletePanelFiles(paths, host), 1);
  ASSERT_EQ(host.messages.size(), 4u);
  EXPECT_EQ(host.messages[0].text, "Delete " + paths[0]);
  EXPECT_EQ(host.messages[1].text, "Delete " + paths[1]);
  EXPECT_EQ(host.messages[3].type, MsgType::Error);
  EXPECT_EQ(host.messages[3].text.rfind("Panel configuration file  \"" + paths[2] + "\"", 0), 0u);
  EXPECT_FALSE(fs::exists(paths[0]));
  EXPECT_TRUE(fs::exists(paths[1]));
}

TEST_F(PanelCommandsTest, TemporaryPanelHasNoNameOfItsOwn) {
  for (const char* n : {"", "TMP.XNL"}) {
    s.PumpControl.PanelFileName = n;
    EXPECT_TRUE(PanelNeedsName(s)) << n;
    EXPECT_EQ(PanelDialogPreset(s), "") << n;
  }
  s.PumpControl.PanelFileName = "RIG.PNL";
  EXPECT_FALSE(PanelNeedsName(s));
  EXPECT_EQ(PanelDialogPreset(s), "RIG.PNL");
}

TEST_F(PanelCommandsTest, KeysReadAndWrittenOneByOne) {
  bool reported = false;
  s.PumpControl.PanelFileName = "";
  const std::string missing = (panels / "TMP.XNL").string();
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(IOToPanelFile(s, panels.string() + "/", kPanelKeyRead, "ID BOX", "TOP", "7", reported,
                            host),
              "7");
  ASSERT_EQ(host.messages.size(), 1u);  // once per operation
  EXPECT_EQ(host.messages[0].text, "Panel \"" + missing + " does not exist.  No values read.");
  EXPECT_EQ(s.PumpControl.PanelFileName.str(), "TMP.XNL");
  IOToPanelFile(s, panels.string() + "/", kPanelKeyWrite, "ID BOX", "TOP", "42", reported, host);
  EXPECT_EQ(
      IOToPanelFile(s, panels.string() + "/", kPanelKeyRead, "ID BOX", "TOP", "7", reported, host),
      "42");
}

}  // namespace
}  // namespace pumpdrill
