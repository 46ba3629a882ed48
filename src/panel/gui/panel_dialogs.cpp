#include "panel/gui/panel_dialogs.h"

#include <QInputDialog>
#include <QLineEdit>

#include "frame/gui/file_dialogs.h"

namespace pumpdrill {

namespace {

const char* Title(PanelDialogKind kind) {
  switch (kind) {
    case PanelDialogKind::Open:
      return "Open Pump Panel File";
    case PanelDialogKind::SaveAs:
      return "Save Pump Panel As";
    case PanelDialogKind::Delete:
      return "Delete Pump Panel File";
  }
  return "";
}

std::optional<std::string> First(std::vector<std::string> chosen) {
  if (chosen.empty()) return std::nullopt;
  return chosen.front();
}

}  // namespace

std::unique_ptr<QFileDialog> MakePanelDialog(QWidget* parent, PanelDialogKind kind,
                                             const std::string& folder,
                                             const std::string& fileName) {
  FileDialogSetup setup;
  setup.title = Title(kind);
  setup.filters = {"Panel Files (*.PNL)", "All Files (*)"};
  setup.suffix = "PNL";
  setup.mode = kind == PanelDialogKind::Open     ? FileDialogMode::Open
               : kind == PanelDialogKind::SaveAs ? FileDialogMode::Save
                                                 : FileDialogMode::DeleteMany;
  setup.folder = folder;
  setup.fileName = fileName;
  return MakeFileDialog(parent, setup);
}

std::optional<std::string> PanelDialogs::ChooseOpen(QWidget* parent, const std::string& folder,
                                                    const std::string& fileName) {
  auto d = MakePanelDialog(parent, PanelDialogKind::Open, folder, fileName);
  return First(RunFileDialog(*d));
}

std::optional<std::string> PanelDialogs::ChooseSaveAs(QWidget* parent, const std::string& folder,
                                                      const std::string& fileName) {
  auto d = MakePanelDialog(parent, PanelDialogKind::SaveAs, folder, fileName);
  return First(RunFileDialog(*d));
}

std::vector<std::string> PanelDialogs::ChooseDelete(QWidget* parent, const std::string& folder) {
  auto d = MakePanelDialog(parent, PanelDialogKind::Delete, folder, "");
  return RunFileDialog(*d);
}

std::optional<std::string> PanelDialogs::InputQuery(QWidget* parent, const std::string& caption,
                                                    const std::string& prompt,
                                                    const std::string& preset) {
  QInputDialog box(parent);
  box.setObjectName("PanelInputQuery");
  box.setWindowTitle(QString::fromStdString(caption));
  box.setLabelText(QString::fromStdString(prompt));
  box.setInputMode(QInputDialog::TextInput);
  box.setTextValue(QString::fromStdString(preset));
  if (auto* edit = box.findChild<QLineEdit*>()) edit->setMaxLength(255);
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.textValue().toStdString();
}

}  // namespace pumpdrill
