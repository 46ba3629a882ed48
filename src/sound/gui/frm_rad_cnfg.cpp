#include "sound/gui/frm_rad_cnfg.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <filesystem>
#include <system_error>

#include "frame/safe_file.h"
#include "sound/call_text_file.h"
#include "sound/radio_calls.h"
#include "sound/radio_config.h"
#include "sound/radio_steps.h"
#include "sound/radio_voice.h"
#include "sound/sound_layer.h"
#include "sound/wav_reader.h"

namespace pumpdrill {

namespace {

const char* kNoNameMessage =
    "You will have to name the evolution and save it before you can save a radio calls file.";
const char* kSoundOffText = " WAV sound is switched off.  Use   Options|Sound   to change. ";

QString Q(const std::string& text) { return QString::fromStdString(text); }

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

TfrmRadCnfg::TfrmRadCnfg(Program& program, Host& host, QWidget* parent)
    : QDialog(parent), p_(program), host_(host) {
  setObjectName("frmRadCnfg");
  setModal(true);
  AskTextOnlyName = [this]() -> std::optional<std::string> {
    bool ok = false;
    QString name = QInputDialog::getText(this, "Create Text-only Incident/Command Call",
                                         "Enter filename", QLineEdit::Normal, "", &ok);
    if (!ok) return std::nullopt;
    return name.toStdString();
  };
  BuildControls();
  itxPath_ = RadioCallFilePath(p_.Dirs().EvolutionsDirectory, p_.run.CurrentEvolution);
  std::error_code ec;
  const bool saved = std::filesystem::is_regular_file(itxPath_, ec);
  setWindowTitle(saved ? Q("Radio Calls Configuration (disk file:  " +
                           std::filesystem::path(itxPath_).filename().string() + ")")
                       : QString("Radio Calls Configuration (not saved)"));
  FillAvailable();
  ReadCallsInUse();
  const bool sound = RadioOutputOf(p_.config, p_.run).Sound;
  LblSoundOff->setVisible(!sound);
  BtnPlayWave->setEnabled(sound);
  EnableButtons();
}

void TfrmRadCnfg::BuildControls() {
  AvailableCallsListBox = Named(new QListWidget(this), "AvailableCallsListBox");
  CallsUsedListBox = Named(new QListWidget(this), "CallsUsedListBox");
  for (QListWidget* list : {AvailableCallsListBox, CallsUsedListBox}) {
    list->setMinimumSize(210, 200);
    list->setFont(QFont("DejaVu Sans Mono", 9));
  }
  IncludeBtn = Named(new QPushButton(">", this), "IncludeBtn");
  ExcludeBtn = Named(new QPushButton("<", this), "ExcludeBtn");
  IncludeBtn->setToolTip("schedule the selected call");
  ExcludeBtn->setToolTip("remove the selected call from the schedule");
  for (QPushButton* b : {IncludeBtn, ExcludeBtn}) b->setFixedWidth(36);
  EditDescription = Named(new QLineEdit(this), "EditDescription");
  EditDescription->setMaxLength(255);
  MemoExactText = Named(new QPlainTextEdit(this), "MemoExactText");
  MemoExactText->setToolTip("Enter stores the text; Shift+Enter starts a new line");
  MemoExactText->setMinimumHeight(90);
  MaskEditPlayTime = Named(new QLineEdit(this), "MaskEditPlayTime");
  MaskEditPlayTime->setInputMask("90:00;_");
  MaskEditPlayTime->setFixedWidth(70);
  LblSoundOff = Named(new QLabel(kSoundOffText, this), "LblSoundOff");
  LblSoundOff->setStyleSheet("color: #a00000;");
  BtnPlayWave = Named(new QPushButton("Play", this), "BtnPlayWave");
  BtnCreateSndTxtFile = Named(new QPushButton("Create Text-only", this), "BtnCreateSndTxtFile");
  BtnDeleteSelectedFile = Named(new QPushButton("Delete", this), "BtnDeleteSelectedFile");
  BtnMakeWav = Named(new QPushButton("Make WAV from Text", this), "BtnMakeWav");
  OKBtn = Named(new QPushButton("OK", this), "OKBtn");
  CancelBtn = Named(new QPushButton("Cancel", this), "CancelBtn");
  for (QPushButton* b : {IncludeBtn, ExcludeBtn, BtnPlayWave, BtnCreateSndTxtFile,
                         BtnDeleteSelectedFile, BtnMakeWav, OKBtn, CancelBtn})
    b->setAutoDefault(false);
  HiddenFocus = new QWidget(this);
  HiddenFocus->setObjectName("HiddenFocus");
  HiddenFocus->setFocusPolicy(Qt::StrongFocus);
  HiddenFocus->setFixedSize(0, 0);

  auto* lists = new QGridLayout;
  lists->addWidget(new QLabel("Available Calls", this), 0, 0);
  lists->addWidget(new QLabel("Calls to Use", this), 0, 2);
  lists->addWidget(AvailableCallsListBox, 1, 0);
  auto* moves = new QVBoxLayout;
  moves->addStretch(1);
  moves->addWidget(IncludeBtn);
  moves->addWidget(ExcludeBtn);
  moves->addStretch(1);
  lists->addLayout(moves, 1, 1);
  lists->addWidget(CallsUsedListBox, 1, 2);

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel("Description", this), 0, 0);
  fields->addWidget(EditDescription, 0, 1, 1, 3);
  fields->addWidget(new QLabel("Exact Text", this), 1, 0, Qt::AlignTop);
  fields->addWidget(MemoExactText, 1, 1, 1, 3);
  fields->addWidget(new QLabel("Play Time (mm:ss)", this), 2, 0);
  fields->addWidget(MaskEditPlayTime, 2, 1);
  fields->addWidget(BtnPlayWave, 2, 2);
  fields->setColumnStretch(3, 1);

