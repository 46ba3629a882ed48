// The panel's refresh (every 0.15 s of a run): with nothing changed, and
// with every needle and readout moving, on the default eight-line panel at
// 100 % in its window, drawn as the window system would draw it.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cmath>

#include "frame/program.h"
#include "panel/gui/frm_panel.h"

namespace {

using namespace pumpdrill;

struct PanelBench {
  NullHost host;
  Program program;
  std::unique_ptr<TfrmPanel> panel;
  PanelBench() {
    StartupInfo info;
    info.ProgramPath = std::string(PUMPDRILL_BIN_DIR) + "/pumpdrill";
    info.MainDirectory = std::string(PUMPDRILL_BIN_DIR) + "/..";
    AllocateAndResolve(program, info, host);
    State& s = program.S();
    s.ShowOptions.ShowDigitalPressure = s.ShowOptions.ShowDigitalFlow = 1;
    program.run.SimActive = true;
    panel = std::make_unique<TfrmPanel>(program, host);
    panel->resize(636, 420);
    panel->show();
    panel->RebuildPanel();
    QApplication::processEvents();
  }
  // Draws what the refresh asked to repaint.
  void Paint() { QApplication::processEvents(); }
};

void BM_RefreshPanelUnchanged(benchmark::State& state) {
  PanelBench b;
  for (auto _ : state) {
    b.panel->RefreshPanel();
    b.Paint();
  }
}
BENCHMARK(BM_RefreshPanelUnchanged)->Unit(benchmark::kMicrosecond);

void BM_RefreshPanelEveryNeedleMoving(benchmark::State& state) {
  PanelBench b;
  State& s = b.program.S();
  double step = 0;
  for (auto _ : state) {
    step += 1;
    const double psi = 100 + std::fmod(step * 7, 300);
    for (int n = 1; n <= 8; ++n) {
      s.Discharges[n].DischPress = psi + n;
      s.Discharges[n].Flow = 2 * psi + n;
    }
    s.PumpOutput.DischargePress = psi + 20;
    s.PumpOutput.TotalFlow = 8 * psi;
    s.Supply.IntakePress = std::fmod(step, 60) - 10;
    s.Engine.Rpm = 800 + 3 * psi;
    b.panel->RefreshPanel();
    b.Paint();
  }
}
BENCHMARK(BM_RefreshPanelEveryNeedleMoving)->Unit(benchmark::kMicrosecond);

// The picture cache after the panel has been drawn whole at a zoom (percent
// of the layout's size) on this screen: the scaled pictures, and the
// pictures as read (drawn at 4x). Run it with QT_SCALE_FACTOR=2 for a
// screen of twice the pixel density. The time is that of a forced refresh.
void BM_PictureCache(benchmark::State& state) {
  PanelBench b;
  const double zoom = state.range(0) / 100.0;
  b.panel->resize(static_cast<int>(636 * zoom), static_cast<int>(420 * zoom));
  b.Paint();
  for (auto _ : state) {
    b.panel->RefreshPanel(true);
    b.Paint();
  }
  PanelPictures& pictures = b.panel->Pictures();
  constexpr double kMegabyte = 1024.0 * 1024.0;
  state.counters["zoom"] = b.panel->Zoom();
  state.counters["dpr"] = b.panel->devicePixelRatioF();
  state.counters["cache_MB"] = pictures.CacheBytes() / kMegabyte;
  state.counters["read_MB"] = pictures.SourceBytes() / kMegabyte;
  state.counters["total_MB"] = (pictures.CacheBytes() + pictures.SourceBytes()) / kMegabyte;
}
BENCHMARK(BM_PictureCache)->Arg(60)->Arg(100)->Arg(180)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
