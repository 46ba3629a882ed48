// pumpdrill-panel-cpu: the program's processor use during a flowing run.
//
//   pumpdrill-panel-cpu [SECONDS]
//
// Starts the program as pumpdrill does (main window, panel shown maximised,
// sound when a device exists) in a scratch main directory holding the two
// image libraries, opens the intake and eight lines with their nozzles at
// 1500 RPM from the hydrant, starts the run and lets the program's own
// timer run it for SECONDS (60 by default). Prints the processor time the
// program used as a share of one core. Messages are written to stderr and
// answered OK, No or Cancel, so that nothing waits for a reader. Run it on
// a display (scripts/panel-cpu starts one under Xvfb).
#include <sys/resource.h>

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "frame/program.h"
#include "panel/gui/frm_panel.h"
#include "sim/coefficients.h"
#include "sim/pressure_control.h"
#include "sim/state.h"
#include "sim/valve_change.h"
#include "sound/gui/sound_system.h"
#include "sound/openal/openal_sound_backend.h"

namespace {

using namespace pumpdrill;
namespace fs = std::filesystem;

class UnattendedHost : public WindowHost {
 public:
  Answer Message(MsgType, Buttons buttons, const std::string& text) override {
    std::fprintf(stderr, "message: %s\n", text.c_str());
    if (buttons == Buttons::Ok) return Answer::Ok;
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
  }
  void Notify(MsgType, const std::string& text) override {
    std::fprintf(stderr, "notice: %s\n", text.c_str());
  }
};

double ProcessorSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  auto s = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return s(u.ru_utime) + s(u.ru_stime);
}

fs::path ScratchMainDirectory() {
  const fs::path dir =
      fs::temp_directory_path() / ("pumpdrill-panel-cpu-" + std::to_string(getpid()));
  fs::create_directories(dir);
  for (const char* lib : {"panel04.dll", "misc04.dll"})
    fs::copy_file(fs::path(PUMPDRILL_BIN_DIR) / ".." / lib, dir / lib,
                  fs::copy_options::overwrite_existing);
  return dir;
}

void OpenEightLines(State& s, bool active, Host& host) {
  s.Engine.RpmDemand = 1500;
  LimitRpmDemand(s);
  s.Engine.Rpm = s.Engine.RpmDemand;
  s.Discharges[kIntakeLine].ValveOpen = 1;
  ValveChanged(s, false, kIntakeLine, 1, active, host);
  for (int n = 1; n <= 8; ++n) {
    s.Discharges[n].ValveOpen = 1;
    ValveChanged(s, false, n, 1, active, host);
    s.Discharges[n].NozzleOpen = 1;
    UpdateNozzleK(s, n);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const double seconds = argc > 1 ? std::atof(argv[1]) : 60.0;
  if (!(seconds > 0)) {
    std::fprintf(stderr, "usage: pumpdrill-panel-cpu [SECONDS]\n");
    return 2;
  }
  const fs::path mainDir = ScratchMainDirectory();

  UnattendedHost host;
  Program program;
  StartupInfo info;
  info.ProgramPath = std::string(PUMPDRILL_BIN_DIR) + "/pumpdrill";
  info.MainDirectory = mainDir.string();
  info.WaveDevices = CountWaveDevices();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    info.ScreenWidth = screen->size().width();
    info.ScreenHeight = screen->size().height();
  }
  AllocateAndResolve(program, info, host);
  ReadSettingsAndStartLog(program, info);
  OpenAlSoundBackend soundOutput;
  SoundSystem sound(soundOutput, program.config.Options, host, host);
  host.SetSound(&sound);

  {
    TfrmMain main(program, host, false);
    main.show();
    // Runs the program's event loop for a while (leaving the windows open,
    // as quitting the application would close them).
    auto runFor = [](double s) {
      QEventLoop loop;
      QTimer::singleShot(static_cast<int>(s * 1000), &loop, &QEventLoop::quit);
      loop.exec();
    };
    // Settle: the window shown, the panel built and painted once.
    runFor(1.0);
    main.BtnStart->click();
    OpenEightLines(program.S(), program.run.SimActive, host);
    const double startCpu = ProcessorSeconds();
    const auto startWall = std::chrono::steady_clock::now();
    const double startSim = program.S().SimClock.Time;
    runFor(seconds);
    const double cpu = ProcessorSeconds() - startCpu;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - startWall).count();
    const State& s = program.S();
    const QSize panelSize = main.frmPanel() ? main.frmPanel()->size() : QSize();
    std::printf(
        "flowing run of %.1f s (simulated %.1f s), panel %d x %d at zoom %.2f, sound %s\n"
        "total flow %.0f gpm, master %.1f psi\n"
        "processor: %.2f s = %.2f %% of one core\n",
        wall, s.SimClock.Time - startSim, panelSize.width(), panelSize.height(),
        main.frmPanel() ? main.frmPanel()->Zoom() : 0.0, info.WaveDevices > 0 ? "on" : "off",
        s.PumpOutput.TotalFlow, s.PumpOutput.DischargePress, cpu, 100.0 * cpu / wall);
    std::fflush(stdout);
    if (program.run.SimActive) main.mRunTerminate->trigger();
  }
  std::error_code ec;
  fs::remove_all(mainDir, ec);
  return 0;
}
