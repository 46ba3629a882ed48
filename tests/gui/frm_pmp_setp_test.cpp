// The pump and engine setup, driven through its widgets as the instructor
// uses it, in English and metric units; and the setup tab set that opens it.
#include "setup/gui/frm_pmp_setp.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QTest>
#include <cmath>
#include <memory>

#include "../core/default_state.h"
#include "frame/configuration.h"
#include "frame/gui/setup_tabs.h"
#include "frame/run_control.h"
#include "main_window_fixture.h"
#include "setup/pump_setup.h"
#include "sim/coefficients.h"
#include "sim/constants.h"
#include "sim/incidents.h"
#include "sim/pump_curve.h"
#include "sim/valve_change.h"

namespace pumpdrill {
namespace {

using testing::ProcessEventsFor;

class CountingHost : public testing::TestWindowHost {
 public:
  int panelRefreshes = 0;
  void RefreshPanelDisplays() override { ++panelRefreshes; }
};

// Replaces a field's text as typed and leaves it with Enter.
void TypeAndEnter(QWidget* field, const QString& text) {
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Return);
}

QLineEdit* SpinEdit(QAbstractSpinBox* spin) { return spin->findChild<QLineEdit*>(); }

class PumpSetupWindow : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    w.reset();
    s = testing::MakeDefaultState();
    ApplyUnits(cfg.Units, Metric(), true);
  }
  bool Metric() const { return GetParam(); }
  void Open() {
    w = std::make_unique<TfrmPmpSetp>(*s, cfg, run, host);
    w->resize(1000, 640);
    w->show();
    ProcessEventsFor(10);
  }
  double Press(double psi) const { return ToDisplay(cfg.Units, kUnitPressure, psi); }
  QString PressText(double psi) const { return QString::number(Press(psi), 'f', Metric() ? 2 : 0); }

  std::unique_ptr<State> s;
  Configuration cfg;
  RunContext run;
  CountingHost host;
  std::unique_ptr<TfrmPmpSetp> w;
};