  auto* files = new QHBoxLayout;
  files->addWidget(BtnCreateSndTxtFile);
  files->addWidget(BtnMakeWav);
  files->addWidget(BtnDeleteSelectedFile);
  files->addStretch(1);
  files->addWidget(OKBtn);
  files->addWidget(CancelBtn);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addWidget(LblSoundOff);
  layout->addLayout(fields);
  layout->addLayout(files);
  layout->addWidget(HiddenFocus);

  connect(IncludeBtn, &QPushButton::clicked, this, &TfrmRadCnfg::IncludeBtnClick);
  connect(AvailableCallsListBox, &QListWidget::itemDoubleClicked, this,
          &TfrmRadCnfg::IncludeBtnClick);
  connect(ExcludeBtn, &QPushButton::clicked, this, &TfrmRadCnfg::ExcludeBtnClick);
  connect(CallsUsedListBox, &QListWidget::currentRowChanged, this,
          &TfrmRadCnfg::CallsUsedListBoxClick);
  connect(AvailableCallsListBox, &QListWidget::itemPressed, this, [this] {
    lastClicked_ = AvailableCallsListBox;
    EnableButtons();
  });
  connect(CallsUsedListBox, &QListWidget::itemPressed, this, [this] {
    lastClicked_ = CallsUsedListBox;
    EnableButtons();
  });
  connect(AvailableCallsListBox, &QListWidget::currentRowChanged, this,
          [this] { EnableButtons(); });
  connect(BtnPlayWave, &QPushButton::clicked, this, &TfrmRadCnfg::BtnPlayWaveClick);
  connect(BtnCreateSndTxtFile, &QPushButton::clicked, this, &TfrmRadCnfg::BtnCreateSndTxtFileClick);
  connect(BtnDeleteSelectedFile, &QPushButton::clicked, this,
          &TfrmRadCnfg::BtnDeleteSelectedFileClick);
  connect(BtnMakeWav, &QPushButton::clicked, this, &TfrmRadCnfg::BtnMakeWavClick);
  connect(OKBtn, &QPushButton::clicked, this, &TfrmRadCnfg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(EditDescription, &QLineEdit::editingFinished, this, &TfrmRadCnfg::EditDescriptionExit);
  connect(MaskEditPlayTime, &QLineEdit::editingFinished, this, &TfrmRadCnfg::MaskEditPlayTimeExit);
  MemoExactText->installEventFilter(this);
  EditDescription->installEventFilter(this);
  MaskEditPlayTime->installEventFilter(this);
  resize(560, 520);
}

bool TfrmRadCnfg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && !(watched == MemoExactText && (key->modifiers() & Qt::ShiftModifier))) {
      ENTER_KeyPress();
      return true;
    }
  }
  if (event->type() == QEvent::FocusOut && watched == MemoExactText) MemoExactTextExit();
  return QDialog::eventFilter(watched, event);
}

