#include "sound/gui/frm_sound.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "sound/gui/sound_system.h"
#include "sound/sound_options_view.h"

namespace pumpdrill {

namespace {

constexpr const char* kNoCardMessage = "A sound card is not detected in this computer. ";
constexpr const char* kNotHeardMessage =
    "Check that your speakers are plugged in, and that your sound levels are adjusted.";

// A control with its caption, named as the tests and the code call it.
template <class Control>
Control* Named(const char* caption, const char* name, QWidget* parent) {
  auto* c = new Control(caption, parent);
  c->setObjectName(name);
  return c;
}

QPushButton* TestButton(const char* name, int tag, QWidget* parent) {
  auto* b = Named<QPushButton>("Test", name, parent);
  b->setProperty("Tag", tag);
  b->setAutoDefault(false);
  return b;
}

QLabel* WarningLabel(const char* name, const char* text, QWidget* parent) {
  auto* l = Named<QLabel>(text, name, parent);
  l->setStyleSheet("color: #b00000; font-weight: bold;");
  return l;
}

void Apply(QCheckBox* box, const ControlState& state) {
  box->setEnabled(state.Enabled);
  box->setChecked(state.Checked);
}

}  // namespace

TfrmSound::TfrmSound(Program& program, Alerts& alerts, SoundSystem* sound, QWidget* parent)
    : QDialog(parent), p_(program), alerts_(alerts), sound_(sound) {
  setObjectName("frmSound");
  setWindowTitle("Sound");
  setModal(true);
  BuildControls();
  const TOptions& o = p_.config.Options;
  percent_ = std::clamp<int>(o.EngVolPercent, 0, 100);
  ShowOptions(o.UseWavSound, o.EngineSound, o.RadioUse);
}

void TfrmSound::BuildControls() {
  auto* card = Named<QGroupBox>("Sound card", "GrpSndCard", this);
  RadioSndCardInstalled = Named<QRadioButton>("Installed", "RadioSndCardInstalled", card);
  RadioSndCardNotInstalled = Named<QRadioButton>("Not installed", "RadioSndCardNotInstalled", card);
  // They show what was found; the user does not choose.
  for (QRadioButton* r : {RadioSndCardInstalled, RadioSndCardNotInstalled}) {
    r->setAttribute(Qt::WA_TransparentForMouseEvents);
    r->setFocusPolicy(Qt::NoFocus);
  }
  LblSndCardNotInstalled = WarningLabel("LblSndCardNotInstalled", "Sound card NOT installed !", card);
  lblDirectSndNotAvailable = WarningLabel("lblDirectSndNotAvailable", "Sound output NOT available !", card);
  auto* cardLayout = new QGridLayout(card);
  cardLayout->addWidget(RadioSndCardInstalled, 0, 0);
  cardLayout->addWidget(RadioSndCardNotInstalled, 0, 1);
  cardLayout->addWidget(LblSndCardNotInstalled, 1, 0, 1, 2);
  cardLayout->addWidget(lblDirectSndNotAvailable, 2, 0, 1, 2);

  auto* sounds = Named<QGroupBox>("Sounds", "GrpSounds", this);
  CheckBoxWavUse = Named<QCheckBox>("Use Sound", "CheckBoxWavUse", sounds);
  CheckBoxEngUse = Named<QCheckBox>("Use Engine Sound", "CheckBoxEngUse", sounds);
  CheckBoxPrimerUse = Named<QCheckBox>("Use Primer Sound", "CheckBoxPrimerUse", sounds);
  CheckBoxRndCallsUse = Named<QCheckBox>("Use Random Radio Calls", "CheckBoxRndCallsUse", sounds);
  BtnCheckEngSnd = TestButton("BtnCheckEngSnd", kTagEngine, sounds);
  BtnCheckPrimerSnd = TestButton("BtnCheckPrimerSnd", kTagPrimer, sounds);
  BtnCheckRndCallSnd = TestButton("BtnCheckRndCallSnd", kTagRadio, sounds);
  LblVolume = Named<QLabel>("", "LblVolume", sounds);
  TrackBarEngVolume = new QSlider(Qt::Horizontal, sounds);
  TrackBarEngVolume->setObjectName("TrackBarEngVolume");
  TrackBarEngVolume->setRange(0, 100);
  TrackBarEngVolume->setTickPosition(QSlider::TicksBelow);
  TrackBarEngVolume->setTickInterval(10);
  TrackBarEngVolume->setPageStep(10);
  TrackBarEngVolume->setMinimumWidth(180);

  auto* grid = new QGridLayout(sounds);
  grid->setColumnStretch(0, 1);
  grid->addWidget(CheckBoxWavUse, 0, 0, 1, 2);
  grid->addWidget(CheckBoxEngUse, 1, 0);
  grid->addWidget(BtnCheckEngSnd, 1, 1);
  auto* volume = new QHBoxLayout;
  volume->setContentsMargins(20, 0, 0, 0);
  volume->addWidget(LblVolume);
  volume->addWidget(TrackBarEngVolume, 1);
  grid->addLayout(volume, 2, 0, 1, 2);
  grid->addWidget(CheckBoxPrimerUse, 3, 0);
  grid->addWidget(BtnCheckPrimerSnd, 3, 1);
  grid->addWidget(CheckBoxRndCallsUse, 4, 0);
  grid->addWidget(BtnCheckRndCallSnd, 4, 1);

  BtnOK = Named<QPushButton>("OK", "BtnOK", this);
  BtnOK->setDefault(true);
  BtnCancel = Named<QPushButton>("Cancel", "BtnCancel", this);
  BtnCancel->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BtnOK);
  buttons->addWidget(BtnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(card);
  layout->addWidget(sounds);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  for (QCheckBox* box : {CheckBoxWavUse, CheckBoxEngUse, CheckBoxRndCallsUse})
    connect(box, &QCheckBox::clicked, this, &TfrmSound::CheckBoxClick);
  connect(TrackBarEngVolume, &QSlider::valueChanged, this, &TfrmSound::TrackBarEngVolumeChange);
  for (QPushButton* b : {BtnCheckEngSnd, BtnCheckPrimerSnd, BtnCheckRndCallSnd})
    connect(b, &QPushButton::clicked, this, [this, b] { BtnCheckClick(b->property("Tag").toInt()); });
  connect(BtnOK, &QPushButton::clicked, this, &TfrmSound::BtnOKClick);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmSound::ShowOptions(bool useSound, bool engineSound, bool randomCalls) {
  SoundOptionsInput in;
  in.SoundCard = p_.run.WaveDevices > 0;
  in.OutputOk = sound_ && !sound_->InitFailed();
  in.UseSound = useSound;
  in.EngineSound = engineSound;
  in.RandomCalls = randomCalls;
  in.Running = p_.run.SimActive;
  const SoundOptionsView v = ShowSoundOptions(in);

  filling_ = true;
  RadioSndCardInstalled->setChecked(v.CardInstalled);
  RadioSndCardNotInstalled->setChecked(!v.CardInstalled);
  LblSndCardNotInstalled->setVisible(v.ShowNoCard);
  lblDirectSndNotAvailable->setVisible(v.ShowOutputMissing);
  Apply(CheckBoxWavUse, v.UseSound);
  Apply(CheckBoxEngUse, v.EngineSound);
  Apply(CheckBoxRndCallsUse, v.RandomCalls);
  Apply(CheckBoxPrimerUse, v.Primer);
  BtnCheckEngSnd->setEnabled(v.TestEngine);
  BtnCheckPrimerSnd->setEnabled(v.TestPrimer);
  BtnCheckRndCallSnd->setEnabled(v.TestRandomCall);
  TrackBarEngVolume->setEnabled(v.Volume);
  LblVolume->setEnabled(v.Volume);
  TrackBarEngVolume->setValue(percent_);
  ShowVolume();
  filling_ = false;
}

void TfrmSound::ShowVolume() { LblVolume->setText(QString("Volume: %1 %").arg(percent_)); }

void TfrmSound::CheckBoxClick() {
  ShowOptions(CheckBoxWavUse->isChecked(), CheckBoxEngUse->isChecked(), CheckBoxRndCallsUse->isChecked());
}

void TfrmSound::TrackBarEngVolumeChange(int position) {
  if (filling_) return;
  percent_ = position;
  ShowVolume();
}

void TfrmSound::BtnCheckClick(int tag) {
  if (p_.run.SimActive) return;
  if (p_.run.WaveDevices <= 0) {
    alerts_.Message(MsgType::Information, Buttons::Ok, kNoCardMessage);
    return;
  }
  TestSound(tag);
}

void TfrmSound::TestSound(int tag) {
  std::string file, question;
  if (tag == kTagRadio) {
    const std::string folder = p_.Dirs().SoundsDirectory;
    std::vector<std::string> calls = FindRandomCallFiles(folder);
    if (calls.empty()) {
      alerts_.Message(MsgType::Information, Buttons::Ok, "No random radio calls were found in " + folder);
      return;
    }
    file = folder + calls.front();
    question = "Pumpdrill detects a sound card, and is now playing a radio call.  Do you hear it?";
  } else if (tag == kTagEngine) {
    question = "Pumpdrill detects a sound card, and is now playing the engine sound.  Do you hear it?";
  } else {
    question = "Pumpdrill detects a sound card, and is now playing the primer sound.  Do you hear it?";
  }

  // The test plays with what the dialog shows, whether or not it is stored.
  TOptions& o = p_.config.Options;
  const TOptions stored = o;
  o.UseWavSound = true;
  if (tag == kTagEngine) o.EngineSound = true;
  if (tag == kTagRadio) o.RadioUse = true;
  if (sound_) {
    sound_->layer().SetEngineVolume(percent_);
    if (tag == kTagEngine) sound_->SoundCue(SND_ENG_START, 30000);
    if (tag == kTagPrimer) sound_->SoundCue(SND_PRIMER_START, -1, false);
    if (tag == kTagRadio) sound_->SoundCue(SND_GENERAL_RADIO_CALL, -1, false, file);
  }
  const Answer heard = alerts_.Message(MsgType::Confirmation, Buttons::YesNo, question);
  if (sound_) {
    sound_->SoundCue(tag, SoundCueStop);
    sound_->layer().SetEngineVolume(stored.EngVolPercent);
  }
  o.UseWavSound = stored.UseWavSound;
  o.EngineSound = stored.EngineSound;
  o.RadioUse = stored.RadioUse;
  if (heard == Answer::No) alerts_.Message(MsgType::Information, Buttons::Ok, kNotHeardMessage);
}

void TfrmSound::BtnOKClick() {
  TOptions& o = p_.config.Options;
  // Stops first: once "Sound: Use WAV" is off the layer ignores them.
  if (sound_ && p_.run.SimActive) {
    if (o.UseWavSound && !CheckBoxWavUse->isChecked()) sound_->SoundCue(SND_ALL, SoundCueStopAll);
    if (o.EngineSound && !CheckBoxEngUse->isChecked()) sound_->SoundCue(SND_ENG_START, SoundCueStop);
  }
  o.UseWavSound = CheckBoxWavUse->isChecked();
  o.EngineSound = CheckBoxEngUse->isChecked();
  o.RadioUse = CheckBoxRndCallsUse->isChecked();
  o.EngVolPercent = static_cast<SmallInt>(std::clamp(percent_, 0, 100));
  const ConfigReport written = WriteConfiguration(p_.ConfigPath(), p_.config, p_.S().ShowOptions);
  if (!written.Ok) {
    std::string why;
    for (const std::string& problem : written.Problems) why += "\n" + problem;
    alerts_.Message(MsgType::Warning, Buttons::Ok,
                    "The sound options hold until the program ends, but could not be stored in " +
                        p_.ConfigPath() + "." + why);
  }
  accept();
}

void TfrmSound::done(int result) {
  if (sound_) sound_->layer().SetEngineVolume(p_.config.Options.EngVolPercent);
  QDialog::done(result);
}

}  // namespace pumpdrill
