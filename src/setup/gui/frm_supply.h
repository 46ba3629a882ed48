// The supply and tank setup: where the pump's water comes from (hydrant,
// draft or relay), the supply line, the booster tank, the draft source and
// its tender, and the supply incidents with their sub-panels. A child
// window of the main window with no OK or Cancel: every committed field
// goes straight into the state, also during a run.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <map>

#include "panel/image_library.h"
#include "setup/gui/dialog_pictures.h"
#include "setup/supply_setup.h"
#include "sim/host.h"

class QMdiSubWindow;

namespace pumpdrill {

struct State;
struct Configuration;
struct RunContext;

class TfrmSupply : public QWidget {
  Q_OBJECT

 public:
  // misc: the other-images library (may be null: no pictures); currentLine:
  // the program's current line, which the hose setup edits.
  TfrmSupply(State& s, const Configuration& cfg, const RunContext& run, Host& host,
             const ImageLibrary* misc, int& currentLine, QWidget* parent = nullptr);
  ~TfrmSupply() override;

  // The supply.
  QComboBox* CBoxSupplyType = nullptr;
  QLabel* LblStaticPsi = nullptr;
  QLineEdit* EdSrcStaticPsi = nullptr;
  QLabel* ImgSupply = nullptr;
  // Hydrant: rating, classes, flow at 20 psi residual, residual in a run.
  QFrame* PnlHydrantSource = nullptr;
  QLabel* LblHydrantRatingFlow = nullptr;
  QLabel* LblRatedSupplyGpm = nullptr;
  QWidget* SpinButton1 = nullptr;
  QToolButton* SpinButton1Up = nullptr;
  QToolButton* SpinButton1Down = nullptr;
  QRadioButton *RadioClassAA, *RadioClassA, *RadioClassB, *RadioClassC;
  QLabel* LblAvailFlow = nullptr;
  QLabel* LblResidDescr = nullptr;
  QLabel* LblResidualPsi = nullptr;
  // Draft: the source and a finite source's tank.
  QFrame* PnlDraftSources = nullptr;
  QRadioButton *RadioUnlimited, *RadioSwimmingPool, *RadioDumpTank;
  QFrame* PnlDraftTankSpecs = nullptr;
  QLineEdit* EditDumpTankCapacityGals = nullptr;
  QLabel *LblDumpTankGalsStr, *LblDumpTankGals, *LblGalsRemainingStr;
  QFrame* ShapeOuterBox = nullptr;
  QFrame* ShapeWaterRemaining = nullptr;
  QRadioButton *RadioStartFull, *RadioStartEmpty;
  QFrame* PnlRelay = nullptr;
  // Supply line and site.
  QLabel* ImageSupplyHose = nullptr;
  QLabel* LblHose = nullptr;
  QPushButton* BitBtnChangeSupplyHose = nullptr;
  QLabel* LblElevation = nullptr;
  QLineEdit* EditSplyElev = nullptr;
  QLabel* LblAltitude = nullptr;
  QLineEdit* EditAltitude = nullptr;
  QLabel* LblWaterTemp = nullptr;
  QSpinBox* SpinEditWaterTemp = nullptr;
  // Booster tank.
  QLabel* LblTankCapacity = nullptr;
  QLineEdit* EdTankCapacityGall = nullptr;
  QLabel* LblTankHt = nullptr;
  QLineEdit* EdTankHt = nullptr;
  QGroupBox* RadioTankInitFullState = nullptr;
  QButtonGroup* TankStateButtons = nullptr;  // ids 0 'Full' .. 4 'Empty'

  // Incidents of a hydrant or relay.
  QFrame* PanelIncidents = nullptr;
  QCheckBox* ChkBoxUseSplyFluctuates = nullptr;
  QPushButton* BitBtnFluctSetup = nullptr;
  QLabel* LblSplyFluctsStyle = nullptr;
  QCheckBox* CheckBoxShiftingSupply = nullptr;
  QPushButton* BitBtnShiftSetup = nullptr;
  QCheckBox* CheckBoxUseLineRupture = nullptr;
  QPushButton* BitBtnRuptureSetup = nullptr;
  QCheckBox* CheckBoxKinkInLine = nullptr;
  // Incidents at draft.
  QFrame* PanelDraftIncidents = nullptr;
  QCheckBox* ChkBoxUseLossPrime = nullptr;
  QPushButton* BitBtnLossPrimeSetup = nullptr;
  QCheckBox* ChkBoxUseHardSuctionCollapse = nullptr;
  QPushButton* BitBtnHSuctionSetup = nullptr;
  QCheckBox* ChkBoxUseTender = nullptr;
  QPushButton* BitBtnTenderSetup = nullptr;
  QLabel* LblNextArriveTimeDescr = nullptr;
  QLabel* LblNextArriveMins = nullptr;
  QCheckBox* ChkBoxUseFilterClog = nullptr;
  QPushButton* BitBtnFilterClogSetup = nullptr;

