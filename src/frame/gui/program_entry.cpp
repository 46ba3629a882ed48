#include "frame/gui/program_entry.h"

#include <QApplication>
#include <QScreen>

#include <cstdint>
#include <cstdio>
#include <string>

#include "frame/gui/frm_main.h"
#include "frame/gui/hint_display.h"
#include "frame/gui/program_icon.h"
#include "frame/gui/window_host.h"
#include "frame/program.h"
#include "frame/single_instance.h"
#include "frame/version.h"
#include "sound/gui/sound_system.h"
#include "sound/openal/openal_sound_backend.h"

namespace pumpdrill {

namespace {

const char* kUsage =
    "Usage: pumpdrill [options]\n"
    "The pump operator training simulator.\n\n"
    "  --no-splash       start without the splash window\n"
    "  --main-dir DIR    use DIR as the main directory (Evols, Panels, Snd, Recs,\n"
    "                    Ini, ...) instead of the usual one: for an installed\n"
    "                    program $XDG_DATA_HOME/tidewarden-pumpdrill (by default\n"
    "                    ~/.local/share/tidewarden-pumpdrill) or the shared folder\n"
    "                    of /etc/tidewarden-pumpdrill.conf, otherwise the folder\n"
    "                    found from the program's own place\n"
    "  --help            show this help and exit\n"
    "  --version         show the version and exit\n";

}  // namespace

CommandLine ParseCommandLine(int argc, char** argv) {
  CommandLine c;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--no-splash") {
      c.ShowSplash = false;
    } else if (arg == "--main-dir") {
      if (i + 1 >= argc) {
        c.Error = "--main-dir needs a directory";
        break;
      }
      c.MainDirectory = argv[++i];
    } else if (arg.rfind("--main-dir=", 0) == 0) {
      c.MainDirectory = arg.substr(11);
    } else if (arg == "--help" || arg == "-h") {
      c.Help = true;
    } else if (arg == "--version") {
      c.Version = true;
    } else {
      c.Error = "unknown option '" + arg + "'";
      break;
    }
  }
  return c;
}

int RunProgram(int argc, char** argv) {
  QApplication app(argc, argv);  // takes the Qt options off the command line
  CommandLine cmd = ParseCommandLine(argc, argv);
  if (!cmd.Error.empty()) {
    std::fprintf(stderr, "pumpdrill: %s (try --help)\n", cmd.Error.c_str());
    return 2;
  }
  if (cmd.Help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (cmd.Version) {
    std::fputs(VersionReport("pumpdrill").c_str(), stdout);
    return 0;
  }

  WindowHost host;
  Program program;
  StartupInfo info;
  info.ProgramPath = QCoreApplication::applicationFilePath().toStdString();
  info.MainDirectory = cmd.MainDirectory;
  TakeUserFolders(info);
  info.WaveDevices = CountWaveDevices();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    info.ScreenWidth = screen->size().width();
    info.ScreenHeight = screen->size().height();
  }
  if (!AllocateAndResolve(program, info, host)) return 1;
  // Each session plays its chance events differently.
  program.run.Random.Seed(static_cast<std::uint64_t>(host.MonotonicSeconds() * 1e6));

  // One program per installation. Checked before the start-up log is begun,
  // so that a refused second start leaves the running program's log alone.
  SingleInstanceLock lock;
  if (!AcquireSingleInstance(program, lock, host)) return 1;

  ReadSettingsAndStartLog(program, info);
  SetHintDisplay(program.config.Options.ShowAllHints);
  QGuiApplication::setApplicationDisplayName(QString::fromStdString(ApplicationTitle()));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.tidewarden.Pumpdrill"));
  QGuiApplication::setWindowIcon(ProgramIcon(QCoreApplication::applicationDirPath()));

  // The sound lives as long as the main window, which starts it.
  OpenAlSoundBackend soundOutput;
  SoundSystem sound(soundOutput, program.config.Options, host, host);
  host.SetSound(&sound);

  TfrmMain main(program, host, cmd.ShowSplash);
  // The other windows join here in this order as they are built: graph,
  // about box, incident dialog, password dialog, burn house, panel.
  OpenDefaultEvolution(program, host);
  main.show();
  return app.exec();
}

}  // namespace pumpdrill
