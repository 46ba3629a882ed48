// The File menu's Evolution commands in the main window: the files chosen,
// the questions asked and the Evolution label.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <filesystem>
#include <fstream>

#include "frame/evolution_file.h"
#include "frame/gui/evolution_dialogs.h"
#include "frame/gui/frm_main.h"
#include "frame/program.h"
#include "panel/gui/frm_panel.h"
#include "main_window_fixture.h"
#include "scripted_dialogs.h"
#include "window_test_support.h"

namespace pumpdrill {
namespace {

namespace fs = std::filesystem;
using testing::ScratchMainDir;
using testing::TestWindowHost;

using ScriptedDialogs = testing::ScriptedEvolutionDialogs;

class EvolutionFileMenuTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    OpenMainWindow([this](TfrmMain& win) {
      auto owned = std::make_unique<ScriptedDialogs>();
      dialogs = owned.get();
      win.SetEvolutionDialogs(std::move(owned));
    });
    host.messages.clear();
    // The Evolutions are attached to a panel that was saved.
    ASSERT_TRUE(w->frmPanel()->TransferPanelConfiguration("RIG.PNL", kPanelFileSave));
  }
  std::string Evols() const { return p.Dirs().EvolutionsDirectory; }
  std::string Label() const { return w->LblEvolutionFName->text().toStdString(); }

  ScriptedDialogs* dialogs = nullptr;
};

TEST_F(EvolutionFileMenuTest, SaveAsThenSaveThenOpen) {
  for (QAction* a : {w->mOpen, w->mSaveEvo, w->mSaveEvoAs, w->mDeleteEvo}) EXPECT_TRUE(a->isEnabled());

  // Save Evo without a current Evolution is Save As.
  dialogs->choices = {Evols() + "DRILL.EVO"};
  p.S().Pump.GearRatio = 2.5;
  w->mSaveEvo->trigger();
  EXPECT_EQ(dialogs->offered.back(), "save " + Evols() + " ");
  ASSERT_TRUE(fs::exists(Evols() + "DRILL.EVO"));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Saved: \r\n     evolution:  \"DRILL.EVO\"\r\n     attached to panel: \"RIG.PNL\"");
  EXPECT_EQ(Label(), "DRILL.EVO");
  EXPECT_EQ(w->LblEvolutionFName->toolTip().toStdString(), "DRILL.EVO");
  QImage shot = testing::Screenshot(*w, "main_window_evolution");
  EXPECT_GT(testing::ColourCount(shot), 20);

  // Save Evo with one saves there without a word.
  host.messages.clear();
  p.S().Pump.GearRatio = 2.75;
  w->mSaveEvo->trigger();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(dialogs->offered.size(), 1u);

  // Open reads it back, offering the current name and the history.
  p.S().Pump.GearRatio = 1.0;
  dialogs->choices = {Evols() + "DRILL.EVO"};
  w->mOpen->trigger();
  EXPECT_EQ(dialogs->offered.back(), "open " + Evols() + " DRILL.EVO");
  EXPECT_EQ(p.S().Pump.GearRatio, 2.75);
  EXPECT_EQ(p.run.EvolutionHistory, std::vector<std::string>{Evols() + "DRILL.EVO"});
  dialogs->choices = {std::nullopt};  // cancelled: nothing happens
  w->mOpen->trigger();
  EXPECT_EQ(dialogs->lastHistory, p.run.EvolutionHistory);
  for (const auto& m : host.messages) ADD_FAILURE() << m.text;
}

TEST_F(EvolutionFileMenuTest, SaveAsAsksForTheTemporaryPanelFirst) {
  p.S().PumpControl.PanelFileName = "TMP.XNL";
  host.answers = {Answer::Cancel};
  dialogs->choices = {Evols() + "X.EVO"};
  w->mSaveEvoAs->trigger();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].buttons, Buttons::YesCancel);
  EXPECT_TRUE(dialogs->offered.empty());
  EXPECT_FALSE(fs::exists(Evols() + "X.EVO"));
}

