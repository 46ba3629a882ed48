// The recording's notifications to the strip chart.
#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "records/gui/frm_graph.h"

namespace pumpdrill {

namespace {

TfrmGraph* Chart(TfrmMain* main) { return main ? main->frmGraph() : nullptr; }

}  // namespace

void WindowHost::ChartAddPoint() {
  if (TfrmGraph* g = Chart(main_)) g->AddPoint();
}

void WindowHost::ChartRepaint() {
  if (TfrmGraph* g = Chart(main_)) g->RepaintPage();
}

void WindowHost::ChartInfoChanged() {
  if (TfrmGraph* g = Chart(main_)) g->RefreshInfo();
}

void WindowHost::ChartFinished() {
  if (TfrmGraph* g = Chart(main_)) g->Finish();
}

}  // namespace pumpdrill
