#include "setup/gui/frm_nz_setup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <cstring>
#include <memory>

#include "../core/default_state.h"
#include "../core/recording_host.h"
#include "frame/configuration.h"
#include "panel/gui/named_bitmap.h"
#include "setup/gui/dialog_pictures.h"
#include "sim/state.h"
#include "window_test_support.h"

namespace pumpdrill {
namespace {

class NzSetupWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    s = testing::MakeDefaultState();
    ASSERT_EQ(ReadImageLibrary((testing::BuildMainDirectory() / kMiscImageLibrary).string(), misc),
              0);
  }
  std::unique_ptr<TfrmNzSetup> Open(int line, const ImageLibrary* library) {
    auto w = std::make_unique<TfrmNzSetup>(*s, cfg, line, host, library);
    w->show();
    QApplication::processEvents();
    return w;
  }
  std::unique_ptr<TfrmNzSetup> Open(int line) { return Open(line, &misc); }
  static void ClickRow(QListWidget* list, int row) {
    QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
  }
  void Metric() {
    cfg.Options.UseBars = true;
    ApplyUnits(cfg, true);
  }

  std::unique_ptr<State> s;
  Configuration cfg;
  RecordingHost host;
  ImageLibrary misc;
};

TEST_F(NzSetupWindow, OpensOnTheLinesBore) {
  s->Discharges[2].TipDiam = 1.125 / 12;
  auto w = Open(2);
  EXPECT_TRUE(w->isModal());
  EXPECT_EQ(w->windowTitle(),
            "Nozzle Setup for:   " + QString::fromStdString(s->DischargeList.LineTitle[2].str()));
  EXPECT_EQ(w->ListBoxNzType->currentRow(), 0);
  EXPECT_EQ(w->ListBoxNzBorePsiAttrs->currentItem()->text(), "1-1/8");
  EXPECT_EQ(w->LblNzAttrCaption->text(), "bore size (inch)    @ 50 psi");
  EXPECT_FALSE(w->PnlRadio->isVisibleTo(w.get()));
  EXPECT_FALSE(w->ComboGallSelect->isVisibleTo(w.get()));
  EXPECT_EQ(w->LblInitNzHt->text(), "initial ht (ft)");
  EXPECT_EQ(w->EditNzHeight->text(), "3.0");
  EXPECT_FALSE(w->ImgNozzle->pixmap().isNull());
  EXPECT_TRUE(host.messages.empty());
  testing::Screenshot(*w, "nz_setup_handline");
}

TEST_F(NzSetupWindow, MetricBoreAndMasterGallonage) {
  Metric();
  s->Discharges[2].TipDiam = 1.125 / 12;
  auto w = Open(2);
  EXPECT_EQ(w->ListBoxNzBorePsiAttrs->currentItem()->text(), "29");
  // The blank rows cannot be chosen.
  for (int blank : {3, 7, 8}) {
    ClickRow(w->ListBoxNzType, blank);
    EXPECT_EQ(w->Setup().Row(), 0) << blank;
  }
  ClickRow(w->ListBoxNzType, 6);
  EXPECT_EQ(w->Setup().Row(), 6);
  EXPECT_TRUE(w->PnlRadio->isVisibleTo(w.get()));
  EXPECT_TRUE(w->ComboGallSelect->isVisibleTo(w.get()));
  EXPECT_EQ(w->LblGallSelect->text(), "Gallonage (lpm)");
  QTest::mouseClick(w->RadioElevated, Qt::LeftButton);
  EXPECT_EQ(w->Setup().PictureName(), "NZ_FOG_ELEV");
  ClickRow(w->ListBoxNzBorePsiAttrs, 1);
  ASSERT_EQ(w->ComboGallSelect->count(), 4);
  // The flows as the size's text names them: 750 gpm is "2840" lpm.
  EXPECT_EQ(w->ComboGallSelect->itemText(1), "2840");
  // No flow chosen yet: OK refuses.
  QTest::mouseClick(w->BtnOK, Qt::LeftButton);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(host.Texts(), "Gallonage (lpm): No value entered.\n");
  w->ComboGallSelect->setCurrentIndex(1);
  emit w->ComboGallSelect->activated(1);
  w->EditNzDescription->setText(QString::fromUtf8("Tour échelle"));
  testing::Screenshot(*w, "nz_setup_master_gallonage_metric");
  QTest::mouseClick(w->BtnOK, Qt::LeftButton);
  EXPECT_FALSE(w->isVisible());
  const TDischargeRec& d = s->Discharges[2];
  EXPECT_TRUE(d.IsMaster);
  EXPECT_EQ(d.NozzleType, 3);
  EXPECT_EQ(d.MasterKind, 2);
  EXPECT_EQ(d.GpmSetting[d.GpmIndex], 750);
  EXPECT_EQ(d.NozzleOpen, 1);
  EXPECT_FALSE(d.NozzleShut);
  EXPECT_EQ(d.NozzleName.str(), "Tour échelle");
}

