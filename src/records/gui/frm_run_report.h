// The run report window: the report of the last run against its answer
// key, as text an instructor reads out, printed through the program's
// printer or saved as a PDF. Shown at Terminate and from Data Records >
// 'Run Report...'.
#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <functional>
#include <optional>
#include <string>

#include "records/run_report.h"
#include "sim/host.h"

namespace pumpdrill {

// Writes text to a PDF at path through a temporary file renamed over it
// only once whole. Returns false with the reason.
bool SaveReportPdf(const std::string& text, const QString& path, QString& reason);

// Prints text in a fixed font on printer; false when printing could not begin.
bool PrintReportText(QPrinter& printer, const std::string& text);

class TfrmRunReport : public QDialog {
  Q_OBJECT

 public:
  TfrmRunReport(Alerts& alerts, QWidget* parent = nullptr);

  void SetReport(const RunReport& report);
  const std::string& Text() const { return text_; }
  // The folder and name the PDF is proposed in.
  void SetProposedPdf(std::string path) { proposedPdf_ = std::move(path); }

  // The print dialog and the save dialog; tests put their own.
  std::function<bool(QPrinter& printer, QWidget* parent)> AskPrint;
  std::function<std::optional<QString>(QWidget* parent, const QString& proposed)> ChoosePdf;
  // The printer it prints on (the program's).
  std::function<QPrinter&()> Printer;

  QPlainTextEdit* MemoReport;
  QPushButton* BtnPrint;
  QPushButton* BtnSavePdf;
  QPushButton* BtnClose;

 public slots:
  void BtnPrintClick();
  void BtnSavePdfClick();

 private:
  void BuildControls();
  Alerts& alerts_;
  std::string text_;
  std::string proposedPdf_;
};

}  // namespace pumpdrill
