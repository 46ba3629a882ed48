// The foam setup driven through its widgets: the system change and its
// question, the percent ranges by proportioner style, the foam lines, the
// capacity in English and metric units; and the page as the 'Foam' tab of
// the main window, disabled by a run.
#include "setup/gui/frm_foam.h"

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "../core/default_state.h"
#include "frame/configuration.h"
#include "frame/gui/setup_tabs.h"
#include "frame/run_control.h"
#include "main_window_fixture.h"
#include "setup/foam_setup_edit.h"
#include "sim/foam_system.h"

namespace pumpdrill {
namespace {

using testing::ProcessEventsFor;

class FoamCountingHost : public testing::TestWindowHost {
public:
  int foamChanges = 0;
  void FoamSetupChanged() override { ++foamChanges; }
};

void Click(QAbstractButton *b) {
  ASSERT_TRUE(b->isVisible() && b->isEnabled())
      << b->objectName().toStdString();
  // Radio buttons and check boxes take clicks on their mark and caption only.
  const bool marked = qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b);
  QTest::mouseClick(b, Qt::LeftButton, {}, marked ? QPoint(8, b->height() / 2) : b->rect().center());
  ProcessEventsFor(5);
}

void TypeAndEnter(QSpinBox *spin, const QString &text) {
  spin->setFocus();
  QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(spin, text);
  QTest::keyClick(spin, Qt::Key_Return);
}

class FoamWindow : public ::testing::TestWithParam<bool> {
protected:
  void SetUp() override {
    s = testing::MakeDefaultState();
    ApplyUnits(cfg.Units, GetParam(), true);
    TFoamSetupRec &f = s->FoamSetup;
    f.SYS_TYPE = kFoamDirectInjection;
    f.NR_TANKS = 2;
    f.TANK_CAP = 20;
    f.PROP_TYPE = kProportionerElectronic;
    f.PCT_RANGE = kFoamRangeTenthToSix;
    f.TK_SW_SEL = f.PROP_SEL = f.CAFS_ON_OFF_SEL = true;
    f.USE_CAFS = true;
    f.FOAM_LINES.Add(2);
  }
  void Open() {
    w = std::make_unique<TfrmFoam>(*s, cfg, run, host);
    w->resize(900, 560);
    w->show();
    ProcessEventsFor(10);
  }
  void Shot(const char *name) {
    testing::Screenshot(
        *w,
        (std::string(name) + (GetParam() ? "_metric" : "_english")).c_str());
  }

  std::unique_ptr<State> s;
  Configuration cfg;
  RunContext run;
  FoamCountingHost host;
  std::unique_ptr<TfrmFoam> w;
};

INSTANTIATE_TEST_SUITE_P(Units, FoamWindow, ::testing::Values(false, true),
                         [](const auto &info) {
                           return info.param ? "Metric" : "English";
                         });

TEST_P(FoamWindow, ShowsTheStoredSystem) {
  Open();
  EXPECT_EQ(w->windowTitle(), "Foam Setup");
  EXPECT_TRUE(TfrmFoam::WindowOpen());
  EXPECT_TRUE(w->SpdBtnDirectInject->isChecked());
  EXPECT_TRUE(w->PnlDirectInjection->isVisible());
  EXPECT_FALSE(w->PnlNoFoam->isVisible());
  EXPECT_EQ(w->RadioNrFoamTanks->ItemIndex(), 1);
  EXPECT_EQ(w->RadioPercentRangeDirInject->Count(), 3);
  EXPECT_EQ(w->RadioPercentRangeDirInject->ItemIndex(), 1);
  EXPECT_EQ(w->RadioProportionerStyle->ItemIndex(), 1);
  EXPECT_EQ(w->RadioCAFSinstalled->ItemIndex(), 0);
  EXPECT_EQ(w->SpinTankCapDirInject->value(), GetParam() ? 76 : 20);
  EXPECT_TRUE(w->ChkBoxLine[2]->isChecked());
  EXPECT_FALSE(w->ChkBoxLine[1]->isChecked());
  for (int tag = 0; tag < 4; ++tag)
    EXPECT_EQ(w->SpeedButton(tag)->property("Tag").toInt(), tag);
  EXPECT_FALSE(w->SpdBtnBalPressure->isEnabled());
  EXPECT_FALSE(w->SpdBtnInLine->isEnabled());
  EXPECT_EQ(w->SpdBtnBalPressure->toolTip(),
            "Balanced Pressure System is not connected");
  EXPECT_EQ(w->SpdBtnInLine->toolTip(), "Eductor System is not connected");
  EXPECT_EQ(w->LblAddPnlFoamComponents->text().toStdString(), kFoamNoteIdle);
  Shot("frm_foam_direct_injection");
  w.reset();
  EXPECT_FALSE(TfrmFoam::WindowOpen());
}

TEST_P(FoamWindow, NoFoamAsksAndCancelKeepsDirectInjection) {
  Open();
  host.answers = {Answer::Cancel};
  Click(w->SpdBtnNoFoam);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, kFoamSystemChangeQuestion);
  EXPECT_EQ(host.messages[0].buttons, Buttons::OkCancel);
  EXPECT_TRUE(w->SpdBtnDirectInject->isChecked());
  EXPECT_FALSE(w->SpdBtnNoFoam->isChecked());
  EXPECT_EQ(s->FoamSetup.SYS_TYPE, kFoamDirectInjection);
  EXPECT_TRUE(s->FoamSetup.TK_SW_SEL && s->FoamSetup.PROP_SEL);
  EXPECT_EQ(host.foamChanges, 0);

