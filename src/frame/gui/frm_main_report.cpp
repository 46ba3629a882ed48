// The run report of the main window: each run sampled as the runner samples
// it, the operator's actions read off the panel's controls, the report
// computed at Terminate against the Evolution's answer key (NAME.KEY beside
// it), filed as a PDF with the run's data file and shown.
#include <QDateTime>
#include <filesystem>

#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "records/answer_key.h"
#include "records/gui/frm_answer_key.h"
#include "records/gui/frm_run_report.h"
#include "records/report_files.h"

namespace pumpdrill {

namespace {

// A name for the report's PDF in folder that no file has: the Evolution's
// name, the date and time, and a number when that is taken.
std::string NewReportPath(const std::string& folder, const std::string& evolution) {
  namespace fs = std::filesystem;
  std::string stem = fs::path(evolution).stem().string();
  if (stem.empty()) stem = "run";
  stem += "-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss").toStdString();
  return UnusedReportPath(folder, stem);
}

}  // namespace

TfrmRunReport* TfrmMain::frmRunReport() const {
  return findChild<TfrmRunReport*>("frmRunReport", Qt::FindDirectChildrenOnly);
}

void TfrmMain::NoteWaterHammer() {
  if (p_.run.SimActive) runRecorder_.NoteWaterHammer(p_.S().SimClock.Time);
}

void TfrmMain::TrackRunReport(bool wasActive) {
  State& s = p_.S();
  if (!wasActive && p_.run.SimActive) {
    runRecorder_.WatchControls(true);
    runRecorder_.Begin(s, p_.run.Recording.PlotSetup);
  }
  if (p_.run.SimActive && p_.run.RunState == TRunState::Running)
    runRecorder_.AfterTick(s, s.SimClock.Time);
  if (wasActive && !p_.run.SimActive) {
    runRecorder_.Finish(s);
    FileAndShowRunReport();
  }
}

RunReport TfrmMain::ComputeLastRunReport() {
  AnswerKey key;
  std::vector<std::string> messages;
  std::string keyPath;
  if (!p_.run.CurrentEvolution.empty()) {
    keyPath = AnswerKeyPathFor(p_.run.CurrentEvolution);
    ReadAnswerKey(keyPath, p_.S().DischargeList.LineCount, key, messages);
    // An Evolution without a key is reported on its measures, quietly; a
    // key that is there but cannot be used is said.
    std::error_code ec;
    if (std::filesystem::exists(keyPath, ec) && !messages.empty()) {
      std::string text;
      for (const std::string& m : messages) text += (text.empty() ? "" : "\n") + m;
      host_.Message(MsgType::Warning, Buttons::Ok, text);
    }
  }
  RunReport report = ComputeRunReport(runRecorder_.Record(), key, p_.config.Units);
  report.keyPath = keyPath;
  for (auto it = messages.rbegin(); it != messages.rend(); ++it)
    report.notes.insert(report.notes.begin(), *it);
  return report;
}

void TfrmMain::FileAndShowRunReport() {
  if (runRecorder_.Record().samples.empty()) return;
  const RunReport report = ComputeLastRunReport();
  const std::string folder = p_.run.Recording.DataDirectory(p_.Dirs().RecordsDirectory);
  TfrmRunReport* window = frmRunReport();
  if (!window) window = new TfrmRunReport(host_, this);
  window->SetReport(report);
  const std::string path = NewReportPath(folder, p_.run.CurrentEvolution);
  window->SetProposedPdf(path);
  QString reason;
  std::error_code ec;
  if (std::filesystem::is_directory(folder, ec) &&
      SaveReportPdf(window->Text(), QString::fromStdString(path), reason)) {
    lastFiledReport_ = path;
    lastReportDataFile_ = p_.run.Recording.DataFileName;
  } else {
    lastFiledReport_.clear();
    lastReportDataFile_.clear();
  }
  window->show();
  window->raise();
  window->activateWindow();
}

void TfrmMain::ReportFollowsDataFile(const std::string& savedFrom) {
  const std::string& saved = p_.run.Recording.DataFileName;
  std::error_code ec;
  if (lastFiledReport_.empty() || lastReportDataFile_.empty() || saved == savedFrom ||
      !std::filesystem::equivalent(lastReportDataFile_, savedFrom, ec))
    return;
  std::string error;
  const std::string moved = MoveReportBesideDataFile(lastFiledReport_, saved, error);
  // A report that cannot follow stays filed under its own name: nothing is lost.
  if (!error.empty()) return;
  lastFiledReport_ = moved;
  lastReportDataFile_ = saved;
  if (TfrmRunReport* window = frmRunReport()) window->SetProposedPdf(moved);
}

TfrmAnswerKey* TfrmMain::mAnswerKeyClick() {
  if (p_.run.CurrentEvolution.empty()) {
    host_.Message(MsgType::Information, Buttons::Ok,
                  "Save the Evolution before editing its answer key.");
    return nullptr;
  }
  const std::string path = AnswerKeyPathFor(p_.run.CurrentEvolution);
  AnswerKey key;
  std::vector<std::string> messages;
  const State& s = p_.S();
  std::error_code ec;
  if (std::filesystem::exists(path, ec) &&
      !ReadAnswerKey(path, s.DischargeList.LineCount, key, messages)) {
    // A damaged key is shown with the defaults; OK writes them over it.
    std::string text;
    for (const std::string& m : messages) text += (text.empty() ? "" : "\n") + m;
    host_.Message(MsgType::Warning, Buttons::Ok, text);
  }
  std::vector<std::string> titles;
  for (int line = 1; line <= s.DischargeList.LineCount && line <= kReportLines; ++line)
    titles.push_back(s.DischargeList.LineTitle[line].str());
  auto* editor = new TfrmAnswerKey(path, titles, p_.config.Units, host_, this);
  editor->setAttribute(Qt::WA_DeleteOnClose);
  editor->setModal(true);
  editor->Show(key);
  editor->show();
  return editor;
}

void TfrmMain::mRunReportClick() {
  if (runRecorder_.Record().samples.empty()) {
    host_.Message(MsgType::Information, Buttons::Ok, "There is no run to report on yet.");
    return;
  }
  // During a run: the report so far.
  TfrmRunReport* window = frmRunReport();
  if (!window) window = new TfrmRunReport(host_, this);
  window->SetReport(ComputeLastRunReport());
  window->SetProposedPdf(NewReportPath(p_.run.Recording.DataDirectory(p_.Dirs().RecordsDirectory),
                                       p_.run.CurrentEvolution));
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace pumpdrill
