// The file dialogs of the File menu's Evolution commands. The main window
// asks an EvolutionDialogs for the files; tests put their own choices in
// place of the dialogs.
#pragma once

#include <QFileDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pumpdrill {

enum class EvolutionDialogKind { Open, SaveAs, Delete };

// A file dialog set up for one of the commands: the Evolution filter, the
// Evolutions folder, the default extension "EVO", the command's title, the
// file name given (none for Delete) and, for Open, the folders of the
// Evolutions opened before as its history.
std::unique_ptr<QFileDialog> MakeEvolutionDialog(QWidget* parent, EvolutionDialogKind kind,
                                                 const std::string& folder, const std::string& fileName,
                                                 const std::vector<std::string>& history = {});

class EvolutionDialogs {
 public:
  virtual ~EvolutionDialogs() = default;
  // The file chosen, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> ChooseOpen(QWidget* parent, const std::string& folder,
                                                const std::string& fileName,
                                                const std::vector<std::string>& history);
  virtual std::optional<std::string> ChooseSaveAs(QWidget* parent, const std::string& folder,
                                                  const std::string& fileName);
  // The files chosen; none when cancelled.
  virtual std::vector<std::string> ChooseDelete(QWidget* parent, const std::string& folder);
};

}  // namespace pumpdrill
