// The discharge lines window under the main window's 'Discharges' tab: its
// rows, its buttons and the setups they open, and the hose uncoupling.
#include "setup/gui/frm_dischrg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "frame/gui/setup_tabs.h"
#include "main_window_fixture.h"
#include "setup/gui/frm_h_setup.h"
#include "setup/gui/frm_nz_setup.h"
#include "sim/constants.h"
#include "sim/incidents.h"
#include "sim/state.h"

namespace pumpdrill {
namespace {

class DischargesTab : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    OpenMainWindow();
    w->resize(900, 700);
    w->TabSetSetup->setCurrentIndex(kTabDischarges);
    testing::ProcessEventsFor(20);
    ASSERT_NE(Window(), nullptr);
  }
  TfrmDischrg* Window() const { return qobject_cast<TfrmDischrg*>(w->setupTabs().Window()); }
  State& S() { return p.S(); }

  // Runs act on the modal dialog of type D once it is up; the caller then
  // does what opens it.
  template <class D>
  void WhenModal(std::function<void(D&)> act) {
    QTimer::singleShot(0, [act] {
      auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
      ASSERT_NE(d, nullptr);
      act(*d);
      if (d->isVisible()) d->reject();  // a failed check leaves it open
    });
  }
  static void Type(QComboBox* box, const QString& text) {
    box->lineEdit()->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), text);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  }
  int VisibleRows() const {
    int n = 0;
    for (DischargeBox* b : Window()->HoseBoxes) n += b->isVisible();
    return n;
  }
};

TEST_F(DischargesTab, EightRowsOneRowPerLine) {
  TfrmDischrg* f = Window();
  EXPECT_EQ(f->windowTitle(), "Discharge Lines");
  EXPECT_EQ(f->property(kHelpContextProperty).toInt(), 340);
  EXPECT_TRUE(w->setupTabs().SubWindow()->isMaximized());
  EXPECT_EQ(VisibleRows(), 8);
  EXPECT_EQ(f->PBoxHoseOrig->objectName(), "PBoxHoseOrig");
  EXPECT_EQ(f->HoseBoxes[1]->objectName(), "PBoxHose2");
  EXPECT_EQ(f->NozzleBoxes[1]->objectName(), "PBoxNz2");
  EXPECT_EQ(f->LblActiveLine->text(), "No. 3 Disch.");
  // Rows 55 px high, 10 px apart; each shows what it asks of the pump.
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(f->HoseBoxes[i]->y(), i * 65) << i;
    EXPECT_EQ(f->HoseBoxes[i]->height(), 55) << i;
  }
  EXPECT_EQ(f->HoseBoxes[1]->HoseTexts().Summary, "209 gpm at 77.5 psi pump");
  EXPECT_EQ(f->NozzleBoxes[0]->NozzleTexts().TypeLine, "type: fog");
  EXPECT_EQ(f->RowsPanel->height(), 7 * 65 + 110);
  EXPECT_TRUE(host.messages.empty());
  testing::Screenshot(*w, "dischrg_default_english");
}

TEST_F(DischargesTab, HoseSetupOkLaysTheRowsOutAgain) {
  TfrmDischrg* f = Window();
  auto disconnect = [](TfrmHSetup& d) {
    d.RadioDisconnected->click();
    d.BtnOK->click();
  };
  // Line 3 disconnected: its title and ":  NOT IN USE" in 20 px.
  WhenModal<TfrmHSetup>(disconnect);
  QTest::mouseDClick(f->HoseBoxes[2], Qt::LeftButton);
  EXPECT_EQ(w->CurrentLine, 3);
  EXPECT_EQ(f->HoseBoxes[2]->height(), 20);
  EXPECT_EQ(f->NozzleBoxes[2]->height(), 20);
  EXPECT_EQ(f->HoseBoxes[2]->HoseTexts().Title, "No. 2 Crosslay:  NOT IN USE");
  EXPECT_EQ(f->HoseBoxes[3]->y(), f->HoseBoxes[2]->y() + 30);

  // Line 2 becomes a siamese fed also by line 3, whose row goes.
  QTest::mouseClick(f->HoseBoxes[1], Qt::LeftButton);
  EXPECT_EQ(w->CurrentLine, 2);
  WhenModal<TfrmHSetup>([](TfrmHSetup& d) {
    EXPECT_EQ(d.Setup().Line(), 2);
    d.CBoxHConfig->setCurrentIndex(1);
    emit d.CBoxHConfig->activated(1);
    int item = d.CBoxInlet2->findText("No. 2 Crosslay");
    ASSERT_GE(item, 0);
    d.CBoxInlet2->setCurrentIndex(item);
    emit d.CBoxInlet2->activated(item);
    d.BtnOK->click();
  });
  QTest::mouseDClick(f->HoseBoxes[1], Qt::LeftButton);
  EXPECT_EQ(S().Discharges[2].Layout, 1);
  EXPECT_EQ(VisibleRows(), 7);
  EXPECT_FALSE(f->HoseBoxes[2]->isVisible());
  EXPECT_EQ(f->HoseBoxes[2]->height(), 1);
  EXPECT_EQ(f->HoseBoxes[1]->HoseTexts().LayoutLine, "(siamese)");
  EXPECT_EQ(f->HoseBoxes[1]->HoseTexts().PartnerTitle, "No. 2 Crosslay");

  // Line 1 gets 200 ft of hose: its row shows it at once.
  QTest::mouseClick(f->PBoxNzOrig, Qt::LeftButton);
  WhenModal<TfrmHSetup>([this](TfrmHSetup& d) {
    Type(d.CBoxHLenLeft, "200");
    d.BtnOK->click();
  });
  QTest::mouseClick(f->BitBtnHoseOrig, Qt::LeftButton);
  EXPECT_EQ(f->PBoxHoseOrig->HoseTexts().FirstHose, "200 ft  of  2-1/2  inch");

  QTest::mouseClick(f->HoseBoxes[4], Qt::LeftButton);
  WhenModal<TfrmHSetup>(disconnect);
  QTest::mouseClick(f->BitBtnHoseOrig, Qt::LeftButton);
  EXPECT_EQ(f->HoseBoxes[4]->height(), 20);
  EXPECT_TRUE(host.messages.empty()) << host.messages.front().text;

  // A wye on line 7, in metric units.
  ApplyUnits(p.config, true);
  S().Discharges[7].Layout = 2;
  S().Discharges[7].BranchLength[1] = S().Discharges[7].BranchLength[2] = 100;
  S().Discharges[7].BranchDiam[1] = S().Discharges[7].BranchDiam[2] = 1.75 / 12;
  f->FormActivate();
  EXPECT_EQ(f->HoseBoxes[6]->HoseTexts().LayoutLine, "(wye)");
  // 100 ft is 30.5 m and 1.75 in 44.625 mm in the program's factors; halves round away from zero.
  EXPECT_EQ(f->HoseBoxes[6]->HoseTexts().SecondHose, "31 m  of  44.63  mm");
  testing::Screenshot(*w, "dischrg_siamese_wye_disconnected_metric");
}

