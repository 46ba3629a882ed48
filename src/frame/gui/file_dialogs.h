// The program's file dialogs: one set-up for every command that chooses
// files (Evolutions, data files), and running one to its chosen files.
#pragma once

#include <QFileDialog>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

namespace pumpdrill {

enum class FileDialogMode { Open, Save, DeleteMany };

struct FileDialogSetup {
  const char* title = "";
  QStringList filters;      // the first one is chosen
  const char* suffix = "";  // the default extension
  FileDialogMode mode = FileDialogMode::Open;
  std::string folder;
  std::string fileName;  // proposed (not for DeleteMany)
};

// A dialog of the program's own (not the platform's), set up as given.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileDialogSetup& setup);

// Runs the dialog; the files chosen, none when it was cancelled.
std::vector<std::string> RunFileDialog(QFileDialog& dialog);

}  // namespace pumpdrill
