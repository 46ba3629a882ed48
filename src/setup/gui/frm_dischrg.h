// The discharge lines window: the instructor's overview of the pump's
// discharge lines, one row per line with its hose arrangement and its
// nozzle. From it the instructor picks the active line, opens the line and
// nozzle setups, the tank lines' setups and the friction loss adjustment,
// and sets the hose uncoupling incident. A child window of the main window,
// shown maximised under the 'Discharges' tab.
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedLayout>
#include <set>
#include <string>
#include <vector>

#include "panel/image_library.h"
#include "setup/discharge_rows.h"
#include "setup/gui/dialog_pictures.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;
struct Configuration;
class TfrmDischrg;

// A row's hose box or nozzle box (PBoxHoseOrig, PBoxNzOrig, PBoxHose2, ...),
// painted from what the window laid out for it.
class DischargeBox : public QWidget {
 public:
  DischargeBox(TfrmDischrg& window, int line, bool hose, QWidget* parent);
  int Line() const { return line_; }
  bool IsHoseBox() const { return hose_; }
  void Show(RowKind kind, const HoseBoxText& hose, const NozzleBoxText& nozzle, const QPixmap& picture,
            bool active);
  const HoseBoxText& HoseTexts() const { return hoseText_; }
  const NozzleBoxText& NozzleTexts() const { return nozzleText_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void PaintHose(QPainter& p);
  void PaintNozzle(QPainter& p);

  TfrmDischrg& window_;
  int line_;
  bool hose_;
  RowKind kind_ = RowKind::Connected;
  HoseBoxText hoseText_;
  NozzleBoxText nozzleText_;
  QPixmap picture_;
  bool active_ = false;
};

class TfrmDischrg : public QWidget {
  Q_OBJECT

 public:
  // currentLine: the main window's current line, shared with the setups;
  // iniFile: the configuration file the friction adjustment saves to.
  TfrmDischrg(State& s, Configuration& cfg, Host& host, const ImageLibrary* misc, int& currentLine,
              std::string iniFile, QWidget* parent = nullptr);
  ~TfrmDischrg() override;  // FormDestroy

  QLabel* LblActiveLine = nullptr;
  QPushButton* BitBtnHoseOrig = nullptr;
  QPushButton* BitBtnNozzOrig = nullptr;
  QPushButton* BitBtnTankFillChange = nullptr;
  QPushButton* BitBtnTankToPump = nullptr;
  QPushButton* BitBtnHoseFrictionAdjust = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  QWidget* RowsPanel = nullptr;  // inside ScrollBox1
  DischargeBox* PBoxHoseOrig = nullptr;
  DischargeBox* PBoxNzOrig = nullptr;
  // The hose and nozzle boxes of every line, line 1's first.
  std::vector<DischargeBox*> HoseBoxes;
  std::vector<DischargeBox*> NozzleBoxes;

  // The hose uncoupling incident.
  QFrame* PanelMain = nullptr;
  QCheckBox* CheckBoxUseUncoupledLine = nullptr;
  QLabel* LblHUncouplingDescr = nullptr;
  QLabel* LblIncidentHoseName = nullptr;
  QPushButton* BitBtnHUncoupleSetup = nullptr;
  QFrame* PanelHoseDecouple = nullptr;
  QLabel* LblHUncouplingSetup = nullptr;
  QLabel* LblDecoupleStart = nullptr;  // 'uncouple at:'
  QLineEdit* MaskEditDecoupleStart1 = nullptr;
  QPushButton* BtnDecoupleOK = nullptr;
  QPushButton* BtnDecoupleCancel = nullptr;

  int CurrentLine() const { return currentLine_; }
  const std::vector<DischargeRow>& Rows() const { return rows_; }

  // A box was clicked or double-clicked.
  void BoxClick(int line);
  void HoseBoxDblClick(int line);
  void NozzleBoxDblClick(int line);

 public slots:
  void FormActivate();
  void BitBtnHoseOrigClick();
  void BitBtnNozzOrigClick();
  void BitBtnTankLineClick(int line);
  void BitBtnHoseFrictionAdjustClick();
  void CheckBoxUseUncoupledLineClick();
  void BitBtnHUncoupleSetupClick();
  void BtnDecoupleOKClick();
  void BtnDecoupleCancelClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildIncidentPanel();
  void CreateBoxes();
  // Lays the rows out again from the state and gives each box its texts and
  // picture; an undefined connection is told once per opening.
  void LayOutRows();
  void MakeActive(int line);
  void RefreshIncident();
  void OpenHoseSetup(int line);
  void OpenNozzleSetup(int line);
  void SetupReturned(int line);

  State& s_;
  Configuration& cfg_;
  Host& host_;
  const ImageLibrary* misc_;
  int& currentLine_;
  std::string iniFile_;
  DialogPictures pictures_;
  std::vector<DischargeRow> rows_;
  std::set<int> reported_;
  QStackedLayout* incidentStack_ = nullptr;
  bool initialising_ = true;
  bool refreshingIncident_ = false;
};

}  // namespace pumpdrill
