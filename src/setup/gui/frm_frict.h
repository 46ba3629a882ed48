// The hose friction loss adjustment window: a calculator of the friction
// loss per 100 ft of hose at a flow, and of the Hazen-Williams C that a
// measured loss implies. 'Save' keeps the C as the default of its diameter.
#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>

#include "sim/friction_calculator.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;
struct Configuration;

class TfrmFrict : public QDialog {
  Q_OBJECT

 public:
  // currentLine: the line whose hose the calculator starts from (0 for
  // none); iniFile: the configuration file that 'Save' writes the friction
  // list to.
  TfrmFrict(State& s, Configuration& cfg, int currentLine, Host& host, std::string iniFile,
            QWidget* parent = nullptr);

  const FrictionCalculator& Calculator() const { return calc_; }

  // Hose panel.
  QGroupBox* PanelHose = nullptr;
  QLabel* LblHDiam = nullptr;
  QComboBox* CBoxHDiam = nullptr;
  QGroupBox* RadioHMaterialType = nullptr;
  QRadioButton* RadioSoftSleeve = nullptr;
  QRadioButton* RadioRigidPipe = nullptr;
  QRadioButton* RadioHardSuction = nullptr;
  QLabel* LblCurrFlow = nullptr;
  QLineEdit* EditCurrFlow = nullptr;
  QLabel* LblFrictionLoss = nullptr;
  QLineEdit* EditPsiLoss = nullptr;
  QLabel* LblPsiLossUnit = nullptr;
  QLabel* LblPer100Ft = nullptr;
  QLabel* LblAtGivenFlow = nullptr;
  // Coefficient panel.
  QGroupBox* PanelCoeff = nullptr;
  QLabel* LblCHz = nullptr;
  QLabel* LblCoefficient = nullptr;
  QLabel* LblTypically = nullptr;
  QPushButton* BitBtnSaveCoeff = nullptr;
  QPushButton* BtnClose = nullptr;

 public slots:
  void EditPsiLossEnter();
  void EditCurrFlowEnter();
  void CBoxHDiamPick();
  void BitBtnSaveCoeffClick();

 protected:
  void showEvent(QShowEvent* event) override;  // FormActivate
  void done(int result) override;              // FormClose

 private:
  void BuildControls();
  void FillDiameterList();
  void Refresh();
  // The number in an entry field, or nothing after telling the user.
  bool EnteredNumber(QLineEdit* edit, double& value);

  State& s_;
  Configuration& cfg_;
  Host& host_;
  std::string iniFile_;
  FrictionCalculator calc_;
  bool initialising_ = true;
};

}  // namespace pumpdrill
