#include "sound/gui/frm_icc_dlg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pumpdrill {

TfrmIccDlg::TfrmIccDlg(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
  setObjectName("frmIccDlg");
  setWindowTitle("Incident");
  setModal(false);
  // The trainee goes on working the panel while the call is read.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);

  auto* timeCaption = new QLabel("Run time:", this);
  LblCurrSimTime = new QLabel("00:00", this);
  LblCurrSimTime->setObjectName("LblCurrSimTime");
  QFont clock = LblCurrSimTime->font();
  clock.setBold(true);
  clock.setPointSizeF(clock.pointSizeF() * 1.3);
  LblCurrSimTime->setFont(clock);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  QFont text = Memo1->font();
  text.setPointSizeF(text.pointSizeF() * 1.15);
  Memo1->setFont(text);

  OKBtn = new QPushButton("OK", this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setFocusPolicy(Qt::NoFocus);
  OKBtn->setAutoDefault(false);
  connect(OKBtn, &QPushButton::clicked, this, &TfrmIccDlg::OKBtnClick);

  auto* top = new QHBoxLayout;
  top->addWidget(timeCaption);
  top->addWidget(LblCurrSimTime);
  top->addStretch(1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(OKBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Memo1, 1);
  layout->addLayout(bottom);
  resize(380, 220);
}

void TfrmIccDlg::ShowCall(const IncidentCall& call) {
  if (!call.Caption.empty()) setWindowTitle(QString::fromStdString(call.Caption));
  QStringList lines;
  for (const std::string& line : call.Lines) lines << QString::fromStdString(line);
  Memo1->setPlainText(lines.join('\n'));
  LblCurrSimTime->setText(QString::fromStdString(call.Time));
  show();
  raise();
}

void TfrmIccDlg::OKBtnClick() { hide(); }

}  // namespace pumpdrill
