// The radio calls configuration: which incident and command calls the
// Evolution schedules and when, with each call's description and exact
// text. Modal; OK writes the Evolution's ITX anew and loads the schedule,
// Cancel leaves both as they were. The texts are written to the calls' WTX
// files as each field is left.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frame/program.h"
#include "sound/radio_call_file.h"

namespace pumpdrill {

class TfrmRadCnfg : public QDialog {
  Q_OBJECT

 public:
  TfrmRadCnfg(Program& program, Host& host, QWidget* parent = nullptr);

  QListWidget* AvailableCallsListBox = nullptr;
  QListWidget* CallsUsedListBox = nullptr;
  QPushButton* IncludeBtn = nullptr;
  QPushButton* ExcludeBtn = nullptr;
  QLineEdit* EditDescription = nullptr;
  QPlainTextEdit* MemoExactText = nullptr;
  QLineEdit* MaskEditPlayTime = nullptr;
  QLabel* LblSoundOff = nullptr;
  QPushButton* BtnPlayWave = nullptr;
  QPushButton* BtnCreateSndTxtFile = nullptr;
  QPushButton* BtnDeleteSelectedFile = nullptr;
  QPushButton* BtnMakeWav = nullptr;  // 'Make WAV from Text'
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QWidget* HiddenFocus = nullptr;  // Enter in a field moves the focus here

  // Asks for a text-only call's name (tests put their own).
  std::function<std::optional<std::string>()> AskTextOnlyName;

  const std::vector<ScheduledCall>& CallsInUse() const { return calls_; }

  void IncludeBtnClick();
  void ExcludeBtnClick();
  void CallsUsedListBoxClick();
  void EditDescriptionExit();
  void MemoExactTextExit();
  void MaskEditPlayTimeExit();
  void ENTER_KeyPress();
  void BtnPlayWaveClick();
  void BtnCreateSndTxtFileClick();
  void BtnDeleteSelectedFileClick();
  void BtnMakeWavClick();
  void OKBtnClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void FillAvailable();
  void ReadCallsInUse();
  void ShowCallsInUse(int select);
  void ShowSelectedCall();
  void EnableButtons();
  bool NameCheckPasses();  // the no-name message, once
  int SelectedCall() const;
  std::string SoundsDir() const { return p_.Dirs().SoundsDirectory; }
  std::string TextFileOf(const std::string& callName) const;
  void WriteCallText();

  Program& p_;
  Host& host_;
  std::vector<ScheduledCall> calls_;
  std::vector<std::string> available_;
  std::string itxPath_;
  bool nameWarned_ = false;
  bool filling_ = false;
  QListWidget* lastClicked_ = nullptr;
  std::string shownDescription_, shownText_;  // what the fields showed when filled
  int shownCall_ = -1;
};

}  // namespace pumpdrill
