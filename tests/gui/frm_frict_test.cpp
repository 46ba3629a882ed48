#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "../core/default_state.h"
#include "../core/recording_host.h"
#include "frame/configuration.h"
#include "frame/number_entry.h"
#include "sim/coefficients.h"
#include "setup/gui/frm_frict.h"
#include "sim/loss_coefficients.h"
#include "window_test_support.h"

namespace pumpdrill {
namespace {

namespace fs = std::filesystem;

class FrictWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("frict_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    ini = (dir / "Tw.INI").string();
    s = testing::MakeDefaultState();
  }
  void TearDown() override { fs::remove_all(dir); }

  std::unique_ptr<TfrmFrict> Open(int line) {
    auto w = std::make_unique<TfrmFrict>(*s, cfg, line, host, ini);
    w->show();
    QApplication::processEvents();
    return w;
  }

  static void PressReturn(QWidget* w) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
  }
  static void Enter(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    PressReturn(edit);
  }

  fs::path dir;
  std::string ini;
  std::unique_ptr<State> s;
  Configuration cfg;
  RecordingHost host;
};

TEST_F(FrictWindow, OpensOnTheCurrentLinesHose) {
  auto w = Open(6);  // 200 ft of 1-1/2 in hose
  EXPECT_EQ(w->windowTitle(), "Hose Friction Loss Adjustment");
  EXPECT_TRUE(w->isModal());
  EXPECT_EQ(w->CBoxHDiam->currentText(), "1-1/2");
  EXPECT_EQ(w->LblHDiam->text(), "hose diameter (inch)");
  EXPECT_EQ(w->LblCurrFlow->text(), "current flow (gpm)");
  EXPECT_EQ(w->EditCurrFlow->text(), "100");
  EXPECT_EQ(w->LblCHz->text(), "125");
  EXPECT_EQ(w->EditPsiLoss->toolTip(), "determines friction coefficient");
  EXPECT_TRUE(w->RadioSoftSleeve->isChecked());
  // The configured list replaces the window's own.
  EXPECT_EQ(w->CBoxHDiam->count(), 13);
  EXPECT_EQ(w->CBoxHDiam->itemText(0), "3/4");
  NullHost quiet;
  double k = HoseFrictionK(100, 125, 1.5 / 12, quiet);
  EXPECT_EQ(w->EditPsiLoss->text().toStdString(),
            FixedText(k * std::pow(100 / 448.8, 2) * 0.43333333333333335, 2));
}

