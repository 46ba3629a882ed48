// The nozzle setup: chooses the nozzle at the end of one discharge line
// from the catalogue (smooth bore, automatic or adjustable-gallonage fog,
// handline or master stream), its bore or size, its gallonage, mounting,
// description and initial height. Works on a copy; OK writes the line.
#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <string>

#include "panel/image_library.h"
#include "setup/gui/dialog_pictures.h"
#include "setup/nozzle_setup.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;
struct Configuration;

class TfrmNzSetup : public QDialog {
  Q_OBJECT

 public:
  // line: the current line (outside 1 to 15 taken as 1); misc: the
  // program's other-images library (may be null: no pictures).
  TfrmNzSetup(State& s, const Configuration& cfg, int line, Host& host, const ImageLibrary* misc,
              QWidget* parent = nullptr);

  const NozzleSetup& Setup() const { return setup_; }

  QLabel* LblHandline = nullptr;
  QLabel* LblMasterStream = nullptr;
  QListWidget* ListBoxNzType = nullptr;
  QLabel* LblNzAttrCaption = nullptr;
  QListWidget* ListBoxNzBorePsiAttrs = nullptr;
  QLabel* LblTipFlow = nullptr;
  QLabel* LblGallSelect = nullptr;
  QComboBox* ComboGallSelect = nullptr;
  QGroupBox* PnlRadio = nullptr;
  QRadioButton* RadioDeckGun = nullptr;
  QRadioButton* RadioPortable = nullptr;
  QRadioButton* RadioElevated = nullptr;
  QLabel* ImgNozzle = nullptr;
  QLabel* LblInitNzHt = nullptr;
  QLineEdit* EditNzHeight = nullptr;
  QToolButton* SpinButton1Up = nullptr;  // SpinButton1's two halves
  QToolButton* SpinButton1Down = nullptr;
  QLabel* LblNzDescription = nullptr;
  QLineEdit* EditNzDescription = nullptr;
  QPushButton* BtnOK = nullptr;
  QPushButton* BtnCancel = nullptr;

 public slots:
  void ListBoxNzTypeClick(int row);
  void ListBoxNzBorePsiAttrsClick(int item);
  void ComboGallSelectChange(int item);
  void RadioMountingClick(int tag);
  void SpinButton1Click(int steps);
  void EditNzHeightExit();
  void BtnOKClick();

 protected:
  void showEvent(QShowEvent* event) override;  // FormShow, FormActivate
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void Refresh();
  void ShowPicture();
  void PlaceSectionLabels();

  State& s_;
  const Configuration& cfg_;
  Host& host_;
  DialogPictures pictures_;
  NozzleSetup setup_;
  QButtonGroup* mountings_ = nullptr;
  std::string picture_;  // the picture last asked for
  bool initialising_ = true;
  bool filling_ = false;
};

}  // namespace pumpdrill
