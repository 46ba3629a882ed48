// The incident window: the text of a radio call that is read rather than
// heard, with the run time it came at. It is shown without being modal
// and without taking the keyboard from the panel; OK hides it.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "sim/host.h"

namespace pumpdrill {

class TfrmIccDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmIccDlg(QWidget* parent = nullptr);

  QPlainTextEdit* Memo1 = nullptr;
  QLabel* LblCurrSimTime = nullptr;
  QPushButton* OKBtn = nullptr;

  // Shows the call: its caption, its lines and the run time.
  void ShowCall(const IncidentCall& call);
  void OKBtnClick();
};

}  // namespace pumpdrill
