// The burn-house window 'Fully-Involved Structure': before a run the
// instructor describes the structure (size, vent, fire load, description)
// and saves it; during a run it shows the fire's temperature and the share
// of its fuel burned as two vertical meters.
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include "frame/program.h"
#include "panel/image_library.h"
#include "sim/host.h"

namespace pumpdrill {

class TfrmBurn : public QWidget {
  Q_OBJECT

 public:
  // misc: the picture library of the small windows (may be null).
  TfrmBurn(Program& program, Host& host, const ImageLibrary* misc, QWidget* parent = nullptr);

  QLineEdit* EditDescription = nullptr;
  QToolButton* BtnShowSetup = nullptr;
  QFrame* StructDimsSetupPnl = nullptr;
  QLabel* LblStructDims = nullptr;
  QLineEdit *EditLen = nullptr, *EditWd = nullptr, *EditHt = nullptr;
  QLabel* LblVentArea = nullptr;
  QLineEdit* EditVentArea = nullptr;
  QLabel* LblVentHt = nullptr;
  QLineEdit* EditVentHeight = nullptr;
  QFrame* OtherParamsSetupPnl = nullptr;
  QLineEdit* EditAppEfficiency = nullptr;
  QRadioButton* RadioFireLoad = nullptr;
  QLabel* LblFireLoad = nullptr;
  QLineEdit* EditFireLoad = nullptr;
  QRadioButton* RadioTotFireLoad = nullptr;
  QLabel* LabelTotFireLoad = nullptr;
  QLineEdit* EditTotFireLoad = nullptr;
  QLabel* LblFireSeverity = nullptr;
  QFrame* ActivePanel = nullptr;
  QProgressBar* tempMeter = nullptr;
  QProgressBar* BurnedPercentMeter = nullptr;
  QLabel* tempMeterCaption = nullptr;
  QLabel* BurnedPercentMeterCaption = nullptr;
  QLabel* LabelTempUnits = nullptr;
  QLabel* LblFireOut = nullptr;  // "FIRE OUT" once the water has knocked the fire down
  QPushButton* BtnSave = nullptr;
  QCheckBox* CheckBoxStayOnTop = nullptr;
  QTimer TimerMeters;

  // Every field from the record, then the mode-dependent part.
  void RefreshBurnWindow();
  // The two meters and their captions.
  void UpdateBurnMeters();
  // True from the window's showing until its closing.
  bool BurnWindowShown() const { return shown_; }

 public slots:
  void BtnSaveClick();
  void BtnShowSetupClick();
  void CheckBoxStayOnTopClick();
  void RadioFireLoadClick();
  void TimerMetersTimer();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls(const ImageLibrary* misc);
  QFrame* BuildStructDims();
  QFrame* BuildOtherParams();
  QFrame* BuildActivePanel();
  // Setup panels or meters as the run asks, the window fitted to them.
  void RefreshMode();
  void EnableFireLoadEdits();
  void FitWindow();
  void ApplyStayOnTop();

  Program& p_;
  Host& host_;
  bool shown_ = false;
  bool loading_ = true;         // from creation until first shown
  bool setupInRun_ = false;     // the show-setup button has shown the setup during a run
};

}  // namespace pumpdrill