INSTANTIATE_TEST_SUITE_P(Units, PumpSetupWindow, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Metric" : "English"; });

TEST_P(PumpSetupWindow, ShowsTheStateWithItsUnits) {
  Open();
  EXPECT_EQ(w->windowTitle(), "Pump and Engine Setup");
  EXPECT_EQ(w->CBoxPumpEngRatio->currentText(), "2.27");
  EXPECT_EQ(w->CBoxPumpEngRatio->count(), 11);
  EXPECT_EQ(w->EditEngIdleRpm->text(), "1050");
  EXPECT_EQ(w->LblCapacity->text(), Metric() ? "Capacity: (lpm)" : "Capacity: (gpm)");
  EXPECT_EQ(w->CBoxCapacity->currentText(), Metric() ? "5685" : "1500");
  EXPECT_EQ(w->CBoxCapacity->count(), Metric() ? 8 : 7);  // 5685 lpm is none of the choices
  EXPECT_EQ(w->LblGpmPsiTitle->text(), Metric() ? "LPM  vs  BAR  (series)" : "GPM  vs  PSI  (series)");
  EXPECT_EQ(w->LblRpmPsiTitle->text(), Metric() ? "RPM  vs  BAR  (no flow)" : "RPM  vs  PSI  (no flow)");
  EXPECT_EQ(w->LblPsiAtLowRpm->text(), "1050 rpm");
  EXPECT_EQ(w->LblPsiAtHighRpm->text(), "1500 rpm");
  EXPECT_EQ(w->LblPumpHigherRpm->text(), "3405");
  EXPECT_EQ(w->LblPsiRMax->text(), PressText(HighSpeedPress(s->Pump)));
  EXPECT_EQ(w->LblPsiGMin->text(), Metric() ? "0.00" : "0");
  EXPECT_EQ(SpinEdit(w->SpinEditPsiAtHighRpm)->text(), PressText(HighSpeedPress(s->Pump)));
  EXPECT_EQ(w->SpinEditPsiAtHighRpm->singleStep(), Metric() ? 0.1 : 1);
  EXPECT_EQ(w->SpinFlowEfficiency->value(), 80);
  EXPECT_EQ(w->LblTestPoints[0]->text(),
            Metric() ? "1:  5685 lpm at 10.34 bar:  1680 rpm" : "1:  1500 gpm at 150 psi:  1680 rpm");
  EXPECT_TRUE(w->Panel2Stage->isVisible());
  EXPECT_TRUE(w->RadioBtnPress->isChecked());
}

TEST_P(PumpSetupWindow, IdleSpeedIsKeptInItsLimits) {
  struct Case {
    const char* typed;
    double idle, engine;
    const char* message;
  };
  for (Case c : {Case{"400", 500, 1050, nullptr}, Case{"1200", 1200, 1200, nullptr},
                 Case{"1500", 1050, 1050, "Idle speed must be below 1500 rpm.  Value unchanged."},
                 Case{"fast", 1050, 1050, "'fast' is not a valid number"}}) {
    SCOPED_TRACE(c.typed);
    SetUp();
    Open();
    host.messages.clear();
    TypeAndEnter(w->EditEngIdleRpm, c.typed);
    EXPECT_EQ(s->Engine.IdleRpm, c.idle);
    EXPECT_EQ(s->Engine.Rpm, c.engine);
    EXPECT_EQ(w->EditEngIdleRpm->text().toDouble(), c.idle);
    ASSERT_EQ(host.messages.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(host.messages[0].text, c.message);
    }
    EXPECT_EQ(w->LblPsiAtLowRpm->text(), QString::number(c.idle) + " rpm");
  }
}

TEST_P(PumpSetupWindow, GearRatioPickAndTypedRatios) {
  Open();
  w->CBoxPumpEngRatio->setFocus();
  w->CBoxPumpEngRatio->setCurrentIndex(5);  // 1.88
  emit w->CBoxPumpEngRatio->activated(5);
  EXPECT_DOUBLE_EQ(s->Pump.GearRatio, 1.88);
  EXPECT_DOUBLE_EQ(s->Pump.RatedImpellerRpm, 1500 * 1.88);
  EXPECT_EQ(w->LblPsiAtHighRpm->text(), "1500 rpm");
  EXPECT_EQ(w->LblPumpIdleRpm->text(), "1974");
  for (auto [typed, message] :
       {std::pair{"0", "Invalid value entered."}, {"x1", "'x1' is not a valid number"}}) {
    host.messages.clear();
    TypeAndEnter(w->CBoxPumpEngRatio->lineEdit(), typed);
    EXPECT_DOUBLE_EQ(s->Pump.GearRatio, 1.88);
    EXPECT_EQ(w->CBoxPumpEngRatio->currentText(), "1.88");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, message);
  }
  TypeAndEnter(w->CBoxPumpEngRatio->lineEdit(), "2.5");
  EXPECT_DOUBLE_EQ(s->Pump.GearRatio, 2.5);
}

TEST_P(PumpSetupWindow, LowSpeedPressureInVolumeModeKeepsTheSlope) {
  Open();
  QTest::mouseClick(w->RadioBtnVol, Qt::LeftButton);
  ASSERT_EQ(s->Pump.StageMode, 2);
  EXPECT_TRUE(w->LblGpmPsiTitle->text().endsWith("(parallel)"));
  double rise = HighSpeedPress(s->Pump) - s->Pump.IdlePressVolume;
  TypeAndEnter(w->SpinEditPsiAtLowRpm, Metric() ? "6.89" : "100");
  double entered = Metric() ? 6.89 * 14.50536698578474 : 100;
  EXPECT_NEAR(s->Pump.IdlePressVolume, entered, 1e-9);
  EXPECT_NEAR(s->Pump.IdlePress, 2 * entered, 1e-9);
  EXPECT_NEAR(HighSpeedPress(s->Pump), entered + rise, 1e-9);
  EXPECT_EQ(w->LblPsiRMin->text(), PressText(entered));
}

