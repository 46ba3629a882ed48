#include "frame/gui/frm_run_info.h"

#include <QDesktopServices>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>
#include <system_error>

namespace pumpdrill {

std::string RunInfoProblem(const std::string& logPath) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path path(logPath);
  if (!fs::is_directory(path.parent_path(), ec)) return "Path not found";
  if (!fs::is_regular_file(path, ec)) return "File not found";
  return {};
}

TfrmRunInfo::TfrmRunInfo(std::string logPath, Alerts& alerts, QWidget* parent)
    : QDialog(parent), path_(std::move(logPath)), alerts_(alerts) {
  setObjectName("frmRunInfo");
  setWindowTitle("Run Info");
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  resize(600, 460);
  OpenInEditor = [](const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
  };
  LblFileName = new QLabel(QString::fromStdString(path_), this);
  LblFileName->setObjectName("LblFileName");
  LblFileName->setTextInteractionFlags(Qt::TextSelectableByMouse);
  LblFileName->setToolTip("the start-up log written at each start of the program");
  MemoLog = new QPlainTextEdit(this);
  MemoLog->setObjectName("MemoLog");
  MemoLog->setReadOnly(true);
  MemoLog->setLineWrapMode(QPlainTextEdit::NoWrap);
  MemoLog->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  BtnOpenInEditor = new QPushButton("Open in Text Editor", this);
  BtnOpenInEditor->setObjectName("BtnOpenInEditor");
  BtnOpenInEditor->setToolTip("open the log in the desktop's text editor");
  BtnClose = new QPushButton("Close", this);
  BtnClose->setObjectName("BtnClose");
  BtnClose->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BtnOpenInEditor);
  buttons->addStretch(1);
  buttons->addWidget(BtnClose);
  auto* all = new QVBoxLayout(this);
  all->addWidget(LblFileName);
  all->addWidget(MemoLog, 1);
  all->addLayout(buttons);
  connect(BtnOpenInEditor, &QPushButton::clicked, this, &TfrmRunInfo::BtnOpenInEditorClick);
  connect(BtnClose, &QPushButton::clicked, this, &QDialog::close);
}

void TfrmRunInfo::Fail(const std::string& why) {
  alerts_.Message(MsgType::Confirmation, Buttons::Ok, "Error executing " + path_ + " :" + why);
}

bool TfrmRunInfo::Reload() {
  const std::string problem = RunInfoProblem(path_);
  QFile file(QString::fromStdString(path_));
  if (!problem.empty() || !file.open(QIODevice::ReadOnly)) {
    Fail(problem.empty() ? "File not found" : problem);
    return false;
  }
  MemoLog->setPlainText(QString::fromUtf8(file.readAll()));
  return true;
}

void TfrmRunInfo::BtnOpenInEditorClick() {
  const std::string problem = RunInfoProblem(path_);
  if (!problem.empty()) {
    Fail(problem);
    return;
  }
  if (!OpenInEditor || !OpenInEditor(path_)) Fail("error executing application");
}

}  // namespace pumpdrill