TEST_F(DischargesTab, TankToPumpEditsLine17AndKeepsTheActiveLine) {
  TfrmDischrg* f = Window();
  QTest::mouseClick(f->HoseBoxes[1], Qt::LeftButton);
  int edited = 0;
  WhenModal<TfrmHSetup>([&](TfrmHSetup& d) {
    edited = d.Setup().Line();
    d.BtnCancel->click();
  });
  QTest::mouseClick(f->BitBtnTankToPump, Qt::LeftButton);
  EXPECT_EQ(edited, 17);
  WhenModal<TfrmHSetup>([&](TfrmHSetup& d) {
    edited = d.Setup().Line();
    d.BtnCancel->click();
  });
  QTest::mouseClick(f->BitBtnTankFillChange, Qt::LeftButton);
  EXPECT_EQ(edited, 16);
  EXPECT_EQ(f->CurrentLine(), 2);
  EXPECT_EQ(w->CurrentLine, 2);
  EXPECT_EQ(f->LblActiveLine->text(), "No. 2 Disch.");

  // The nozzle setup opens for the box's line.
  WhenModal<TfrmNzSetup>([&](TfrmNzSetup& d) {
    edited = d.Setup().Line();
    d.BtnCancel->click();
  });
  QTest::mouseDClick(f->NozzleBoxes[5], Qt::LeftButton);
  EXPECT_EQ(edited, 6);
  EXPECT_EQ(f->CurrentLine(), 6);
}

TEST_F(DischargesTab, UncouplingMovesToTheCheckedLine) {
  TfrmDischrg* f = Window();
  TIncidentRec& u = S().Incidents[kIncidentUncoupling];
  QTest::mouseClick(f->HoseBoxes[4], Qt::LeftButton);
  f->CheckBoxUseUncoupledLine->click();
  EXPECT_TRUE(u.Use);
  EXPECT_EQ(u.Line, 5);
  EXPECT_TRUE(f->LblHUncouplingDescr->font().bold());
  // On line 3 the box is not checked, yet the incident shows in use.
  QTest::mouseClick(f->HoseBoxes[2], Qt::LeftButton);
  EXPECT_FALSE(f->CheckBoxUseUncoupledLine->isChecked());
  EXPECT_TRUE(f->LblHUncouplingDescr->font().bold());
  EXPECT_EQ(f->LblIncidentHoseName->text(), "No. 2 Crosslay");
  f->CheckBoxUseUncoupledLine->click();
  EXPECT_EQ(u.Line, 3);

  // The time, set up on the sub-panel; "00:00" leaves it unset.
  QTest::mouseClick(f->BitBtnHUncoupleSetup, Qt::LeftButton);
  EXPECT_TRUE(f->PanelHoseDecouple->isVisible());
  EXPECT_EQ(f->LblHUncouplingSetup->text(), "Hose Uncoupling of No. 2 Crosslay");
  f->MaskEditDecoupleStart1->setText("02:30");
  QTest::mouseClick(f->BtnDecoupleOK, Qt::LeftButton);
  EXPECT_FALSE(f->PanelHoseDecouple->isVisible());
  EXPECT_EQ(u.StartTime(), 150);
  EXPECT_EQ(f->MaskEditDecoupleStart1->text(), "02:30");
  QTest::mouseClick(f->BitBtnHUncoupleSetup, Qt::LeftButton);
  f->MaskEditDecoupleStart1->setText("00:00");
  QTest::mouseClick(f->BtnDecoupleOK, Qt::LeftButton);
  EXPECT_EQ(u.StartTime(), kNeverTime);
  EXPECT_TRUE(u.Use);
  f->CheckBoxUseUncoupledLine->click();
  EXPECT_FALSE(u.Use);
  EXPECT_FALSE(f->LblHUncouplingDescr->font().bold());
}

TEST_F(DischargesTab, UndefinedConnectionIsToldOncePerOpening) {
  S().Discharges[6].LineBurst = 9;
  Window()->FormActivate();
  Window()->FormActivate();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Connection Status not defined, line: 6");
  Window()->PBoxHoseOrig->repaint();
  EXPECT_EQ(host.messages.size(), 1u);
}

}  // namespace
}  // namespace pumpdrill