TEST_P(PumpSetupWindow, TypedSpinnerValuesCommitOnlyOnEnter) {
  Open();
  double before = HighSpeedPress(s->Pump);
  w->SpinEditPsiAtHighRpm->setFocus();
  QTest::keyClick(w->SpinEditPsiAtHighRpm, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(w->SpinEditPsiAtHighRpm, Metric() ? "17.24" : "250");
  EXPECT_DOUBLE_EQ(HighSpeedPress(s->Pump), before);
  QTest::keyClick(w->SpinEditPsiAtHighRpm, Qt::Key_Return);
  EXPECT_NEAR(HighSpeedPress(s->Pump), Metric() ? 17.24 * 14.50536698578474 : 250, 1e-6);
  // An arrow step commits at once: 0.1 bar or 1 psi.
  double stepped = HighSpeedPress(s->Pump);
  QTest::keyClick(w->SpinEditPsiAtHighRpm, Qt::Key_Up);
  EXPECT_NEAR(HighSpeedPress(s->Pump) - stepped, Metric() ? 0.1 * 14.50536698578474 : 1, 1e-6);
  // The high-speed pressure cannot reach the idle pressure.
  EXPECT_NEAR(w->SpinEditPsiAtHighRpm->minimum(), Press(20) + 1, 0.01);
}

TEST_P(PumpSetupWindow, CapacityComesFromTheList) {
  Open();
  int index = w->CBoxCapacity->findText(Metric() ? "4000" : "1000");
  ASSERT_GE(index, 0);
  w->CBoxCapacity->setCurrentIndex(index);
  emit w->CBoxCapacity->activated(index);
  EXPECT_NEAR(s->Pump.RatedFlow, Metric() ? 1055.4 : 1000, 0.05);
  EXPECT_FALSE(w->CBoxCapacity->isEditable());
  EXPECT_EQ(w->CBoxCapacity->count(), 7);
}

TEST_P(PumpSetupWindow, OilIncidentWithoutATimeIsSwitchedOff) {
  Open();
  QTest::mouseClick(w->Button1, Qt::LeftButton);
  ASSERT_TRUE(w->PnlEngineOil->isVisible());
  QTest::mouseClick(w->CheckBoxUseLoseOilPress, Qt::LeftButton);
  ASSERT_TRUE(s->Incidents[kIncidentOilLoss].Use);
  EXPECT_TRUE(w->EditTOilPressLoss->isEnabled());
  w->Refresh();
  EXPECT_FALSE(s->Incidents[kIncidentOilLoss].Use);
  EXPECT_FALSE(w->CheckBoxUseLoseOilPress->isChecked());

  QTest::mouseClick(w->CheckBoxUseLoseOilPress, Qt::LeftButton);
  w->EditTOilPressLoss->setFocus();
  QTest::keyClick(w->EditTOilPressLoss, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(w->EditTOilPressLoss, Qt::Key_Delete);
  w->EditTOilPressLoss->setCursorPosition(0);
  QTest::keyClicks(w->EditTOilPressLoss, "023");
  EXPECT_EQ(s->Incidents[kIncidentOilLoss].StartTime(), kNeverTime);  // not yet a whole time
  QTest::keyClicks(w->EditTOilPressLoss, "0");
  EXPECT_EQ(s->Incidents[kIncidentOilLoss].StartTime(), 150);
  w->Refresh();
  EXPECT_TRUE(s->Incidents[kIncidentOilLoss].Use);
  EXPECT_EQ(w->EditTOilPressLoss->text(), "02:30");

  w->EditTOilPressLoss->setCursorPosition(0);
  QTest::keyClicks(w->EditTOilPressLoss, "0000");
  w.reset();
  EXPECT_FALSE(s->Incidents[kIncidentOilLoss].Use);
}

TEST_P(PumpSetupWindow, OilAndCoolantSettingsRedrawThePanel) {
  Open();
  QTest::mouseClick(w->Button2, Qt::LeftButton);
  EXPECT_TRUE(w->PnlEngineCoolant->isVisible());
  EXPECT_FALSE(w->PnlEngineOil->isVisible());
  TypeAndEnter(w->SpinEditEngCoolantTemp, Metric() ? "60" : "140");
  EXPECT_NEAR(s->Pump.CoolantTempSet, 140, 1e-9);
  EXPECT_NEAR(s->Pump.CoolantTemp, 140, 1e-9);
  QTest::mouseClick(w->Button1, Qt::LeftButton);
  EXPECT_FALSE(w->PnlEngineCoolant->isVisible());
  TypeAndEnter(w->SpinEditOilPLt, Metric() ? "2.00" : "30");
  EXPECT_NEAR(s->Pump.OilWarnPress, Metric() ? 2 * 14.50536698578474 : 30, 1e-9);
  EXPECT_EQ(host.panelRefreshes, 2);
  // A click on a label of the panel closes it.
  QTest::mouseClick(w->LblOilPsiUnits, Qt::LeftButton);
  EXPECT_FALSE(w->PnlEngineOil->isVisible());
}

TEST_P(PumpSetupWindow, PrimerRateOutsideItsRangeIsRefused) {
  Open();
  QTest::mouseClick(w->BitBtnPrimerSetup, Qt::LeftButton);
  ASSERT_TRUE(w->PnlPrimerSetup->isVisible());
  TypeAndEnter(w->EditPrimerPumpRate, "20000");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Primer pump rate entered is invalid.  Value unchanged.");
  EXPECT_EQ(w->EditPrimerPumpRate->text(), "0.245");
  TypeAndEnter(w->EditPrimerPumpRate, "0");
  EXPECT_EQ(s->PumpControl.PrimerRate, 0);
  EXPECT_EQ(w->EditPrimerPumpRate->text(), "0.000");
}

TEST_P(PumpSetupWindow, SingleStageAfterVolumeModeGivesTheFullCurve) {
  Open();
  QTest::mouseClick(w->RadioBtnVol, Qt::LeftButton);
  EXPECT_NEAR(w->PBoxGPMvsPSI->Graph().HighPress, 80.5, 0.05);
  QTest::mouseClick(w->RadioBtnSingleStage, Qt::LeftButton);
  EXPECT_EQ(s->Pump.TwoStage, 0);
  EXPECT_EQ(s->Pump.StageMode, 1);
  EXPECT_FALSE(w->Panel2Stage->isVisible());
  EXPECT_NEAR(w->PBoxGPMvsPSI->Graph().HighPress, 161.0, 0.05);
  EXPECT_EQ(w->LblGpmPsiTitle->text(), Metric() ? "LPM  vs  BAR" : "GPM  vs  PSI");
}

// The window as a tab of the main window, and what it sets in a run.
class PumpSetupTab : public testing::MainWindowFixture {
 protected:
  void SetUp() override { OpenMainWindow(); }
  TfrmPmpSetp* Window() const { return qobject_cast<TfrmPmpSetp*>(w->setupTabs().Window()); }
  // The children shown in the main window (the strip chart's stays there hidden).
  // The setup windows shown in the area, the panel, always there, not counted.
  int ShownChildren() const {
    int n = 0;
    for (QMdiSubWindow* sub : w->mdiArea()->subWindowList())
      n += sub->isVisible() && sub != w->panelWindow();
    return n;
  }
};

TEST_F(PumpSetupTab, TabOpensAndClosesTheMaximisedWindow) {
  EXPECT_TRUE(w->TabSetSetup->isTabEnabled(kTabPump));
  EXPECT_TRUE(w->mPumpSetup->isEnabled());
  EXPECT_TRUE(w->TabSetSetup->isTabEnabled(kTabFoam));
  EXPECT_EQ(Window(), nullptr);

  w->mPumpSetup->trigger();
  ProcessEventsFor(20);
  ASSERT_NE(Window(), nullptr);
  EXPECT_EQ(w->TabSetSetup->currentIndex(), kTabPump);
  EXPECT_TRUE(w->setupTabs().SubWindow()->isMaximized());
  EXPECT_EQ(Window()->property(kHelpContextProperty).toInt(), 330);
  EXPECT_EQ(ShownChildren(), 1);
  EXPECT_TRUE(Window()->PnlUpper->isVisible());

  w->TabSetSetup->setCurrentIndex(kTabPanel);
  ProcessEventsFor(20);
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(ShownChildren(), 0);

  // Closed by the user, the window hands the tab set back to 'Panel'.
  w->TabSetSetup->setCurrentIndex(kTabPump);
  ProcessEventsFor(20);
  w->setupTabs().SubWindow()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ProcessEventsFor(20);
  EXPECT_EQ(w->TabSetSetup->currentIndex(), kTabPanel);
  EXPECT_EQ(ShownChildren(), 0);
}

TEST_F(PumpSetupTab, HighSpeedPressureSetsTheClosedInPump) {
  w->TabSetSetup->setCurrentIndex(kTabPump);
  ProcessEventsFor(20);
  TypeAndEnter(Window()->SpinEditPsiAtHighRpm, "250");
  w->mRunStart->trigger();
  OpenValve(kIntakeLine);
  p.S().Engine.RpmDemand = 1500;
  Ticks(10);
  const State& s = p.S();
  EXPECT_EQ(s.Engine.Rpm, 1500);
  EXPECT_EQ(s.PumpOutput.TotalFlow, 0);
  EXPECT_NEAR(s.PumpOutput.DischargePress, 250 + s.Supply.IntakePress, 1e-3);
}

TEST_F(PumpSetupTab, EfficiencyLowersThePressureOfAFlowingLine) {
  w->TabSetSetup->setCurrentIndex(kTabPump);
  ProcessEventsFor(20);
  State& s = p.S();
  w->mRunStart->trigger();
  OpenValve(kIntakeLine);
  OpenValve(2);
  s.Discharges[2].NozzleOpen = 1;
  UpdateNozzleK(s, 2);
  s.Engine.RpmDemand = 1500;
  Ticks(20);
  double before = s.PumpOutput.DischargePress;
  ASSERT_GT(s.PumpOutput.TotalFlow, 50);

  TypeAndEnter(Window()->SpinFlowEfficiency, "50");
  ASSERT_DOUBLE_EQ(s.Pump.PumpLossK[1], 0.000075);
  Ticks(20);
  double q = s.PumpOutput.TotalFlow;
  double byHand = 20 + 0.138 * (1500 - 1050) * 2.27 - 0.000075 * q * q + s.Supply.IntakePress;
  EXPECT_NEAR(s.PumpOutput.DischargePress, byHand, 0.05);
  EXPECT_LT(s.PumpOutput.DischargePress, before);
}

}  // namespace
}  // namespace pumpdrill