void TfrmRadCnfg::ENTER_KeyPress() {
  // Leaving the field commits it.
  HiddenFocus->setFocus(Qt::OtherFocusReason);
}

void TfrmRadCnfg::FillAvailable() {
  available_ = AvailableCalls(SoundsDir());
  AvailableCallsListBox->clear();
  for (const std::string& name : available_) AvailableCallsListBox->addItem(Q(name));
}

void TfrmRadCnfg::ReadCallsInUse() {
  RadioCallFile file;
  switch (ReadRadioCallFile(itxPath_, file)) {
    case ItxRead::Missing:
      break;
    case ItxRead::Unreadable:
      host_.Message(MsgType::Warning, Buttons::Ok, UnreadableRadioCallFileMessage(itxPath_));
      break;
    case ItxRead::Done:
      for (const ScheduledCall& call : file.Calls)
        if (call.Fault == CallFault::None || call.Fault == CallFault::BadTime)
          calls_.push_back(call);
      break;
  }
  SortCallsByTime(calls_);
  ShowCallsInUse(-1);
}

void TfrmRadCnfg::ShowCallsInUse(int select) {
  filling_ = true;
  CallsUsedListBox->clear();
  for (const ScheduledCall& call : calls_)
    CallsUsedListBox->addItem(Q(CallListItem(call, !SoundFileExists(SoundsDir(), call.Name))));
  CallsUsedListBox->setCurrentRow(select);
  filling_ = false;
  ShowSelectedCall();
}

int TfrmRadCnfg::SelectedCall() const {
  const int row = CallsUsedListBox->currentRow();
  return row >= 0 && row < static_cast<int>(calls_.size()) ? row : -1;
}

std::string TfrmRadCnfg::TextFileOf(const std::string& callName) const {
  return ResolveSoundFile(SoundsDir(), BaseName(callName) + ".WTX");
}

void TfrmRadCnfg::ShowSelectedCall() {
  filling_ = true;
  const int n = SelectedCall();
  shownCall_ = n;
  CallText text;
  if (n >= 0) {
    std::string error;
    if (!ReadCallTextFile(TextFileOf(calls_[n].Name), text, error))
      host_.Message(MsgType::Warning, Buttons::Ok, error);
  }
  QStringList lines;
  for (const std::string& line : text.Lines) lines << Q(line);
  shownDescription_ = text.Description;
  shownText_ = lines.join('\n').toStdString();
  EditDescription->setText(Q(shownDescription_));
  MemoExactText->setPlainText(Q(shownText_));
  MaskEditPlayTime->setText(n >= 0 ? Q(CallTimeText(calls_[n].Seconds)) : QString());
  for (QWidget* w : {static_cast<QWidget*>(EditDescription), static_cast<QWidget*>(MemoExactText),
                     static_cast<QWidget*>(MaskEditPlayTime)})
    w->setEnabled(n >= 0);
  filling_ = false;
  EnableButtons();
}

void TfrmRadCnfg::EnableButtons() {
  const int n = SelectedCall();
  ExcludeBtn->setEnabled(n >= 0);
  IncludeBtn->setEnabled(AvailableCallsListBox->currentRow() >= 0);
  const bool speech = !QStandardPaths::findExecutable("espeak-ng").isEmpty();
  BtnMakeWav->setEnabled(speech && n >= 0 && UpperExtension(calls_[n].Name) == ".WTX");
  BtnMakeWav->setToolTip(speech ? "speak the selected text-only call's text into a WAV of its name"
                                : "needs the espeak-ng speech synthesiser");
}

bool TfrmRadCnfg::NameCheckPasses() {
  if (!p_.run.CurrentEvolution.empty()) return true;
  if (!nameWarned_) {
    nameWarned_ = true;
    host_.Message(MsgType::Information, Buttons::Ok, kNoNameMessage);
  }
  return false;
}

void TfrmRadCnfg::IncludeBtnClick() {
  const int row = AvailableCallsListBox->currentRow();
  if (row < 0 || row >= static_cast<int>(available_.size())) return;
  NameCheckPasses();
  if (static_cast<int>(calls_.size()) >= kMaxScheduledCalls) {
    host_.Message(MsgType::Information, Buttons::Ok, "At most 63 radio calls can be scheduled.");
    return;
  }
  ScheduledCall call;
  call.Name = available_[row];
  call.Seconds = kNoTimeSeconds;
  calls_.push_back(call);
  SortCallsByTime(calls_);
  // The new call is the last of those at 59:59.
  int select = 0;
  for (int i = 0; i < static_cast<int>(calls_.size()); ++i)
    if (calls_[i].Seconds <= kNoTimeSeconds) select = i;
  ShowCallsInUse(select);
  lastClicked_ = CallsUsedListBox;
}

