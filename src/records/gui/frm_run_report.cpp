#include "records/gui/frm_run_report.h"

#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QTextDocument>
#include <QVBoxLayout>

#include "records/gui/chart_output.h"

namespace pumpdrill {

namespace {

QTextDocument* ReportDocument(const std::string& text, QObject* parent) {
  auto* doc = new QTextDocument(parent);
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(9);
  doc->setDefaultFont(font);
  doc->setPlainText(QString::fromStdString(text));
  return doc;
}

}  // namespace

bool PrintReportText(QPrinter& printer, const std::string& text) {
  QObject owner;
  QTextDocument* doc = ReportDocument(text, &owner);
  doc->print(&printer);
  return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

bool SaveReportPdf(const std::string& text, const QString& path, QString& reason) {
  const QString part = path + ".part";
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setOutputFileName(part);
    if (!PrintReportText(printer, text)) {
      QFile::remove(part);
      reason = "the PDF could not be begun";
      return false;
    }
  }
  QFile written(part);
  if (!written.exists() || written.size() == 0) {
    QFile::remove(part);
    reason = "nothing was written";
    return false;
  }
  if (QFile::exists(path) && !QFile::remove(path)) {
    QFile::remove(part);
    reason = "the old file cannot be replaced";
    return false;
  }
  if (!QFile::rename(part, path)) {
    QFile::remove(part);
    reason = "the file cannot be renamed into place";
    return false;
  }
  return true;
}

TfrmRunReport::TfrmRunReport(Alerts& alerts, QWidget* parent) : QDialog(parent), alerts_(alerts) {
  setObjectName("frmRunReport");
  setWindowTitle("Run Report");
  setModal(false);
  resize(760, 600);
  AskPrint = [](QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Print");
    return dialog.exec() == QDialog::Accepted;
  };
  ChoosePdf = [](QWidget* parent, const QString& proposed) -> std::optional<QString> {
    // The dialog asks before it replaces a file.
    const QString chosen = QFileDialog::getSaveFileName(parent, "Save Run Report as PDF", proposed,
                                                        "PDF Files (*.pdf)");
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
  };
  Printer = []() -> QPrinter& { return ProgramPrinter(); };
  BuildControls();
}

void TfrmRunReport::BuildControls() {
  MemoReport = new QPlainTextEdit(this);
  MemoReport->setObjectName("MemoReport");
  MemoReport->setReadOnly(true);
  // Long deduction lines wrap at the window's edge.
  MemoReport->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  MemoReport->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  BtnPrint = new QPushButton("Print...", this);
  BtnPrint->setObjectName("BtnPrint");
  BtnPrint->setToolTip("print the report on the program's printer");
  BtnSavePdf = new QPushButton("Save as PDF...", this);
  BtnSavePdf->setObjectName("BtnSavePdf");
  BtnSavePdf->setToolTip("save the report as a PDF file");
  BtnClose = new QPushButton("Close", this);
  BtnClose->setObjectName("BtnClose");
  BtnClose->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BtnPrint);
  buttons->addWidget(BtnSavePdf);
  buttons->addStretch(1);
  buttons->addWidget(BtnClose);
  auto* all = new QVBoxLayout(this);
  all->addWidget(MemoReport, 1);
  all->addLayout(buttons);
  connect(BtnPrint, &QPushButton::clicked, this, &TfrmRunReport::BtnPrintClick);
  connect(BtnSavePdf, &QPushButton::clicked, this, &TfrmRunReport::BtnSavePdfClick);
  connect(BtnClose, &QPushButton::clicked, this, &QDialog::close);
}

void TfrmRunReport::SetReport(const RunReport& report) {
  text_ = RunReportText(report);
  MemoReport->setPlainText(QString::fromStdString(text_));
}

void TfrmRunReport::BtnPrintClick() {
  QPrinter& printer = Printer();
  if (!AskPrint || !AskPrint(printer, this)) return;
  if (!PrintReportText(printer, text_)) {
    const QString where =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    alerts_.Message(MsgType::Error, Buttons::Ok,
                    "The run report could not be printed on " + where.toStdString() + ".");
  }
}

void TfrmRunReport::BtnSavePdfClick() {
  if (!ChoosePdf) return;
  const std::optional<QString> path = ChoosePdf(this, QString::fromStdString(proposedPdf_));
  if (!path) return;
  QString reason;
  if (!SaveReportPdf(text_, *path, reason))
    alerts_.Message(MsgType::Error, Buttons::Ok,
                    "The run report could not be saved as \"" + path->toStdString() +
                        "\": " + reason.toStdString() + ".");
}

}  // namespace pumpdrill