namespace pumpdrill {
namespace {

// Pictures of the window as the instructor sees it, in both unit systems.
class PumpSetupPictures : public testing::MainWindowFixture {
 protected:
  QImage Shoot(const std::string& name) {
    w->resize(1100, 720);
    w->TabSetSetup->setCurrentIndex(kTabPump);
    ProcessEventsFor(50);
    return testing::Screenshot(*w, name.c_str());
  }
  TfrmPmpSetp* Window() const { return qobject_cast<TfrmPmpSetp*>(w->setupTabs().Window()); }
};

TEST_F(PumpSetupPictures, TwoStagePressureModeInEnglish) {
  OpenMainWindow();
  QImage shot = Shoot("pump_setup_pressure_english");
  EXPECT_GT(testing::ColourCount(shot), 10);
  // The primer and coolant panels in the place of the oil panel.
  QTest::mouseClick(Window()->BitBtnPrimerSetup, Qt::LeftButton);
  testing::Screenshot(*Window()->PnlUpper, "pump_setup_primer_panel");
  QTest::mouseClick(Window()->Button2, Qt::LeftButton);
  EXPECT_FALSE(Window()->PnlPrimerSetup->isVisible());
  testing::Screenshot(*Window()->PnlUpper, "pump_setup_coolant_panel");
}

TEST_F(PumpSetupPictures, AtTheStartSizeTheWindowScrollsRatherThanSqueezingItsCaptions) {
  OpenMainWindow();
  w->TabSetSetup->setCurrentIndex(kTabPump);
  ProcessEventsFor(50);
  QTest::mouseClick(Window()->Button1, Qt::LeftButton);
  ProcessEventsFor(20);
  testing::Screenshot(*w, "pump_setup_small");
  for (QLabel* label : Window()->findChildren<QLabel*>()) {
    if (label->isVisible()) {
      EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    }
  }
}

TEST_F(PumpSetupPictures, VolumeModeWithTheOilPanelInBar) {
  OpenMainWindow();
  ApplyUnits(p.config.Units, true, true);
  p.S().Pump.StageMode = 2;
  w->resize(1100, 720);
  w->TabSetSetup->setCurrentIndex(kTabPump);
  ProcessEventsFor(20);
  QTest::mouseClick(Window()->Button1, Qt::LeftButton);
  QImage shot = Shoot("pump_setup_volume_metric_bar");
  EXPECT_TRUE(Window()->PnlEngineOil->isVisible());
  EXPECT_GT(testing::ColourCount(shot), 10);
}

}  // namespace
}  // namespace pumpdrill