  host.answers = {Answer::Ok};
  Click(w->SpdBtnNoFoam);
  EXPECT_EQ(s->FoamSetup.SYS_TYPE, kFoamNone);
  EXPECT_FALSE(s->FoamSetup.TK_SW_SEL || s->FoamSetup.PROP_SEL ||
               s->FoamSetup.CAFS_ON_OFF_SEL);
  EXPECT_TRUE(w->PnlNoFoam->isVisible());
  EXPECT_FALSE(w->PnlDirectInjection->isVisible());
  EXPECT_EQ(host.foamChanges, 1);
  Shot("frm_foam_none");

  // With nothing installed the change back does not ask.
  Click(w->SpdBtnDirectInject);
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(s->FoamSetup.SYS_TYPE, kFoamDirectInjection);
  EXPECT_TRUE(w->PnlDirectInjection->isVisible());
}

TEST_P(FoamWindow, ManualStyleLeavesOneRangeAndElectronicRestoresThree) {
  Open();
  Click(w->RadioProportionerStyle->Button(0));
  EXPECT_EQ(s->FoamSetup.PROP_TYPE, kProportionerManual);
  ASSERT_EQ(w->RadioPercentRangeDirInject->Count(), 1);
  EXPECT_EQ(w->RadioPercentRangeDirInject->Button(0)->text(), "0.1%  to  1.0%");
  EXPECT_EQ(w->RadioPercentRangeDirInject->ItemIndex(), 0);
  EXPECT_EQ(s->FoamSetup.PCT_RANGE, 0);
  Click(w->RadioProportionerStyle->Button(1));
  ASSERT_EQ(w->RadioPercentRangeDirInject->Count(), 3);
  EXPECT_EQ(w->RadioPercentRangeDirInject->Button(2)->text(), "1.0%  to  6.0%");
  Click(w->RadioPercentRangeDirInject->Button(2));
  EXPECT_EQ(s->FoamSetup.PCT_RANGE, 2);
  EXPECT_DOUBLE_EQ(s->FoamSetup.FoamPercentSet, 1.0);
}

TEST_P(FoamWindow, EightLinesShowEightBoxesWithTheirTitles) {
  s->DischargeList.LineCount = 8;
  s->DischargeList.LineTitle[3] = "Bumper line";
  Open();
  for (int n = 1; n <= 15; ++n)
    EXPECT_EQ(w->ChkBoxLine[n]->isVisible(), n <= 8) << n;
  EXPECT_EQ(w->ChkBoxLine[3]->text(), "Bumper line");
  EXPECT_EQ(w->ChkBoxLine[1]->text().toStdString(),
            s->DischargeList.LineTitle[1].str());
  Click(w->ChkBoxLine[5]);
  Click(w->ChkBoxLine[2]);
  EXPECT_TRUE(s->FoamSetup.FOAM_LINES.Contains(5));
  EXPECT_FALSE(s->FoamSetup.FOAM_LINES.Contains(2));
}

