// File > 'Print...' and 'P&rint Setup...': one printer for the whole run of
// the program; the active window of the area printed, the strip chart by
// its own drawing, any other as its picture fitted to the page.
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QScrollArea>

#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "frame/gui/window_print.h"
#include "records/gui/chart_output.h"
#include "records/gui/frm_graph.h"

namespace pumpdrill {

void TfrmMain::ConnectPrintMenu() {
  AskPrint = [](QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Print");
    return dialog.exec() == QDialog::Accepted;
  };
  mPrintSetup->setEnabled(true);
  connect(mPrintSetup, &QAction::triggered, this, &TfrmMain::mPrintSetupClick);
  connect(mPrint, &QAction::triggered, this, &TfrmMain::mPrintClick);
  connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] { UpdatePrintItem(); });
  UpdatePrintItem();
}

void TfrmMain::UpdatePrintItem() {
  QMdiSubWindow* active = mdiArea_->activeSubWindow();
  mPrint->setEnabled(active && active->isVisible());
}

void TfrmMain::mPrintSetupClick() {
  QPageSetupDialog dialog(&ProgramPrinter(), this);
  dialog.setWindowTitle("Print Setup");
  dialog.exec();
}

void TfrmMain::mPrintClick() {
  QMdiSubWindow* active = mdiArea_->activeSubWindow();
  if (!active || !active->isVisible()) return;
  QPrinter& printer = ProgramPrinter();
  if (!AskPrint || !AskPrint(printer, this)) return;
  bool printed;
  if (active == graphWindow_) {
    printed = frmGraph_->PrintTo(printer);
  } else {
    // A setup window lies in a scroll area: the whole form is printed.
    QWidget* window = active->widget();
    if (auto* scroll = qobject_cast<QScrollArea*>(window); scroll && scroll->widget())
      window = scroll->widget();
    printed = PrintWindowPicture(printer, *window, active->windowTitle());
  }
  if (!printed) {
    const QString where =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    host_.Message(MsgType::Error, Buttons::Ok,
                  "The window could not be printed on " + where.toStdString() + ".");
  }
}

}  // namespace pumpdrill