void TfrmRadCnfg::ExcludeBtnClick() {
  const int n = SelectedCall();
  NameCheckPasses();
  if (n < 0) return;
  calls_.erase(calls_.begin() + n);
  ShowCallsInUse(calls_.empty() ? -1 : std::min(n, static_cast<int>(calls_.size()) - 1));
}

void TfrmRadCnfg::CallsUsedListBoxClick() {
  if (filling_) return;
  ShowSelectedCall();
}

void TfrmRadCnfg::WriteCallText() {
  if (filling_ || shownCall_ < 0 || shownCall_ >= static_cast<int>(calls_.size())) return;
  const std::string description = EditDescription->text().toStdString();
  const std::string body = MemoExactText->toPlainText().toStdString();
  if (description == shownDescription_ && body == shownText_) return;
  CallText text;
  text.Description = description;
  for (const QString& line : MemoExactText->toPlainText().split('\n'))
    text.Lines.push_back(line.toStdString());
  if (body.empty()) text.Lines.clear();
  const std::string path = TextFileOf(calls_[shownCall_].Name);
  if (WriteCallTextFile(path, text) != WriteStep::Done) {
    host_.Message(MsgType::Error, Buttons::Ok, "The call text " + path + " could not be written.");
    return;
  }
  shownDescription_ = description;
  shownText_ = body;
}

void TfrmRadCnfg::EditDescriptionExit() { WriteCallText(); }
void TfrmRadCnfg::MemoExactTextExit() { WriteCallText(); }

void TfrmRadCnfg::MaskEditPlayTimeExit() {
  const int n = SelectedCall();
  if (filling_ || n < 0) return;
  const int seconds = ParseCallTime(MaskEditPlayTime->text().toStdString());
  if (seconds < 0) {
    host_.Message(MsgType::Information, Buttons::Ok,
                  "Enter the time as minutes and seconds (mm:ss).");
    filling_ = true;
    MaskEditPlayTime->setText(Q(CallTimeText(calls_[n].Seconds)));
    filling_ = false;
    return;
  }
  if (seconds == calls_[n].Seconds) return;
  // The selection follows the call to its new place.
  for (ScheduledCall& call : calls_) call.Section = &call == &calls_[n] ? "*" : "";
  calls_[n].Seconds = seconds;
  SortCallsByTime(calls_);
  int select = 0;
  for (int i = 0; i < static_cast<int>(calls_.size()); ++i)
    if (calls_[i].Section == "*") select = i;
  for (ScheduledCall& call : calls_) call.Section.clear();
  ShowCallsInUse(select);
}

void TfrmRadCnfg::BtnPlayWaveClick() {
  const int n = SelectedCall();
  if (n < 0) {
    host_.Message(MsgType::Information, Buttons::Ok,
                  "First select a WAV name in the \"Calls to Use\" box");
    return;
  }
  // The call as it would come during a run; it may cut off one playing.
  OfferPriorityCall(calls_[n].Name, RadioOutputOf(p_.config, p_.run), host_);
}

void TfrmRadCnfg::BtnCreateSndTxtFileClick() {
  std::optional<std::string> name = AskTextOnlyName();
  if (!name) return;
  if (!ValidTextOnlyName(*name)) {
    host_.Message(MsgType::Information, Buttons::Ok, kTextOnlyNameMessage);
    return;
  }
  const std::string file = *name + ".WTX";
  if (SoundFileExists(SoundsDir(), file)) {
    host_.Message(MsgType::Information, Buttons::Ok,
                  "This filename already exists. Choose another.");
    return;
  }
  const std::string path = SoundsDir() + file;
  if (WriteFileReplacing(path, "", 0) != WriteStep::Done) {
    host_.Message(MsgType::Error, Buttons::Ok, "The call text " + path + " could not be created.");
    return;
  }
  FillAvailable();
  for (int i = 0; i < static_cast<int>(available_.size()); ++i)
    if (QString::compare(Q(available_[i]), Q(file), Qt::CaseInsensitive) == 0)
      AvailableCallsListBox->setCurrentRow(i);
  lastClicked_ = AvailableCallsListBox;
  EnableButtons();
}