TEST_P(FoamWindow, EveryOtherChangeIsStoredAtOnce) {
  Open();
  Click(w->RadioNrFoamTanks->Button(0));
  EXPECT_EQ(s->FoamSetup.NR_TANKS, 1);
  Click(w->RadioTankSwType->Button(1));
  EXPECT_EQ(s->FoamSetup.TK_SW_TYPE, 1);
  Click(w->RadioCAFSinstalled->Button(1));
  EXPECT_FALSE(s->FoamSetup.USE_CAFS);
  // The capacity in display units; gal stored, both tanks filled to it.
  TypeAndEnter(w->SpinTankCapDirInject, GetParam() ? "38" : "10");
  const double gal = GetParam() ? 38 / 3.79 : 10;
  EXPECT_NEAR(s->FoamSetup.TANK_CAP, gal, 0.01);
  EXPECT_NEAR(s->FoamSetup.FoamTankB, gal, 0.01);
  // Text that is no number is refused by the spinner.
  TypeAndEnter(w->SpinTankCapDirInject, "abc");
  EXPECT_NEAR(s->FoamSetup.TANK_CAP, gal, 0.01);
  EXPECT_GE(host.foamChanges, 4);
}

TEST_P(FoamWindow, EductorSpinnersInDisplayUnits) {
  s->FoamSetup.SYS_TYPE = kFoamInLineEductor;
  s->FoamSetup.EDU_INLET_PSI = 200;
  s->FoamSetup.EDU_RATED_GPM = 95;
  Open();
  EXPECT_TRUE(w->PnlInLineEductor->isVisible());
  EXPECT_TRUE(w->PnlInLineEductor
                  ->isEnabled()); // a loaded eductor system stays editable
  EXPECT_EQ(w->SpinEductorFlowRating->value(), GetParam() ? 360 : 95);
  TypeAndEnter(w->SpinEductorFlowRating, GetParam() ? "379" : "100");
  EXPECT_NEAR(s->FoamSetup.EDU_RATED_GPM, 100, 0.1);
  Shot("frm_foam_eductor");
}

// As the 'Foam' tab of the main window.
class FoamTab : public testing::MainWindowFixture {
protected:
  void SetUp() override { OpenMainWindow(); }
  TfrmFoam *Window() const {
    return qobject_cast<TfrmFoam *>(w->setupTabs().Window());
  }
};

TEST_F(FoamTab, MenuOpensThePageAndARunDisablesIt) {
  p.S().FoamSetup.SYS_TYPE = kFoamDirectInjection;
  EXPECT_TRUE(w->mFoamSetup->isEnabled());
  EXPECT_TRUE(w->TabSetSetup->isTabEnabled(kTabFoam));
  w->mFoamSetup->trigger();
  ProcessEventsFor(20);
  ASSERT_NE(Window(), nullptr);
  EXPECT_EQ(w->TabSetSetup->currentIndex(), kTabFoam);
  EXPECT_TRUE(w->setupTabs().SubWindow()->isMaximized());
  EXPECT_EQ(Window()->property(kHelpContextProperty).toInt(), 345);
  EXPECT_TRUE(Window()->PnlDirectInjection->isEnabled());

  w->mRunStart->trigger();
  ProcessEventsFor(10);
  ASSERT_NE(Window(), nullptr);
  EXPECT_FALSE(Window()->PnlFoamOptionBtns->isEnabled());
  EXPECT_FALSE(Window()->PnlDirectInjection->isEnabled());
  EXPECT_EQ(Window()->LblAddPnlFoamComponents->text().toStdString(),
            kFoamNoteRunning);
  testing::Screenshot(*Window(), "frm_foam_running");

  w->mRunTerminate->trigger();
  ProcessEventsFor(10);
  EXPECT_TRUE(Window()->PnlDirectInjection->isEnabled());
  EXPECT_EQ(Window()->LblAddPnlFoamComponents->text().toStdString(),
            kFoamNoteIdle);

  w->TabSetSetup->setCurrentIndex(kTabPanel);
  ProcessEventsFor(20);
  EXPECT_EQ(Window(), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(TfrmFoam::WindowOpen());
}

} // namespace
} // namespace pumpdrill
