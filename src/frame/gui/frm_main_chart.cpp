// The strip chart and its plot setup in the main window: the graph button
// (a click shows or hides the chart, a double click opens the plot setup),
// Setup > 'Graph' and Data Records > 'Open...'.
#include <QEvent>
#include <QMdiSubWindow>

#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "records/gui/chart_output.h"
#include "records/gui/frm_graph.h"
#include "records/gui/frm_grph_set.h"
#include "records/plot_setup_edit.h"

namespace pumpdrill {

namespace {

// A double click on the graph button opens the plot setup; it is taken
// here, so that the button does not toggle the chart a second time.
class GraphButtonFilter : public QObject {
 public:
  explicit GraphButtonFilter(TfrmMain& main) : QObject(&main), main_(main) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonDblClick) {
      main_.BtnGraphDblClick();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  TfrmMain& main_;
};

}  // namespace

void TfrmMain::CreateGraphWindow() {
  frmGraph_ = new TfrmGraph(p_, host_);
  graphWindow_ = mdiArea_->addSubWindow(frmGraph_);
  graphWindow_->setObjectName("GraphWindow");
  graphWindow_->setAttribute(Qt::WA_DeleteOnClose, false);  // closing hides it
  graphWindow_->resize(820, 600);
  graphWindow_->hide();
  connect(frmGraph_, &TfrmGraph::CloseRequested, this, [this] { ShowGraph(false); });
  connect(frmGraph_, &TfrmGraph::SetupRequested, this, &TfrmMain::mGraphSetupClick);
  // "Plot Stay on Top": the chart stays above the other windows of the area.
  connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
    if (p_.config.Options.PlotStayOnTop && active != graphWindow_ && graphWindow_->isVisible())
      graphWindow_->raise();
  });
  mGraphSetup->setEnabled(true);
  BtnGraph->installEventFilter(new GraphButtonFilter(*this));
  connect(BtnGraph, &QToolButton::clicked, this, &TfrmMain::BtnGraphClick);
  connect(mGraphSetup, &QAction::triggered, this, &TfrmMain::mGraphSetupClick);
  connect(mDataOpen, &QAction::triggered, this, &TfrmMain::mDataOpenClick);
}

void TfrmMain::ShowGraph(bool shown) {
  if (!shown) {
    graphWindow_->hide();
    UpdatePrintItem();
    return;
  }
  graphWindow_->show();
  graphWindow_->raise();
  mdiArea_->setActiveSubWindow(graphWindow_);
  UpdatePrintItem();
}

void TfrmMain::BtnGraphClick() { ShowGraph(!graphWindow_->isVisible()); }

void TfrmMain::BtnGraphDblClick() {
  ShowGraph(true);
  mGraphSetupClick();
}

void TfrmMain::mGraphSetupClick() {
  if (!frmGrphSet_) {
    frmGrphSet_ = new TfrmGrphSet(host_, this);
    connect(frmGrphSet_, &TfrmGrphSet::Applied, this, &TfrmMain::ApplyPlotSetup);
  }
  if (!frmGrphSet_->isVisible()) {
    std::array<std::string, 20> titles;
    const State& s = p_.S();
    for (int line = 1; line <= kLineCount; ++line) titles[line] = s.DischargeList.LineTitle[line].str();
    frmGrphSet_->Edit(frmGraph_->Setup(), titles, s.DischargeList.LineCount, p_.config.Units);
  }
  frmGrphSet_->show();
  frmGrphSet_->raise();
  frmGrphSet_->activateWindow();
}

void TfrmMain::ApplyPlotSetup() {
  TPlotSetupRec& target = frmGraph_->Setup();
  const bool titleTyped = target.PlotTitle.str() != frmGrphSet_->Working().PlotTitle.str();
  ApplyPlotSetupEdits(target, frmGrphSet_->Working());
  if (titleTyped && !frmGraph_->Browser().Stored()) p_.run.Recording.PlotTitleTyped = true;
  frmGraph_->SetupChanged();
}

void TfrmMain::mDataOpenClick() {
  if (p_.run.SimActive) return;
  const std::string folder = p_.run.Recording.DataDirectory(p_.Dirs().RecordsDirectory);
  std::optional<std::string> chosen = dataFileDialogs_->ChooseOpen(this, folder);
  if (!chosen) return;
  if (frmGraph_->OpenStored(*chosen)) ShowGraph(true);
}

}  // namespace pumpdrill
