#include "cli/setup_cli.h"

#include <filesystem>
#include <ostream>
#include <vector>

#include "cli/exercise_cli.h"
#include "frame/safe_file.h"
#include "panel/controls/panel_controls.h"
#include "panel/file/panel_file.h"
#include "panel/panel_layout.h"

namespace pumpdrill {

namespace {

// A setup is a page or two of text; anything larger is not one.
constexpr std::size_t kMaxSetupBytes = 1u << 20;

bool IsSetupCommand(ScriptCommand c) {
  return c == ScriptCommand::Set || c == ScriptCommand::Supply ||
         c == ScriptCommand::Pump;
}

} // namespace

std::string SetupFault(const Script &setup) {
  for (const ScriptAction &a : setup.actions) {
    const std::string line = "line " + std::to_string(a.sourceLine) + ": ";
    if (!IsSetupCommand(a.command))
      return line + "a setup holds only set, supply and pump lines (the "
                    "operator's actions belong in a script)";
    if (a.time != 0)
      return line + "a setup line is at time 0";
  }
  return {};
}

int ReadSetupFile(const std::string &path, Script &setup, std::ostream &err) {
  std::vector<Byte> bytes;
  ReadStep step = ReadWholeFile(path, kMaxSetupBytes, bytes);
  if (step != ReadStep::Done) {
    err << "pumpdrill-sim: cannot read the setup \"" << path << "\""
        << (step == ReadStep::Missing ? ": no such file" : "") << "\n";
    return kExitFileError;
  }
  std::string error;
  if (!ParseScript(std::string(bytes.begin(), bytes.end()), setup, error) ||
      !(error = SetupFault(setup)).empty()) {
    setup.actions.clear();
    err << "pumpdrill-sim: " << path << ": " << error << "\n";
    return kExitUsageError;
  }
  return kExitOk;
}

void ApplySetup(State &s, const Script &setup, const Configuration &cfg,
                Host &host) {
  for (const ScriptAction &a : setup.actions)
    ApplyScriptAction(s, a, false, host, cfg.Sim.HoseFriction);
}

bool SaveSetupPanel(State &s, const std::string &path, Host &host,
                    std::ostream &err) {
  const std::filesystem::path file(path);
  const std::string name = file.filename().string();
  std::filesystem::path folder = file.parent_path();
  if (folder.empty())
    folder = ".";
  PanelLayout layout = DefaultPanelLayout();
  PanelControls controls;
  // The throttle and pressure control stand where a new panel window puts
  // them, not at the places a panel file gives a style it does not know.
  PlaceStartingControls(controls, layout, s, host);
  PanelFileTarget t{s, layout, controls, (folder / "").string(), {}};
  if (name.empty() ||
      !TransferPanelConfiguration(t, name, kPanelFileSave, host).Done) {
    err << "pumpdrill-sim: cannot save the panel \"" << path << "\"\n";
    return false;
  }
  return true;
}

} // namespace pumpdrill
