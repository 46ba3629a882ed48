// The pump and engine setup: gear ratio, engine idle speed, the pump's
// no-flow pressure line, capacity, stages and flow efficiency, the primer,
// the engine's oil and coolant gauges and the lose-oil-pressure incident.
// A child window of the main window with no OK or Cancel: every committed
// field goes straight into the state, also during a run. Two graphs show
// the pump as it is set.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "setup/gui/pump_graph_boxes.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;
struct Configuration;
struct RunContext;
enum class PumpSetting;

class TfrmPmpSetp : public QWidget {
  Q_OBJECT

 public:
  TfrmPmpSetp(State& s, const Configuration& cfg, const RunContext& run, Host& host,
              QWidget* parent = nullptr);
  ~TfrmPmpSetp() override;  // FormDestroy

  // Upper part: the pump, the stages and the sub-panels.
  QFrame* PnlUpper = nullptr;
  QComboBox* CBoxPumpEngRatio = nullptr;
  QLineEdit* EditEngIdleRpm = nullptr;
  QLabel* LblCapacity = nullptr;
  QComboBox* CBoxCapacity = nullptr;
  QSpinBox* SpinFlowEfficiency = nullptr;
  QRadioButton* RadioBtnSingleStage = nullptr;
  QRadioButton* RadioBtn2Stage = nullptr;
  QFrame* Bevel2Stage = nullptr;
  QFrame* Panel2Stage = nullptr;
  QRadioButton* RadioBtnPress = nullptr;
  QRadioButton* RadioBtnVol = nullptr;
  QPushButton* BitBtnPrimerSetup = nullptr;
  QPushButton* Button1 = nullptr;  // 'Oil'
  QPushButton* Button2 = nullptr;  // 'Coolant'

  QFrame* PnlPrimerSetup = nullptr;
  QLineEdit* EditPrimerPumpRate = nullptr;
  QCheckBox* ChkMustBeClosed = nullptr;
  QSpinBox* SpinEditPrimerOilPercent = nullptr;

  QFrame* PnlEngineOil = nullptr;
  QDoubleSpinBox* SpinEditEngOilPsi = nullptr;
  QDoubleSpinBox* SpinEditOilPLt = nullptr;
  QLabel* LblOilPsiUnits = nullptr;
  QCheckBox* CheckBoxUseLoseOilPress = nullptr;
  QLineEdit* EditTOilPressLoss = nullptr;

  QFrame* PnlEngineCoolant = nullptr;
  QSpinBox* SpinEditEngCoolantTemp = nullptr;
  QSpinBox* SpinEditTempLt = nullptr;
  QLabel* LblCoolantTemp = nullptr;

  // Lower part: the graphs with their titles, axis values and the no-flow
  // pressures at idle and at the reference high speed.
  QFrame* PnlLower = nullptr;
  QLabel* LblRpmPsiTitle = nullptr;
  PumpRpmGraph* PBoxRPMvsPSI = nullptr;
  QLabel *LblPsiRMin, *LblPsiRMax, *LblPsiInRpmPsi;
  QLabel *LblPumpIdleRpm, *LblPumpHigherRpm, *LblEngIdleRpm, *LblEngHigherRpm;
  QLabel *LblPsiAt, *LblPsiAtLowRpm, *LblPsiAtHighRpm;
  QDoubleSpinBox* SpinEditPsiAtLowRpm = nullptr;
  QDoubleSpinBox* SpinEditPsiAtHighRpm = nullptr;
  QLabel* LblGpmPsiTitle = nullptr;
  PumpFlowGraph* PBoxGPMvsPSI = nullptr;
  QLabel *LblPsiGMin, *LblPsiGMax, *LblPsiInGpmPsi, *LblGpmMin, *lblGpmMax, *LblGpmInGpmPsi;
  // The engine speeds of the acceptance test points, under the graph.
  QLabel* LblTestPointsTitle = nullptr;
  QLabel* LblTestPoints[3] = {};

  // Shows the state in every control and the graphs.
  void Refresh();

 public slots:
  void FormActivate();
  void CBoxPumpEngRatioChange();
  void EditEngIdleRpmExit();
  void SpinEditPsiAtHighRpmChange(double value);
  void SpinEditPsiAtLowRpmChange(double value);
  void CBoxCapacityChange(int index);
  void RadioStageClick();
  void RadioModeClick();
  void SpinFlowEfficiencyChange(int value);
  void BitBtnPrimerSetupClick();
  void Button1Click();
  void Button2Click();
  void EditPrimerPumpRateExit();
  void ChkMustBeClosedClick();
  void SpinEditPrimerOilPercentChange(int value);
  void SpinEditEngOilPsiChange(double value);
  void SpinEditOilPLtChange(double value);
  void SpinEditEngCoolantTempChange(int value);
  void SpinEditTempLtChange(int value);
  void CheckBoxUseLoseOilPressClick();
  void EditTOilPressLossChange();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildUpper();
  void BuildSubPanels();
  void BuildLower();
  void Connect();
  void RefreshCaptions();
  void RefreshGraphs();
  void FillCapacityList();
  void ToggleSubPanel(QFrame* panel);
  // Reads a number typed into a field; tells the user and shows the
  // stored value again when it is not one.
  bool TypedNumber(QLineEdit* edit, double& value, const QString& storedText);
  // Commits a typed number of the field that does not show storedText any
  // more; a refusal shows its message and the stored value again.
  void CommitTyped(QLineEdit* edit, PumpSetting setting, const QString& storedText);
  bool Quiet() const { return initialising_ || refreshing_; }

  State& s_;
  const Configuration& cfg_;
  const RunContext& run_;
  Host& host_;
  bool initialising_ = true;
  bool refreshing_ = false;
  bool committing_ = false;    // a commit's message box is up
  double capacityExtra_ = -1;  // the stored capacity shown as an extra first item
};

}  // namespace pumpdrill
