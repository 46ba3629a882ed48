// The Setup > Panel file commands and the panel that travels with an
// Evolution, in the main window: files chosen by script, the panel window
// showing what was loaded.
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <filesystem>
#include <fstream>

#include "frame/gui/frm_main.h"
#include "main_window_fixture.h"
#include "panel/gui/frm_panel.h"
#include "panel/gui/panel_dialogs.h"
#include "scripted_dialogs.h"
#include "window_test_support.h"

namespace pumpdrill {
namespace {

namespace fs = std::filesystem;

using testing::ScriptedEvolutionDialogs;
using testing::ScriptedPanelDialogs;

class PanelFileMenuTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    OpenMainWindow([this](TfrmMain& win) {
      auto owned = std::make_unique<ScriptedPanelDialogs>();
      dialogs = owned.get();
      win.SetPanelDialogs(std::move(owned));
      auto evo = std::make_unique<ScriptedEvolutionDialogs>();
      evolutions = evo.get();
      win.SetEvolutionDialogs(std::move(evo));
    });
    host.messages.clear();
  }
  TfrmPanel& panel() { return *w->frmPanel(); }
  std::string Panels() const { return p.Dirs().PanelsDirectory; }
  std::string Texts() const {
    std::string all;
    for (const auto& m : host.messages) all += m.text + "\n";
    return all;
  }

  ScriptedPanelDialogs* dialogs = nullptr;
  ScriptedEvolutionDialogs* evolutions = nullptr;
};

TEST_F(PanelFileMenuTest, FirstStartSavesTheTemporaryPanel) {
  EXPECT_EQ(p.S().PumpControl.PanelFileName.str(), "TMP.XNL");
  ASSERT_TRUE(fs::exists(Panels() + "TMP.XNL"));
  EXPECT_NE(testing::ReadTextFile(Panels() + "TMP.XNL").find("[DISCHARGE LINES]\nNR_DISCHARGES=8"),
            std::string::npos);
  for (QAction* a : {w->mPanelOpen, w->mPanelSave, w->mPanelSaveAs, w->mPanelDelete})
    EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(PanelFileMenuTest, SaveWithTheTemporaryPanelIsSaveAs) {
  dialogs->choices = {Panels() + "RIG.PNL"};
  w->mPanelSave->trigger();
  ASSERT_EQ(dialogs->offered.size(), 1u);
  EXPECT_EQ(dialogs->offered[0], "save " + Panels() + " ");  // TMP.XNL is not proposed
  EXPECT_EQ(p.S().PumpControl.PanelFileName.str(), "RIG.PNL");
  ASSERT_TRUE(fs::exists(Panels() + "RIG.PNL"));

  // Now Save writes at once; Save As proposes the name.
  p.S().DischargeList.LineCount = 5;
  w->mPanelSave->trigger();
  EXPECT_EQ(dialogs->offered.size(), 1u);
  EXPECT_NE(testing::ReadTextFile(Panels() + "RIG.PNL").find("NR_DISCHARGES=5\n"),
            std::string::npos);
  w->mPanelSaveAs->trigger();  // cancelled
  EXPECT_EQ(dialogs->offered.back(), "save " + Panels() + " RIG.PNL");
  EXPECT_TRUE(host.messages.empty()) << Texts();
}

TEST_F(PanelFileMenuTest, OpenFromAnotherFolderShowsTwelveLines) {
  const fs::path elsewhere = dir.path() / "usb";
  fs::create_directories(elsewhere);
  {
    // Lines 9 to 12 in a block of their own right of the first eight.
    std::ofstream f(elsewhere / "ENGINE12.PNL");
    f << "[DISCHARGE LINES]\nNR_DISCHARGES=12\n[GAUGE 12]\nCOLOR=2\n[PLATES]\nPLATES_SEL=,3,\n"
      << "PLATE_TOP03=262\nPLATE_LEFT03=312\n";
    for (int n = 9; n <= 12; ++n) {
      const int column = (n - 9) / 2, row = (n - 9) % 2;
      f << "[GAUGE " << n << "]\nLEFT=" << 640 + 79 * column << "\nTOP=" << (row ? 129 : 22)
        << "\n[VALVE HANDLE" << n << "]\nLEFT=" << 640 + 40 * (n - 9)
        << "\nTOP=225\nLABEL LEFT=" << 640 + 40 * (n - 9) << "\nLABEL TOP=340\n";
    }
    f << "[VALVE HANDLE12]\nCAPTION=Deck Gun\n";
  }
  dialogs->choices = {(elsewhere / "ENGINE12.PNL").string()};
  w->mPanelOpen->trigger();
  EXPECT_TRUE(host.messages.empty()) << Texts();
  EXPECT_EQ(p.S().PumpControl.PanelFileName.str(), "ENGINE12.PNL");
  EXPECT_TRUE(fs::exists(Panels() + "ENGINE12.PNL"));
  EXPECT_EQ(p.S().DischargeList.LineCount, 12);
  testing::ProcessEventsFor(50);
  EXPECT_TRUE(panel().Gauge(12)->isVisible());
  EXPECT_FALSE(panel().Gauge(13)->isVisible());
  EXPECT_TRUE(panel().ValveHandle(12)->isVisible());
  EXPECT_EQ(panel().ValveTitle(12)->Text().toStdString(), "Deck Gun");
  EXPECT_EQ(panel().Layout().Width, 640 + 2 * 79);  // the panel holds the new block
  EXPECT_NE(panel().Plate(3), nullptr);
  EXPECT_EQ(panel().Plate(4), nullptr);
  QImage shot = testing::Screenshot(*w, "panel_twelve_lines");
  EXPECT_GT(testing::ColourCount(shot), 50);

  // Not while a run is active.
  w->mRunStart->trigger();
  emit w->mnuSetupPanel->aboutToShow();
  EXPECT_FALSE(w->mPanelOpen->isEnabled());
  EXPECT_TRUE(w->mPanelSave->isEnabled());
  w->mRunTerminate->trigger();
  emit w->mnuSetupPanel->aboutToShow();
  EXPECT_TRUE(w->mPanelOpen->isEnabled());
}

TEST_F(PanelFileMenuTest, SaveEvoAsSavesThePanelFirstAndOpeningBringsItBack) {
  p.S().DischargeList.LineCount = 10;
  p.S().DischargeList.LineTitle[10] = "Blitz";
  panel().RebuildPanel();
  host.answers = {Answer::Yes};
  dialogs->choices = {Panels() + "TEN.PNL"};
  evolutions->choices = {p.Dirs().EvolutionsDirectory + "DRILL.EVO",
                         p.Dirs().EvolutionsDirectory + "DRILL.EVO"};
  w->mSaveEvoAs->trigger();
  ASSERT_TRUE(fs::exists(Panels() + "TEN.PNL"));
  ASSERT_TRUE(fs::exists(p.Dirs().EvolutionsDirectory + "DRILL.EVO"));
  ASSERT_EQ(host.messages.size(), 2u) << Texts();
  EXPECT_EQ(host.messages[1].text,
            "Saved: \r\n     evolution:  \"DRILL.EVO\"\r\n     attached to panel: \"TEN.PNL\"");

  // Another panel, then the Evolution again: its panel and lines come back.
  p.S().DischargeList.LineCount = 3;
  p.S().DischargeList.LineTitle[10] = "Other";
  panel().RebuildPanel();
  EXPECT_FALSE(panel().Gauge(10)->isVisible());
  host.messages.clear();
  w->mOpen->trigger();
  EXPECT_TRUE(host.messages.empty()) << Texts();
  EXPECT_EQ(p.S().DischargeList.LineCount, 10);
  EXPECT_EQ(p.S().PumpControl.PanelFileName.str(), "TEN.PNL");
  testing::ProcessEventsFor(20);
  EXPECT_TRUE(panel().Gauge(10)->isVisible());
  EXPECT_EQ(panel().GaugeTitle(10)->Text().toStdString(), "Blitz");

  // A cancelled panel Save As ends Save Evo As at once.
  p.S().PumpControl.PanelFileName = "TMP.XNL";
  host.messages.clear();
  host.answers = {Answer::Yes};
  dialogs->choices = {std::nullopt};
  evolutions->choices = {p.Dirs().EvolutionsDirectory + "NOT.EVO"};
  w->mSaveEvoAs->trigger();
  EXPECT_EQ(host.messages.size(), 1u) << Texts();
  EXPECT_FALSE(fs::exists(p.Dirs().EvolutionsDirectory + "NOT.EVO"));
}

TEST_F(PanelFileMenuTest, DeleteAsksForEachFile) {
  for (const char* n : {"A.PNL", "B.PNL"}) std::ofstream(Panels() + n) << "[X]\n";
  dialogs->deleteChoice = {Panels() + "A.PNL", Panels() + "B.PNL"};
  host.answers = {Answer::No, Answer::Yes};
  w->mPanelDelete->trigger();
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, "Delete " + Panels() + "A.PNL");
  EXPECT_EQ(host.messages[0].buttons, Buttons::YesNo);
  EXPECT_TRUE(fs::exists(Panels() + "A.PNL"));
  EXPECT_FALSE(fs::exists(Panels() + "B.PNL"));
}

