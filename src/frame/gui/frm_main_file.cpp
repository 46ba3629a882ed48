// The File menu's Evolution commands: the main window chooses the files
// and the core opens, saves and deletes them.
#include <QMenu>
#include <filesystem>

#include "frame/evolution_commands.h"
#include "frame/gui/evolution_dialogs.h"
#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"

namespace pumpdrill {

namespace {

std::string CurrentFileName(const RunContext& run) {
  return run.CurrentEvolution.empty() ? std::string()
                                      : std::filesystem::path(run.CurrentEvolution).filename().string();
}

}  // namespace

void TfrmMain::ConnectFileMenu() {
  if (!evolutionDialogs_) evolutionDialogs_ = std::make_unique<EvolutionDialogs>();
  for (QAction* item : {mOpen, mSaveEvo, mSaveEvoAs, mDeleteEvo}) item->setEnabled(true);
  connect(mOpen, &QAction::triggered, this, &TfrmMain::FileOpen);
  connect(mSaveEvo, &QAction::triggered, this, &TfrmMain::FileSave);
  connect(mSaveEvoAs, &QAction::triggered, this, &TfrmMain::FileSaveAs);
  connect(mDeleteEvo, &QAction::triggered, this, &TfrmMain::Delete1Click);
  connect(mAnswerKey, &QAction::triggered, this, [this] { mAnswerKeyClick(); });
}

void TfrmMain::SetEvolutionDialogs(std::unique_ptr<EvolutionDialogs> dialogs) {
  evolutionDialogs_ = std::move(dialogs);
}

void TfrmMain::FileOpen() {
  std::optional<std::string> chosen = evolutionDialogs_->ChooseOpen(
      this, p_.Dirs().EvolutionsDirectory, CurrentFileName(p_.run), p_.run.EvolutionHistory);
  if (!chosen) return;
  OpenChosenEvolution(p_.S(), *chosen, p_.config, p_.run, host_);
}

void TfrmMain::FileSave() {
  if (p_.run.CurrentEvolution.empty()) {
    FileSaveAs();
    return;
  }
  SaveCurrentEvolution(p_.S(), p_.config, p_.run, host_);
}

void TfrmMain::FileSaveAs() {
  if (!PanelSavedFirst(p_.S(), host_)) return;
  std::optional<std::string> chosen =
      evolutionDialogs_->ChooseSaveAs(this, p_.Dirs().EvolutionsDirectory, CurrentFileName(p_.run));
  if (!chosen) return;
  SaveEvolutionAs(p_.S(), *chosen, p_.config, p_.run, host_);
}

void TfrmMain::Delete1Click() {
  DeleteEvolutions(evolutionDialogs_->ChooseDelete(this, p_.Dirs().EvolutionsDirectory), p_.run, host_);
}

}  // namespace pumpdrill