void TfrmRadCnfg::BtnDeleteSelectedFileClick() {
  std::string name;
  if (lastClicked_ == AvailableCallsListBox && AvailableCallsListBox->currentRow() >= 0)
    name = available_[AvailableCallsListBox->currentRow()];
  else if (lastClicked_ == CallsUsedListBox && SelectedCall() >= 0)
    name = calls_[SelectedCall()].Name;
  if (name.empty()) {
    host_.Message(MsgType::Information, Buttons::Ok,
                  "A file in the list must be selected before it can be deleted.");
    return;
  }
  const bool isText = UpperExtension(name) == ".WTX";
  const std::string wavName = !isText && SoundFileExists(SoundsDir(), name) ? name : "";
  const std::string wtxName = BaseName(name) + ".WTX";
  const bool hasText = SoundFileExists(SoundsDir(), wtxName);
  const std::string question = wavName.empty() && !hasText
                                   ? "Delete " + name + " ?"
                                   : DeleteCallQuestion(wavName, hasText ? wtxName : "");
  if (host_.Message(MsgType::Confirmation, Buttons::OkCancel, question) != Answer::Ok) return;
  std::error_code ec;
  if (!wavName.empty()) std::filesystem::remove(ResolveSoundFile(SoundsDir(), wavName), ec);
  if (hasText) std::filesystem::remove(ResolveSoundFile(SoundsDir(), wtxName), ec);
  std::erase_if(calls_, [&](const ScheduledCall& c) {
    return QString::compare(Q(c.Name), Q(name), Qt::CaseInsensitive) == 0;
  });
  FillAvailable();
  ShowCallsInUse(-1);
}

void TfrmRadCnfg::BtnMakeWavClick() {
  const int n = SelectedCall();
  if (n < 0 || UpperExtension(calls_[n].Name) != ".WTX") return;
  WriteCallText();
  const QString espeak = QStandardPaths::findExecutable("espeak-ng");
  const std::string text = MemoExactText->toPlainText().toStdString();
  if (espeak.isEmpty() || text.empty()) {
    host_.Message(MsgType::Information, Buttons::Ok,
                  espeak.isEmpty() ? "The espeak-ng speech synthesiser is not installed."
                                   : "The call has no text to speak.");
    return;
  }
  QTemporaryDir scratch;
  const QString speech = scratch.filePath("speech.wav");
  QProcess process;
  process.start(espeak, {"-v", "en-us", "-s", "160", "-w", speech, Q(text)});
  const bool ran = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
                   process.exitCode() == 0;
  WavSound voice;
  std::string error;
  if (!ran || !ReadWavFile(speech.toStdString(), voice, error)) {
    host_.Message(
        MsgType::Error, Buttons::Ok,
        "espeak-ng could not speak the call: " +
            (ran ? error
                 : process.errorString().toStdString() + " " +
                       QString::fromLocal8Bit(process.readAllStandardError()).toStdString()));
    return;
  }
  const std::string wav = RadioVoiceWav(voice);
  const std::string path = SoundsDir() + BaseName(calls_[n].Name) + ".WAV";
  if (WriteFileReplacing(path, wav.data(), wav.size()) != WriteStep::Done) {
    host_.Message(MsgType::Error, Buttons::Ok, "The radio call " + path + " could not be written.");
    return;
  }
  calls_[n].Name = BaseName(calls_[n].Name) + ".WAV";
  FillAvailable();
  ShowCallsInUse(n);
  host_.Message(MsgType::Information, Buttons::Ok,
                "The call is now the recorded call " + calls_[n].Name + ".");
}

void TfrmRadCnfg::OKBtnClick() {
  WriteCallText();
  if (!calls_.empty() && p_.run.CurrentEvolution.empty()) {
    host_.Message(MsgType::Information, Buttons::Ok, kNoNameMessage);
    return;
  }
  const std::string base =
      p_.run.CurrentEvolution.empty() ? "DEFAULT" : BaseName(p_.run.CurrentEvolution);
  const std::string failed = WriteRadioCallFile(itxPath_, base, calls_);
  if (!failed.empty()) {
    host_.Message(MsgType::Error, Buttons::Ok, failed);
    return;
  }
  LoadSchedule(p_.S().RadioMessages, calls_);
  accept();
}

}  // namespace pumpdrill