TEST(PanelDialogs, AreSetUpForTheirCommands) {
  testing::ScratchMainDir dir(false);
  const std::string folder = dir.str();
  for (const char* f : {"RIG.PNL", "relay.pnl", "notes.txt"}) std::ofstream(dir.path() / f) << "x";
  struct Case {
    PanelDialogKind kind;
    const char* title;
    QFileDialog::FileMode mode;
    QFileDialog::AcceptMode accept;
  };
  for (Case c : {Case{PanelDialogKind::Open, "Open Pump Panel File", QFileDialog::ExistingFile,
                      QFileDialog::AcceptOpen},
                 Case{PanelDialogKind::SaveAs, "Save Pump Panel As", QFileDialog::AnyFile,
                      QFileDialog::AcceptSave},
                 Case{PanelDialogKind::Delete, "Delete Pump Panel File", QFileDialog::ExistingFiles,
                      QFileDialog::AcceptOpen}}) {
    auto d = MakePanelDialog(nullptr, c.kind, folder, "RIG.PNL");
    EXPECT_EQ(d->windowTitle().toStdString(), c.title);
    EXPECT_EQ(d->defaultSuffix().toStdString(), "PNL");
    EXPECT_EQ(d->nameFilters(), QStringList({"Panel Files (*.PNL)", "All Files (*)"}));
    EXPECT_EQ(d->fileMode(), c.mode);
    EXPECT_EQ(d->acceptMode(), c.accept);
    EXPECT_EQ(d->directory().absolutePath(), QDir(QString::fromStdString(folder)).absolutePath());
  }
  auto save = MakePanelDialog(nullptr, PanelDialogKind::SaveAs, folder, "RIG.PNL");
  EXPECT_FALSE(save->testOption(QFileDialog::DontConfirmOverwrite));
  save->show();
  testing::ProcessEventsFor(300);
  auto* name = save->findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text().toStdString(), "RIG.PNL");
  testing::Screenshot(*save, "save_panel_dialog");
  auto open = MakePanelDialog(nullptr, PanelDialogKind::Open, folder, "");
  open->show();
  testing::ProcessEventsFor(300);
  testing::Screenshot(*open, "open_panel_dialog");
}

}  // namespace
}  // namespace pumpdrill
