// The options window: the general settings, the units and the pump panel's
// display settings. Non-modal, one at a time, released when it closes. It
// fills its controls once when it opens; OK stores the edits in the live
// records and the configuration file, Cancel, Escape and closing discard
// them.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "frame/options_edit.h"
#include "frame/program.h"

namespace pumpdrill {

class TfrmOptions : public QDialog {
  Q_OBJECT

 public:
  TfrmOptions(Program& program, Alerts& alerts, QWidget* parent = nullptr);

  // Chooses the default Evolution: the folder to start in and the current
  // name; the path chosen, nothing on Cancel. Tests put their own.
  std::function<std::optional<std::string>(const std::string& folder, const std::string& name)>
      ChooseEvolution;

  // The window's edits so far.
  const OptionsEdit& Edit() const { return edit_; }

  QLineEdit* EditDepartmentName;
  QCheckBox* CheckBoxReminderPlotData;
  QCheckBox* CheckBoxUseDefEvolution;
  QLabel* LblDefaultFilename;
  QCheckBox* CheckBoxFlyByHints;
  QRadioButton* RadioUnitsEnglish;
  QRadioButton* RadioUnitsMetric;
  QButtonGroup* RadioUnitsType;
  QRadioButton* RadioBtnBar;
  QRadioButton* RadioBtnKPa;
  QCheckBox* CheckBoxUsingAutoNozzleOperation;
  QCheckBox* CheckBoxRecordDataOnStartup;
  QCheckBox* CheckBoxStayOnTop;
  QCheckBox* CheckBoxMakePrintoutFit;
  QSpinBox* SpinEditMaxDatafileSize;
  QSpinBox* SpinEditMaxSimRunTimeMins;
  // Pressure, flow, rpm, tank gallons, vibration, cavitation, primed,
  // water hammer (the order of OptionsEdit::PanelFlags).
  std::array<QCheckBox*, kPanelFlagCount> PanelFlagBoxes{};
  QCheckBox *CheckBoxPressLbls, *CheckBoxFlowLbls, *CheckBoxDigRPM, *CheckBoxTankGallonsLeft;
  QCheckBox *CheckBoxNeedleVibration, *CheckBoxIfCavitate, *CheckBoxIfPrimed, *CheckBoxIfWHammer;
  QDoubleSpinBox* SpinEditWHammerThreshold;
  QLabel* LblWHammerUnits;
  QPushButton* BitBtnOK;
  QPushButton* BitBtnCancel;

 signals:
  // OK stored the settings; windows showing units, the department name or
  // the panel flags refresh.
  void Applied();

 public slots:
  void CheckBoxUseDefEvolutionClick(bool checked);
  void RadioUnitsTypeClick();
  void BitBtnOKClick();

 private:
  void BuildControls();
  void FillControls();
  void ConnectEdits();
  void ShowThreshold();
  DisplayUnits UnitsShown() const;

  Program& p_;
  Alerts& alerts_;
  OptionsEdit edit_;
  bool initialising_ = true;
};

}  // namespace pumpdrill
