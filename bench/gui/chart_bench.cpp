// The strip chart's drawing: one new sample added to the page (4 and 20
// curves) and the whole page of 125 samples with 20 curves drawn again, in
// an 800 x 500 chart, as the window draws them into its page picture.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <vector>

#include "records/gui/chart_painter.h"
#include "records/plot_setup_edit.h"
#include "records/recording_state.h"

namespace {

using namespace pumpdrill;

constexpr QSize kChartSize(800, 500);

TPlotSetupRec SetupWith(int curves) {
  TPlotSetupRec ps{};
  ps.PageLength = 60, ps.PressMax = 600, ps.FlowMax = 1750, ps.RpmMin = 700, ps.RpmMax = 3700;
  for (int i = 0; i < kPlotEntryCount; ++i) ps.Entries[i].Plot = 0;
  for (int i = 0; i < curves; ++i) {
    TPlotEntryRec& e = ps.Entries[i];
    e.Plot = 1;
    e.UnitType = i % 2 ? kPlotFlow : kPlotPressure;
    e.Colour = 0x800000u + static_cast<unsigned>(i) * 0x0A0B0Cu;
    e.Pattern = static_cast<Byte>(i % 5);
    e.Symbol = static_cast<Byte>(i % 5);
    e.Name = "Line";
  }
  ps.Entries[kEntryEngineRpm].UnitType = kPlotEngineSpeed;
  return ps;
}

std::vector<TDataSampleRec> Page() {
  std::vector<TDataSampleRec> page(kPageSlots);
  for (int i = 0; i < kPageSlots; ++i) {
    TDataSampleRec& d = page[i];
    d.Time = i * 0.48;
    const double wave = std::sin(i * 0.1);
    d.PumpPress = 150 + 40 * wave, d.TotalFlow = 800 + 200 * wave, d.IntakePress = 60 - 10 * wave;
    d.SupplyFlow = 790 + 190 * wave, d.EngineRpm = 1500 + 300 * wave;
    for (TDataSampleLine& l : d.Lines) l = {100 + 50 * wave, 140 + 30 * wave, 100 + 20 * wave};
  }
  return page;
}

ChartPageView ViewOf(const TPlotSetupRec& ps, const std::vector<TDataSampleRec>& page) {
  ChartPageView v;
  v.Setup = &ps;
  v.Samples = page.data();
  v.Count = page.size();
  return v;
}

void BM_ChartAddPoint(benchmark::State& state) {
  const TPlotSetupRec ps = SetupWith(static_cast<int>(state.range(0)));
  const std::vector<TDataSampleRec> page = Page();
  const ChartPageView view = ViewOf(ps, page);
  QImage image(kChartSize, QImage::Format_ARGB32_Premultiplied);
  const ChartLayout layout = LayOutChart(view, kChartSize, false);
  {
    QPainter p(&image);
    PaintChart(p, view, layout);
  }
  std::size_t i = 1;
  for (auto _ : state) {
    QPainter p(&image);
    p.setClipRect(layout.Plot);
    benchmark::DoNotOptimize(PaintNewSegments(p, view, layout, page[i - 1], page[i]));
    i = i + 1 < page.size() ? i + 1 : 1;
  }
}
BENCHMARK(BM_ChartAddPoint)->Arg(4)->Arg(20)->Unit(benchmark::kMicrosecond);

void BM_ChartRepaintFullPage(benchmark::State& state) {
  const TPlotSetupRec ps = SetupWith(20);
  const std::vector<TDataSampleRec> page = Page();
  const ChartPageView view = ViewOf(ps, page);
  QImage image(kChartSize, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter p(&image);
    PaintChart(p, view, LayOutChart(view, kChartSize, false));
  }
}
BENCHMARK(BM_ChartRepaintFullPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
