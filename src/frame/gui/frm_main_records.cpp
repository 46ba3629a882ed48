// The Data Records menu's recording and data-file commands: the main
// window chooses the files and the core records, saves and deletes them.
#include <QMenu>
#include <filesystem>

#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "records/data_file.h"
#include "records/data_file_csv.h"
#include "records/run_recording.h"

namespace pumpdrill {

void TfrmMain::ConnectDataRecordsMenu() {
  if (!dataFileDialogs_) dataFileDialogs_ = std::make_unique<DataFileDialogs>();
  connect(mStartRecording, &QAction::triggered, this, &TfrmMain::mStartRecordingClick);
  connect(mStopRecording, &QAction::triggered, this, &TfrmMain::mStopRecordingClick);
  connect(mDataSaveAs, &QAction::triggered, this, &TfrmMain::mDataSaveAsClick);
  connect(mDataDelete, &QAction::triggered, this, &TfrmMain::mDataDeleteClick);
  connect(mDataExportCsv, &QAction::triggered, this, &TfrmMain::mDataExportCsvClick);
  connect(mRunReport, &QAction::triggered, this, &TfrmMain::mRunReportClick);
  connect(mnuDataRecords, &QMenu::aboutToShow, this, &TfrmMain::DataRecordsMenuShow);
  DataRecordsMenuShow();
}

void TfrmMain::SetDataFileDialogs(std::unique_ptr<DataFileDialogs> dialogs) { dataFileDialogs_ = std::move(dialogs); }

void TfrmMain::DataRecordsMenuShow() {
  const bool on = p_.run.Recording.RecordingOn;
  const bool idle = !p_.run.SimActive;
  mStartRecording->setEnabled(!on);
  mStopRecording->setEnabled(on);
  mDataOpen->setEnabled(idle);
  mDataSaveAs->setEnabled(idle);
  mDataDelete->setEnabled(idle);
  mDataExportCsv->setEnabled(idle);
  const DataFileMenuInfo info = DataRecordsMenuInfo(p_.run);
  mDataFile->setVisible(info.shown);
  mDataSize->setVisible(info.shown);
  if (info.shown) {
    mDataFile->setText(QString::fromStdString(info.fileText));
    mDataSize->setText(QString::fromStdString(info.sizeText));
  }
}

void TfrmMain::mStartRecordingClick() { StartRecording(p_.run); }

void TfrmMain::mStopRecordingClick() { StopRecording(p_.S(), p_.config, p_.run, host_); }

void TfrmMain::mDataSaveAsClick() {
  if (p_.run.SimActive) return;
  const std::string folder = p_.run.Recording.DataDirectory(p_.Dirs().RecordsDirectory);
  // A refused name opens the dialog again; a failure ends the command.
  for (;;) {
    std::optional<std::string> chosen = dataFileDialogs_->ChooseSaveAs(this, folder, ProposedDataFileName(p_.run));
    if (!chosen) return;
    bool refused = false;
    const std::string from = p_.run.Recording.DataFileName;
    if (SaveDataFileAs(p_.run, host_, *chosen, &refused)) {
      ReportFollowsDataFile(from);
      return;
    }
    if (!refused) return;
  }
}

void TfrmMain::mDataDeleteClick() {
  if (p_.run.SimActive) return;
  const std::string folder = p_.run.Recording.DataDirectory(p_.Dirs().RecordsDirectory);
  DeleteDataFiles(dataFileDialogs_->ChooseDelete(this, folder), p_.run, host_);
}

void TfrmMain::mDataExportCsvClick() {
  if (p_.run.SimActive) return;
  const std::string source = p_.run.Recording.DataFileName;
  const std::string folder = p_.run.Recording.DataDirectory(p_.Dirs().RecordsDirectory);
  const std::string proposed = std::filesystem::path(ProposedDataFileName(p_.run)).replace_extension("csv").string();
  std::optional<std::string> chosen = dataFileDialogs_->ChooseExportCsv(this, folder, proposed);
  if (!chosen) return;
  std::string message;
  if (!ExportDataFileCsv(source, *chosen, p_.S(), p_.config.Units, message))
    host_.Message(MsgType::Error, Buttons::Ok, message);
}

}  // namespace pumpdrill
