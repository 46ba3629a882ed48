// The dialogs of the panel: the file dialogs of the Setup > Panel commands
// and the questions of design mode. The main window asks a PanelDialogs for
// the files and the panel for its answers; tests put their own choices in
// its place.
#pragma once

#include <QFileDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pumpdrill {

enum class PanelDialogKind { Open, SaveAs, Delete };

// A file dialog set up for one of the commands: titled "Open Pump Panel
// File", "Save Pump Panel As" or "Delete Pump Panel File", the panel file
// filter, the default extension "PNL", the Panels folder and the file name
// given (none for Delete).
std::unique_ptr<QFileDialog> MakePanelDialog(QWidget* parent, PanelDialogKind kind,
                                             const std::string& folder,
                                             const std::string& fileName);

class PanelDialogs {
 public:
  virtual ~PanelDialogs() = default;
  // The file chosen, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> ChooseOpen(QWidget* parent, const std::string& folder,
                                                const std::string& fileName);
  virtual std::optional<std::string> ChooseSaveAs(QWidget* parent, const std::string& folder,
                                                  const std::string& fileName);
  // The files chosen; none when cancelled.
  virtual std::vector<std::string> ChooseDelete(QWidget* parent, const std::string& folder);
  // A line of text asked for with a caption and a prompt, the preset shown
  // first (at most 255 characters typed); nothing when cancelled.
  virtual std::optional<std::string> InputQuery(QWidget* parent, const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& preset);
};

}  // namespace pumpdrill
