#include "frame/gui/evolution_dialogs.h"

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

std::vector<std::string> Run(QFileDialog& dialog) {
  std::vector<std::string> chosen;
  if (dialog.exec() != QDialog::Accepted) return chosen;
  for (const QString& f : dialog.selectedFiles()) chosen.push_back(f.toStdString());
  return chosen;
}

}  // namespace

std::unique_ptr<QFileDialog> MakeEvolutionDialog(QWidget* parent, EvolutionDialogKind kind,
                                                 const std::string& folder, const std::string& fileName,
                                                 const std::vector<std::string>& history) {
  auto d = std::make_unique<QFileDialog>(parent, QString::fromUtf8(Title(kind)),
                                         QString::fromStdString(folder));
  d->setOption(QFileDialog::DontUseNativeDialog);
  // Name filters match without regard to case.
  d->setNameFilters({"Evolution Files (*.EVO)", "All Files (*)"});
  d->setDefaultSuffix("EVO");
  switch (kind) {
    case EvolutionDialogKind::Open:
      d->setAcceptMode(QFileDialog::AcceptOpen);
      d->setFileMode(QFileDialog::ExistingFile);
      break;
    case EvolutionDialogKind::SaveAs:
      d->setAcceptMode(QFileDialog::AcceptSave);
      d->setFileMode(QFileDialog::AnyFile);  // an existing file is replaced after asking
      break;
    case EvolutionDialogKind::Delete:
      d->setAcceptMode(QFileDialog::AcceptOpen);
      d->setFileMode(QFileDialog::ExistingFiles);
      d->setLabelText(QFileDialog::Accept, "Delete");
      break;
  }
  if (kind != EvolutionDialogKind::Delete && !fileName.empty()) d->selectFile(QString::fromStdString(fileName));
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
  std::vector<std::string> chosen = Run(*d);
  if (chosen.empty()) return std::nullopt;
  return chosen.front();
}

std::optional<std::string> EvolutionDialogs::ChooseSaveAs(QWidget* parent, const std::string& folder,
                                                          const std::string& fileName) {
  auto d = MakeEvolutionDialog(parent, EvolutionDialogKind::SaveAs, folder, fileName);
  std::vector<std::string> chosen = Run(*d);
  if (chosen.empty()) return std::nullopt;
  return chosen.front();
}

std::vector<std::string> EvolutionDialogs::ChooseDelete(QWidget* parent, const std::string& folder) {
  auto d = MakeEvolutionDialog(parent, EvolutionDialogKind::Delete, folder, "");
  return Run(*d);
}

}  // namespace pumpdrill