TEST_F(FrictWindow, LossFlowAndDiameterEntries) {
  auto w = Open(0);  // no current line: 2-1/2 in
  EXPECT_EQ(w->CBoxHDiam->currentText(), "2-1/2");
  EXPECT_EQ(w->LblCHz->text(), "132");
  // The loss of 2-1/2 in hose at 250 gpm with C 132, about 15.6 psi.
  Enter(w->EditCurrFlow, "250");
  EXPECT_EQ(w->Calculator().FlowGpm, 250);
  // A higher measured loss implies a rougher hose.
  Enter(w->EditPsiLoss, "20");
  EXPECT_EQ(w->Calculator().LossPsi, 20);
  EXPECT_EQ(w->EditPsiLoss->text(), "20.00");
  EXPECT_LT(w->Calculator().C, 132);
  EXPECT_EQ(w->LblCHz->text().toStdString(), FixedText(w->Calculator().C, 0));
  // Picking a diameter takes its default C and the loss it gives.
  w->CBoxHDiam->setCurrentText("1-3/4");
  PressReturn(w->CBoxHDiam->lineEdit());
  EXPECT_EQ(w->Calculator().DiamInches, 1.75);
  EXPECT_EQ(w->LblCHz->text(), "139");
  // A diameter not in the list stays typed in the box.
  w->CBoxHDiam->setCurrentText("2.6");
  PressReturn(w->CBoxHDiam->lineEdit());
  EXPECT_EQ(w->CBoxHDiam->currentIndex(), -1);
  EXPECT_EQ(w->CBoxHDiam->currentText(), "2.60");
  EXPECT_EQ(w->LblCHz->text(), "132");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(FrictWindow, BadEntriesAreRefused) {
  auto w = Open(0);
  double loss = w->Calculator().LossPsi;
  for (const char* bad : {"abc", "0", "-3", ""}) {
    Enter(w->EditPsiLoss, bad);
    EXPECT_EQ(w->Calculator().LossPsi, loss) << bad;
  }
  Enter(w->EditCurrFlow, "x");
  EXPECT_EQ(w->Calculator().FlowGpm, 100);
  EXPECT_EQ(w->EditCurrFlow->text(), "100");
  w->CBoxHDiam->setCurrentText("big");
  PressReturn(w->CBoxHDiam->lineEdit());
  EXPECT_EQ(w->Calculator().DiamInches, 2.5);
  ASSERT_EQ(host.messages.size(), 6u);
  EXPECT_EQ(host.messages[0].text, "Invalid value entered.");
  EXPECT_EQ(host.messages[0].type, MsgType::Warning);
}

TEST_F(FrictWindow, MetricDisplay) {
  ApplyUnits(cfg, true);
  auto w = Open(0);
  EXPECT_EQ(w->LblHDiam->text(), "hose diameter (mm)");
  EXPECT_EQ(w->LblCurrFlow->text(), "current flow (lpm)");
  EXPECT_EQ(w->CBoxHDiam->itemText(0), "20");
  // 2.5 in shows as 63.75 mm: within a millimetre of no entry (65).
  EXPECT_EQ(w->CBoxHDiam->currentIndex(), -1);
  EXPECT_EQ(w->EditCurrFlow->text(), "379");
  EXPECT_EQ(w->LblCHz->text(), "132");
  w->CBoxHDiam->setCurrentIndex(3);  // 45 mm
  emit w->CBoxHDiam->activated(3);
  EXPECT_NEAR(w->Calculator().DiamInches, 45 / 25.5, 1e-12);
  EXPECT_EQ(w->LblCHz->text(), "139");
  EXPECT_EQ(w->CBoxHDiam->currentText(), "45");
  testing::Screenshot(*w, "frm_frict_metric");
}

TEST_F(FrictWindow, SaveStoresTheCoefficientOfTheDiameter) {
  auto w = Open(1);  // 2-1/2 in
  Enter(w->EditCurrFlow, "250");
  Enter(w->EditPsiLoss, "12");
  double c = w->Calculator().C;
  ASSERT_GT(c, 140);
  w->BitBtnSaveCoeff->click();
  EXPECT_EQ(cfg.HoseFriction[5], FixedText(std::round(c), 0));
  std::vector<std::string> stored;
  ASSERT_TRUE(ReadIniList(ini, kSectionHoseFriction, stored));
  EXPECT_EQ(stored, cfg.HoseFriction);
  EXPECT_EQ(DefaultHoseC(cfg.Sim.HoseFriction, 2.5), std::round(c));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(FrictWindow, SaveToAnUnwritableFileSaysSo) {
  fs::create_directories(ini);  // a folder where the file should be
  auto w = Open(1);
  w->BitBtnSaveCoeff->click();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].type, MsgType::Error);
  EXPECT_NE(host.messages[0].text.find("could not be saved"), std::string::npos);
}

TEST_F(FrictWindow, ClosingRecomputesTheLinesInUse) {
  auto w = Open(1);
  double k = s->Discharges[2].HoseK;
  s->Discharges[2].HoseK = 0;
  s->Discharges[10].HoseK = 0;  // beyond the 8 lines in use
  s->Discharges[17].HoseK = 0;
  w->BtnClose->click();
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(s->Discharges[2].HoseK, k);
  EXPECT_GT(s->Discharges[17].HoseK, 0);
  EXPECT_EQ(s->Discharges[10].HoseK, 0);
}

TEST_F(FrictWindow, Screenshot) {
  auto w = Open(3);
  Enter(w->EditCurrFlow, "250");
  emit w->CBoxHDiam->activated(w->CBoxHDiam->currentIndex());  // the loss at 250 gpm
  EXPECT_EQ(w->EditPsiLoss->text(), "15.62");
  QImage shot = testing::Screenshot(*w, "frm_frict");
  EXPECT_GT(testing::ColourCount(shot), 20);
}

}  // namespace
}  // namespace pumpdrill
