// The options window opened from Options > 'Desktop': OK stores what
// changed in Tw.INI, every other way out stores nothing, untouched spinners
// keep their stored values, the threshold follows the pressure unit, edits
// survive window switches, the default Evolution's folder and case.
#include "frame/gui/frm_options.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>

#include "frame/gui/hint_display.h"
#include "main_window_fixture.h"

namespace pumpdrill::testing {
namespace {

class FrmOptionsTest : public MainWindowFixture {
 protected:
  void SetUp() override { OpenMainWindow(); }
  void TearDown() override {
    SetHintDisplay(true);
    MainWindowFixture::TearDown();
  }

  TfrmOptions& Open() {
    w->mOptionsDesktop->trigger();
    ProcessEventsFor(10);
    EXPECT_NE(w->frmOptions(), nullptr);
    return *w->frmOptions();
  }
  void Click(QAbstractButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
  }
  void Type(QWidget* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
  }
  // What a fresh start would read from the file.
  Configuration Stored(TShowOptionsRec& show) {
    Configuration c;
    EXPECT_TRUE(ReadConfiguration(p.ConfigPath(), c, show, 1).Ok);
    return c;
  }
  void Gone() {
    ProcessEventsFor(10);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w->frmOptions(), nullptr);
  }
};

TEST_F(FrmOptionsTest, OkStoresWhatChangedAndKeepsWhatNobodyTouched) {
  p.config.Options.MaxDatafileKBytes = 3500;  // not a whole number of megabytes
  p.config.Options.MaxSimRunTimeSecs = 1830;
  TfrmOptions& o = Open();
  EXPECT_EQ(o.windowTitle().toStdString(), "Options");
  EXPECT_EQ(o.SpinEditMaxDatafileSize->value(), 3);
  Type(o.EditDepartmentName, "Harbour Fire Rescue");
  Click(o.RadioUnitsMetric);
  EXPECT_TRUE(o.RadioBtnBar->isEnabled());
  Click(o.RadioBtnBar);
  Click(o.CheckBoxIfCavitate);
  Click(o.CheckBoxFlyByHints);
  const bool cavitation = !p.S().ShowOptions.IndicateCavitation;
  Type(o.SpinEditMaxSimRunTimeMins, "45");
  Screenshot(o, "options_metric_edited");
  Click(o.BitBtnOK);
  Gone();

  TShowOptionsRec show;
  const Configuration c = Stored(show);
  EXPECT_EQ(c.Options.DeptName, "Harbour Fire Rescue");
  EXPECT_TRUE(c.Options.MetricUnits);
  EXPECT_TRUE(c.Options.UseBars);
  EXPECT_EQ(show.IndicateCavitation != 0, cavitation);
  EXPECT_EQ(c.Options.MaxSimRunTimeSecs, 45 * 60);
  EXPECT_EQ(c.Options.MaxDatafileKBytes, 3500);
  EXPECT_DOUBLE_EQ(show.WaterHammerLimit, 400);
  // The live records and the display follow at once.
  EXPECT_TRUE(p.config.Units.Metric);
  EXPECT_NEAR(p.config.Units.DisplayFactor[kUnitPressure], 0.06894, 1e-12);
  EXPECT_EQ(p.config.Options.DeptName, "Harbour Fire Rescue");
  EXPECT_FALSE(HintsShown());
}

TEST_F(FrmOptionsTest, CancelEscapeAndCloseStoreNothing) {
  const std::string before = ReadTextFile(p.ConfigPath());
  const TOptions options = p.config.Options;
  const std::function<void(TfrmOptions&)> ways[] = {
      [&](TfrmOptions& o) { Click(o.BitBtnCancel); },
      [&](TfrmOptions& o) { QTest::keyClick(o.EditDepartmentName, Qt::Key_Escape); },
      // The close button closes even while a text box has the focus.
      [&](TfrmOptions& o) {
        o.EditDepartmentName->setFocus();
        o.close();
      },
  };
  for (const auto& leave : ways) {
    TfrmOptions& o = Open();
    Type(o.EditDepartmentName, "Changed");
    Click(o.RadioUnitsMetric);
    Click(o.CheckBoxIfWHammer);
    leave(o);
    Gone();
    EXPECT_EQ(ReadTextFile(p.ConfigPath()), before);
    EXPECT_EQ(p.config.Options.DeptName, options.DeptName);
    EXPECT_FALSE(p.config.Units.Metric);
    EXPECT_EQ(p.config.Options.DefaultEvolutionName, "");  // never "none"
  }
}

TEST_F(FrmOptionsTest, ThresholdFollowsThePressureUnitAndRoundTrips) {
  p.config.Options.MetricUnits = true;
  p.config.Options.UseBars = true;
  ApplyUnits(p.config, true);
  TfrmOptions& o = Open();
  EXPECT_EQ(o.LblWHammerUnits->text().toStdString(), "threshold (bar)");
  EXPECT_NEAR(o.SpinEditWHammerThreshold->value(), 27.58, 1e-9);  // 400 psi, not 182 "kg"
  Screenshot(o, "options_metric_bar");
  Click(o.RadioBtnKPa);
  EXPECT_EQ(o.LblWHammerUnits->text().toStdString(), "threshold (KPa)");
  EXPECT_NEAR(o.SpinEditWHammerThreshold->value(), 2758, 1e-9);
  Click(o.RadioBtnBar);
  Click(o.BitBtnOK);  // untouched: 400 psi exactly
  Gone();
  EXPECT_DOUBLE_EQ(p.S().ShowOptions.WaterHammerLimit, 400);

  TfrmOptions& again = Open();
  Type(again.SpinEditWHammerThreshold, "30");
  Click(again.RadioUnitsEnglish);  // shown in psi now, the same pressure
  EXPECT_EQ(again.LblWHammerUnits->text().toStdString(), "threshold (lb)");
  EXPECT_NEAR(again.SpinEditWHammerThreshold->value(), 435, 1e-9);
  Screenshot(again, "options_english");
  Click(again.BitBtnOK);
  Gone();
  TShowOptionsRec show;
  Stored(show);
  EXPECT_NEAR(show.WaterHammerLimit, 30 / 0.06894, 1e-3);
}

TEST_F(FrmOptionsTest, EditsSurviveSwitchingWindowsAndTheMenuItemShowsTheSameWindow) {
  TfrmOptions& o = Open();
  Type(o.EditDepartmentName, "Half typed");
  Click(o.CheckBoxStayOnTop);
  const bool onTop = o.CheckBoxStayOnTop->isChecked();
  w->activateWindow();
  w->TabSetSetup->setCurrentIndex(kTabPump);
  ProcessEventsFor(10);
  w->mOptionsDesktop->trigger();
  ProcessEventsFor(10);
  EXPECT_EQ(w->frmOptions(), &o);
  EXPECT_EQ(o.EditDepartmentName->text().toStdString(), "Half typed");
  EXPECT_EQ(o.CheckBoxStayOnTop->isChecked(), onTop);
  Click(o.BitBtnCancel);
  Gone();
}

TEST_F(FrmOptionsTest, DefaultEvolutionKeepsItsCaseAndMustLieInTheEvolutionsFolder) {
  const std::string evols = p.Dirs().EvolutionsDirectory;
  TfrmOptions& o = Open();
  std::string offered;
  o.ChooseEvolution = [&](const std::string& folder, const std::string&) {
    offered = folder;
    return std::optional<std::string>((dir.path() / "Outside.EVO").string());
  };
  Click(o.CheckBoxUseDefEvolution);
  EXPECT_EQ(offered, evols);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The default evolution must be in " + evols + ".");
  EXPECT_FALSE(o.CheckBoxUseDefEvolution->isChecked());
  EXPECT_EQ(o.LblDefaultFilename->text().toStdString(), "none");

  o.ChooseEvolution = [&](const std::string& folder, const std::string&) {
    return std::optional<std::string>(folder + "Draft Drill.EVO");
  };
  Click(o.CheckBoxUseDefEvolution);
  EXPECT_EQ(o.LblDefaultFilename->text().toStdString(), "Draft Drill.EVO");
  Click(o.BitBtnOK);
  Gone();
  EXPECT_NE(ReadTextFile(p.ConfigPath()).find("DEFAULT EVOLUTION NAME=Draft Drill.EVO"),
            std::string::npos);
  EXPECT_TRUE(p.config.Options.UseDefaultEvolution);

  // Unchecking clears the name on OK.
  TfrmOptions& again = Open();
  Click(again.CheckBoxUseDefEvolution);
  EXPECT_EQ(again.LblDefaultFilename->text().toStdString(), "none");
  Click(again.BitBtnOK);
  Gone();
  EXPECT_FALSE(p.config.Options.UseDefaultEvolution);
  EXPECT_EQ(p.config.Options.DefaultEvolutionName, "");
}

TEST_F(FrmOptionsTest, AFailedWriteSaysWhyAndKeepsTheSettingsForTheSession) {
  // A folder where the file should be: it cannot be replaced.
  std::filesystem::remove(p.ConfigPath());
  std::filesystem::create_directories(p.ConfigPath());
  TfrmOptions& o = Open();
  Type(o.EditDepartmentName, "Kept for now");
  Click(o.BitBtnOK);
  Gone();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].type, MsgType::Warning);
  EXPECT_EQ(host.messages[0].text.rfind("The settings could not be saved: ", 0), 0u)
      << host.messages[0].text;
  EXPECT_EQ(host.messages[0].text.back(), '.');
  EXPECT_EQ(p.config.Options.DeptName, "Kept for now");
  EXPECT_TRUE(std::filesystem::is_directory(p.ConfigPath()));
}

}  // namespace
}  // namespace pumpdrill::testing
