#include "records/gui/data_file_dialogs.h"

#include "frame/gui/file_dialogs.h"

namespace pumpdrill {

namespace {

FileDialogSetup SetupFor(DataFileDialogKind kind) {
  FileDialogSetup s;
  s.filters = {"Data Files (*.DTA)", "All Files (*)"};
  s.suffix = "DTA";
  switch (kind) {
    case DataFileDialogKind::Open:
      s.title = "Open Data File";
      s.mode = FileDialogMode::Open;
      break;
    case DataFileDialogKind::SaveAs:
      s.title = "Save Data File As";
      s.mode = FileDialogMode::Save;
      break;
    case DataFileDialogKind::Delete:
      s.title = "Delete Data File";
      s.mode = FileDialogMode::DeleteMany;
      break;
    case DataFileDialogKind::ExportCsv:
      s.title = "Export Data File as CSV";
      s.mode = FileDialogMode::Save;
      s.filters = {"CSV Files (*.csv)", "All Files (*)"};
      s.suffix = "csv";
      break;
  }
  return s;
}

std::optional<std::string> First(std::vector<std::string> chosen) {
  if (chosen.empty()) return std::nullopt;
  return chosen.front();
}

}  // namespace

std::unique_ptr<QFileDialog> MakeDataFileDialog(QWidget* parent, DataFileDialogKind kind, const std::string& folder,
                                                const std::string& fileName) {
  FileDialogSetup setup = SetupFor(kind);
  setup.folder = folder;
  setup.fileName = fileName;
  return MakeFileDialog(parent, setup);
}

std::optional<std::string> DataFileDialogs::ChooseOpen(QWidget* parent, const std::string& folder) {
  return First(RunFileDialog(*MakeDataFileDialog(parent, DataFileDialogKind::Open, folder, "")));
}

std::optional<std::string> DataFileDialogs::ChooseSaveAs(QWidget* parent, const std::string& folder,
                                                         const std::string& fileName) {
  return First(RunFileDialog(*MakeDataFileDialog(parent, DataFileDialogKind::SaveAs, folder, fileName)));
}

std::optional<std::string> DataFileDialogs::ChooseExportCsv(QWidget* parent, const std::string& folder,
                                                            const std::string& fileName) {
  return First(RunFileDialog(*MakeDataFileDialog(parent, DataFileDialogKind::ExportCsv, folder, fileName)));
}

std::vector<std::string> DataFileDialogs::ChooseDelete(QWidget* parent, const std::string& folder) {
  return RunFileDialog(*MakeDataFileDialog(parent, DataFileDialogKind::Delete, folder, ""));
}

}  // namespace pumpdrill
