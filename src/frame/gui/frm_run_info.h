// Help > 'Run Info': the start-up log of the Ini folder in a read-only
// viewer, read anew each time it is shown, with a button that opens the
// file in the desktop's text editor.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <string>

#include "sim/host.h"

namespace pumpdrill {

// Why the log cannot be shown: "Path not found" (no Ini folder), "File not
// found" (no log), or empty when it can.
std::string RunInfoProblem(const std::string& logPath);

class TfrmRunInfo : public QDialog {
  Q_OBJECT

 public:
  TfrmRunInfo(std::string logPath, Alerts& alerts, QWidget* parent = nullptr);

  // Reads the log again; false (and the failure said) when it cannot.
  bool Reload();

  // Opens a file in the desktop's text editor; tests put their own.
  std::function<bool(const std::string& path)> OpenInEditor;

  QLabel* LblFileName;
  QPlainTextEdit* MemoLog;
  QPushButton* BtnOpenInEditor;
  QPushButton* BtnClose;

 public slots:
  void BtnOpenInEditorClick();

 private:
  void Fail(const std::string& why);
  std::string path_;
  Alerts& alerts_;
};

}  // namespace pumpdrill
