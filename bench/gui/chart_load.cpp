// The program's load while a run is recorded and charted: the main window
// started as the program starts it, 20 curves, a sample every 0.25 s, the
// run going for --seconds of wall-clock time (default 60) with the chart
// shown (or --hidden), then the process CPU time printed. Run it under
// xvfb-run to measure what the program costs on a real display server.
#include <sys/resource.h>

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "frame/program.h"
#include "records/gui/frm_graph.h"
#include "sim/valve_change.h"

namespace {

double CpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pumpdrill;
  double seconds = 60;
  bool hidden = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--hidden")) hidden = true;
    if (!std::strcmp(argv[i], "--seconds") && i + 1 < argc) seconds = std::atof(argv[++i]);
  }
  QApplication app(argc, argv);
  const std::filesystem::path bin = std::filesystem::path(argv[0]).parent_path();
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("pumpdrill-chart-load-" + std::to_string(QCoreApplication::applicationPid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  for (const char* lib : {"panel04.dll", "misc04.dll"}) {
    std::error_code ec;
    std::filesystem::copy_file(bin.parent_path() / lib, dir / lib, ec);
  }
  Program p;
  WindowHost host;
  StartupInfo info;
  info.ProgramPath = (bin / "pumpdrill").string();
  info.MainDirectory = dir.string();
  AllocateAndResolve(p, info, host);
  ReadSettingsAndStartLog(p, info);
  p.config.Options.AskToSaveDataRecord = false;
  TfrmMain main(p, host, false);
  main.show();
  TPlotSetupRec& ps = p.run.Recording.PlotSetup;
  ps.SampleInterval = 0.25;
  for (int e = 0, n = 0; e < kPlotEntryCount && n < 20; ++e, ++n) ps.Entries[e].Plot = 1;
  State& s = p.S();
  for (int line : {kIntakeLine, 1, 2}) {
    s.Discharges[line].ValveOpen = 1;
    ValveChanged(s, false, line, 1, false, host);
  }
  if (!hidden) main.ShowGraph(true);
  main.BtnStart->click();
  const double before = CpuSeconds();
  QTimer::singleShot(static_cast<int>(seconds * 1000), &app, [] { QCoreApplication::exit(0); });
  app.exec();
  const double used = CpuSeconds() - before;
  std::printf("chart %s, %.0f s: process CPU %.3f s = %.2f %% of one core\n", hidden ? "hidden" : "shown",
              seconds, used, 100 * used / seconds);
  main.mRunTerminate->trigger();
  std::filesystem::remove_all(dir);
  return 0;
}