// A shipped exercise laid out as the build lays it, its Evolution in Evols
// and its panel in Panels, opened through File > Open: the panel shows the
// exercise's line titles and only the lines it uses, and the foam controls
// stand clear of every gauge.
TEST_F(EvolutionFileMenuTest, ShippedExerciseOpensWithItsOwnPanel) {
  struct Case {
    const char* name;
    int lineCount;
    std::vector<std::pair<int, std::string>> titles;
  };
  const Case kCases[] = {
      {"STANDPIPE", 1, {{1, "Standpipe (10th floor)"}, {18, "Intake"}}},
      {"TANK-ATTACK", 5, {{3, "Crosslay 2 (1 3/4 in)"}, {5, "Crosslay 1 (1 3/4 in)"}}},
      {"FOAM-ATTACK", 5, {{5, "Crosslay 1 (1 3/4 in, foam)"}}},
  };
  const fs::path made(PUMPDRILL_EXERCISES_DIR);
  for (const Case& c : kCases) {
    const std::string name = c.name;
    fs::copy_file(made / (name + ".EVO"), Evols() + name + ".EVO",
                  fs::copy_options::overwrite_existing);
    fs::copy_file(made / (name + ".PNL"), p.Dirs().PanelsDirectory + name + ".PNL",
                  fs::copy_options::overwrite_existing);
    dialogs->choices = {Evols() + name + ".EVO"};
    w->mOpen->trigger();
    testing::ProcessEventsFor(50);
    EXPECT_EQ(p.S().PumpControl.PanelFileName.str(), name + ".PNL");
    EXPECT_EQ(p.S().DischargeList.LineCount, c.lineCount) << name;
    TfrmPanel* panel = w->frmPanel();
    for (const auto& [line, title] : c.titles) {
      if (line <= kMaxLayoutLines) {
        EXPECT_EQ(panel->GaugeTitle(line)->Text().toStdString(), title) << name;
      }
      EXPECT_EQ(panel->ValveTitle(line)->Text().toStdString(), title) << name;
    }
    for (int line = 1; line <= kMaxLayoutLines; ++line) {
      EXPECT_EQ(panel->Gauge(line)->isVisibleTo(panel), line <= c.lineCount) << name << line;
    }
    // The foam controls, where shown, cover no gauge a trainee reads.
    const auto at = [panel](QWidget* item) {
      return QRect(item->mapTo(panel, QPoint(0, 0)), item->size());
    };
    for (QWidget* foam : {static_cast<QWidget*>(panel->ImgFoamTankValve),
                          static_cast<QWidget*>(panel->ProportionerImg)}) {
      if (!foam || !foam->isVisibleTo(panel)) continue;
      for (int gauge = 1; gauge <= kMasterGauge; ++gauge) {
        QWidget* dial = gauge <= kMaxLayoutLines || gauge >= kIntakeGauge ? panel->Gauge(gauge)
                                                                          : nullptr;
        if (!dial || !dial->isVisibleTo(panel)) continue;
        EXPECT_FALSE(at(foam).intersects(at(dial))) << name << ": gauge " << gauge;
        EXPECT_FALSE(at(foam).intersects(at(panel->GaugeTitle(gauge)))) << name << ": " << gauge;
      }
    }
    QImage shot = testing::Screenshot(*w, ("shipped_" + name).c_str());
    EXPECT_GT(testing::ColourCount(shot), 20);
  }
  for (const auto& m : host.messages) ADD_FAILURE() << m.text;
}

TEST(EvolutionDialogs, AreSetUpForTheirCommands) {
  ScratchMainDir dir(false);
  const std::string folder = dir.str();
  for (const char* f : {"PUMPER.EVO", "relay.evo", "notes.txt"}) std::ofstream(dir.path() / f) << "x";
  auto open = MakeEvolutionDialog(nullptr, EvolutionDialogKind::Open, folder, "DRILL.EVO",
                                  {folder + "A.EVO", "/elsewhere/B.EVO"});
  EXPECT_EQ(open->windowTitle().toStdString(), "Open Evolution Configuration File");
  EXPECT_EQ(open->defaultSuffix().toStdString(), "EVO");
  EXPECT_EQ(open->nameFilters().front().toStdString(), "Evolution Files (*.EVO)");
  EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(open->history().size(), 2);
  auto save = MakeEvolutionDialog(nullptr, EvolutionDialogKind::SaveAs, folder, "DRILL.EVO");
  EXPECT_EQ(save->windowTitle().toStdString(), "Save Evolution As");
  EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_FALSE(save->testOption(QFileDialog::DontConfirmOverwrite));
  auto del = MakeEvolutionDialog(nullptr, EvolutionDialogKind::Delete, folder, "");
  EXPECT_EQ(del->windowTitle().toStdString(), "Delete Evolution File");
  EXPECT_EQ(del->fileMode(), QFileDialog::ExistingFiles);

  save->show();
  testing::ProcessEventsFor(300);  // the folder is listed in the background
  auto* name = save->findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text().toStdString(), "DRILL.EVO");
  QImage shot = testing::Screenshot(*save, "save_evolution_dialog");
  EXPECT_GT(testing::ColourCount(shot), 5);
  testing::Screenshot(*open, "open_evolution_dialog");
}

}  // namespace
}  // namespace pumpdrill
