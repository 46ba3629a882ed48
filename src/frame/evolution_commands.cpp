#include "frame/evolution_commands.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "frame/evolution_blocks.h"
#include "frame/evolution_file.h"
#include "frame/file_copy.h"
#include "panel/file/panel_file.h"

namespace pumpdrill {

namespace {

void Remember(RunContext& run, const std::string& path) {
  auto& history = run.EvolutionHistory;
  if (std::find(history.begin(), history.end(), path) == history.end()) history.push_back(path);
  while (history.size() > kEvolutionHistorySize) history.erase(history.begin());
}

// An Evolution whose panel file is missing keeps the discharge count it
// was saved with (the panel file would otherwise bring it).
void TakeStoredDischargeCount(State& s, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(kEvolutionCountOffset));
  char count = 0;
  if (!in.get(count)) return;
  const int n = static_cast<unsigned char>(count);
  if (n >= 1 && n <= kMaxDischarges) s.DischargeList.LineCount = static_cast<Byte>(n);
}

}  // namespace

std::string CallFileName(const std::string& evolutionPath) {
  const std::string name = FileNameOf(evolutionPath);
  return name.substr(0, name.find('.')) + ".ITX";
}

bool OpenEvolution(State& s, const std::string& path, Configuration& cfg, RunContext& run, Host& host) {
  // A failed load leaves the state as it was, and with it the panel as it
  // stands (with any changes not yet saved to its file).
  if (!EvolutionFile(s, kEvolutionLoad, path, cfg, host)) return false;
  if (!PanelFileExists(run.Dirs.PanelsDirectory, CurrentPanelFileName(s)))
    TakeStoredDischargeCount(s, path);
  host.AttachEvolutionPanel();
  run.CurrentEvolution = path;
  host.SelectPanelTab();
  host.WaitProcessingMessages(0);
  Remember(run, path);
  InitializeSimulation(s, cfg, run, host);
  return true;
}

bool OpenChosenEvolution(State& s, const std::string& path, Configuration& cfg, RunContext& run,
                         Host& host) {
  if (run.RunState == TRunState::Running || run.RunState == TRunState::Paused) {
    host.Message(MsgType::Confirmation, Buttons::Ok,
                 "Terminate the current simulation (red stoplight button) before loading a new one.");
    return false;
  }
  return OpenEvolution(s, path, cfg, run, host);
}

bool SaveCurrentEvolution(State& s, Configuration& cfg, RunContext& run, Host& host) {
  host.SelectPanelTab();
  host.WaitProcessingMessages(0);
  return EvolutionFile(s, kEvolutionSave, run.CurrentEvolution, cfg, host);
}

bool PanelSavedFirst(State& s, Host& host) {
  for (;;) {
    const std::string panel = s.PumpControl.PanelFileName.str();
    if (!panel.empty() && panel != kTemporaryPanelName) return true;
    const Answer a = host.Message(
        MsgType::Confirmation, Buttons::YesCancel,
        "The current panel must be saved before saving the evolution.  Continue and save the panel now?");
    if (a != Answer::Yes) return false;
    // A cancelled or failed Save As ends the command.
    if (!host.SavePanelAs()) return false;
  }
}

std::string SavedEvolutionReport(const std::string& evolutionPath, const std::string& callFile,
                                 bool callFileExists, const std::string& panelFileName) {
  std::string text = "Saved: \r\n     evolution:  \"" + FileNameOf(evolutionPath) + "\"";
  if (callFileExists) text += "\r\n     call file:  \"" + callFile + "\"";
  text += "\r\n     attached to panel: \"" + panelFileName + "\"";
  return text;
}

bool SaveEvolutionAs(State& s, const std::string& path, Configuration& cfg, RunContext& run, Host& host) {
  const std::string previous = run.CurrentEvolution;
  run.CurrentEvolution = path;
  host.SelectPanelTab();
  host.WaitProcessingMessages(0);
  if (!EvolutionFile(s, kEvolutionSave, path, cfg, host)) {
    // Nothing was saved under the new name: it does not become current.
    run.CurrentEvolution = previous;
    return false;
  }

  const std::string folder = run.Dirs.EvolutionsDirectory;
  const std::string callFile = CallFileName(path);
  if (path != previous) {
    host.UpdateEvolutionLabel();
    const std::string previousCall = CallFileName(previous);
    if (!previous.empty() && previousCall != callFile && IsExistingFile(folder + previousCall)) {
      try {
        CopyFileChecked(folder + previousCall, folder + callFile);
      } catch (const FileCopyError& e) {
        host.Message(MsgType::Error, Buttons::Ok, e.what());
      }
    }
  }
  host.Message(MsgType::Information, Buttons::Ok,
               SavedEvolutionReport(path, callFile, IsExistingFile(folder + callFile),
                                    s.PumpControl.PanelFileName.str()));
  return true;
}

int DeleteEvolutions(const std::vector<std::string>& paths, RunContext& run, Host& host) {
  int deleted = 0;
  for (const std::string& path : paths) {
    if (host.Message(MsgType::Confirmation, Buttons::YesNo, "Delete " + path) != Answer::Yes) continue;
    std::error_code ec;
    if (IsExistingFile(path) && std::filesystem::remove(path, ec)) ++deleted;
    const std::string callPath = run.Dirs.EvolutionsDirectory + CallFileName(path);
    if (IsExistingFile(callPath)) std::filesystem::remove(callPath, ec);
  }
  return deleted;
}

}  // namespace pumpdrill
