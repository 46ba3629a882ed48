// The foam setup: the foam system fitted to the current panel (none,
// balanced pressure, direct injection or in-line eductor) and its
// settings. The values belong to the panel and are saved with it. A child
// window of the main window with no OK or Cancel: every change goes
// straight into the state; while a run is in progress the page is shown
// but cannot be changed.
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include "setup/gui/radio_group.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;
struct Configuration;
struct RunContext;

class TfrmFoam : public QWidget {
  Q_OBJECT

public:
  TfrmFoam(State &s, const Configuration &cfg, const RunContext &run,
           Host &host, QWidget *parent = nullptr);
  ~TfrmFoam() override; // FormClose

  // Whether a foam setup window is open (other windows ask).
  static bool WindowOpen();

  QFrame *PnlFoamOptionBtns = nullptr;
  QToolButton *SpdBtnNoFoam = nullptr;       // Tag 0
  QToolButton *SpdBtnBalPressure = nullptr;  // Tag 1
  QToolButton *SpdBtnDirectInject = nullptr; // Tag 2
  QToolButton *SpdBtnInLine = nullptr;       // Tag 3
  QLabel *LblAddPnlFoamComponents = nullptr;

  QFrame *PnlNoFoam = nullptr;
  QFrame *PnlBalancedPressure = nullptr;
  setup_ui::RadioGroup *RadioNrFoamTanksBalancedP = nullptr;
  QSpinBox *SpinTankCapBalancedP = nullptr;
  setup_ui::RadioGroup *RadioPercentRangeBalancedP = nullptr;
  setup_ui::RadioGroup *RadioTankSwTypeBalP = nullptr;
  setup_ui::RadioGroup *RadioProportionerStyleBalP = nullptr;

  QFrame *PnlDirectInjection = nullptr;
  setup_ui::RadioGroup *RadioNrFoamTanks = nullptr;
  QSpinBox *SpinTankCapDirInject = nullptr;
  setup_ui::RadioGroup *RadioPercentRangeDirInject = nullptr;
  setup_ui::RadioGroup *RadioTankSwType = nullptr;
  setup_ui::RadioGroup *RadioProportionerStyle = nullptr;
  QCheckBox *ChkBoxLine[16] = {}; // 1 to 15, Tags 1 to 15
  setup_ui::RadioGroup *RadioCAFSinstalled = nullptr;

  QFrame *PnlInLineEductor = nullptr;
  QSpinBox *SpinEductorInletPSIRating = nullptr;
  QSpinBox *SpinEductorFlowRating = nullptr;
  QSpinBox *SpinEductorPSIDrop = nullptr;
  QSpinBox *SpinTankCapInLine = nullptr;
  QLabel *LblEductorPsiUnits[2] = {};
  QLabel *LblEductorFlowUnits = nullptr;
  QLabel *LblTankCapUnits[3] = {};

  QToolButton *SpeedButton(int tag) const;

public slots:
  void FormActivate();
  void SpdBtnClick(int tag);
  void RadioNrFoamTanksClick(int index);
  void RadioPercentRangeClick(int index);
  void RadioTankSwTypeClick(int index);
  void RadioProportionerStyleClick(int index);
  void RadioCAFSinstalledClick(int index);
  void SpinTankCapChange(int value);
  void SpinEductorInletChange(int value);
  void SpinEductorFlowChange(int value);
  void SpinEductorDropChange(int value);
  void ChkBoxLineClick(int tag, bool checked);

protected:
  void showEvent(QShowEvent *event) override;

private:
  void BuildButtons();
  void BuildBalancedPressure();
  void BuildDirectInjection();
  void BuildInLineEductor();
  void Connect();
  void ShowSystemPanel();
  void FillControls();
  void AdjustPercentRange();
  void SetNote();
  void PanelChanged();
  bool Quiet() const { return busy_ || filling_; }

  State &s_;
  const Configuration &cfg_;
  const RunContext &run_;
  Host &host_;
  bool busy_ = true;
  bool filling_ = false;
};

} // namespace pumpdrill
