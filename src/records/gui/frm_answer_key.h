// The answer key editor: the instructor's dialog for the key beside the
// current Evolution (NAME.KEY): the scored time, the intake floor and the
// hose test pressure, what must never happen, and each scored line's
// nozzle pressure, tolerance and time to water. OK writes the key (keeping
// the comments of a key written by hand); Cancel leaves it as it was.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTableWidget>
#include <array>
#include <string>
#include <vector>

#include "frame/units.h"
#include "records/answer_key.h"
#include "sim/host.h"

namespace pumpdrill {

class TfrmAnswerKey : public QDialog {
  Q_OBJECT

 public:
  // lineTitles: the title of each line 1..lineCount. Pressures are shown
  // and entered in units; the key keeps psi.
  TfrmAnswerKey(std::string path, std::vector<std::string> lineTitles, const DisplayUnits& units,
                Alerts& alerts, QWidget* parent = nullptr);

  // The controls from a key (a missing key shows the defaults with no line
  // scored) and a key from the controls.
  void Show(const AnswerKey& key);
  AnswerKey Edited() const;
  const std::string& Path() const { return path_; }

  QDoubleSpinBox* EditDuration;
  QDoubleSpinBox* EditIntakeFloor;
  QDoubleSpinBox* EditHoseTest;
  std::array<QCheckBox*, kNeverCount> ChkNever{};
  QTableWidget* GridLines;  // per line: scored, nozzle pressure, tolerance, water by
  QPushButton* BtnOk;
  QPushButton* BtnCancel;

 public slots:
  void BtnOkClick();

 private:
  void BuildControls();
  QDoubleSpinBox* Cell(int row, int column) const;
  QDoubleSpinBox* PressureSpin(QWidget* parent, double loPsi, double hiPsi, int psiDecimals);
  void ShowPressure(QDoubleSpinBox* box, double psi);
  double EnteredPsi(const QDoubleSpinBox* box) const;
  std::string path_;
  DisplayUnits units_;
  std::vector<std::string> titles_;
  Alerts& alerts_;
};

}  // namespace pumpdrill
