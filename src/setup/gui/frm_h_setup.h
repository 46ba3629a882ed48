// The line setup: one line's title, connection, hose material, layout
// (single length, siamese or wye), hose lengths and diameters, siamese
// inlets and end elevations. Works on a private copy of the line; OK checks
// it and writes it back.
#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <map>
#include <string>

#include "panel/image_library.h"
#include "setup/gui/dialog_pictures.h"
#include "setup/hose_setup.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;
struct Configuration;

class TfrmHSetup : public QDialog {
  Q_OBJECT

 public:
  // line: the current line, 1 to 18; misc: the program's other-images
  // library (may be null: no pictures).
  TfrmHSetup(State& s, const Configuration& cfg, int line, Host& host, const ImageLibrary* misc,
             QWidget* parent = nullptr);

  const HoseSetup& Setup() const { return setup_; }

  QLabel* LblHDescription = nullptr;
  QLineEdit* EditHDescription = nullptr;
  QGroupBox* RadioHConnected = nullptr;
  QRadioButton* RadioConnected = nullptr;
  QRadioButton* RadioDisconnected = nullptr;
  QGroupBox* RadioHMaterialType = nullptr;
  QRadioButton* RadioSoftSleeve = nullptr;
  QRadioButton* RadioRigidPipe = nullptr;
  QRadioButton* RadioHardSuction = nullptr;
  QLabel* LblHConfig = nullptr;
  QComboBox* CBoxHConfig = nullptr;
  QGroupBox* PanelHoseConfig = nullptr;
  QLabel* ImgHoseConfig = nullptr;
  QLabel* LblHoseLeft = nullptr;
  QLabel* LblLengthLeft = nullptr;
  QComboBox* CBoxHLenLeft = nullptr;
  QLabel* LblDiamLeft = nullptr;
  QComboBox* CBoxHDiamLeft = nullptr;
  QFrame* BevelVertical = nullptr;
  QLabel* LblHoseRt = nullptr;
  QLabel* LblLengthRt = nullptr;
  QComboBox* CBoxHLenRt = nullptr;
  QLabel* LblDiamRt = nullptr;
  QComboBox* CBoxHDiamRt = nullptr;
  QLabel* LblInletsConnected = nullptr;
  QComboBox* CBoxInlet1 = nullptr;
  QComboBox* CBoxInlet2 = nullptr;
  QLabel* LblOutletsConnected = nullptr;
  QComboBox* CBoxOutlet1 = nullptr;
  QLabel* LblInletElev = nullptr;
  QLineEdit* EditInletElev = nullptr;
  QLabel* LblOutletElev = nullptr;
  QLineEdit* EditOutletElev = nullptr;
  QLabel* ImgNzPic = nullptr;
  QLabel* LblLineSummary = nullptr;
  QPushButton* BtnOK = nullptr;
  QPushButton* BtnCancel = nullptr;

 public slots:
  void CBoxHConfigChange(int layout);
  void RadioHMaterialTypeClick(int kind);
  void RadioHConnectedClick(int item);
  void CBoxInletChange(int k, int item);
  void BtnOKClick();

 protected:
  void showEvent(QShowEvent* event) override;  // FormActivate
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void BuildHosePanel();
  void ShowNozzlePicture();
  void ShowEnds();
  void FillLists();
  void Refresh();
  // The text of field f's control; commits it (when it differs from what
  // the copy shows) and reports a refused text.
  QString FieldControlText(HoseField f) const;
  bool CommitField(HoseField f, const char* prefix = "");
  void FieldEdited(HoseField f);
  bool LosingFocusToButtons() const;

  State& s_;
  const Configuration& cfg_;
  Host& host_;
  DialogPictures pictures_;
  HoseSetup setup_;
  QButtonGroup* connection_ = nullptr;
  QButtonGroup* material_ = nullptr;
  std::string picture_;     // the arrangement picture shown (its Tag)
  bool endsFixed_ = false;  // lines 16 to 18: the inlet and outlet are named
  bool initialising_ = true;
  bool filling_ = false;
  bool committing_ = false;
};

}  // namespace pumpdrill