  // Sub-panels, each with its OK and Cancel.
  QFrame* PnlFluctuatingSupply = nullptr;
  QLineEdit *EditSplyFluctStart, *EditSplyFluctStop, *EditSplyFluctPercent, *EditFluctSplyTMean;
  QRadioButton *RadioFluctPeriodic, *RadioFluctSporadic;
  QLabel* LblPeriodOrSporadicID = nullptr;
  QFrame* PanelLoseSupply = nullptr;
  QLineEdit* MaskEditShiftStart[3] = {};
  QLineEdit* MaskEditShiftEnd[3] = {};
  QLineEdit* EditShiftPsi[3] = {};
  QLabel* LblNewPsiShiftSupply = nullptr;
  QFrame* PanelLineRupture = nullptr;
  QLineEdit* EditLineRuptureStartTime = nullptr;
  QFrame* PnlLossPrime = nullptr;
  QLineEdit* EditTPrimeLoss[3] = {};
  QFrame* PanelHSuctCollapsing = nullptr;
  QLineEdit* EditHSuctCollapsing = nullptr;
  QLabel* LblHSuctionPsi = nullptr;
  QFrame* PnlTenderSetup = nullptr;
  QLineEdit *EditFirstCallMins, *EditRefillMins, *EditTankCapacityGals;
  QLabel* LblTenderGals = nullptr;
  // OK and Cancel of each sub-panel, by the panel.
  std::map<QFrame*, std::pair<QPushButton*, QPushButton*>> SubPanelButtons;

  QTimer* Timer1 = nullptr;

  // Shows the state in every control.
  void Refresh();

 public slots:
  void FormActivate();
  // The fields that commit when the window loses the focus, in order.
  void FormDeactivate();
  void Timer1Timer();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildSupply();
  void BuildTank();
  void BuildIncidents();
  void BuildSubPanels();
  void Connect();
  void ConnectSubPanels();
  void RefreshCaptions();
  void RefreshRating();
  void RefreshPictures();
  void RefreshDraftSource();
  void RefreshFluctuationStyle();

  void TypeChange(int index);
  void RatedFlowStep(int direction);
  void BitBtnChangeSupplyHoseClick();
  void TankStateClick(int id);
  void WaterTempChange(int value);
  void DraftSourceClick(int source);
  void StartFullClick(bool full);

  // A field's commit; nothing when its text is what the window filled in.
  void CommitField(QLineEdit* edit, SupplySetting setting);
  void CommitFieldNow(QLineEdit* edit, SupplySetting setting);
  // Fills a field and remembers the text as unchanged.
  void Fill(QLineEdit* edit, const QString& text);
  // The state's value of a field, converted, and the value of a typed text.
  double EntryValue(SupplySetting setting, double typed) const;
  QString ShownText(SupplySetting setting) const;
  // Reads a number typed into a field; tells the user and shows the stored
  // text again when it is not one.
  bool TypedNumber(QLineEdit* edit, double& value, const QString& storedText);
  bool Refused(const SupplyCommit& commit);

  // The sub-panels: show one, fill it, and store on OK.
  void ShowSubPanel(QFrame* panel);
  void FillSubPanel(QFrame* panel);
  bool StoreSubPanel(QFrame* panel);
  void SubPanelOk(QFrame* panel);
  void IncidentCheckClick(QCheckBox* box, int record);

  State& s_;
  const Configuration& cfg_;
  const RunContext& run_;
  Host& host_;
  int& currentLine_;
  const ImageLibrary* misc_;
  DialogPictures pictures_;
  bool initialising_ = true;
  bool refreshing_ = false;
  bool committing_ = false;
  bool staticEditing_ = false;
  bool dumpCapacityEditing_ = false;
  std::map<QLineEdit*, QString> filled_;
  QPointer<QMdiSubWindow> sub_;
};

}  // namespace pumpdrill
