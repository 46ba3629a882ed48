// Data Records > Students in the main window: 'Login' runs the operator
// login (refused while the students window is open), 'Configure/View'
// opens the students window or brings it to the front; the menu bar's
// operator item names the logged-in student.
#include <QMdiSubWindow>

#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "records/gui/frm_graph.h"
#include "records/gui/frm_recs.h"
#include "records/gui/student_prompts.h"
#include "records/student_commands.h"

namespace pumpdrill {

// A closed window lingers until its deletion is processed: it counts as closed.
QMdiSubWindow* TfrmMain::recsWindow() const {
  return recsWindow_ && !recsWindow_->isHidden() ? recsWindow_.data() : nullptr;
}
TfrmRecs* TfrmMain::frmRecs() const { return recsWindow() ? frmRecs_.data() : nullptr; }

void TfrmMain::ConnectStudents() {
  mStudentsLogin->setEnabled(true);
  mStudentsConfigure->setEnabled(true);
  connect(mStudentsLogin, &QAction::triggered, this, &TfrmMain::mStudentsLoginClick);
  connect(mStudentsConfigure, &QAction::triggered, this, &TfrmMain::mStudentsConfigureClick);
  RefreshOperatorItem();
}

void TfrmMain::mStudentsLoginClick() {
  if (recsWindow()) {
    host_.Message(MsgType::Information, Buttons::Ok,
                  "Close the student configuration window before login.");
    return;
  }
  DialogStudentPrompts prompts(this);
  StudentsContext c{p_.S(), p_.config, p_.run, host_, prompts};
  OperatorLogin(c);
  RefreshOperatorItem();
}

void TfrmMain::mStudentsConfigureClick() {
  if (!recsWindow()) {
    frmRecs_ = new TfrmRecs(p_, host_);
    recsWindow_ = mdiArea_->addSubWindow(
        frmRecs_, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                      Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    recsWindow_->setObjectName("RecsWindow");
    recsWindow_->setAttribute(Qt::WA_DeleteOnClose, true);
    recsWindow_->resize(610, 460);
    connect(frmRecs_, &TfrmRecs::OperatorChanged, this, &TfrmMain::RefreshOperatorItem);
    connect(frmRecs_, &TfrmRecs::ViewRequested, this, [this](const QString& path) {
      if (frmGraph_ && frmGraph_->OpenStored(path.toStdString())) ShowGraph(true);
    });
  }
  recsWindow_->show();
  recsWindow_->raise();
  mdiArea_->setActiveSubWindow(recsWindow_);
}

void TfrmMain::CloseStudentsWindow() {
  if (!recsWindow()) return;
  if (frmRecs_) frmRecs_->CommitComment();
  recsWindow_->close();
}

void TfrmMain::RefreshOperatorItem() {
  const std::string name = OperatorShownName(p_.run);
  mOperator->setVisible(!name.empty());
  mOperator->setText(QString::fromStdString("     Operator:  " + name));
}

void WindowHost::CloseStudentsWindow() {
  if (TfrmMain* main = MainWindow()) main->CloseStudentsWindow();
}

}  // namespace pumpdrill