TEST_F(NzSetupWindow, KeysInFieldsAndCancelKeepTheState) {
  auto before = std::make_unique<State>(*s);
  auto w = Open(1);
  EXPECT_EQ(w->ListBoxNzBorePsiAttrs->currentItem()->text(), "1");  // the fog's bore
  w->EditNzHeight->setFocus();
  w->EditNzHeight->setText("40");
  QTest::keyClick(w->EditNzHeight, Qt::Key_Return);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->EditNzHeight->text(), "40.0");
  QTest::keyClick(w->EditNzHeight, Qt::Key_Escape);
  EXPECT_TRUE(w->isVisible());
  // The spin button stops at the hose length above the pump end.
  w->EditNzHeight->setText("152.5");
  for (int i = 0; i < 3; ++i) QTest::mouseClick(w->SpinButton1Up, Qt::LeftButton);
  EXPECT_EQ(w->EditNzHeight->text(), "153.0");
  ClickRow(w->ListBoxNzType, 4);
  QTest::mouseClick(w->BtnCancel, Qt::LeftButton);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(std::memcmp(before.get(), s.get(), sizeof(State)), 0);
}

TEST_F(NzSetupWindow, MissingPictureIsReportedOnce) {
  auto w = Open(2, nullptr);
  ClickRow(w->ListBoxNzBorePsiAttrs, 3);
  ClickRow(w->ListBoxNzType, 1);
  ClickRow(w->ListBoxNzType, 0);
  EXPECT_EQ(
      host.Texts(),
      "Error: bitmap NZ_STR_TIP_NO_HND not found!\nError: bitmap NZ_FOG_TIP_NO_HND not found!\n");
  EXPECT_TRUE(w->ImgNozzle->pixmap().isNull());
}

TEST(HoseAndNozzlePictures, SizesTheWindowsDrawThemAt) {
  ImageLibrary misc;
  ASSERT_EQ(ReadImageLibrary((testing::BuildMainDirectory() / kMiscImageLibrary).string(), misc),
            0);
  RecordingHost host;
  struct Case {
    const char* name;
    int maxHeight;
  };
  for (const Case& c : {Case{"HOSE_SINGLE", 34},
                        {"HOSE_DRAFT", 34},
                        {"HOSE_SIAMESE", 34},
                        {"HOSE_WYE", 34},
                        {"NZ_STR_TIP", 84},
                        {"NZ_FOG_TIP", 84},
                        {"NZ_STR_TIP_NO_HND", 34},
                        {"NZ_FOG_TIP_NO_HND", 34},
                        {"NZ_STR_DECK", 84},
                        {"NZ_STR_PORT", 84},
                        {"NZ_STR_ELEV", 84},
                        {"NZ_FOG_DECK", 84},
                        {"NZ_FOG_PORT", 84},
                        {"NZ_FOG_ELEV", 84}}) {
    QPixmap picture;
    ASSERT_TRUE(LoadNamedBitmap(&misc, c.name, picture, host)) << c.name;
    EXPECT_LE(picture.height(), c.maxHeight) << c.name;
    EXPECT_GT(testing::ColourCount(picture.toImage()), 8) << c.name;
    // On a screen at 2x the dialogs take the picture drawn at twice the size.
    DialogPictures sharp(&misc, host, 2.0);
    QPixmap twice = sharp.Get(c.name);
    EXPECT_EQ(twice.devicePixelRatio(), 2.0) << c.name;
    EXPECT_EQ(twice.deviceIndependentSize().toSize(), picture.size()) << c.name;
  }
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace pumpdrill

namespace pumpdrill {
namespace {

// Pictures of the handline and the master gallonage nozzle in both unit
// systems, for looking at.
TEST_F(NzSetupWindow, ScreenshotsInBothUnits) {
  for (bool metric : {false, true}) {
    cfg.Options.UseBars = true;
    ApplyUnits(cfg, metric);
    const std::string units = metric ? "metric_bar" : "english";
    auto hand = Open(2);
    QImage shot = testing::Screenshot(*hand, ("nz_handline_" + units).c_str());
    EXPECT_GT(testing::ColourCount(shot), 20);
    auto master = Open(5);
    ClickRow(master->ListBoxNzType, 6);
    ClickRow(master->ListBoxNzBorePsiAttrs, 1);
    master->ComboGallSelect->setCurrentIndex(1);
    emit master->ComboGallSelect->activated(1);
    testing::Screenshot(*master, ("nz_master_gallonage_" + units).c_str());
  }
  EXPECT_TRUE(host.messages.empty()) << host.Texts();
}

}  // namespace
}  // namespace pumpdrill
