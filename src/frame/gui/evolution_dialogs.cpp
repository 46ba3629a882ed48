#include "frame/gui/evolution_dialogs.h"

#include "frame/gui/file_dialogs.h"

#include <QFileInfo>
#include <QStringList>

namespace pumpdrill {

namespace {

const char* Title(EvolutionDialogKind kind) {
  switch (kind) {
    case EvolutionDialogKind::Open: return "Open Evolution Configuration File";
    case EvolutionDialogKind::SaveAs: return "Save Evolution As";
    case EvolutionDialogKind::Delete: return "Delete Evolution File";
  }
  return "";
}

}  // namespace

std::unique_ptr<QFileDialog> MakeEvolutionDialog(QWidget* parent, EvolutionDialogKind kind,
                                                 const std::string& folder, const std::string& fileName,
                                                 const std::vector<std::string>& history) {
  FileDialogSetup setup;
  setup.title = Title(kind);
  setup.filters = {"Evolution Files (*.EVO)", "All Files (*)"};
  setup.suffix = "EVO";
  setup.mode = kind == EvolutionDialogKind::Open     ? FileDialogMode::Open
               : kind == EvolutionDialogKind::SaveAs ? FileDialogMode::Save
                                                     : FileDialogMode::DeleteMany;
  setup.folder = folder;
  setup.fileName = fileName;
  auto d = MakeFileDialog(parent, setup);
  QStringList folders;
  for (const std::string& path : history) {
    const QString dir = QFileInfo(QString::fromStdString(path)).absolutePath();
    if (!folders.contains(dir)) folders.append(dir);
  }
  if (!folders.isEmpty()) d->setHistory(folders);
  return d;
}

std::optional<std::string> EvolutionDialogs::ChooseOpen(QWidget* parent, const std::string& folder,
                                                        const std::string& fileName,
                                                        const std::vector<std::string>& history) {
  auto d = MakeEvolutionDialog(parent, EvolutionDialogKind::Open, folder, fileName, history);
  std::vector<std::string> chosen = RunFileDialog(*d);
  if (chosen.empty()) return std::nullopt;
  return chosen.front();
}

std::optional<std::string> EvolutionDialogs::ChooseSaveAs(QWidget* parent, const std::string& folder,
                                                          const std::string& fileName) {
  auto d = MakeEvolutionDialog(parent, EvolutionDialogKind::SaveAs, folder, fileName);
  std::vector<std::string> chosen = RunFileDialog(*d);
  if (chosen.empty()) return std::nullopt;
  return chosen.front();
}

std::vector<std::string> EvolutionDialogs::ChooseDelete(QWidget* parent, const std::string& folder) {
  auto d = MakeEvolutionDialog(parent, EvolutionDialogKind::Delete, folder, "");
  return RunFileDialog(*d);
}

}  // namespace pumpdrill
