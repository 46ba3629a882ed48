// The file dialogs of the Data Records commands. The main window asks a
// DataFileDialogs for the files; tests put their own choices in place of
// the dialogs.
#pragma once

#include <QFileDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pumpdrill {

enum class DataFileDialogKind { Open, SaveAs, Delete, ExportCsv };

// A file dialog for one of the commands: the data-file filter (CSV for an
// export), the data folder, the default extension "DTA", the command's
// title and the file name given (none for Delete).
std::unique_ptr<QFileDialog> MakeDataFileDialog(QWidget* parent, DataFileDialogKind kind, const std::string& folder,
                                                const std::string& fileName);

class DataFileDialogs {
 public:
  virtual ~DataFileDialogs() = default;
  // The file chosen, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> ChooseOpen(QWidget* parent, const std::string& folder);
  virtual std::optional<std::string> ChooseSaveAs(QWidget* parent, const std::string& folder,
                                                  const std::string& fileName);
  virtual std::optional<std::string> ChooseExportCsv(QWidget* parent, const std::string& folder,
                                                     const std::string& fileName);
  // The files chosen; none when cancelled.
  virtual std::vector<std::string> ChooseDelete(QWidget* parent, const std::string& folder);
};

}  // namespace pumpdrill
