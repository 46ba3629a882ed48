#include "frame/gui/file_dialogs.h"

namespace pumpdrill {

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileDialogSetup& setup) {
  auto d = std::make_unique<QFileDialog>(parent, QString::fromUtf8(setup.title),
                                         QString::fromStdString(setup.folder));
  d->setOption(QFileDialog::DontUseNativeDialog);
  // Name filters match without regard to case.
  d->setNameFilters(setup.filters);
  d->setDefaultSuffix(QString::fromUtf8(setup.suffix));
  switch (setup.mode) {
    case FileDialogMode::Open:
      d->setAcceptMode(QFileDialog::AcceptOpen);
      d->setFileMode(QFileDialog::ExistingFile);
      break;
    case FileDialogMode::Save:
      d->setAcceptMode(QFileDialog::AcceptSave);
      d->setFileMode(QFileDialog::AnyFile);  // an existing file is replaced after asking
      break;
    case FileDialogMode::DeleteMany:
      d->setAcceptMode(QFileDialog::AcceptOpen);
      d->setFileMode(QFileDialog::ExistingFiles);
      d->setLabelText(QFileDialog::Accept, "Delete");
      break;
  }
  if (setup.mode != FileDialogMode::DeleteMany && !setup.fileName.empty())
    d->selectFile(QString::fromStdString(setup.fileName));
  return d;
}

std::vector<std::string> RunFileDialog(QFileDialog& dialog) {
  std::vector<std::string> chosen;
  if (dialog.exec() != QDialog::Accepted) return chosen;
  for (const QString& f : dialog.selectedFiles()) chosen.push_back(f.toStdString());
  return chosen;
}

}  // namespace pumpdrill
